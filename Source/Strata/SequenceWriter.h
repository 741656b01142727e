#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iosfwd>
#include <memory>
#include <ranges>
#include <span>

#include "Strata/Export.h"
#include "Strata/WholeValue.h"

namespace Strata {

namespace internal {

// The output core of SequenceWriter, shared by every value type.
class STRATA_EXPORT SequenceOutput {
 public:
  explicit SequenceOutput(std::ostream& out) noexcept : out_(&out) {}
  explicit SequenceOutput(const std::filesystem::path& path);
  SequenceOutput(const SequenceOutput&) = delete;
  SequenceOutput& operator=(const SequenceOutput&) = delete;
  ~SequenceOutput();

  void Append(std::span<const std::byte> bytes);
  void Close();
  std::uint64_t GetCount() const noexcept { return count_; }

 private:
  std::unique_ptr<std::ofstream> file_;
  std::ostream* out_;
  std::uint64_t count_ = 0;
};

}  // namespace internal

/// Writes values of one type one after another, with nothing before,
/// between or after them: its output is exactly the values' channel forms
/// back to back, which SequenceReader reads back value by value.
///
/// Each value is first written whole to memory (as WriteToStream does), so
/// a value that fails to write adds nothing to the output and the values
/// before it stay readable. Not thread-safe. A stream given to the writer
/// must outlive it.
template <ChannelForm T>
class SequenceWriter {
 public:
  /// Writes at the stream's current position.
  explicit SequenceWriter(std::ostream& out) noexcept : output_(out) {}
  /// Creates the file or empties it; throws IOException when it cannot.
  explicit SequenceWriter(const std::filesystem::path& path) : output_(path) {}

  /// Appends the value; throws IOException when the output fails, or the
  /// value's own exception when it cannot be written.
  void Write(const T& value) { output_.Append(ToBytes(value)); }

  /// Flushes the output and, for a file, closes it; throws IOException when
  /// the bytes could not be written. Without it a file is closed silently.
  void Close() { output_.Close(); }

  /// The number of values written.
  std::uint64_t GetCount() const noexcept { return output_.GetCount(); }

 private:
  internal::SequenceOutput output_;
};

/// Replaces the file's content with the values in order; throws as
/// SequenceWriter does.
template <std::ranges::input_range Values>
requires ChannelForm<std::ranges::range_value_t<Values>>
void WriteSequenceToFile(const Values& values, const std::filesystem::path& path) {
  SequenceWriter<std::ranges::range_value_t<Values>> writer(path);
  for (const auto& value : values) writer.Write(value);
  writer.Close();
}

}  // namespace Strata
