#include <gtest/gtest.h>

#include <vector>

#include "Quorum/Commons/DataBuffer.h"
#include "Quorum/Commons/DataBufferIBinaryChannel.h"
#include "Quorum/Commons/DataBufferOBinaryChannel.h"
#include "Strata/IBinaryChannelUtilities.h"
#include "Strata/IOException.h"

using Quorum::Commons::DataBuffer;
using Quorum::Commons::DataBufferIBinaryChannel;
using Quorum::Commons::DataBufferOBinaryChannel;
using Buffer = DataBuffer<unsigned char>;

TEST(DataBuffer, IsAValueComparedByItsBytes) {
  const unsigned char bytes[] = {1, 2, 3};
  const Buffer zeros(3);
  EXPECT_EQ(zeros.GetSize(), 3u);
  EXPECT_EQ(zeros[2], 0);
  Buffer copied(bytes, 3);
  EXPECT_NE(copied.GetData(), bytes);
  Buffer copy = copied;
  copy[0] = 9;
  EXPECT_EQ(copied[0], 1);
  EXPECT_FALSE(copy == copied);
  copy[0] = 1;
  EXPECT_TRUE(copy == copied);
  EXPECT_FALSE(Buffer(bytes, 2) == copied);
  Buffer empty;
  empty.Swap(copy);
  EXPECT_TRUE(copy.IsEmpty());
  EXPECT_EQ(empty, copied);
  EXPECT_TRUE(Buffer(nullptr, 0).IsEmpty());
}

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
  EXPECT_TRUE(output.IsClosed());
  EXPECT_THROW(output.Write(bytes, 1), Strata::IOException);
  EXPECT_EQ(output.GetBuffer().GetSize(), 7u);
}

TEST(DataBufferChannels, InputYieldsTheSharedBufferAndThenItsEnd) {
  std::vector<unsigned char> source(10000);
  for (std::size_t i = 0; i < source.size(); ++i) source[i] = static_cast<unsigned char>(i);
  const auto buffer = Strata::MakeRef<Buffer>(source.data(), 10000u);
  DataBufferIBinaryChannel<unsigned char> input{Strata::Ref<const Buffer>(buffer)};
  EXPECT_EQ(input.GetAvailable(), 10000u);
  std::vector<unsigned char> read(10001);
  EXPECT_EQ(input.Read(read.data(), 4096), 4096u);
  EXPECT_EQ(input.GetAvailable(), 5904u);
  EXPECT_EQ(Strata::IBinaryChannelUtilities::ReadFully(input, read.data() + 4096, 6000), 5904u);
  EXPECT_EQ(input.Read(read.data(), 1), 0u);
  read.resize(10000);
  EXPECT_EQ(read, source);

  DataBufferIBinaryChannel<unsigned char> closed{Strata::Ref<const Buffer>(buffer)};
  closed.Close();
  EXPECT_EQ(closed.Read(read.data(), 1), 0u);
  EXPECT_EQ(closed.GetAvailable(), 0u);
  DataBufferIBinaryChannel<unsigned char> none{Strata::Ref<const Buffer>()};
  EXPECT_EQ(none.Read(read.data(), 1), 0u);
}
