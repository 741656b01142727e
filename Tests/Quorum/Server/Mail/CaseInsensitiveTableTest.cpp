// Names that differ only in the case of ASCII letters are one name to every
// case-insensitive look-up: in Headers, Parameters and Flags, and in the
// typed headers of BodyPart and Mail. Neighbours of the letters are not.
#include "Quorum/Server/Mail/CaseInsensitiveTable.h"

#include "ContentTestSupport.h"
#include "Quorum/Server/Mail/Flags.h"
#include "Quorum/Server/Mail/Parameters.h"

using namespace ContentTestSupport;

namespace {

// Spellings of one name each, every ASCII letter among them.
const std::vector<std::vector<const char*>> kSameName = {
    {"content-size", "CONTENT-SIZE", "Content-Size", "cOnTeNt-SiZe"},
    {"abcdefghijklmnopqrstuvwxyz", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "aBcDeFgHiJkLmNoPqRsTuVwXyZ"},
};
using NamePairs = std::vector<std::pair<const char*, const char*>>;
// Names that are not one. For flags, which take any text, also the
// characters just before and after the letters in ASCII, which fold to
// nothing.
const NamePairs kOtherNames = {{"content-size", "content-sizf"}, {"Z9", "z8"}};
const NamePairs kOtherFlags = {{"content-size", "content-sizf"}, {"x@", "x`"}, {"x[", "x{"}};

// Stores `stored` in a fresh collection and looks it up as `looked`.
template <typename Collection, typename Store>
void ExpectFound(Store store, const char* stored, const char* looked, bool found) {
  Collection collection;
  store(collection, stored);
  EXPECT_EQ(collection.Contains(looked), found) << stored << " as " << looked;
  EXPECT_EQ(collection.Remove(looked), found) << stored << " as " << looked;
  EXPECT_EQ(collection.IsEmpty(), found) << stored << " as " << looked;
}

template <typename Collection, typename Store>
void ExpectCaseFolded(Store store, const NamePairs& otherNames) {
  for (const auto& spellings : kSameName) {
    for (const char* stored : spellings) {
      for (const char* looked : spellings) ExpectFound<Collection>(store, stored, looked, true);
    }
  }
  for (const auto& [one, other] : otherNames) {
    ExpectFound<Collection>(store, one, other, false);
    ExpectFound<Collection>(store, other, one, false);
  }
}

}  // namespace

TEST(CaseInsensitiveLookUp, FoldsExactlyTheAsciiLettersInEveryCollection) {
  ExpectCaseFolded<Headers>([](Headers& h, const char* name) { h.Set(name, "v"); }, kOtherNames);
  ExpectCaseFolded<Parameters>([](Parameters& p, const char* name) { p.Set(name, "v"); },
                               kOtherNames);
  ExpectCaseFolded<Flags>([](Flags& f, const char* name) { f.Set(name); }, kOtherFlags);
  // Stored items compare their names the same way.
  for (const auto& spellings : kSameName) {
    for (const char* one : spellings) {
      for (const char* other : spellings) {
        EXPECT_TRUE(HeadersOf({{one, "v"}}).Contains(Header(other, "v"))) << one << " as " << other;
      }
    }
  }
  for (const auto& [one, other] : kOtherFlags) {
    EXPECT_FALSE(Strata::UniString(one).IsEqual(other, Strata::CaseSensitivity::Insensitive));
  }
}

TEST(CaseInsensitiveLookUp, TypedHeadersAreFoundUnderAnySpelling) {
  for (const char* name : kSameName[0]) {
    BodyPart part("p", HeadersOf({{name, "42"}}), {});
    EXPECT_EQ(part.GetContentSize(), 42u) << name;
    part.SetContent(MakeMemory(Pattern(3)));
    EXPECT_EQ(HeadersText(part), "Content-Size=3") << name;
  }
  BodyPart part("p", HeadersOf({{"content-sizf", "42"}}), {});
  EXPECT_EQ(part.GetContentSize(), 0u);
}

// Beyond ASCII, a name matches another exactly when both lower-case to the
// same text, whether it is looked up, set again or read from a channel, and
// also where it is too long to be folded on the stack.
TEST(CaseInsensitiveLookUp, FoldsEveryCharacterAsLowerCasingTheNameDoes) {
  Flags flags;
  flags.Set(Strata::UniString(u"\u00C4RGER"));
  flags.Set(Strata::UniString(u"\u212A"));  // the Kelvin sign lowers to k
  flags.Set(Strata::UniString(u"\U00010400x"));
  EXPECT_TRUE(flags.Contains(Strata::UniString(u"\u00E4rger")));
  EXPECT_TRUE(flags.Contains("k") && flags.Contains("K"));
  EXPECT_TRUE(flags.Contains(Strata::UniString(u"\U00010428X")));
  EXPECT_FALSE(flags.Contains(Strata::UniString(u"\u00E4rgeR\u00E4")));
  EXPECT_FALSE(flags.Contains("\xC3\x9F"));  // sharp s lowers to itself only
  flags.Set("k");
  EXPECT_EQ(flags.GetSize(), 3u);
  EXPECT_EQ(flags.ToString(), Strata::UniString(u"\u00C4RGER,k,\U00010400x"));

  std::u16string longName(300, u'\u00C4');
  longName += u"Tail";
  std::u16string longLower(300, u'\u00E4');
  longLower += u"tAIL";
  Headers read;
  ReadFrom(MailTest::WrittenAs(2u, Strata::UniString(longName).ToCStr().c_str(), "1",
                               Strata::UniString(longLower).ToCStr().c_str(), "2"),
           read);
  ASSERT_EQ(read.GetSize(), 1u);
  EXPECT_EQ(read.Find(Strata::UniString(longName))->GetValue(), "2");
  EXPECT_EQ(read.Find(Strata::UniString(longName))->GetName(), Strata::UniString(longLower));
  EXPECT_TRUE(read.Remove(Strata::UniString(std::u16string(300, u'\u00E4') + u"TAIL")));
}
