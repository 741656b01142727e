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
  std::u16string units;
  if (c < 0x10000) {
    units.push_back(static_cast<char16_t>(c));
  } else {
    units.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
    units.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
  }
  return UniString(std::move(units));
}

UniString Lowered(UniString text) {
  text.SetToLowerCase();
  return text;
}

// UTF-8 bytes and the UTF-16 units they decode to.
struct Utf8Case {
  const char* utf8;
  std::u16string units;
};

}  // namespace

TEST(UniString, DecodesAndEncodesUtf8AcrossThePlanes) {
  const std::vector<Utf8Case> cases = {
      {"", u""},
      {"Subject", u"Subject"},
      {"\xC3\xA9t\xC3\xA9", u"\u00E9t\u00E9"},          // two-byte forms
      {"\xE2\x82\xAC \xE4\xB8\xAD", u"\u20AC \u4E2D"},  // three-byte forms
      {"\xF0\x9F\x98\x80", u"\xD83D\xDE00"},            // a surrogate pair
      {"a\xF4\x8F\xBF\xBFz", u"a\xDBFF\xDFFFz"},        // the last code point
  };
  for (const Utf8Case& c : cases) {
    const UniString text(c.utf8);
    EXPECT_EQ(text.GetUnits(), c.units) << c.utf8;
    EXPECT_EQ(text.ToCStr(), c.utf8);
  }
}

TEST(UniString, ReplacesInvalidUtf8WithReplacementCharacters) {
  const std::vector<Utf8Case> cases = {
      {"\xFF", u"\uFFFD"},
      {"a\xE2\x82", u"a\uFFFD"},                          // truncated at the end
      {"\xE2\x82\xACx\x80y", u"\u20ACx\uFFFDy"},          // stray continuation byte
      {"\xC0\xAF", u"\uFFFD\uFFFD"},                      // overlong
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},            // encoded surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
  };
  for (const Utf8Case& c : cases) {
    EXPECT_EQ(UniString(c.utf8).GetUnits(), c.units) << c.utf8;
  }
}

TEST(UniString, KeepsLoneSurrogatesAndEncodesThemAsReplacementCharacters) {
  const UniString text(
      u"a\xD800"
      u"b\xDC00");
  EXPECT_EQ(text.GetLength(), 4u);
  EXPECT_EQ(text[1], UniChar(0xD800));
  EXPECT_EQ(text.ToCStr(),
            "a\xEF\xBF\xBD"
            "b\xEF\xBF\xBD");
}

TEST(UniString, CountedBytesKeepEmbeddedZerosAndNullGivesEmpty) {
  const UniString text("a\0b", 3, Strata::CharacterCode::UTF8);
  EXPECT_EQ(text.GetUnits(), std::u16string_view(u"a\0b", 3));
  EXPECT_EQ(text.ToCStr(), std::string("a\0b", 3));
  EXPECT_TRUE(UniString(static_cast<const char*>(nullptr)).IsEmpty());
  EXPECT_TRUE(UniString(static_cast<const char16_t*>(nullptr)).IsEmpty());
}

TEST(UniString, AppendedSurrogateHalvesFormOneCodePoint) {
  UniString text("x");
  text.Append(UniChar(0xD83D)).Append(UniChar(0xDE00));
  text += UniString("y");
  EXPECT_EQ(text.ToCStr(), "x\xF0\x9F\x98\x80y");
  const UniString left("ab");
  EXPECT_EQ(left + UniString("cd"), UniString("abcd"));
  EXPECT_EQ(left, UniString("ab"));
}

