#pragma once

/// \file
/// Whole-value conveniences for every type with a channel form, that is a
/// Write(OChannelX&) const and a Read(IChannelX&) member: the value to and
/// from bytes, a file and a standard stream. The bytes are exactly the
/// channel form.
///
/// Reading is all-or-nothing, as Read is: the value is read into a fresh
/// object and moved into place only when it was read whole (for bytes and
/// files: when no byte is left over); otherwise the target is unchanged and
/// Strata::IOException, or the reader's own exception, leaves. Writing to a
/// file or stream first writes the whole value to memory, so a value that
/// fails to write leaves no partial output.

#include <concepts>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <span>
#include <utility>
#include <vector>

#include "Strata/Export.h"

namespace Strata {

class IChannelX;
class OChannelX;

/// A value with a channel form: default-constructible, movable, written by
/// `Write(OChannelX&) const` and read by `Read(IChannelX&)`.
template <typename T>
concept ChannelForm = std::default_initializable<T> && std::movable<T> &&
    requires(const T& value, T& target, OChannelX& out, IChannelX& in) {
  value.Write(out);
  target.Read(in);
};

namespace internal {

using ChannelWriter = std::function<void(OChannelX&)>;
using ChannelReader = std::function<void(IChannelX&)>;

STRATA_EXPORT std::vector<std::byte> WriteBytes(const ChannelWriter& write);
// These throw IOException when bytes are left over after `read`.
STRATA_EXPORT void ReadBytes(std::span<const std::byte> bytes, const ChannelReader& read);
STRATA_EXPORT void ReadFile(const std::filesystem::path& path, const ChannelReader& read);
STRATA_EXPORT void ReadStream(std::istream& in, const ChannelReader& read);
STRATA_EXPORT void WriteFile(const std::filesystem::path& path, std::span<const std::byte> bytes);
STRATA_EXPORT void WriteStream(std::ostream& out, std::span<const std::byte> bytes);

// Reads a fresh T through `source`, passing `extra...` on to its Read, and
// moves it into `value` on success.
template <typename T, typename Source, typename... Extra>
void ReadWhole(T& value, const Source& source, Extra&... extra) {
  T fresh;
  source([&](IChannelX& channel) { fresh.Read(channel, extra...); });
  value = std::move(fresh);
}

}  // namespace internal

/// A value with a channel form whose Read also takes an `Extra&` after the
/// channel, such as the content factory a mail or body part can be read
/// with.
template <typename T, typename Extra>
concept ChannelFormWith = ChannelForm<T> && requires(T& target, IChannelX& in, Extra& extra) {
  target.Read(in, extra);
};

/// The value's channel form as bytes. Throws what the value's Write throws.
template <ChannelForm T>
std::vector<std::byte> ToBytes(const T& value) {
  return internal::WriteBytes([&value](OChannelX& channel) { value.Write(channel); });
}

/// Reads `value` from `bytes`, which must hold exactly one value: bytes left
/// over throw IOException. Unchanged if it throws.
template <ChannelForm T>
void FromBytes(std::span<const std::byte> bytes, T& value) {
  internal::ReadWhole(
      value, [bytes](const internal::ChannelReader& read) { internal::ReadBytes(bytes, read); });
}
/// The one value `bytes` hold; throws as the form with a target does.
template <ChannelForm T>
T FromBytes(std::span<const std::byte> bytes) {
  T value;
  FromBytes(bytes, value);
  return value;
}
/// As FromBytes, with `extra` passed on to T's Read, e.g.
/// `FromBytes(bytes, mail, factory)` with a BodyPartContentFactory.
template <typename T, typename Extra>
requires ChannelFormWith<T, Extra>
void FromBytes(std::span<const std::byte> bytes, T& value, Extra& extra) {
  internal::ReadWhole(
      value, [bytes](const internal::ChannelReader& read) { internal::ReadBytes(bytes, read); },
      extra);
}
/// As FromBytes, with `extra` passed on to T's Read.
template <typename T, typename Extra>
requires ChannelFormWith<T, Extra> T FromBytes(std::span<const std::byte> bytes, Extra& extra) {
  T value;
  FromBytes(bytes, value, extra);
  return value;
}

/// Replaces the file's content with the value; throws IOException naming
/// the file when it cannot be written.
template <ChannelForm T>
void WriteToFile(const T& value, const std::filesystem::path& path) {
  internal::WriteFile(path, ToBytes(value));
}
/// Reads `value` from the file, which must hold exactly one value; throws
/// IOException naming the file when it cannot be read. Unchanged if it
/// throws.
template <ChannelForm T>
void ReadFromFile(const std::filesystem::path& path, T& value) {
  internal::ReadWhole(
      value, [&path](const internal::ChannelReader& read) { internal::ReadFile(path, read); });
}
/// As ReadFromFile, with `extra` passed on to T's Read.
template <typename T, typename Extra>
requires ChannelFormWith<T, Extra>
void ReadFromFile(const std::filesystem::path& path, T& value, Extra& extra) {
  internal::ReadWhole(
      value, [&path](const internal::ChannelReader& read) { internal::ReadFile(path, read); },
      extra);
}

/// Writes the value's channel form to `out`; throws IOException when the
/// stream fails.
template <ChannelForm T>
void WriteToStream(const T& value, std::ostream& out) {
  internal::WriteStream(out, ToBytes(value));
}
/// Reads one value and nothing beyond it, so values written one after the
/// other are read back one by one. Unchanged if it throws.
template <ChannelForm T>
void ReadFromStream(std::istream& in, T& value) {
  internal::ReadWhole(
      value, [&in](const internal::ChannelReader& read) { internal::ReadStream(in, read); });
}
/// As ReadFromStream, with `extra` passed on to T's Read.
template <typename T, typename Extra>
requires ChannelFormWith<T, Extra>
void ReadFromStream(std::istream& in, T& value, Extra& extra) {
  internal::ReadWhole(
      value, [&in](const internal::ChannelReader& read) { internal::ReadStream(in, read); }, extra);
}

}  // namespace Strata
