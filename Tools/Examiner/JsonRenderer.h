// ToJson gives a complete decoding as JSON: records as objects in field
// order, lists as arrays, numbers as numbers, text as strings (text that is
// not well-formed UTF-16 as {"utf16": [units]}), and a content as null or
// {"kind", "size", then "text" or "base64"}; contents are text when they
// are text content holding valid UTF-8. Encode reads exactly this form back.
#pragma once

#include <nlohmann/json.hpp>

#include "Node.h"

namespace Quorum::Tools::Examiner {

// `withContents` false leaves out the bytes of every content (kind and size
// stay), which Encode then refuses.
nlohmann::ordered_json ToJson(const Node& node, bool withContents = true);

}  // namespace Quorum::Tools::Examiner
