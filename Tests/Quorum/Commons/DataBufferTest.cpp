#include <gtest/gtest.h>

#include "Quorum/Commons/DataBufferIBinaryChannel.h"
#include "Quorum/Commons/DataBufferOBinaryChannel.h"
#include "Strata/IOException.h"

using namespace Quorum::Commons;
using Buffer = DataBuffer<unsigned char>;

TEST(DataBufferChannels, OutputCollectsBytesUntilClosed) {
  DataBufferOBinaryChannel<unsigned char> output(16);
  const unsigned char bytes[] = {1, 2, 3, 4, 5, 2, 3};
  output.Write(bytes, 5);
  output.Write(bytes + 1, 2);
  EXPECT_EQ(output.GetBuffer(), Buffer(bytes, 7));
  output.Close();
  output.Close();
  EXPECT_THROW(output.Write(bytes, 1), Strata::IOException);
}

TEST(DataBufferChannels, InputReadsTheSharedBufferAndEndsEarlierWhenItShrinks) {
  const auto buffer = Strata::MakeRef<Buffer>(10000u);
  (*buffer)[4095] = 7;
  DataBufferIBinaryChannel<unsigned char> input{Strata::Ref<const Buffer>(buffer)};
  unsigned char read[10000];
  EXPECT_EQ(input.Read(read, 4096), 4096u);
  EXPECT_EQ(read[4095], 7);
  buffer->Resize(4000);
  EXPECT_EQ(input.GetAvailable(), 0u);
  EXPECT_EQ(input.Read(read, 1), 0u);
  buffer->Resize(4100);
  EXPECT_EQ(input.Read(read, 10000), 4u);
  input.Close();
  EXPECT_EQ(input.Read(read, 1), 0u);
}
