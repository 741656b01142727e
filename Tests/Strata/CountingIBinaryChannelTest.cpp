#include <gtest/gtest.h>

#include "Strata/CountingIBinaryChannel.h"
#include "Strata/IChannelX.h"
#include "Strata/IOException.h"
#include "Strata/MemoryIBinaryChannel.h"

using namespace Strata;

TEST(CountingIBinaryChannel, CountsWhatTypedReadsConsumeIncludingAShortLastRead) {
  const unsigned char bytes[] = {0, 0, 0, 1, 0, 'A', 1, 0, 7, 9};
  MemoryIBinaryChannel memory(bytes, sizeof bytes);
  CountingIBinaryChannel counting(memory);
  IChannelX channel(counting);
  EXPECT_EQ(channel.ReadUniString(), UniString("A"));
  EXPECT_EQ(counting.GetPosition(), 6u);
  EXPECT_TRUE(channel.ReadBool());
  EXPECT_EQ(counting.GetPosition(), 7u);
  EXPECT_EQ(counting.GetAvailable(), 3u);
  EXPECT_THROW(channel.ReadUnsignedInt(), IOException);
  EXPECT_EQ(counting.GetPosition(), 10u);
}
