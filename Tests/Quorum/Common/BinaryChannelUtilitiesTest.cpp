#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "Quorum/Common/IO/BinaryChannelUtilities.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/MemoryIBinaryChannel.h"

using Quorum::Common::IO::BinaryChannelUtilities;
using Requests = std::vector<unsigned int>;

namespace {

// Byte i of the stream the tests copy.
unsigned char ByteAt(std::uint64_t i) { return static_cast<unsigned char>(i * 31 + i / 256); }

// Serves `size` stream bytes, at most `limit` per Read, and records every request.
struct RecordingInput : Strata::IBinaryChannel {
  RecordingInput(std::uint64_t size, unsigned int limit) : size(size), limit(limit) {}
  unsigned int Read(unsigned char* data, unsigned int count) override {
    requests.push_back(count);
    const auto n =
        static_cast<unsigned int>(std::min<std::uint64_t>({count, limit, size - position}));
    for (unsigned int k = 0; k < n; ++k) data[k] = ByteAt(position++);
    return n;
  }
  std::uint64_t size;
  unsigned int limit;
  std::uint64_t position = 0;
  Requests requests;
};

// Records the size of every Write and checks that the stream arrives intact.
struct RecordingOutput : Strata::OBinaryChannel {
  void Write(const unsigned char* data, unsigned int count) override {
    writes.push_back(count);
    for (unsigned int k = 0; k < count; ++k) intact = intact && data[k] == ByteAt(size++);
  }
  Requests writes;
  std::uint64_t size = 0;
  bool intact = true;
};

// Copies `count` bytes from an input holding `available` bytes that gives at
// most `limit` per Read, and checks the result, the reads asked for and the
// writes made.
void ExpectCopy(std::uint64_t available, unsigned int limit, std::uint64_t count,
                std::uint64_t copied, const Requests& requests, const Requests& writes) {
  RecordingInput input(available, limit);
  RecordingOutput output;
  EXPECT_EQ(BinaryChannelUtilities::Copy(input, output, count), copied) << count;
  EXPECT_EQ(input.requests, requests) << count;
  EXPECT_EQ(output.writes, writes) << count;
  EXPECT_TRUE(output.intact) << count;
  EXPECT_EQ(input.position, copied) << count;  // nothing read past the count
}

}  // namespace

TEST(Copy, AsksForAtMostSixtyFourKibibytesAndWritesExactlyWhatCame) {
  ExpectCopy(250000, ~0u, 200000, 200000, {65536, 65536, 65536, 3392}, {65536, 65536, 65536, 3392});
  ExpectCopy(10, ~0u, 0, 0, {}, {});
  ExpectCopy(70000, ~0u, 100000, 70000, {65536, 34464, 30000}, {65536, 4464});
  ExpectCopy(5000, 1500, 4000, 4000, {4000, 2500, 1000}, {1500, 1500, 1000});
  ExpectCopy(10, ~0u, std::uint64_t{1} << 33, 10, {65536, 65536}, {10});
}

// An input that holds its bytes in memory lends them in place: the same
// pieces reach the output, with no buffer between, until too few are left
// for a piece and Read takes over.
TEST(Copy, BytesLentInPlaceGoOutInTheSamePieces) {
  const auto copy = [](std::uint64_t available, std::uint64_t count, std::uint64_t copied,
                       const Requests& writes) {
    std::vector<unsigned char> bytes(available);
    for (std::uint64_t i = 0; i < available; ++i) bytes[i] = ByteAt(i);
    Strata::MemoryIBinaryChannel input(bytes.data(), static_cast<unsigned int>(available));
    RecordingOutput output;
    EXPECT_EQ(BinaryChannelUtilities::Copy(input, output, count), copied) << count;
    EXPECT_EQ(output.writes, writes) << count;
    EXPECT_TRUE(output.intact) << count;
    EXPECT_EQ(input.GetAvailable(), available - copied) << count;
  };
  copy(250000, 200000, 200000, {65536, 65536, 65536, 3392});
  copy(70000, 100000, 70000, {65536, 4464});
  copy(3, 2, 2, {2});
}

TEST(Copy, RefFormsRefuseEmptyChannelsTouchingNeitherSide) {
  RecordingInput input(100, ~0u);
  RecordingOutput output;
  try {
    BinaryChannelUtilities::Copy(Strata::Ref<Strata::IBinaryChannel>(), output, 5);
    ADD_FAILURE();
  } catch (const Strata::IllegalArgumentException& e) {
    EXPECT_STREQ(e.what(), "Invalid input channel: channel is null.");
  }
  try {
    BinaryChannelUtilities::Copy(input, Strata::Ref<Strata::OBinaryChannel>(), 5);
    ADD_FAILURE();
  } catch (const Strata::IllegalArgumentException& e) {
    EXPECT_STREQ(e.what(), "Invalid output channel: channel is null.");
  }
  EXPECT_TRUE(input.requests.empty());
  EXPECT_TRUE(output.writes.empty());
}
