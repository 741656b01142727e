// The channel helpers under their former names, for tests that still use
// them; new tests use MailTestSupport.h.
#pragma once

#include <initializer_list>
#include <string>

#include "MailTestSupport.h"

namespace ChannelTesting {

using MailTest::Bytes;

template <typename T>
Bytes WriteBytes(const T& value) {
  return MailTest::BytesOf(value);
}

// Reads `value` from `bytes`; returns how many bytes were left unread.
template <typename T>
unsigned int ReadBytes(T& value, const Bytes& bytes) {
  return MailTest::ReadFrom(bytes, value);
}

// Builds channel bytes item by item.
class ByteWriter {
 public:
  ByteWriter& UnsignedInt(unsigned int value) { return Append(MailTest::WrittenAs(value)); }
  ByteWriter& String(const std::u16string& text) {
    return Append(
        MailTest::WrittenBy([&](Strata::OChannelX& c) { c.WriteUniString(MailTest::U(text)); }));
  }
  ByteWriter& Strings(std::initializer_list<std::u16string> texts) {
    for (const std::u16string& text : texts) String(text);
    return *this;
  }
  const Bytes& Get() const { return bytes_; }

 private:
  ByteWriter& Append(const Bytes& more) {
    bytes_.insert(bytes_.end(), more.begin(), more.end());
    return *this;
  }
  Bytes bytes_;
};

}  // namespace ChannelTesting
