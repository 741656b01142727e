#include "Quorum/Server/Mail/Contents/MemoryContent.h"

#include "../ContentTestSupport.h"

using namespace ContentTestSupport;

TEST(MemoryContent, OutputChannelHandsOverItsBytesOnTheFirstCloseOnly) {
  MemoryContent content(BufferOf(Of("old bytes")));
  content.GetOutputChannel()->Write(Of("lost").data(), 4);  // dropped unclosed
  const auto channel = content.GetOutputChannel();
  channel->Write(Of("new").data(), 3);
  EXPECT_EQ(ContentBytes(content), Of("old bytes"));
  content.SetData(BufferOf(Of("set while open")));
  channel->Close();
  EXPECT_EQ(ContentBytes(content), Of("new"));

  content.SetData(BufferOf(Of("set after close")));
  channel->Close();
  EXPECT_THROW(channel->Write(Of("x").data(), 1), Strata::IOException);
  EXPECT_EQ(ContentBytes(content), Of("set after close"));
}

TEST(MemoryContent, ChannelMayOutliveItsContent) {
  auto content = std::make_unique<MemoryContent>();
  const auto channel = content->GetOutputChannel();
  content.reset();
  channel->Write(Of("orphan").data(), 6);
  EXPECT_NO_THROW(channel->Close());
}
