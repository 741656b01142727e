#include "Quorum/Server/Mail/BodyPartContent.h"

#include <gtest/gtest.h>

#include <functional>

#include "ContentTestSupport.h"
#include "Quorum/Server/Mail/BodyPartContentException.h"
#include "Quorum/Server/Mail/Contents/FileContent.h"
#include "Quorum/Server/Mail/Contents/TextContent.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/OutOfMemoryException.h"

using namespace ContentTestSupport;
using Quorum::Server::Mail::BodyPartContent;
using Quorum::Server::Mail::BodyPartContentException;
using Quorum::Server::Mail::Contents::FileContent;
using Quorum::Server::Mail::Contents::TextContent;

namespace {

// A content whose input channel cannot be opened.
class UnopenableContent : public ScriptedContent {
 public:
  explicit UnopenableContent(std::function<void()> raise)
      : ScriptedContent(3, Of("abc")), raise_(std::move(raise)) {}
  Strata::Ref<Strata::IBinaryChannel> GetInputChannel() override {
    raise_();
    return {};
  }

 private:
  std::function<void()> raise_;
};

}  // namespace

TEST(BodyPartContent, SizeMismatchAnswersWithoutOpeningAChannel) {
  ScriptedContent ten(10, Pattern(10));
  ScriptedContent eleven(11, Pattern(11));
  EXPECT_FALSE(ten.Equals(eleven));
  EXPECT_EQ(ten.inputChannels + eleven.inputChannels, 0);
}

TEST(BodyPartContent, ComparesIn4096ByteBlocksAndClosesBothChannels) {
  Bytes other = Pattern(10000);
  ScriptedContent left(10000, Pattern(10000));
  ScriptedContent same(10000, other);
  EXPECT_TRUE(left.Equals(same));
  EXPECT_EQ(left.requests.front(), 4096u);
  EXPECT_EQ(*left.closes, 1);
  EXPECT_EQ(*same.closes, 1);

  other.back() ^= 1;
  ScriptedContent lastByteDiffers(10000, other);
  EXPECT_FALSE(left.Equals(lastByteDiffers));
}

TEST(BodyPartContent, ReadFailureBecomesContentExceptionWithTheFailureAsCause) {
  ScriptedContent failing(3, Of("abc"), /*failAtEnd=*/true);
  ScriptedContent fine(3, Of("abc"));
  try {
    fine.Equals(failing);
    FAIL() << "Equals did not throw";
  } catch (const BodyPartContentException& e) {
    EXPECT_EQ(e.GetMessage(), "Failed to check equality of body part contents.");
    EXPECT_EQ(e.GetErrorCode(), -7003);
    EXPECT_STREQ(e.GetSourceFile(), "Source/Quorum/Server/Mail/BodyPartContent.cpp");
    ASSERT_NE(e.GetCause(), nullptr);
    EXPECT_NE(dynamic_cast<const Strata::IOException*>(e.GetCause()), nullptr);
  }
  EXPECT_EQ(*failing.closes, 1);
  EXPECT_EQ(*fine.closes, 1);
}

TEST(BodyPartContent, FailuresToOpenAreTranslatedByKind) {
  // Each raises an exception whose message is the case's name.
  struct Case {
    const char* kind;
    std::function<void()> raise;
    bool wrapped;
  };
  const Case cases[] = {
      {"io", [] { STRATA_THROW(Strata::IOException, "io"); }, true},
      {"content", [] { STRATA_THROW(BodyPartContentException, "content"); }, true},
      {"other", [] { STRATA_THROW(Strata::IllegalArgumentException, "other"); }, true},
      {"memory", [] { STRATA_THROW(Strata::OutOfMemoryException, "memory"); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    UnopenableContent broken(c.raise);
    ScriptedContent other(3, Of("abc"));
    try {
      broken.Equals(other);
      FAIL() << "Equals did not throw";
    } catch (const BodyPartContentException& e) {
      EXPECT_TRUE(c.wrapped);
      ASSERT_NE(e.GetCause(), nullptr);
      EXPECT_EQ(e.GetCause()->GetMessage(), Strata::UniString(c.kind));
    } catch (const Strata::OutOfMemoryException& e) {
      EXPECT_FALSE(c.wrapped);
      EXPECT_EQ(e.GetMessage(), Strata::UniString(c.kind));
    }
    // The other content's channel was opened first and is let go unclosed.
    EXPECT_EQ(other.inputChannels, 1);
    EXPECT_EQ(*other.closes, 0);
  }
}

TEST(BodyPartContent, ContentsOfDifferentKindsCompareEqualByBytes) {
  TemporaryFolder folder;
  const Strata::UniString text(u"h\u00e9llo \u20ac \U0001F600 and a long tail " +
                               std::u16string(9000, u'x'));
  const std::string utf8 = text.ToCStr();
  WriteFile(folder / "same", Of(utf8));
  WriteFile(folder / "other", Of(utf8 + "!"));

  TextContent asText(text);
  const auto asMemory = MakeMemory(Of(utf8));
  FileContent asFile(Conduit::Location(folder / "same"));
  FileContent longer(Conduit::Location(folder / "other"));
  const BodyPartContent* equal[] = {&asText, asMemory.Get(), &asFile};
  for (const BodyPartContent* left : equal) {
    for (const BodyPartContent* right : equal) EXPECT_TRUE(left->Equals(*right));
    EXPECT_FALSE(left->Equals(longer));
    EXPECT_FALSE(longer.Equals(*left));
  }
  EXPECT_FALSE(TextContent("abc").Equals(*MakeMemory(Of("abd"))));
}
