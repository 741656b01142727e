// Encode writes the channel form of a value given as the JSON JsonRenderer
// prints, without building library objects, so whatever decodes (odd data
// included) encodes back to the same bytes. A content's "kind" is ignored:
// the reader derives it from the body part's headers.
#pragma once

#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "Schema.h"

namespace Quorum::Tools::Examiner {

// Throws Strata::IllegalArgumentException naming the JSON path (for example
// "bodyParts[1].content") when `value` does not follow `schema`: a missing or
// unknown key, a wrong JSON type, a number out of range, a content whose
// bytes were left out or whose size differs from its bytes.
std::vector<unsigned char> Encode(const Schema& schema, const nlohmann::ordered_json& value);
// The values of a JSON array one after another, as a sequence; paths name
// the element ("[2].bodyParts[1].content").
std::vector<unsigned char> EncodeAll(const Schema& schema, const nlohmann::ordered_json& values);

// The deepest nesting of objects and arrays ParseJson accepts; what
// JsonRenderer prints for any type nests less than ten deep.
constexpr unsigned int MaxJsonDepth = 64;

// Parses JSON text for Encode. Throws Strata::IllegalArgumentException "not
// valid JSON", or "nested deeper than 64 levels" when objects and arrays nest
// deeper than MaxJsonDepth, which is checked before the parser sees the text.
nlohmann::ordered_json ParseJson(std::string_view text);

}  // namespace Quorum::Tools::Examiner