TEST(UniString, IgnoringCaseMatchesAcrossScriptsAndKeepsLength) {
  struct Case {
    UniString a;
    UniString b;
    bool equal;
  };
  const std::vector<Case> cases = {
      {"Content-Type", "cONTENT-tYPE", true},
      {"\xC3\x80\xC3\x89\xC3\x8E", "\xC3\xA0\xC3\xA9\xC3\xAE", true},    // ÀÉÎ / àéî
      {u"\u039C\u0391\u0399\u039B", u"\u03BC\u03B1\u03B9\u03BB", true},  // Greek
      {u"\U00010400", u"\U00010428", true},                              // Deseret pair
      {u"\u212A", u"k", true},                                           // Kelvin sign
      {u"\u03A3", u"\u03C2", false},  // capital sigma lowers to medial, not final
      {u"\u00DF", u"SS", false},      // no mapping that changes the length
      {"abc", "abd", false},
      {"abc", "ab", false},
      {u"\xD800", u"\xD800", true},
      {u"\xD800x", u"\xD801x", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.a.IsEqual(c.b, CaseSensitivity::Insensitive), c.equal) << c.a.ToCStr();
    EXPECT_EQ(c.b.IsEqual(c.a, CaseSensitivity::Insensitive), c.equal) << c.a.ToCStr();
    EXPECT_EQ(Lowered(c.a) == Lowered(c.b), c.equal) << c.a.ToCStr();
  }
  EXPECT_FALSE(UniString("A").IsEqual("a", CaseSensitivity::Sensitive));
}

TEST(UniString, EqualityIgnoringCaseAgreesWithLowerCasingOverTheFirstPlanes) {
  // Group the code points of planes 0 and 1 by their lower-cased text: within
  // a group every pair must be equal ignoring case, and neighbours in code
  // point order must be equal exactly when they share a group.
  std::map<std::u16string, std::vector<char32_t>> groups;
  UniString previous;
  UniString previousLower;
  for (char32_t c = 0; c < 0x20000; ++c) {
    if (c >= 0xD800 && c < 0xE000) continue;
    const UniString text = FromCodePoint(c);
    const UniString lower = Lowered(text);
    ASSERT_EQ(lower.GetLength(), text.GetLength()) << std::hex << static_cast<unsigned int>(c);
    ASSERT_TRUE(text.IsEqual(lower, CaseSensitivity::Insensitive))
        << std::hex << static_cast<unsigned int>(c);
    ASSERT_EQ(text.IsEqual(previous, CaseSensitivity::Insensitive), lower == previousLower)
        << std::hex << static_cast<unsigned int>(c);
    if (!(lower == text)) groups[std::u16string(lower.GetUnits())].push_back(c);
    previous = text;
    previousLower = lower;
  }
  EXPECT_GT(groups.size(), 1000u);
  for (const auto& [lower, members] : groups) {
    for (char32_t a : members) {
      for (char32_t b : members) {
        ASSERT_TRUE(FromCodePoint(a).IsEqual(FromCodePoint(b), CaseSensitivity::Insensitive))
            << std::hex << static_cast<unsigned int>(a) << " " << static_cast<unsigned int>(b);
      }
    }
  }
}

TEST(UniString, FindsCharactersAndReportsAbsenceAsNotFound) {
  const UniString text("a.b.c");
  EXPECT_EQ(text.FindFirst('.'), 1u);
  EXPECT_EQ(text.FindFirst('.', 1), 1u);
  EXPECT_EQ(text.FindFirst('.', 2), 3u);
  EXPECT_EQ(text.FindFirst('.', 4), UniString::NotFound);
  EXPECT_EQ(text.FindFirst('a', 5), UniString::NotFound);
  EXPECT_EQ(text.FindFirst('a', UniString::NotFound), UniString::NotFound);
  EXPECT_EQ(text.FindLast('.'), 3u);
  EXPECT_EQ(text.FindLast('a'), 0u);
  EXPECT_EQ(text.FindFirst('x'), UniString::NotFound);
  EXPECT_EQ(text.FindLast('x'), UniString::NotFound);
  EXPECT_EQ(UniString().FindFirst('a'), UniString::NotFound);
  EXPECT_EQ(UniString().FindLast('a'), UniString::NotFound);
  EXPECT_EQ(UniString::NotFound, UINT_MAX);
}

