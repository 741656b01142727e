#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>
#include <vector>

#include "Strata/UniChar.h"
#include "Strata/UniString.h"

using Strata::CaseSensitivity;
using Strata::UniChar;
using Strata::UniString;

namespace {

// The text of one code point, as one or two UTF-16 units.
UniString FromCodePoint(char32_t c) {
  if (c < 0x10000) return UniString(std::u16string(1, static_cast<char16_t>(c)));
  return UniString(std::u16string{static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)),
                                  static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF))});
}

UniString Lowered(UniString text) {
  text.SetToLowerCase();
  return text;
}

}  // namespace

TEST(UniString, ConvertsUtf8BothWaysAndReplacesWhatIsInvalid) {
  struct Case {
    const char* utf8;
    std::u16string units;
    bool valid;
  };
  const std::vector<Case> cases = {
      {"", u"", true},
      {"\xC3\xA9t\xE2\x82\xAC \xE4\xB8\xAD", u"\u00E9t\u20AC \u4E2D", true},
      {"\xF0\x9F\x98\x80", u"\xD83D\xDE00", true},
      {"a\xF4\x8F\xBF\xBFz", u"a\xDBFF\xDFFFz", true},  // the last code point
      {"\xFF", u"\uFFFD", false},
      {"a\xE2\x82", u"a\uFFFD", false},                          // truncated at the end
      {"\xE2\x82\xACx\x80y", u"\u20ACx\uFFFDy", false},          // stray continuation byte
      {"\xC0\xAF", u"\uFFFD\uFFFD", false},                      // overlong
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD", false},            // encoded surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD", false},  // beyond U+10FFFF
  };
  for (const Case& c : cases) {
    const UniString text(c.utf8);
    EXPECT_EQ(text.GetUnits(), c.units) << c.utf8;
    if (c.valid) EXPECT_EQ(text.ToCStr(), c.utf8);
  }
  EXPECT_EQ(UniString(u"a\xD800").ToCStr(), "a\xEF\xBF\xBD");  // kept inside, replaced outside
  EXPECT_EQ(UniString("a\0b", 3, Strata::CharacterCode::UTF8).ToCStr(), std::string("a\0b", 3));
  EXPECT_TRUE(UniString(static_cast<const char*>(nullptr)).IsEmpty());
}

TEST(UniString, IgnoringCaseMatchesLowerCasingWithoutChangingLengths) {
  struct Case {
    UniString a;
    UniString b;
    bool equal;
  };
  const std::vector<Case> cases = {
      {"Content-Type", "cONTENT-tYPE", true},
      {u"\u039C\u0391\u0399\u039B", u"\u03BC\u03B1\u03B9\u03BB", true},  // Greek
      {u"\U00010400x", u"\U00010428x", true},                            // Deseret pair
      {u"\u212A", u"k", true},                                           // Kelvin sign
      {u"\u01C5", u"\u01C6", true},                                      // title case Dž
      {u"\u0130", u"i", true},                                           // the simple mapping only
      {u"\u03A3", u"\u03C2", false},  // capital sigma lowers to medial, not final
      {u"\u00DF", u"SS", false},      // no mapping that changes the length
      {"abc", "ab", false},
      {u"\xD800", u"\xD800", true},
      {u"\xD800x", u"\xD801x", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.a.IsEqual(c.b, CaseSensitivity::Insensitive), c.equal) << c.a.ToCStr();
    EXPECT_EQ(c.b.IsEqual(c.a, CaseSensitivity::Insensitive), c.equal) << c.a.ToCStr();
    EXPECT_EQ(Lowered(c.a) == Lowered(c.b), c.equal) << c.a.ToCStr();
  }
  EXPECT_EQ(Lowered(u"\u01C5A"), UniString(u"\u01C6a"));
  EXPECT_FALSE(UniString("A").IsEqual("a", CaseSensitivity::Sensitive));
}

