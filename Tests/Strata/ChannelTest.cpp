#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Strata/IBinaryChannelUtilities.h"
#include "Strata/IChannelX.h"
#include "Strata/IOException.h"
#include "Strata/MemoryIBinaryChannel.h"
#include "Strata/MemoryOBinaryChannel.h"
#include "Strata/OBinaryChannelUtilities.h"
#include "Strata/OChannelX.h"

using Strata::IChannelX;
using Strata::MemoryIBinaryChannel;
using Strata::MemoryOBinaryChannel;
using Strata::OChannelX;
using Strata::UniString;

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Written(const MemoryOBinaryChannel& channel) {
  const unsigned char* data = channel.GetBuffer();
  return data == nullptr ? Bytes() : Bytes(data, data + channel.GetSize());
}

// Hands out at most one byte per Read, as a slow network peer would.
class TrickleChannel : public Strata::IBinaryChannel {
 public:
  explicit TrickleChannel(Bytes bytes) : bytes_(std::move(bytes)) {}
  unsigned int Read(unsigned char* data, unsigned int count) override {
    if (count == 0 || position_ == bytes_.size()) return 0;
    *data = bytes_[position_++];
    return 1;
  }

 private:
  Bytes bytes_;
  std::size_t position_ = 0;
};

void ExpectIOException(const std::function<void()>& read, const char* message) {
  try {
    read();
    FAIL() << "no exception, expected: " << message;
  } catch (const Strata::IOException& e) {
    EXPECT_STREQ(e.what(), message);
  }
}

}  // namespace

TEST(TypedChannel, WritesTheFixedBigEndianByteForm) {
  MemoryOBinaryChannel bytes;
  OChannelX out(bytes);
  out.WriteBool(true);
  out.WriteBool(false);
  out.WriteShort(-2);
  out.WriteShort(0x1234);
  out.WriteInt(-7003);
  out.WriteUnsignedInt(0xA1B2C3D4u);
  out.WriteUniString(UniString(u"A\u00E9\U0001F600"));
  out.WriteUniString(UniString());
  const Bytes expected = {
      0x01, 0x00,                                      // bools
      0xFF, 0xFE, 0x12, 0x34,                          // shorts
      0xFF, 0xFF, 0xE4, 0xA5,                          // int -7003
      0xA1, 0xB2, 0xC3, 0xD4,                          // unsigned int
      0x00, 0x00, 0x00, 0x04,                          // four code units
      0x00, 0x41, 0x00, 0xE9, 0xD8, 0x3D, 0xDE, 0x00,  // A é and a surrogate pair
      0x00, 0x00, 0x00, 0x00,                          // the empty text
  };
  EXPECT_EQ(Written(bytes), expected);
  EXPECT_EQ(&out.GetBinaryChannel(), &bytes);
}

TEST(TypedChannel, ReadsBackEveryValueExactlyEvenOneByteAtATime) {
  MemoryOBinaryChannel bytes;
  OChannelX out(bytes);
  const UniString loneSurrogates(u"\xDC00x\xD800");
  const UniString longText(std::u16string(5000, u'\u4E2D'));
  out.WriteBool(true);
  out.WriteShort(-32768);
  out.WriteInt(INT32_MIN);
  out.WriteUnsignedInt(UINT32_MAX);
  out.WriteUniString(loneSurrogates);
  out.WriteUniString(longText);

  TrickleChannel trickle(Written(bytes));
  IChannelX in(trickle);
  EXPECT_TRUE(in.ReadBool());
  EXPECT_EQ(in.ReadShort(), -32768);
  EXPECT_EQ(in.ReadInt(), INT32_MIN);
  EXPECT_EQ(in.ReadUnsignedInt(), UINT32_MAX);
  EXPECT_EQ(in.ReadUniString(), loneSurrogates);
  EXPECT_EQ(in.ReadUniString(), longText);
  unsigned char extra = 0;
  EXPECT_EQ(in.GetBinaryChannel().Read(&extra, 1), 0u);
}

TEST(TypedChannel, ByteChannelIsPositionedRightAfterTheLastValue) {
  const Bytes bytes = {0x00, 0x00, 0x00, 0x03, 'a', 'b', 'c'};
  MemoryIBinaryChannel channel(bytes.data(), static_cast<unsigned int>(bytes.size()));
  IChannelX in(channel);
  EXPECT_EQ(in.ReadUnsignedInt(), 3u);
  unsigned char raw[3] = {};
  EXPECT_EQ(Strata::IBinaryChannelUtilities::ReadFully(in.GetBinaryChannel(), raw, 3), 3u);
  EXPECT_EQ(std::string(raw, raw + 3), "abc");
}