TEST(UniString, SubstringsClampToTheText) {
  const UniString text("header");
  EXPECT_EQ(text.GetSubstring(0), text);
  EXPECT_EQ(text.GetSubstring(2), UniString("ader"));
  EXPECT_EQ(text.GetSubstring(2, 3), UniString("ade"));
  EXPECT_EQ(text.GetSubstring(2, 100), UniString("ader"));
  EXPECT_EQ(text.GetSubstring(2, 0), UniString());
  EXPECT_EQ(text.GetSubstring(6), UniString());
  EXPECT_EQ(text.GetSubstring(7, 1), UniString());
  EXPECT_EQ(text.GetSubstring(UniString::NotFound, UniString::NotFound), UniString());
  EXPECT_EQ(text.GetSubstring(5, UniString::NotFound), UniString("r"));
}

TEST(UniString, BeginsWithIsAnExactPrefixTest) {
  const UniString text("text/plain");
  EXPECT_TRUE(text.BeginsWith(""));
  EXPECT_TRUE(text.BeginsWith("text"));
  EXPECT_TRUE(text.BeginsWith(text));
  EXPECT_FALSE(text.BeginsWith("Text"));
  EXPECT_FALSE(text.BeginsWith("text/plain;"));
  EXPECT_TRUE(UniString().BeginsWith(""));
}

TEST(UniString, LowerCasingKeepsEveryLengthAndMapsTitleCase) {
  EXPECT_EQ(Lowered("Content-TYPE"), UniString("content-type"));
  EXPECT_EQ(Lowered(u"\u01C5"), UniString(u"\u01C6"));            // Dž → dž
  EXPECT_EQ(Lowered(u"\U00010400x"), UniString(u"\U00010428x"));  // non-BMP
  EXPECT_EQ(Lowered(u"\u0130"), UniString(u"i"));                 // simple mapping only
  EXPECT_EQ(Lowered(u"\xDC00"
                    "A"),
            UniString(u"\xDC00"
                      "a"));
}

TEST(UniString, FormatsEachConversion) {
  EXPECT_EQ(UniString::Format("Invalid address: '%T'.", UniString(u"a%u\U0001F600")),
            UniString(u"Invalid address: 'a%u\U0001F600'."));
  EXPECT_EQ(UniString::Format("%u/%u", 0u, 4294967295u), UniString("0/4294967295"));
  EXPECT_EQ(UniString::Format("%d %d %d", INT_MIN, -1, 0), UniString("-2147483648 -1 0"));
  EXPECT_EQ(UniString::Format("%s|%s", "\xC3\xA9", static_cast<const char*>(nullptr)),
            UniString(u"\u00E9|"));
  EXPECT_EQ(UniString::Format("100%% \xE2\x82\xAC%T%%", UniString("x")),
            UniString(u"100% \u20ACx%"));
  EXPECT_EQ(UniString::Format("plain"), UniString("plain"));
}

TEST(UniString, HashesAreFixedValuesOfTheCodeUnits) {
  struct Case {
    UniString text;
    unsigned int hash;
  };
  const std::vector<Case> cases = {
      {"", 2166136261u},
      {"a", 3826002220u},
      {"Hello", 4116459851u},
      {"mail-0001", 2979469142u},
      {u"\u00E9t\u00E9", 2745047931u},
      {u"\U0001F600", 3409036472u},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.text.GenerateHashValue(), c.hash) << c.text.ToCStr();
    EXPECT_EQ(std::hash<UniString>{}(c.text), c.hash);
  }
  EXPECT_NE(UniString("ab").GenerateHashValue(), UniString("ba").GenerateHashValue());
}

TEST(UniChar, AlphaNumericMeansLetterOrDecimalDigit) {
  struct Case {
    char16_t c;
    bool alphaNumeric;
  };
  const std::vector<Case> cases = {
      {u'a', true},       {u'Z', true},  {u'0', true},  {u'9', true},      {u'-', false},
      {u' ', false},      {u'_', false}, {u'/', false}, {u'\u00E9', true},  // é
      {u'\u4E2D', true},                                                    // CJK ideograph
      {u'\u0660', true},   // Arabic-Indic digit zero
      {u'\u00B2', false},  // superscript two: a digit, but not a decimal one
      {u'\u2164', false},  // Roman numeral: a letter number, not a letter
      {u'\xD800', false},  // lone surrogate
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UniChar(c.c).IsAlphaNumeric(), c.alphaNumeric) << std::hex << unsigned{c.c};
  }
}
