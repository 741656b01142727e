// Test helpers (this header brings GoogleTest along): tables of texts,
// messages of expected exceptions, the bytes a value writes to a typed
// channel and reading values back from bytes.
#pragma once

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "Strata/IChannelX.h"
#include "Strata/IOException.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/MemoryIBinaryChannel.h"
#include "Strata/MemoryOBinaryChannel.h"
#include "Strata/OChannelX.h"

namespace MailTest {

using Bytes = std::vector<unsigned char>;

// A UTF-16 literal as text.
inline Strata::UniString U(std::u16string_view units) { return Strata::UniString(units); }

// The arguments as texts, a table of inputs for a loop: a call rather than a
// braced list, which clang-format would spread one entry a line.
template <typename... Text>
std::vector<Strata::UniString> Texts(const Text&... texts) {
  return {Strata::UniString(texts)...};
}

// The message of the Exception `action` throws, or "(nothing thrown)".
template <typename Exception, typename Action>
std::string MessageOf(Action action) {
  try {
    action();
  } catch (const Exception& e) {
    return e.what();
  }
  return "(nothing thrown)";
}

// The bytes `write(channel)` puts on a fresh typed channel.
template <typename Writer>
Bytes WrittenBy(Writer write) {
  Strata::MemoryOBinaryChannel memory;
  Strata::OChannelX channel(memory);
  write(channel);
  const unsigned char* data = memory.GetBuffer();
  return data == nullptr ? Bytes() : Bytes(data, data + memory.GetSize());
}

// The bytes of `items` written in turn: unsigned ints as such, texts as
// strings, values by their Write.
inline void WriteItem(Strata::OChannelX& c, unsigned int number) { c.WriteUnsignedInt(number); }
inline void WriteItem(Strata::OChannelX& c, const char* text) { c.WriteUniString(text); }
template <typename T>
void WriteItem(Strata::OChannelX& c, const T& value) {
  value.Write(c);
}
template <typename... Item>
Bytes WrittenAs(const Item&... items) {
  return WrittenBy([&](Strata::OChannelX& channel) { (WriteItem(channel, items), ...); });
}

template <typename T>
Bytes BytesOf(const T& value) {
  return WrittenBy([&](Strata::OChannelX& channel) { value.Write(channel); });
}

// Reads `value` from `bytes` and returns how many bytes were left unread.
template <typename T>
unsigned int ReadFrom(const Bytes& bytes, T& value) {
  Strata::MemoryIBinaryChannel memory(bytes.data(), static_cast<unsigned int>(bytes.size()));
  Strata::IChannelX channel(memory);
  value.Read(channel);
  return memory.GetAvailable();
}

// Writes `value`, reads the bytes into a default T, checks nothing was left.
template <typename T>
T RoundTrip(const T& value) {
  T copy;
  const unsigned int left = ReadFrom(BytesOf(value), copy);
  if (left != 0) throw std::runtime_error("bytes left after reading");
  return copy;
}

// Reading any proper prefix of the bytes of `value` into a copy of `target`
// throws Strata::IOException and leaves the copy equal to `target`.
template <typename T>
void ExpectTruncatedReadsLeaveUnchanged(const T& target, const T& value) {
  const Bytes bytes = BytesOf(value);
  for (std::size_t keep = 0; keep < bytes.size(); ++keep) {
    T copy = target;
    EXPECT_THROW(ReadFrom(Bytes(bytes.begin(), bytes.begin() + keep), copy), Strata::IOException)
        << keep << " bytes";
    EXPECT_EQ(copy, target) << keep << " bytes";
  }
}

// T::Parse refuses the empty text with Strata::IllegalArgumentException and
// `emptyMessage` (unless that is null) and each of `texts` by returning
// false, always leaving the result equal to `keep`.
template <typename T>
void ExpectParseRefuses(const T& keep, const char* emptyMessage,
                        const std::vector<Strata::UniString>& texts) {
  T result = keep;
  if (emptyMessage != nullptr) {
    EXPECT_EQ(MessageOf<Strata::IllegalArgumentException>([&] { T::Parse({}, result); }),
              emptyMessage);
  }
  for (const Strata::UniString& text : texts) {
    EXPECT_FALSE(T::Parse(text, result)) << text.ToCStr();
    EXPECT_EQ(result, keep) << text.ToCStr();
  }
}

// What the Exception `action` throws, as "message (source file, error code)",
// or "(nothing thrown)".
template <typename Exception, typename Action>
std::string FaultOf(Action action) {
  try {
    action();
  } catch (const Exception& e) {
    const char* file = e.GetSourceFile() == nullptr ? "" : e.GetSourceFile();
    return std::string(e.what()) + " (" + file + ", " + std::to_string(e.GetErrorCode()) + ")";
  }
  return "(nothing thrown)";
}

}  // namespace MailTest
