#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "Strata/IBinaryChannelUtilities.h"
#include "Strata/IChannelX.h"
#include "Strata/IOException.h"
#include "Strata/MemoryIBinaryChannel.h"
#include "Strata/MemoryOBinaryChannel.h"
#include "Strata/OBinaryChannelUtilities.h"
#include "Strata/OChannelX.h"

using namespace Strata;

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Written(const MemoryOBinaryChannel& channel) {
  const unsigned char* data = channel.GetBuffer();
  return data == nullptr ? Bytes() : Bytes(data, data + channel.GetSize());
}

// Hands out at most one byte per Read, as a slow network peer would.
class TrickleChannel : public IBinaryChannel {
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

void ExpectIOException(const std::function<void()>& action, const char* message) {
  try {
    action();
    ADD_FAILURE() << "no exception, expected: " << message;
  } catch (const IOException& e) {
    EXPECT_STREQ(e.what(), message);
  }
}

}  // namespace

TEST(TypedChannel, WritesBigEndianAndReadsBackOneByteAtATimeWithoutReadingAhead) {
  MemoryOBinaryChannel bytes;
  OChannelX out(bytes);
  out.WriteBool(true);
  out.WriteBool(false);
  out.WriteShort(-32768);
  out.WriteInt(-7003);
  out.WriteUnsignedInt(0xA1B2C3D4u);
  out.WriteUniString(UniString(u"A\u00E9\U0001F600\xDC00"));
  out.WriteUniString(UniString());
  const Bytes expected = {0x01, 0x00, 0x80, 0x00, 0xFF, 0xFF, 0xE4, 0xA5,
                          0xA1, 0xB2, 0xC3, 0xD4,                          // numbers
                          0x00, 0x00, 0x00, 0x05, 0x00, 0x41, 0x00, 0xE9,  // five code units: A é
                          0xD8, 0x3D, 0xDE, 0x00, 0xDC, 0x00,  // a pair, a lone surrogate
                          0x00, 0x00, 0x00, 0x00};             // the empty text
  EXPECT_EQ(Written(bytes), expected);
  const UniString longText(std::u16string(5000, u'\u4E2D'));
  out.WriteUniString(longText);
  bytes.Write(reinterpret_cast<const unsigned char*>("z"), 1);

  TrickleChannel trickle(Written(bytes));
  IChannelX in(trickle);
  EXPECT_TRUE(in.ReadBool());
  EXPECT_FALSE(in.ReadBool());
  EXPECT_EQ(in.ReadShort(), -32768);
  EXPECT_EQ(in.ReadInt(), -7003);
  EXPECT_EQ(in.ReadUnsignedInt(), 0xA1B2C3D4u);
  EXPECT_EQ(in.ReadUniString(), UniString(u"A\u00E9\U0001F600\xDC00"));
  EXPECT_TRUE(in.ReadUniString().IsEmpty());
  EXPECT_EQ(in.ReadUniString(), longText);
  unsigned char raw[2] = {};
  EXPECT_EQ(IBinaryChannelUtilities::ReadFully(in.GetBinaryChannel(), raw, 2), 1u);
  EXPECT_EQ(raw[0], 'z');
}

TEST(TypedChannel, BadInputThrowsIOExceptionSayingWhatWentWrong) {
  struct Case {
    Bytes bytes;
    std::function<void(IChannelX&)> read;
    const char* message;
  };
  const auto readBool = [](IChannelX& in) { in.ReadBool(); };
  const auto readString = [](IChannelX& in) { in.ReadUniString(); };
  const std::vector<Case> cases = {
      {{}, readBool, "Failed to read bool: unexpected end of channel."},
      {{0x02}, readBool, "Failed to read bool: invalid value 2."},
      {{0x01},
       [](IChannelX& in) { in.ReadShort(); },
       "Failed to read short: unexpected end of channel."},
      {{0x01, 0x02, 0x03},
       [](IChannelX& in) { in.ReadInt(); },
       "Failed to read unsigned int: unexpected end of channel."},
      {{0x00, 0x00, 0x00}, readString, "Failed to read unsigned int: unexpected end of channel."},
      {{0x00, 0x00, 0x00, 0x02, 0x00, 0x41, 0x00},
       readString,
       "Failed to read string: unexpected end of channel after 1 of 2 characters."},
      // 4,000,000,000 code units claimed, three bytes present: no allocation for the claim.
      {{0xEE, 0x6B, 0x28, 0x00, 0x00, 0x41, 0x00},
       readString,
       "Failed to read string: unexpected end of channel after 1 of 4000000000 characters."},
  };
  for (const Case& c : cases) {
    MemoryIBinaryChannel channel(c.bytes.data(), static_cast<unsigned int>(c.bytes.size()));
    IChannelX in(channel);
    ExpectIOException([&] { c.read(in); }, c.message);
  }
}

TEST(MemoryChannels, ReleasedBufferFeedsAnOwningInputAndClosedOutputRefusesWrites) {
  MemoryOBinaryChannel out;
  EXPECT_EQ(out.GetBuffer(), nullptr);
  Bytes data;
  for (unsigned int i = 0; i < 1000; ++i) data.push_back(static_cast<unsigned char>(i * 7));
  for (unsigned char& byte : data) out.Write(&byte, 1);
  out.Write(nullptr, 0);
  const unsigned int size = out.GetSize();
  MemoryIBinaryChannel in(out.ReleaseBuffer(), size, true);
  EXPECT_EQ(out.GetBuffer(), nullptr);
  EXPECT_EQ(out.GetSize(), 0u);
  Bytes read(1000);
  EXPECT_EQ(in.Read(read.data(), 400), 400u);
  EXPECT_EQ(in.GetAvailable(), 600u);
  EXPECT_EQ(in.Read(read.data() + 400, 800), 600u);
  EXPECT_EQ(in.Read(read.data(), 1), 0u);
  EXPECT_EQ(read, data);
  out.Close();
  ExpectIOException([&] { out.Write(data.data(), 1); }, "Failed to write: channel is closed.");
  MemoryIBinaryChannel empty(nullptr, 10);
  EXPECT_EQ(empty.Read(read.data(), 4), 0u);
}

TEST(MemoryChannels, Utf8WriterPutsOnlyTheTextBytes) {
  MemoryOBinaryChannel out;
  OBinaryChannelUtilities::WriteUniStringAsUTF8(out, UniString(u"a\u00E9\U0001F600"));
  OBinaryChannelUtilities::WriteUniStringAsUTF8(out, UniString());
  EXPECT_EQ(Written(out), (Bytes{'a', 0xC3, 0xA9, 0xF0, 0x9F, 0x98, 0x80}));
}
