#include <gtest/gtest.h>
#include <sys/mman.h>

#include <vector>

#include "Strata/IBinaryChannelUtilities.h"
#include "Strata/IChannelX.h"
#include "Strata/IOException.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/MemoryIBinaryChannel.h"
#include "Strata/MemoryOBinaryChannel.h"
#include "Strata/OBinaryChannelUtilities.h"
#include "Strata/OChannelX.h"

using namespace Strata;
using Bytes = std::vector<unsigned char>;

namespace {

// Hands out at most one byte per Read, as a slow network peer would, and
// never its bytes in place.
struct TrickleChannel : MemoryIBinaryChannel {
  using MemoryIBinaryChannel::MemoryIBinaryChannel;
  unsigned int Read(unsigned char* data, unsigned int count) override {
    return MemoryIBinaryChannel::Read(data, count == 0 ? 0 : 1);
  }
  const unsigned char* ReadInPlace(unsigned int) override { return nullptr; }
};

// Collects bytes as a memory channel does, but only through Write.
struct CopyingChannel : MemoryOBinaryChannel {
  unsigned char* WriteInPlace(unsigned int) override { return nullptr; }
};

Bytes Contents(const MemoryOBinaryChannel& channel) {
  return Bytes(channel.GetBuffer(), channel.GetBuffer() + channel.GetSize());
}

}  // namespace

TEST(TypedChannel, WritesBigEndianAndReadsBackOneByteAtATimeWithoutReadingAhead) {
  MemoryOBinaryChannel bytes;
  OChannelX out(bytes);
  out.WriteBool(true);
  out.WriteShort(-32768);
  out.WriteInt(-7003);
  out.WriteUnsignedInt(0xA1B2C3D4u);
  out.WriteUniString(UniString(u"A\U0001F600\xDC00"));  // a pair and a lone surrogate
  out.WriteUniString(UniString());
  const Bytes expected = {
      1,    0x80, 0,    0xFF, 0xFF, 0xE4, 0xA5,     // true, -32768, -7003
      0xA1, 0xB2, 0xC3, 0xD4, 0,    0,    0,    4,  // 0xA1B2C3D4, four code units
      0,    0x41, 0xD8, 0x3D, 0xDE, 0,    0xDC, 0,  // A, the pair, the surrogate
      0,    0,    0,    0};                         // the empty text
  EXPECT_EQ(Contents(bytes), expected);
  const UniString longText(std::u16string(5000, u'\u4E2D'));
  out.WriteUniString(longText);
  bytes.Write(reinterpret_cast<const unsigned char*>("z"), 1);

  TrickleChannel trickle(bytes.GetBuffer(), bytes.GetSize());
  IChannelX in(trickle);
  EXPECT_TRUE(in.ReadBool());
  EXPECT_EQ(in.ReadShort(), -32768);
  EXPECT_EQ(in.ReadInt(), -7003);
  EXPECT_EQ(in.ReadUnsignedInt(), 0xA1B2C3D4u);
  EXPECT_EQ(in.ReadUniString(), UniString(u"A\U0001F600\xDC00"));
  EXPECT_TRUE(in.ReadUniString().IsEmpty());
  EXPECT_EQ(in.ReadUniString(), longText);
  unsigned char raw[2] = {};
  EXPECT_EQ(IBinaryChannelUtilities::ReadFully(in.GetBinaryChannel(), raw, 2), 1u);
  EXPECT_EQ(raw[0], 'z');
}

TEST(TypedChannel, BadInputThrowsIOExceptionSayingWhatWentWrong) {
  // Each through a channel that lends its bytes in place and one that does not.
  const auto check = [](Bytes bytes, auto read, const char* message) {
    MemoryIBinaryChannel lending(bytes.data(), static_cast<unsigned int>(bytes.size()));
    TrickleChannel trickle(bytes.data(), static_cast<unsigned int>(bytes.size()));
    for (IBinaryChannel* channel :
         {static_cast<IBinaryChannel*>(&lending), static_cast<IBinaryChannel*>(&trickle)}) {
      IChannelX in(*channel);
      try {
        (void)(in.*read)();
        ADD_FAILURE() << "no exception, expected: " << message;
      } catch (const IOException& e) {
        EXPECT_STREQ(e.what(), message);
      }
    }
  };
  const auto readBool = &IChannelX::ReadBool;
  const auto readString = &IChannelX::ReadUniString;
  const char* noCount = "Failed to read unsigned int: unexpected end of channel.";
  check({}, readBool, "Failed to read bool: unexpected end of channel.");
  check({2}, readBool, "Failed to read bool: invalid value 2.");
  check({1}, &IChannelX::ReadShort, "Failed to read short: unexpected end of channel.");
  check({1, 2, 3}, &IChannelX::ReadInt, noCount);
  check({0, 0, 0}, readString, noCount);
  check({0, 0, 0, 2, 0, 0x41, 0}, readString,
        "Failed to read string: unexpected end of channel after 1 of 2 characters.");
  // 4,000,000,000 code units claimed, three bytes present: nothing allocated for the claim.
  check({0xEE, 0x6B, 0x28, 0, 0, 0x41, 0}, readString,
        "Failed to read string: unexpected end of channel after 1 of 4000000000 characters.");
  check({0, 0, 2, 0, 0, 0x41, 0, 0x42, 0}, readString,
        "Failed to read string: unexpected end of channel after 2 of 512 characters.");
}

