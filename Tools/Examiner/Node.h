// Node is one decoded item of a channel form: where it starts, what schema it
// follows, and its value. Records and lists hold their items as children; a
// decoding that failed leaves the items read so far, the last one partial.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Schema.h"

namespace Quorum::Tools::Examiner {

struct Node {
  enum class ContentKind { None, Memory, Text };

  const Schema* schema = nullptr;
  std::uint64_t offset = 0;
  // The words that name this item in dumps and messages: a field's label or
  // "body part 2 'report.pdf'".
  std::string label;
  std::string key;        // the JSON key when the item is a record's field
  bool complete = false;  // false for the item a failed decoding stopped in

  std::u16string text;                          // String
  std::int64_t number = 0;                      // UnsignedInt, Int, Short; a List's claimed count
  ContentKind contentKind = ContentKind::None;  // Content
  std::vector<unsigned char> bytes;             // Content
  std::vector<Node> children;                   // Record fields, List elements
};

}  // namespace Quorum::Tools::Examiner
