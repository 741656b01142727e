// quorum-mail: inspects, verifies and builds stored channel forms.
// Results go to standard output, every error to standard error. Exit status:
// 0 success; 1 data that does not decode or disagrees with itself, JSON that
// does not encode, a typed header that does not parse; 2 a usage error, a
// file that cannot be read or written, or any other error.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "Decoder.h"
#include "DumpRenderer.h"
#include "Encoder.h"
#include "HeadersReport.h"
#include "JsonRenderer.h"
#include "Quorum/Server/Mail/Version.h"
#include "Schema.h"
#include "Source.h"
#include "Strata/StrataException.h"

namespace Examiner = Quorum::Tools::Examiner;
using Examiner::FileError;

namespace {

constexpr int DataFailure = 1;
constexpr int Trouble = 2;

struct Options {
  std::string type = "mail";
  std::string path;
  std::vector<std::string> paths;
  std::string output;
  bool all = false;
  bool withoutContents = false;
};

const Examiner::Schema& SchemaOf(const Options& options) {
  return *Examiner::FindSchema(options.type);  // CLI11 admitted only known names
}

// One value filling the source, or with --all values one after another.
Examiner::Decoding Walk(const Options& options, Examiner::Source& source, Examiner::Sink& sink) {
  return options.all ? Examiner::DecodeAll(SchemaOf(options), source, sink)
                     : Examiner::Decode(SchemaOf(options), source, sink);
}

// Standard output first, so that the error follows what was printed.
std::ostream& Errors() {
  std::cout.flush();
  return std::cerr;
}

void WriteOutput(const std::string& path, const std::vector<unsigned char>& data) {
  if (path == "-") {
    std::cout.write(reinterpret_cast<const char*>(data.data()),
                    static_cast<std::streamsize>(data.size()));
    return;
  }
  const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (descriptor < 0) throw FileError(path + ": cannot create: " + std::strerror(errno));
  for (std::size_t done = 0; done < data.size();) {
    const ssize_t written = ::write(descriptor, data.data() + done, data.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) {
      const int error = errno;
      ::close(descriptor);
      throw FileError(path + ": cannot write: " + std::strerror(error));
    }
    done += static_cast<std::size_t>(written);
  }
  if (::close(descriptor) != 0) throw FileError(path + ": cannot write: " + std::strerror(errno));
}

int Dump(const Options& options) {
  const auto source = Examiner::Source::Open(options.path);
  Examiner::DumpRenderer renderer(std::cout);
  const Examiner::Decoding decoding = Walk(options, *source, renderer);
  renderer.Finish();
  if (!decoding.failure) return 0;
  Errors() << "error at " << decoding.failure->Describe() << '\n';
  return DataFailure;
}

int Json(const Options& options) {
  const auto source = Examiner::Source::Open(options.path);
  Examiner::JsonRenderer renderer(std::cout, !options.withoutContents, options.all);
  const Examiner::Decoding decoding = Walk(options, *source, renderer);
  renderer.Finish(decoding.failure.has_value());
  if (!decoding.failure) return 0;
  Errors() << options.path << ": " << decoding.failure->Describe() << '\n';
  return DataFailure;
}

// Reports, as verify's findings, what decodes but disagrees with itself.
class Findings : public Examiner::Sink {
 public:
  explicit Findings(const std::string& path) : path_(path) {}
  void Disagreement(const Examiner::Failure& finding) override {
    Errors() << path_ << ": " << finding.Describe() << '\n';
    ++count_;
  }
  unsigned int GetCount() const noexcept { return count_; }

