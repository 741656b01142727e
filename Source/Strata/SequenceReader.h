#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iosfwd>
#include <memory>
#include <utility>
#include <vector>

#include "Strata/Export.h"
#include "Strata/WholeValue.h"

namespace Strata {

namespace internal {

// The position-keeping core of SequenceReader, shared by every value type.
class STRATA_EXPORT SequenceInput {
 public:
  explicit SequenceInput(std::istream& in) noexcept : in_(&in) {}
  explicit SequenceInput(const std::filesystem::path& path);
  SequenceInput(const SequenceInput&) = delete;
  SequenceInput& operator=(const SequenceInput&) = delete;
  ~SequenceInput();

  // Runs `read` over the next value; false, without running it, at the end.
  bool ReadNext(const ChannelReader& read);
  std::uint64_t GetIndex() const noexcept { return index_; }
  std::uint64_t GetOffset() const noexcept { return offset_; }

 private:
  std::unique_ptr<std::ifstream> file_;
  std::istream* in_;
  std::uint64_t index_ = 0;
  std::uint64_t offset_ = 0;
  bool failed_ = false;
};

}  // namespace internal

/// Reads values of one type written one after another.
///
/// A sequence has no framing of its own: it is the values' channel forms
/// back to back, nothing before, between or after them, so a file of
/// concatenated mails is a sequence of Mail, and SequenceWriter writes
/// exactly that.
///
/// Each Read is all-or-nothing, as in Strata/WholeValue.h: the value is read
/// into a fresh object and moved into place only when it was read whole.
/// The end of the input between two values is the normal end (Read returns
/// false); the end within a value, or any other failure, throws IOException
/// naming the value's index (from 0) and the byte offset where it begins,
/// with the value's own exception as the cause. The values before it were
/// delivered; the reader cannot go on past a failed value.
///
/// Not thread-safe. A stream given to the reader must outlive it.
template <ChannelForm T>
class SequenceReader {
 public:
  /// Reads from the stream's current position; offsets count from there.
  explicit SequenceReader(std::istream& in) noexcept : input_(in) {}
  /// Reads the file from its start. Throws IOException when the file cannot
  /// be opened.
  explicit SequenceReader(const std::filesystem::path& path) : input_(path) {}

  /// Reads the next value into `value`; false, leaving `value` unchanged,
  /// when the input ends before it. Throws IOException as the class says.
  bool Read(T& value) {
    return ReadWith(value, [](T& fresh, IChannelX& channel) { fresh.Read(channel); });
  }
  /// As Read, with `extra` passed on to T's Read, such as the content factory
  /// a mail is read with.
  template <typename Extra>
  requires ChannelFormWith<T, Extra>
  bool Read(T& value, Extra& extra) {
    return ReadWith(value, [&extra](T& fresh, IChannelX& channel) { fresh.Read(channel, extra); });
  }

  /// The index of the value the next Read reads; after a failure, of the
  /// value that failed. Equals the number of values read.
  std::uint64_t GetIndex() const noexcept { return input_.GetIndex(); }
  /// The byte offset where that value begins.
  std::uint64_t GetOffset() const noexcept { return input_.GetOffset(); }

 private:
  // `readInto(fresh, channel)` reads one value; the overloads of Read differ
  // only in it.
  template <typename ReadInto>
  bool ReadWith(T& value, const ReadInto& readInto) {
    T fresh;
    if (!input_.ReadNext([&](IChannelX& channel) { readInto(fresh, channel); })) return false;
    value = std::move(fresh);
    return true;
  }

  internal::SequenceInput input_;
};

/// Every value of the file, in order; throws as SequenceReader does.
template <ChannelForm T>
std::vector<T> ReadSequenceFromFile(const std::filesystem::path& path) {
  SequenceReader<T> reader(path);
  std::vector<T> values;
  for (T value; reader.Read(value);) values.push_back(std::move(value));
  return values;
}

}  // namespace Strata