TEST(UniString, EqualityIgnoringCaseAgreesWithLowerCasingOverTheFirstPlanes) {
  // Group the code points of planes 0 and 1 by their lower-cased text: within
  // a group every pair must be equal ignoring case, and neighbours in code
  // point order must be equal exactly when they share a group.
  std::map<std::u16string, std::vector<UniString>> groups;
  UniString previous;
  UniString previousLower;
  for (char32_t c = 0; c < 0x20000; ++c) {
    if (c >= 0xD800 && c < 0xE000) continue;
    const UniString text = FromCodePoint(c);
    const UniString lower = Lowered(text);
    ASSERT_EQ(lower.GetLength(), text.GetLength()) << std::hex << unsigned{c};
    ASSERT_TRUE(text.IsEqual(lower, CaseSensitivity::Insensitive)) << std::hex << unsigned{c};
    ASSERT_EQ(text.IsEqual(previous, CaseSensitivity::Insensitive), lower == previousLower)
        << std::hex << unsigned{c};
    if (!(lower == text)) groups[std::u16string(lower.GetUnits())].push_back(text);
    previous = text;
    previousLower = lower;
  }
  EXPECT_GT(groups.size(), 1000u);
  for (const auto& [lower, members] : groups) {
    for (const UniString& a : members) {
      for (const UniString& b : members) {
        ASSERT_TRUE(a.IsEqual(b, CaseSensitivity::Insensitive)) << a.ToCStr() << b.ToCStr();
      }
    }
  }
}

TEST(UniString, SearchesAndSubstringsStayWithinTheText) {
  const UniString text("a.b.c");
  EXPECT_EQ(text.FindFirst('.', 2), 3u);
  EXPECT_EQ(text.FindFirst('.', 4), UniString::NotFound);
  EXPECT_EQ(text.FindFirst('a', UniString::NotFound), UniString::NotFound);
  EXPECT_EQ(text.FindLast('.'), 3u);
  EXPECT_EQ(text.FindLast('x'), UniString::NotFound);
  EXPECT_EQ(UniString().FindLast('a'), UniString::NotFound);
  EXPECT_EQ(UniString::NotFound, UINT_MAX);
  EXPECT_EQ(text.GetSubstring(2), UniString("b.c"));
  EXPECT_EQ(text.GetSubstring(2, 2), UniString("b."));
  EXPECT_EQ(text.GetSubstring(2, 100), UniString("b.c"));
  EXPECT_EQ(text.GetSubstring(6, 1), UniString());
  EXPECT_EQ(text.GetSubstring(UniString::NotFound, UniString::NotFound), UniString());
  EXPECT_TRUE(text.BeginsWith(""));
  EXPECT_TRUE(text.BeginsWith(text));
  EXPECT_FALSE(text.BeginsWith("A"));
  EXPECT_FALSE(text.BeginsWith("a.b.c."));
}

TEST(UniString, FormatsEachConversion) {
  EXPECT_EQ(UniString::Format("Invalid address: '%T'.", UniString(u"a%u\U0001F600")),
            UniString(u"Invalid address: 'a%u\U0001F600'."));
  EXPECT_EQ(UniString::Format("%u %d %d", 4294967295u, INT_MIN, 0),
            UniString("4294967295 -2147483648 0"));
  EXPECT_EQ(UniString::Format("%s|%s|100%%", "\xC3\xA9", static_cast<const char*>(nullptr)),
            UniString(u"\u00E9||100%"));
}

TEST(UniString, HashesAreFixedValuesOfTheCodeUnits) {
  const std::vector<std::pair<UniString, unsigned int>> cases = {
      {"", 2166136261u},
      {"a", 3826002220u},
      {"mail-0001", 2979469142u},
      {u"\u00E9t\u00E9", 2745047931u},
      {u"\U0001F600", 3409036472u},
  };
  for (const auto& [text, hash] : cases) {
    EXPECT_EQ(text.GenerateHashValue(), hash) << text.ToCStr();
    EXPECT_EQ(std::hash<UniString>{}(text), hash);
  }
}

TEST(UniChar, AlphaNumericMeansLetterOrDecimalDigit) {
  const std::u16string yes = u"aZ09\u00E9\u4E2D\u0660";  // é, a CJK ideograph, Arabic-Indic 0
  const std::u16string no = u"- _/\u00B2\u2164\xD800";   // superscript 2, Roman numeral, surrogate
  for (const char16_t c : yes) EXPECT_TRUE(UniChar(c).IsAlphaNumeric()) << std::hex << unsigned{c};
  for (const char16_t c : no) EXPECT_FALSE(UniChar(c).IsAlphaNumeric()) << std::hex << unsigned{c};
}
