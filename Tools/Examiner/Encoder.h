// Encode writes the channel form of a value given as the JSON that ToJson
// prints, without building library objects, so whatever decodes (odd data
// included) encodes back to the same bytes. A content's "kind" is ignored:
// the reader derives it from the body part's headers.
#pragma once

#include <vector>

#include <nlohmann/json.hpp>

#include "Schema.h"

namespace Quorum::Tools::Examiner {

// Throws Strata::IllegalArgumentException naming the JSON path (for example
// "bodyParts[1].content") when `value` does not follow `schema`: a missing or
// unknown key, a wrong JSON type, a number out of range, a content whose
// bytes were left out or whose size differs from its bytes.
std::vector<unsigned char> Encode(const Schema& schema, const nlohmann::ordered_json& value);

}  // namespace Quorum::Tools::Examiner
