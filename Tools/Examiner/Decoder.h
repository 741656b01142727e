// Decode walks the channel form of one value type through an input channel
// that counts its position, recording each item with the offset where it
// begins. It trusts no count: every length is checked against the bytes that
// remain before anything is read or stored, so a hostile input costs no more
// memory than its own size and ends in a Failure, never in an exception.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Node.h"
#include "Schema.h"

namespace Quorum::Tools::Examiner {

struct Failure {
  std::uint64_t offset = 0;
  // What was being read, e.g. "body part 2 'report.pdf', content size";
  // empty for bytes left over after a complete value.
  std::string context;
  std::string message;

  // "offset 1032: <context>: <message>".
  std::string Describe() const;
};

struct Decoding {
  Node root;  // complete when `failure` is empty, else up to the failure
  std::optional<Failure> failure;
};

// With `keepValues` false only the failure is of use: list elements and
// content bytes are dropped once read, so checking takes little memory
// (a kept tree takes some hundred bytes per item).
Decoding Decode(const Schema& schema, const std::vector<unsigned char>& data,
                bool keepValues = true);

}  // namespace Quorum::Tools::Examiner
