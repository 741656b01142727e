// Feeds arbitrary bytes to quorum-mail's examiner. The first byte picks the
// value type (its low six bits) and the path (its high two): 0 and 1 the
// channel form of one value, 2 values one after another (--all), 3 JSON text
// for make. Decoding must end in a result or a failure (never a crash, a
// hang or an outsized allocation); checking, dumping and printing JSON must
// find the same failure; whatever decodes completely must print as JSON
// that encodes back to the very same bytes; and whatever make accepts must
// decode.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "Decoder.h"
#include "DumpRenderer.h"
#include "Encoder.h"
#include "JsonRenderer.h"
#include "Schema.h"
#include "Source.h"
#include "Strata/StrataException.h"

namespace Examiner = Quorum::Tools::Examiner;

namespace {

Examiner::Decoding Walk(const Examiner::Schema& schema, const std::vector<unsigned char>& bytes,
                        bool all, Examiner::Sink& sink) {
  Examiner::Source source(bytes);
  return all ? Examiner::DecodeAll(schema, source, sink) : Examiner::Decode(schema, source, sink);
}

std::string Described(const Examiner::Decoding& decoding) {
  return decoding.failure ? decoding.failure->Describe() : "ok";
}

void Make(const Examiner::Schema& schema, const std::vector<unsigned char>& text) {
  std::vector<unsigned char> bytes;
  try {
    bytes = Examiner::Encode(schema, Examiner::ParseJson(std::string_view(
                                         reinterpret_cast<const char*>(text.data()), text.size())));
  } catch (const Strata::StrataException&) {
    return;
  }
  Examiner::Sink nothing;
  if (Walk(schema, bytes, false, nothing).failure) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const std::vector<std::string> types = Examiner::GetSchemaNames();
  const Examiner::Schema& schema = *Examiner::FindSchema(types[(data[0] & 0x3F) % types.size()]);
  const unsigned int path = data[0] >> 6;
  const std::vector<unsigned char> bytes(data + 1, data + size);
  if (path == 3) {
    Make(schema, bytes);
    return 0;
  }
  const bool all = path == 2;

  Examiner::Sink nothing;
  const Examiner::Decoding checked = Walk(schema, bytes, all, nothing);
  std::ostringstream dump;
  Examiner::DumpRenderer dumper(dump);
  const Examiner::Decoding dumped = Walk(schema, bytes, all, dumper);
  dumper.Finish();
  std::ostringstream json;
  Examiner::JsonRenderer printer(json, true, all);
  const Examiner::Decoding printed = Walk(schema, bytes, all, printer);
  printer.Finish(printed.failure.has_value());
  if (Described(checked) != Described(dumped) || Described(checked) != Described(printed)) {
    std::abort();
  }
  if (checked.failure) return 0;
  std::ostringstream withoutContents;
  Examiner::JsonRenderer brief(withoutContents, false, all);
  Walk(schema, bytes, all, brief);
  brief.Finish(false);
  const auto reparsed = nlohmann::ordered_json::parse(json.str());
  if ((all ? Examiner::EncodeAll(schema, reparsed) : Examiner::Encode(schema, reparsed)) != bytes) {
    std::abort();
  }
  return 0;
}
