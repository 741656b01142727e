#include "Quorum/Server/Mail/BodyPartContent.h"

#include "ContentTestSupport.h"
#include "Quorum/Server/Mail/BodyPartContentException.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/OutOfMemoryException.h"

using namespace ContentTestSupport;

TEST(BodyPartContent, EqualsChecksSizesBeforeOpeningAndClosesWhatItOpens) {
  ScriptedContent ten(10, 10), eleven(11, 11), same(10, 10);
  ten.failToOpen = eleven.failToOpen = [] { ADD_FAILURE() << "a channel was opened"; };
  EXPECT_FALSE(ten.Equals(eleven));
  EXPECT_TRUE(same.Equals(*MakeMemory(Pattern(10))));
  EXPECT_EQ(same.closed, 1);
}

TEST(BodyPartContent, AChannelThatEndsEarlyOrRunsOnMakesContentsUnequal) {
  // {size, bytes its channels yield} of two contents that agree on their size.
  const std::pair<std::pair<unsigned, unsigned>, std::pair<unsigned, unsigned>> unequal[] = {
      {{10, 10}, {10, 6}},          {{10, 6}, {10, 6}},  // both end early, at the same byte
      {{10, 10}, {10, 12}},         {{10, 12}, {10, 12}},
      {{5000, 5000}, {5000, 4096}}, {{5000, 4096}, {5000, 5000}},
  };
  for (const auto& [left, right] : unequal) {
    ScriptedContent a(left.first, left.second), b(right.first, right.second);
    EXPECT_FALSE(a.Equals(b)) << left.second << " " << right.second;
    EXPECT_FALSE(b.Equals(a)) << left.second << " " << right.second;
    EXPECT_EQ(a.closed + b.closed, 4);
  }
  EXPECT_TRUE(ScriptedContent(5000, 5000).Equals(ScriptedContent(5000, 5000)));
}

TEST(BodyPartContent, FailuresBecomeContentExceptionsWithTheFailureAsCause) {
  const std::function<void()> raises[] = {
      nullptr,  // opens, then fails to read
      [] { STRATA_THROW(Strata::IOException, "Failed."); },
      [] { STRATA_THROW(BodyPartContentException, "Failed."); },
      [] { STRATA_THROW(Strata::IllegalArgumentException, "Failed."); },
  };
  for (const auto& raise : raises) {
    ScriptedContent broken(3, 3, /*failAtEnd=*/true);
    broken.failToOpen = raise;
    try {
      ScriptedContent(3, 3).Equals(broken);
      ADD_FAILURE() << "Equals did not throw";
    } catch (const BodyPartContentException& e) {
      EXPECT_EQ(e.GetMessage(), "Failed to check equality of body part contents.");
      EXPECT_STREQ(e.GetSourceFile(), "Source/Quorum/Server/Mail/BodyPartContent.cpp");
      ASSERT_NE(e.GetCause(), nullptr);
      EXPECT_EQ(e.GetCause()->GetMessage(), "Failed.");
    }
    EXPECT_EQ(broken.closed, raise ? 0 : 1);
  }
  ScriptedContent noMemory(3, 3);
  noMemory.failToOpen = [] { STRATA_THROW(Strata::OutOfMemoryException, "Failed."); };
  EXPECT_THROW(ScriptedContent(3, 3).Equals(noMemory), Strata::OutOfMemoryException);
}

TEST(BodyPartContent, ContentsOfDifferentKindsCompareEqualByBytes) {
  TemporaryFolder folder;
  const Strata::UniString text(u"h\u00e9llo \u20ac \U0001F600 " + std::u16string(9000, u'x'));
  Bytes bytes = Of(text.ToCStr());
  WriteFile(folder / "same", bytes);
  bytes.back() = 'y';
  WriteFile(folder / "last byte differs", bytes);
  const Strata::Ref<BodyPartContent> equal[] = {
      Strata::MakeRef<TextContent>(text), MakeMemory(Of(text.ToCStr())),
      Strata::MakeRef<FileContent>(Conduit::Location(folder / "same"))};
  FileContent other(Conduit::Location(folder / "last byte differs"));
  for (const auto& left : equal) {
    for (const auto& right : equal) EXPECT_TRUE(left->Equals(*right));
    EXPECT_FALSE(left->Equals(other));
    EXPECT_FALSE(other.Equals(*left));
  }
}