TEST(MemoryChannels, Utf8TextGoesThroughAReleasedBufferAndClosedOutputRefusesWrites) {
  MemoryOBinaryChannel out;
  OBinaryChannelUtilities::WriteUniStringAsUTF8(out, UniString(u"a\u00E9\U0001F600"));
  const unsigned int size = out.GetSize();
  MemoryIBinaryChannel in(out.ReleaseBuffer(), size, true);
  Bytes read(8);
  EXPECT_EQ(IBinaryChannelUtilities::ReadFully(in, read.data(), 8), 7u);
  EXPECT_EQ(read, (Bytes{'a', 0xC3, 0xA9, 0xF0, 0x9F, 0x98, 0x80, 0}));
  out.Close();
  EXPECT_THROW(out.Write(read.data(), 1), IOException);
}

TEST(MemoryChannels, WritingTheChannelsOwnBytesAndReservingKeepEveryByte) {
  MemoryOBinaryChannel out;
  Bytes expected(64);
  for (unsigned char i = 0; i < 64; ++i) expected[i] = i;
  out.Write(expected.data(), 64);
  // The buffer is full: growing it must copy these bytes before freeing them.
  out.Write(out.GetBuffer(), 64);
  expected.insert(expected.end(), expected.begin(), expected.end());
  out.ReserveMore(1000);
  const unsigned char* reserved = out.GetBuffer();
  for (int i = 0; i < 10; ++i) {
    const Bytes piece(100, static_cast<unsigned char>(i));
    out.Write(piece.data(), 100);
    expected.insert(expected.end(), piece.begin(), piece.end());
  }
  EXPECT_EQ(out.GetBuffer(), reserved);
  EXPECT_EQ(Contents(out), expected);
}

TEST(TypedChannel, CountsAndTextsOf2To32OrMoreAreRefusedBeforeAnyByteIsWritten) {
  MemoryOBinaryChannel bytes;
  OChannelX out(bytes);
  out.WriteCount(0xFFFFFFFFu);
  EXPECT_EQ(bytes.GetSize(), 4u);
  try {
    out.WriteCount(std::size_t{1} << 32);
    ADD_FAILURE() << "WriteCount did not throw";
  } catch (const IllegalArgumentException& e) {
    EXPECT_STREQ(e.what(), "Invalid count: count does not fit 32 bits.");
  }
  // A text of 2^32 + 1 units over address space that is never touched.
  constexpr std::size_t kUnits = (std::size_t{1} << 32) + 1;
  void* units =
      ::mmap(nullptr, 2 * kUnits, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  if (units == MAP_FAILED) GTEST_SKIP() << "no address space for a text of 8 GiB";
  EXPECT_THROW(out.WriteUnits(std::u16string_view(static_cast<const char16_t*>(units), kUnits)),
               IllegalArgumentException);
  ::munmap(units, 2 * kUnits);
  EXPECT_EQ(bytes.GetSize(), 4u);
}

// A memory channel lends its storage to the typed channels (ReadInPlace,
// WriteInPlace); the bytes are the same as through Read and Write, for texts
// short and long.
TEST(TypedChannel, InPlaceAndCopiedTransfersGiveTheSameBytes) {
  std::vector<UniString> texts;
  for (const std::size_t length : {0, 1, 20, 21, 511, 512, 513, 2047, 2048, 5000}) {
    std::u16string units(length, u'\u00E9');
    for (std::size_t i = 0; i < length; i += 7) units[i] = static_cast<char16_t>(0xD800 + i % 3);
    texts.emplace_back(units);
  }
  MemoryOBinaryChannel inPlace;
  CopyingChannel copying;
  for (OBinaryChannel* channel :
       {static_cast<OBinaryChannel*>(&inPlace), static_cast<OBinaryChannel*>(&copying)}) {
    OChannelX out(*channel);
    for (const UniString& text : texts) {
      out.WriteUniString(text);
      out.WriteBool(false);
      out.WriteShort(-2);
      out.WriteUnsignedInt(7);
    }
  }
  ASSERT_EQ(Contents(inPlace), Contents(copying));

  MemoryIBinaryChannel memory(inPlace.GetBuffer(), inPlace.GetSize());
  TrickleChannel trickle(inPlace.GetBuffer(), inPlace.GetSize());
  for (IBinaryChannel* channel :
       {static_cast<IBinaryChannel*>(&memory), static_cast<IBinaryChannel*>(&trickle)}) {
    IChannelX in(*channel);
    for (const UniString& text : texts) {
      EXPECT_EQ(in.ReadUniString(), text) << text.GetLength();
      EXPECT_FALSE(in.ReadBool());
      EXPECT_EQ(in.ReadShort(), -2);
      EXPECT_EQ(in.ReadUnsignedInt(), 7u);
    }
    EXPECT_THROW(in.ReadBool(), IOException);
  }
}

TEST(MemoryChannels, BytesLentInPlaceAreTheNextOnesAndNothingMovesWhenTooFewAreLeft) {
  const Bytes bytes = {1, 2, 3, 4, 5};
  MemoryIBinaryChannel in(bytes.data(), static_cast<unsigned int>(bytes.size()));
  const unsigned char* first = in.ReadInPlace(2);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first[0], 1);
  EXPECT_EQ(in.ReadInPlace(4), nullptr);  // three are left
  EXPECT_EQ(in.GetAvailable(), 3u);
  EXPECT_EQ(*in.ReadInPlace(3), 3);
  EXPECT_EQ(in.GetAvailable(), 0u);

  MemoryOBinaryChannel out;
  out.Write(bytes.data(), 5);
  unsigned char* place = out.WriteInPlace(200);  // grows, keeping what was written
  for (unsigned char i = 0; i < 200; ++i) place[i] = i;
  EXPECT_EQ(out.GetSize(), 205u);
  EXPECT_EQ(out.GetBuffer()[4], 5);
  EXPECT_EQ(out.GetBuffer()[204], 199);
  out.Close();
  EXPECT_THROW(out.WriteInPlace(1), IOException);
}
