#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "Quorum/Common/IO/BinaryChannelUtilities.h"

using Quorum::Common::IO::BinaryChannelUtilities;
using Requests = std::vector<unsigned int>;
using Bytes = std::vector<unsigned char>;

namespace {

// Byte i depends on i alone, so a shorter pattern is a prefix of a longer one.
Bytes Pattern(std::size_t size) {
  Bytes bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<unsigned char>(i * 31 + i / 256);
  return bytes;
}

// Serves `size` pattern bytes, at most `limit` per Read, and records every request.
struct RecordingInput : Strata::IBinaryChannel {
  RecordingInput(std::size_t size, unsigned int limit) : bytes(Pattern(size)), limit(limit) {}
  unsigned int Read(unsigned char* data, unsigned int count) override {
    requests.push_back(count);
    const auto n =
        static_cast<unsigned int>(std::min<std::size_t>({count, limit, bytes.size() - position}));
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(position), n, data);
    position += n;
    return n;
  }
  Bytes bytes;
  unsigned int limit;
  std::size_t position = 0;
  Requests requests;
};

// Keeps the bytes written and the size of every Write.
struct RecordingOutput : Strata::OBinaryChannel {
  void Write(const unsigned char* data, unsigned int count) override {
    writes.push_back(count);
    bytes.insert(bytes.end(), data, data + count);
  }
  Requests writes;
  Bytes bytes;
};

}  // namespace

TEST(Copy, AsksForAtMostSixtyFourKibibytesAndWritesExactlyWhatCame) {
  struct Case {
    std::size_t available;
    unsigned int limit;  // most bytes one Read delivers
    std::uint64_t count;
    std::uint64_t copied;
    Requests requests;
    Requests writes;
  };
  const std::vector<Case> cases = {
      {250000, ~0u, 200000, 200000, {65536, 65536, 65536, 3392}, {65536, 65536, 65536, 3392}},
      {10, ~0u, 0, 0, {}, {}},
      {70000, ~0u, 100000, 70000, {65536, 34464, 30000}, {65536, 4464}},
      {5000, 1500, 4000, 4000, {4000, 2500, 1000}, {1500, 1500, 1000}},
      {10, ~0u, std::uint64_t{1} << 33, 10, {65536, 65536}, {10}},
  };
  for (const Case& c : cases) {
    RecordingInput input(c.available, c.limit);
    RecordingOutput output;
    EXPECT_EQ(BinaryChannelUtilities::Copy(input, output, c.count), c.copied) << c.count;
    EXPECT_EQ(input.requests, c.requests) << c.count;
    EXPECT_EQ(output.writes, c.writes) << c.count;
    EXPECT_EQ(output.bytes, Pattern(c.copied)) << c.count;
    EXPECT_EQ(input.position, c.copied) << c.count;  // nothing read past the count
  }
}

TEST(Copy, RefFormsRefuseEmptyChannelsAndOtherwiseCopy) {
  const auto input = Strata::MakeRef<RecordingInput>(100, ~0u);
  const auto output = Strata::MakeRef<RecordingOutput>();
  try {
    BinaryChannelUtilities::Copy(Strata::Ref<Strata::IBinaryChannel>(), *output, 5);
    ADD_FAILURE();
  } catch (const Strata::IllegalArgumentException& e) {
    EXPECT_STREQ(e.what(), "Invalid input channel: channel is null.");
  }
  try {
    BinaryChannelUtilities::Copy(*input, Strata::Ref<Strata::OBinaryChannel>(), 5);
    ADD_FAILURE();
  } catch (const Strata::IllegalArgumentException& e) {
    EXPECT_STREQ(e.what(), "Invalid output channel: channel is null.");
  }
  EXPECT_TRUE(input->requests.empty());
  EXPECT_EQ(BinaryChannelUtilities::Copy(Strata::Ref<Strata::IBinaryChannel>(input), *output, 60),
            60u);
  EXPECT_EQ(BinaryChannelUtilities::Copy(*input, Strata::Ref<Strata::OBinaryChannel>(output), 60),
            40u);
  EXPECT_EQ(output->bytes, Pattern(100));
}
