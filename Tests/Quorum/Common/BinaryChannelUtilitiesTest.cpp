#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "Quorum/Common/IO/BinaryChannelUtilities.h"
#include "Strata/MemoryOBinaryChannel.h"

using Quorum::Common::IO::BinaryChannelUtilities;

namespace {

using Bytes = std::vector<unsigned char>;

// Byte i depends on i alone, so a shorter pattern is a prefix of a longer one.
Bytes Pattern(std::size_t size) {
  Bytes bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<unsigned char>(i * 31 + i / 256);
  return bytes;
}

// Serves its bytes, at most `limit` per Read, and records every request.
class RecordingInput : public Strata::IBinaryChannel {
 public:
  explicit RecordingInput(Bytes bytes, unsigned int limit = 0xFFFFFFFFu)
      : bytes_(std::move(bytes)), limit_(limit) {}
  unsigned int Read(unsigned char* data, unsigned int count) override {
    requests.push_back(count);
    const auto n =
        static_cast<unsigned int>(std::min<std::size_t>({count, limit_, bytes_.size() - position}));
    std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(position), n, data);
    position += n;
    return n;
  }
  std::vector<unsigned int> requests;
  std::size_t position = 0;

 private:
  Bytes bytes_;
  unsigned int limit_;
};

// Keeps the bytes written and the size of every Write.
class RecordingOutput : public Strata::OBinaryChannel {
 public:
  void Write(const unsigned char* data, unsigned int count) override {
    writes.push_back(count);
    bytes.insert(bytes.end(), data, data + count);
  }
  std::vector<unsigned int> writes;
  Bytes bytes;
};

}  // namespace

TEST(Copy, StreamsThroughPiecesOfSixtyFourKibibytes) {
  const Bytes source = Pattern(250000);
  RecordingInput input(source);
  RecordingOutput output;
  EXPECT_EQ(BinaryChannelUtilities::Copy(input, output, 200000), 200000u);
  EXPECT_EQ(input.requests, (std::vector<unsigned int>{65536, 65536, 65536, 3392}));
  EXPECT_EQ(output.writes, input.requests);
  EXPECT_EQ(output.bytes, Pattern(200000));
  EXPECT_EQ(input.position, 200000u);  // nothing read past the count
}

TEST(Copy, ACountOfZeroTouchesNeitherChannel) {
  RecordingInput input(Pattern(10));
  RecordingOutput output;
  EXPECT_EQ(BinaryChannelUtilities::Copy(input, output, 0), 0u);
  EXPECT_TRUE(input.requests.empty());
  EXPECT_TRUE(output.writes.empty());
}

TEST(Copy, StopsWhenTheInputEndsEarly) {
  RecordingInput input(Pattern(70000));
  RecordingOutput output;
  EXPECT_EQ(BinaryChannelUtilities::Copy(input, output, 100000), 70000u);
  EXPECT_EQ(input.requests, (std::vector<unsigned int>{65536, 34464, 30000}));
  EXPECT_EQ(output.writes, (std::vector<unsigned int>{65536, 4464}));
  EXPECT_EQ(output.bytes, Pattern(70000));
}

TEST(Copy, WritesExactlyWhatEachShortReadDelivered) {
  RecordingInput input(Pattern(5000), 1500);
  RecordingOutput output;
  EXPECT_EQ(BinaryChannelUtilities::Copy(input, output, 4000), 4000u);
  EXPECT_EQ(input.requests, (std::vector<unsigned int>{4000, 2500, 1000}));
  EXPECT_EQ(output.writes, (std::vector<unsigned int>{1500, 1500, 1000}));
  EXPECT_EQ(output.bytes, Pattern(4000));
}

TEST(Copy, CountsBeyondThirtyTwoBitsAskForWholePieces) {
  RecordingInput input(Pattern(10));
  RecordingOutput output;
  EXPECT_EQ(BinaryChannelUtilities::Copy(input, output, std::uint64_t{1} << 33), 10u);
  EXPECT_EQ(input.requests, (std::vector<unsigned int>{65536, 65536}));
}

TEST(Copy, RefFormsRefuseEmptyChannels) {
  RecordingInput input(Pattern(10));
  RecordingOutput output;
  try {
    BinaryChannelUtilities::Copy(Strata::Ref<Strata::IBinaryChannel>(), output, 5);
    FAIL();
  } catch (const Strata::IllegalArgumentException& e) {
    EXPECT_STREQ(e.what(), "Invalid input channel: channel is null.");
    EXPECT_EQ(e.GetErrorCode(), -50);
  }
  try {
    BinaryChannelUtilities::Copy(input, Strata::Ref<Strata::OBinaryChannel>(), 5);
    FAIL();
  } catch (const Strata::IllegalArgumentException& e) {
    EXPECT_STREQ(e.what(), "Invalid output channel: channel is null.");
    EXPECT_EQ(e.GetErrorCode(), -50);
  }
  EXPECT_TRUE(input.requests.empty());
  EXPECT_TRUE(output.writes.empty());
}

TEST(Copy, RefFormsCopyLikeThePlainForm) {
  const auto input = Strata::MakeRef<RecordingInput>(Pattern(100));
  RecordingOutput output;
  EXPECT_EQ(BinaryChannelUtilities::Copy(Strata::Ref<Strata::IBinaryChannel>(input), output, 60),
            60u);
  const auto memory = Strata::MakeRef<Strata::MemoryOBinaryChannel>();
  EXPECT_EQ(BinaryChannelUtilities::Copy(*input, Strata::Ref<Strata::OBinaryChannel>(memory), 60),
            40u);
  EXPECT_EQ(memory->GetSize(), 40u);
  EXPECT_EQ(output.bytes, Pattern(60));
}