TEST(TypedChannel, TruncatedInputThrowsIOException) {
  struct Case {
    Bytes bytes;
    std::function<void(IChannelX&)> read;
    const char* message;
  };
  const std::vector<Case> cases = {
      {{}, [](IChannelX& in) { in.ReadBool(); }, "Failed to read bool: unexpected end of channel."},
      {{0x01},
       [](IChannelX& in) { in.ReadShort(); },
       "Failed to read short: unexpected end of channel."},
      {{0x01, 0x02, 0x03},
       [](IChannelX& in) { in.ReadInt(); },
       "Failed to read unsigned int: unexpected end of channel."},
      {{0x00, 0x00},
       [](IChannelX& in) { in.ReadUnsignedInt(); },
       "Failed to read unsigned int: unexpected end of channel."},
      {{0x00, 0x00, 0x00},
       [](IChannelX& in) { in.ReadUniString(); },
       "Failed to read unsigned int: unexpected end of channel."},
      {{0x00, 0x00, 0x00, 0x02, 0x00, 0x41, 0x00},
       [](IChannelX& in) { in.ReadUniString(); },
       "Failed to read string: unexpected end of channel after 1 of 2 characters."},
  };
  for (const Case& c : cases) {
    MemoryIBinaryChannel channel(c.bytes.data(), static_cast<unsigned int>(c.bytes.size()));
    IChannelX in(channel);
    ExpectIOException([&] { c.read(in); }, c.message);
  }
}

TEST(TypedChannel, RefusesABoolByteOtherThanZeroOrOne) {
  const Bytes bytes = {0x02};
  MemoryIBinaryChannel channel(bytes.data(), 1);
  IChannelX in(channel);
  ExpectIOException([&] { in.ReadBool(); }, "Failed to read bool: invalid value 2.");
}

TEST(TypedChannel, AHugeStringCountWithFewBytesBehindFailsWithoutAllocatingForIt) {
  // 4,000,000,000 code units claimed, three bytes present.
  const Bytes bytes = {0xEE, 0x6B, 0x28, 0x00, 0x00, 0x41, 0x00};
  MemoryIBinaryChannel channel(bytes.data(), static_cast<unsigned int>(bytes.size()));
  IChannelX in(channel);
  ExpectIOException(
      [&] { in.ReadUniString(); },
      "Failed to read string: unexpected end of channel after 1 of 4000000000 characters.");
}

TEST(MemoryChannels, OutputCollectsBytesAndRefusesWritesAfterClose) {
  MemoryOBinaryChannel out;
  EXPECT_EQ(out.GetBuffer(), nullptr);
  EXPECT_EQ(out.GetSize(), 0u);
  Bytes expected;
  for (unsigned int i = 0; i < 1000; ++i) {
    const unsigned char byte = static_cast<unsigned char>(i * 7);
    out.Write(&byte, 1);
    expected.push_back(byte);
  }
  out.Write(nullptr, 0);
  EXPECT_EQ(Written(out), expected);
  out.Close();
  EXPECT_TRUE(out.IsClosed());
  const unsigned char byte = 0;
  ExpectIOException([&] { out.Write(&byte, 1); }, "Failed to write: channel is closed.");
  EXPECT_EQ(out.GetSize(), 1000u);
}

TEST(MemoryChannels, ReleasedBufferFeedsAnOwningInputChannel) {
  MemoryOBinaryChannel out;
  const unsigned char data[] = {1, 2, 3, 4, 5};
  out.Write(data, 5);
  const unsigned int size = out.GetSize();
  MemoryIBinaryChannel in(out.ReleaseBuffer(), size, true);
  EXPECT_EQ(out.GetSize(), 0u);
  EXPECT_EQ(out.GetBuffer(), nullptr);
  EXPECT_EQ(in.GetAvailable(), 5u);
  unsigned char read[8] = {};
  EXPECT_EQ(in.Read(read, 2), 2u);
  EXPECT_EQ(in.GetAvailable(), 3u);
  EXPECT_EQ(in.Read(read + 2, 8), 3u);
  EXPECT_EQ(in.Read(read, 8), 0u);
  EXPECT_EQ(in.GetAvailable(), 0u);
  EXPECT_EQ(Bytes(read, read + 5), Bytes(data, data + 5));
}

TEST(MemoryChannels, NullInputIsAtItsEndAndReadFullyStopsThere) {
  MemoryIBinaryChannel empty(nullptr, 10);
  unsigned char buffer[4];
  EXPECT_EQ(empty.Read(buffer, 4), 0u);
  TrickleChannel trickle({9, 8, 7});
  EXPECT_EQ(Strata::IBinaryChannelUtilities::ReadFully(trickle, buffer, 4), 3u);
  EXPECT_EQ(Bytes(buffer, buffer + 3), (Bytes{9, 8, 7}));
  EXPECT_EQ(Strata::IBinaryChannelUtilities::ReadFully(trickle, buffer, 4), 0u);
}

TEST(MemoryChannels, Utf8WriterPutsOnlyTheTextBytes) {
  MemoryOBinaryChannel out;
  Strata::OBinaryChannelUtilities::WriteUniStringAsUTF8(out, UniString(u"a\u00E9\U0001F600"));
  Strata::OBinaryChannelUtilities::WriteUniStringAsUTF8(out, UniString());
  EXPECT_EQ(Written(out), (Bytes{'a', 0xC3, 0xA9, 0xF0, 0x9F, 0x98, 0x80}));
}
