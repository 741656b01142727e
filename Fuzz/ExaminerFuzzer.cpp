// Feeds arbitrary bytes to quorum-mail's verify path. The first byte picks
// the value type, the rest is the channel form. Decoding must end in a
// result or a failure (never a crash, a hang or an outsized allocation), the
// dump must render either way, and whatever decodes completely must print
// as JSON and encode back to the very same bytes.
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

namespace Examiner = Quorum::Tools::Examiner;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const std::vector<std::string> types = Examiner::GetSchemaNames();
  const Examiner::Schema& schema = *Examiner::FindSchema(types[data[0] % types.size()]);
  const std::vector<unsigned char> bytes(data + 1, data + size);

  const Examiner::Decoding checked = Examiner::Decode(schema, bytes, false);
  const Examiner::Decoding decoding = Examiner::Decode(schema, bytes);
  // Checking alone must find the same failure as the full decoding.
  if (checked.failure.has_value() != decoding.failure.has_value() ||
      (checked.failure && checked.failure->Describe() != decoding.failure->Describe())) {
    std::abort();
  }
  std::ostringstream dump;
  Examiner::RenderDump(decoding, dump);
  if (decoding.failure) return 0;
  const auto json = Examiner::ToJson(decoding.root);
  (void)Examiner::ToJson(decoding.root, false).dump();
  const auto reparsed = nlohmann::ordered_json::parse(json.dump());
  if (Examiner::Encode(schema, reparsed) != bytes) std::abort();
  return 0;
}
