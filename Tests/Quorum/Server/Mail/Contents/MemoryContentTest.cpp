#include "Quorum/Server/Mail/Contents/MemoryContent.h"

#include <gtest/gtest.h>

#include <memory>

#include "../ContentTestSupport.h"

using namespace ContentTestSupport;
using Quorum::Commons::DataBuffer;
using Quorum::Server::Mail::Contents::MemoryContent;

namespace {

DataBuffer<unsigned char> BufferOf(const Bytes& bytes) {
  return DataBuffer<unsigned char>(bytes.data(), static_cast<unsigned int>(bytes.size()));
}

}  // namespace

TEST(MemoryContent, OutputChannelHandsOverItsBytesOnlyOnClose) {
  EXPECT_EQ(MemoryContent().GetSize(), 0u);
  MemoryContent content(BufferOf(Of("old bytes")));
  content.GetOutputChannel()->Write(Of("lost").data(), 4);
  const auto channel = content.GetOutputChannel();
  channel->Write(Of("new").data(), 3);
  EXPECT_EQ(ContentBytes(content), Of("old bytes"));
  content.SetData(BufferOf(Of("set while open")));
  channel->Close();
  EXPECT_EQ(ContentBytes(content), Of("new"));
  EXPECT_EQ(content.GetSize(), 3u);
}

TEST(MemoryContent, SecondCloseDoesNothingAndWritingAfterCloseThrows) {
  MemoryContent content(BufferOf(Of("old")));
  const auto channel = content.GetOutputChannel();
  channel->Write(Of("new").data(), 3);
  channel->Close();
  channel->Close();
  EXPECT_EQ(ContentBytes(content), Of("new"));
  EXPECT_THROW(channel->Write(Of("x").data(), 1), Strata::IOException);
  EXPECT_EQ(ContentBytes(content), Of("new"));
}

TEST(MemoryContent, ChannelMayOutliveItsContent) {
  auto content = std::make_unique<MemoryContent>();
  const auto channel = content->GetOutputChannel();
  content.reset();
  channel->Write(Of("orphan").data(), 6);
  EXPECT_NO_THROW(channel->Close());
}

TEST(MemoryContent, DataIsSharedButClonesAreIndependent) {
  MemoryContent content(BufferOf(Of("abc")));
  content.GetData()[0] = 'x';
  EXPECT_EQ(ContentBytes(content), Of("xbc"));

  std::unique_ptr<Quorum::Server::Mail::BodyPartContent> clone(content.Clone());
  WriteContent(*clone, Of("changed"));
  EXPECT_EQ(ContentBytes(content), Of("xbc"));
  EXPECT_EQ(ContentBytes(*clone), Of("changed"));
  EXPECT_FALSE(content.Equals(*clone));
  EXPECT_TRUE(content.Equals(MemoryContent(BufferOf(Of("xbc")))));
}
