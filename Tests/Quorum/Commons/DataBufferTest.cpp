#include <gtest/gtest.h>

#include <vector>

#include "Quorum/Commons/DataBufferIBinaryChannel.h"
#include "Quorum/Commons/DataBufferOBinaryChannel.h"
#include "Strata/IOException.h"

using namespace Quorum::Commons;
using Buffer = DataBuffer<unsigned char>;

TEST(DataBufferChannels, OutputCollectsBytesUntilClosed) {
  DataBufferOBinaryChannel<unsigned char> output(16);
  const unsigned char bytes[] = {1, 2, 3, 4, 5};
  output.Write(bytes, 5);
  output.Write(bytes, 0);
  output.Write(bytes + 1, 2);
  const unsigned char expected[] = {1, 2, 3, 4, 5, 2, 3};
  EXPECT_EQ(output.GetBuffer(), Buffer(expected, 7));
  output.Close();
  output.Close();
  EXPECT_THROW(output.Write(bytes, 1), Strata::IOException);
  EXPECT_EQ(output.GetBuffer().GetSize(), 7u);
}

TEST(DataBufferChannels, InputReadsTheSharedBufferAndEndsEarlierWhenItShrinks) {
  const auto buffer = Strata::MakeRef<Buffer>(10000u);
  for (unsigned int i = 0; i < 10000; ++i) (*buffer)[i] = static_cast<unsigned char>(i);
  DataBufferIBinaryChannel<unsigned char> input{Strata::Ref<const Buffer>(buffer)};
  std::vector<unsigned char> read(10000);
  EXPECT_EQ(input.Read(read.data(), 4096), 4096u);
  EXPECT_EQ(read[4095], static_cast<unsigned char>(4095));
  EXPECT_EQ(input.GetAvailable(), 5904u);
  buffer->Resize(4000);
  EXPECT_EQ(input.GetAvailable(), 0u);
  EXPECT_EQ(input.Read(read.data(), 1), 0u);
  buffer->Resize(4100);
  EXPECT_EQ(input.Read(read.data(), 10000), 4u);
  input.Close();
  EXPECT_EQ(input.Read(read.data(), 1), 0u);
  DataBufferIBinaryChannel<unsigned char> none{Strata::Ref<const Buffer>()};
  EXPECT_EQ(none.Read(read.data(), 1), 0u);
}
