// Test helpers: channel round trips and hand-made channel bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Strata/IChannelX.h"
#include "Strata/MemoryIBinaryChannel.h"
#include "Strata/MemoryOBinaryChannel.h"
#include "Strata/OChannelX.h"
#include "Strata/UniString.h"

namespace ChannelTesting {

using Bytes = std::vector<unsigned char>;

template <typename T>
Bytes WriteBytes(const T& value) {
  Strata::MemoryOBinaryChannel sink;
  Strata::OChannelX channel(sink);
  value.Write(channel);
  return Bytes(sink.GetBuffer(), sink.GetBuffer() + sink.GetSize());
}

// Reads `value` from `bytes`; returns how many bytes were left unread.
template <typename T>
unsigned int ReadBytes(T& value, const Bytes& bytes) {
  Strata::MemoryIBinaryChannel source(bytes.data(), static_cast<unsigned int>(bytes.size()));
  Strata::IChannelX channel(source);
  value.Read(channel);
  return source.GetAvailable();
}

template <typename T>
T RoundTrip(const T& value) {
  T copy;
  ReadBytes(copy, WriteBytes(value));
  return copy;
}

// Builds channel bytes by hand, in the typed channel's byte form.
class ByteWriter {
 public:
  ByteWriter& UnsignedInt(std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) bytes_.push_back((value >> shift) & 0xFF);
    return *this;
  }
  ByteWriter& Short(std::int16_t value) {
    const auto bits = static_cast<std::uint16_t>(value);
    bytes_.push_back(bits >> 8);
    bytes_.push_back(bits & 0xFF);
    return *this;
  }
  ByteWriter& String(const std::u16string& text) {
    UnsignedInt(static_cast<std::uint32_t>(text.size()));
    for (const char16_t c : text) {
      bytes_.push_back(c >> 8);
      bytes_.push_back(c & 0xFF);
    }
    return *this;
  }
  ByteWriter& Strings(std::initializer_list<std::u16string> texts) {
    for (const std::u16string& text : texts) String(text);
    return *this;
  }
  ByteWriter& Raw(std::initializer_list<unsigned char> bytes) {
    bytes_.insert(bytes_.end(), bytes);
    return *this;
  }
  const Bytes& Get() const { return bytes_; }

 private:
  Bytes bytes_;
};

}  // namespace ChannelTesting