 private:
  const std::string& path_;
  unsigned int count_ = 0;
};

int Verify(const Options& options) {
  int status = 0;
  for (const std::string& path : options.paths) {
    try {
      const auto source = Examiner::Source::Open(path);
      Findings findings(path);
      const Examiner::Decoding decoding = Walk(options, *source, findings);
      if (decoding.failure) {
        Errors() << path << ": " << decoding.failure->Describe() << '\n';
        status = std::max(status, DataFailure);
      } else if (findings.GetCount() != 0) {
        status = std::max(status, DataFailure);
      } else {
        std::cout << path << ": ok, ";
        if (options.all) std::cout << decoding.values << " values, ";
        std::cout << source->GetSize() << " bytes\n";
      }
    } catch (const FileError& e) {
      Errors() << e.what() << '\n';
      status = Trouble;
    }
  }
  return status;
}

int Make(const Options& options) {
  const auto source = Examiner::Source::Open(options.path);
  std::string text(source->GetSize(), '\0');
  source->ReadAt(0, reinterpret_cast<unsigned char*>(text.data()), text.size());
  std::vector<unsigned char> bytes;
  try {
    const auto json = Examiner::ParseJson(text);
    bytes = options.all ? Examiner::EncodeAll(SchemaOf(options), json)
                        : Examiner::Encode(SchemaOf(options), json);
  } catch (const Strata::StrataException& e) {
    Errors() << options.path << ": " << e.what() << '\n';
    return DataFailure;
  }
  WriteOutput(options.output, bytes);
  return 0;
}

int Headers(const Options& options) {
  const auto source = Examiner::Source::Open(options.path);
  const bool parsed = options.all ? Examiner::RenderAllHeaders(*source, std::cout, Errors())
                                  : Examiner::RenderHeaders(*source, std::cout, Errors());
  return parsed ? 0 : DataFailure;
}

int Run(int argc, char** argv) {
  CLI::App app{"Inspects, verifies and builds the stored channel forms of mail values."};
  app.require_subcommand(1);
  app.set_version_flag("--version",
                       std::string("quorum-mail ") + Quorum::Server::Mail::GetLibraryVersion());
  Options options;
  const auto types = Examiner::GetSchemaNames();
  const auto addType = [&](CLI::App* command) {
    command->add_option("--type,-t", options.type, "The value type")
        ->check(CLI::IsMember(types))
        ->capture_default_str();
  };
  const auto addAll = [&](CLI::App* command, const char* what) {
    command->add_flag("--all", options.all, what);
  };
  const char* input = "The channel form, or - for standard input";

  CLI::App* dump = app.add_subcommand("dump", "Print the value as a tree with byte offsets");
  addType(dump);
  addAll(dump, "Print every value of a sequence (values one after another)");
  dump->add_option("file", options.path, input)->required();
  CLI::App* json = app.add_subcommand("json", "Print the value as JSON");
  addType(json);
  addAll(json, "Print the values of a sequence as one JSON array");
  json->add_flag("--no-contents", options.withoutContents,
                 "Leave out the bytes of body part contents");
  json->add_option("file", options.path, input)->required();
  CLI::App* verify =
      app.add_subcommand("verify", "Check that each file decodes completely, nothing left over");
  addType(verify);
  addAll(verify, "Check each file as a sequence of values, ending between two");
  verify->add_option("files", options.paths, "The channel forms")->required();
  CLI::App* make =
      app.add_subcommand("make", "Build the channel form from the JSON that json prints");
  addType(make);
  addAll(make, "Build a sequence from a JSON array of values, as json --all prints");
  make->add_option("file", options.path, "The JSON, or - for standard input")->required();
  make->add_option("-o,--output", options.output,
                   "Where to write the channel form (- for standard output)")
      ->required();
  CLI::App* headers = app.add_subcommand("headers", "Print a mail's typed headers as parsed");
  addAll(headers, "Print the typed headers of every mail of a sequence");
  headers->add_option("file", options.path, "The mail's channel form, or - for standard input")
      ->required();

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? 0 : Trouble;  // help and version exit 0
  }
  int status = 0;
  try {
    if (dump->parsed()) status = Dump(options);
    if (json->parsed()) status = Json(options);
    if (verify->parsed()) status = Verify(options);
    if (make->parsed()) status = Make(options);
    if (headers->parsed()) status = Headers(options);
  } catch (const FileError& e) {
    Errors() << e.what() << '\n';
    return Trouble;
  }
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "quorum-mail: cannot write to standard output\n";
    return Trouble;
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "quorum-mail: " << e.what() << '\n';
  } catch (...) {
    std::cerr << "quorum-mail: unexpected error\n";
  }
  return Trouble;
}
