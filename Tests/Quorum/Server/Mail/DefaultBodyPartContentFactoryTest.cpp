#include "Quorum/Server/Mail/DefaultBodyPartContentFactory.h"

#include <gtest/gtest.h>

#include "Quorum/Server/Mail/Contents/MemoryContent.h"
#include "Quorum/Server/Mail/Contents/TextContent.h"
#include "Quorum/Server/Mail/Headers.h"

using Quorum::Server::Mail::DefaultBodyPartContentFactory;
using Quorum::Server::Mail::Headers;
using Quorum::Server::Mail::Contents::MemoryContent;
using Quorum::Server::Mail::Contents::TextContent;

TEST(DefaultBodyPartContentFactory, ChoosesTextOnlyForContentTypesBeginningWithText) {
  struct Case {
    const char* name;
    const char* value;
    bool text;
  };
  const Case cases[] = {
      {"Content-Type", "text", true},
      {"content-type", "text/html; charset=utf-8", true},
      {"Content-Type", "textual/whatever", true},
      {"Content-Type", "TEXT/plain", false},
      {"Content-Type", "application/octet-stream", false},
      {"Content-Type", "", false},
      {"X-Content-Type", "text/plain", false},
  };
  DefaultBodyPartContentFactory factory;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    Headers headers;
    headers.Set(c.name, c.value);
    const auto content = factory.Create(headers);
    ASSERT_FALSE(content.IsNull());
    EXPECT_EQ(content->GetSize(), 0u);
    EXPECT_EQ(dynamic_cast<TextContent*>(content.Get()) != nullptr, c.text);
    EXPECT_EQ(dynamic_cast<MemoryContent*>(content.Get()) != nullptr, !c.text);
  }
  EXPECT_NE(dynamic_cast<MemoryContent*>(factory.Create(Headers()).Get()), nullptr);
}
