// Schema describes the channel form of one value type as data, so a single
// walker can decode, render and encode every type the same way. Schemas are
// immutable singletons; the pointers FindSchema hands out live for the whole
// program.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Quorum::Tools::Examiner {

struct Schema;

// One field of a record: its JSON key, the words a person reads in dumps and
// error messages, and its own schema.
struct Field {
  std::string key;
  std::string label;
  const Schema* schema;
};

struct Schema {
  enum class Kind {
    Record,       // the fields, one after the other
    List,         // an unsigned int count, then that many elements
    String,       // an unsigned int count of UTF-16 units, then the units
    UnsignedInt,  // 4 bytes
    Int,          // 4 bytes, two's complement
    Short,        // 2 bytes, two's complement
    Content       // a bool; when true an unsigned int size and that many raw bytes
  };

  std::string name;
  Kind kind;
  std::vector<Field> fields;        // Record
  const Schema* element = nullptr;  // List
  std::string elementLabel;         // List: "header", "body part"

  // The fewest bytes a value of this type takes, used to refuse counts that
  // the remaining bytes cannot possibly hold.
  std::uint64_t GetMinimumSize() const;
  // A Record of two strings, "name" then "value", shown on a single line.
  bool IsNamedValue() const;
};

// The schema of the type called `name` (as --type spells it), or null.
const Schema* FindSchema(const std::string& name);
// Every name FindSchema knows, in a fixed order.
std::vector<std::string> GetSchemaNames();

}  // namespace Quorum::Tools::Examiner
