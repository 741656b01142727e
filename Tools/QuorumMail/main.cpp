// quorum-mail: inspects, verifies and builds stored channel forms.
// Exit status: 0 success, 1 data that does not decode (or JSON that does not
// encode), 2 a file that cannot be read or written.
#include <algorithm>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "Decoder.h"
#include "DumpRenderer.h"
#include "Encoder.h"
#include "HeadersReport.h"
#include "JsonRenderer.h"
#include "Schema.h"
#include "Strata/StrataException.h"

namespace Examiner = Quorum::Tools::Examiner;

namespace {

struct FileError {
  std::string message;
};

std::vector<unsigned char> ReadInput(const std::string& path) {
  if (path == "-") {
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(std::cin),
                                      std::istreambuf_iterator<char>());
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) throw FileError{path + ": cannot open"};
  std::vector<unsigned char> data((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
  if (file.bad()) throw FileError{path + ": cannot read"};
  return data;
}

void WriteOutput(const std::string& path, const std::vector<unsigned char>& data) {
  std::ofstream file;
  std::ostream* out = &std::cout;
  if (path != "-") {
    file.open(path, std::ios::binary | std::ios::trunc);
    if (!file) throw FileError{path + ": cannot create"};
    out = &file;
  }
  out->write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  out->flush();
  if (!*out) throw FileError{path + ": cannot write"};
}

const Examiner::Schema& SchemaNamed(const std::string& type) {
  return *Examiner::FindSchema(type);  // CLI11 admitted only known names
}

int Dump(const std::string& type, const std::string& path) {
  const Examiner::Decoding decoding = Examiner::Decode(SchemaNamed(type), ReadInput(path));
  Examiner::RenderDump(decoding, std::cout);
  return decoding.failure ? 1 : 0;
}

int Json(const std::string& type, const std::string& path, bool withContents) {
  const Examiner::Decoding decoding = Examiner::Decode(SchemaNamed(type), ReadInput(path));
  if (decoding.failure) {
    std::cerr << path << ": " << decoding.failure->Describe() << '\n';
    return 1;
  }
  std::cout << Examiner::ToJson(decoding.root, withContents).dump(2) << '\n';
  return 0;
}

int Verify(const std::string& type, const std::vector<std::string>& paths) {
  int status = 0;
  for (const std::string& path : paths) {
    try {
      const std::vector<unsigned char> data = ReadInput(path);
      const Examiner::Decoding decoding = Examiner::Decode(SchemaNamed(type), data, false);
      if (decoding.failure) {
        std::cout << path << ": " << decoding.failure->Describe() << '\n';
        status = std::max(status, 1);
      } else {
        std::cout << path << ": ok, " << data.size() << " bytes\n";
      }
    } catch (const FileError& e) {
      std::cout << e.message << '\n';
      status = 2;
    }
  }
  return status;
}

int Make(const std::string& type, const std::string& path, const std::string& output) {
  const std::vector<unsigned char> text = ReadInput(path);
  const auto json = nlohmann::ordered_json::parse(text.begin(), text.end(), nullptr, false);
  if (json.is_discarded()) {
    std::cerr << path << ": not valid JSON\n";
    return 1;
  }
  std::vector<unsigned char> bytes;
  try {
    bytes = Examiner::Encode(SchemaNamed(type), json);
  } catch (const Strata::StrataException& e) {
    std::cerr << path << ": " << e.what() << '\n';
    return 1;
  }
  WriteOutput(output, bytes);
  return 0;
}

int Headers(const std::string& path) {
  return Examiner::RenderHeaders(ReadInput(path), std::cout) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Inspects, verifies and builds the stored channel forms of mail values."};
  app.require_subcommand(1);
  std::string type = "mail";
  std::string path;
  std::vector<std::string> paths;
  std::string output;
  bool withoutContents = false;
  const auto types = Examiner::GetSchemaNames();
  auto addType = [&](CLI::App* command) {
    command->add_option("--type,-t", type, "The value type")
        ->check(CLI::IsMember(types))
        ->capture_default_str();
  };

  CLI::App* dump = app.add_subcommand("dump", "Print the value as a tree with byte offsets");
  addType(dump);
  dump->add_option("file", path, "The channel form, or - for standard input")->required();
  CLI::App* json = app.add_subcommand("json", "Print the value as JSON");
  addType(json);
  json->add_flag("--no-contents", withoutContents, "Leave out the bytes of body part contents");
  json->add_option("file", path, "The channel form, or - for standard input")->required();
  CLI::App* verify =
      app.add_subcommand("verify", "Check that each file decodes completely, nothing left over");
  addType(verify);
  verify->add_option("files", paths, "The channel forms")->required();
  CLI::App* make =
      app.add_subcommand("make", "Build the channel form from the JSON that json prints");
  addType(make);
  make->add_option("file", path, "The JSON, or - for standard input")->required();
  make->add_option("-o,--output", output, "Where to write the channel form (- for standard output)")
      ->required();
  CLI::App* headers = app.add_subcommand("headers", "Print a mail's typed headers as parsed");
  headers->add_option("file", path, "The mail's channel form, or - for standard input")->required();

  CLI11_PARSE(app, argc, argv);
  try {
    if (dump->parsed()) return Dump(type, path);
    if (json->parsed()) return Json(type, path, !withoutContents);
    if (verify->parsed()) return Verify(type, paths);
    if (make->parsed()) return Make(type, path, output);
    return Headers(path);
  } catch (const FileError& e) {
    std::cerr << e.message << '\n';
    return 2;
  }
}
