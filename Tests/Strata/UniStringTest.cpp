#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <vector>

#include "Strata/UniChar.h"
#include "Strata/UniString.h"

using Strata::CaseSensitivity;
using Strata::UniChar;
using Strata::UniString;

namespace {

UniString Lowered(UniString text) {
  text.SetToLowerCase();
  return text;
}

}  // namespace

TEST(UniString, ConvertsUtf8BothWaysAndReplacesWhatIsInvalid) {
  const std::vector<std::pair<const char*, std::u16string>> cases = {
      {"\xC3\xA9t\xE2\x82\xAC \xE4\xB8\xAD", u"\u00E9t\u20AC \u4E2D"},
      {"\xF0\x9F\x98\x80", u"\xD83D\xDE00"},
      {"a\xF4\x8F\xBF\xBFz", u"a\xDBFF\xDFFFz"},          // the last code point
      {"a\xE2\x82", u"a\uFFFD"},                          // truncated at the end
      {"\xE2\x82\xACx\x80y", u"\u20ACx\uFFFDy"},          // stray continuation byte
      {"\xC0\xAF", u"\uFFFD\uFFFD"},                      // overlong
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},            // encoded surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
  };
  for (const auto& [utf8, units] : cases) {
    const UniString text(utf8);
    EXPECT_EQ(text.GetUnits(), units) << utf8;
    // The decoder refuses every other form, so this pins the encoding down.
    EXPECT_EQ(UniString(text.ToCStr().c_str()).GetUnits(), units) << utf8;
  }
  EXPECT_EQ(UniString(u"a\xD800").ToCStr(), "a\xEF\xBF\xBD");  // a lone surrogate
  EXPECT_EQ(UniString("a\0b", 3, Strata::CharacterCode::UTF8).ToCStr(), std::string("a\0b", 3));
  EXPECT_TRUE(UniString(static_cast<const char*>(nullptr)).IsEmpty());
}

// Long texts cross ICU in pieces of 1 MiB; no sequence may be cut in two,
// wherever the piece ends fall.
TEST(UniString, LongTextsConvertWholeAcrossPieceBoundaries) {
  for (const std::string unit : {"a", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80"}) {
    for (std::size_t shift = 0; shift < unit.size(); ++shift) {
      const std::string text = std::string(shift, 'x') + [&] {
        std::string repeated;
        while (repeated.size() < 3 * (std::size_t{1} << 20)) repeated += unit;
        return repeated;
      }();
      const UniString decoded(text.c_str());
      EXPECT_EQ(decoded.FindFirst(0xFFFD), UniString::NotFound) << unit.size() << " " << shift;
      EXPECT_EQ(decoded.ToCStr(), text) << unit.size() << " " << shift;
    }
  }
}

// Whatever falls on the 1 MiB seam between two pieces, valid or malformed,
// converts exactly as it does on its own.
TEST(UniString, TextOnThePieceSeamConvertsAsItDoesAlone) {
  constexpr std::size_t kSeam = std::size_t{1} << 20;
  const std::string utf8[] = {
      "\xF0\x90\x80\x80\x80z",  // U+10000, then a stray continuation byte
      "\xC3\xA9",
      "\xE2\x82\xAC",
      "\xF0\x9F\x98\x80",
      "\xE2\x82z",
      "\xF0\x90\x80z",
      "\x80\x80\x80\x80\x80",
      "\xED\xA0\x80",
      "\xC0\xAF",
      "\xF8\x88\x80\x80\x80",
  };
  for (const std::string& tail : utf8) {
    const std::u16string alone(UniString(tail.c_str()).GetUnits());
    for (std::size_t before = kSeam - tail.size() - 1; before <= kSeam + 1; ++before) {
      const UniString text{std::string_view(std::string(before, 'a') + tail)};
      EXPECT_EQ(text.GetUnits().substr(before), alone) << before - kSeam;
    }
  }
  EXPECT_EQ(UniString("\xF0\x90\x80\x80\x80z").GetUnits(), u"\U00010000\uFFFDz");

  const std::u16string utf16[] = {u"\U0001F600", u"\xD800z", u"\xDC00", u"\xD800\xD800\xDC00"};
  for (const std::u16string& tail : utf16) {
    const std::string alone = UniString(tail).ToCStr();
    for (std::size_t before = kSeam - tail.size() - 1; before <= kSeam + 1; ++before) {
      const std::string text = UniString(std::u16string(before, u'a') + tail).ToCStr();
      EXPECT_EQ(text.substr(before), alone) << before - kSeam;
    }
  }
}

TEST(UniString, IgnoringCaseUsesOnlyLengthKeepingSimpleLowerCaseMappings) {
  const auto same = [](const UniString& a, const UniString& b) {
    return a.IsEqual(b, CaseSensitivity::Insensitive) && b.IsEqual(a, CaseSensitivity::Insensitive);
  };
  EXPECT_TRUE(same(u"\u212A", "k"));         // Kelvin sign
  EXPECT_TRUE(same(u"\u0130", "i"));         // I with dot lowers to i alone
  EXPECT_FALSE(same(u"\u03A3", u"\u03C2"));  // capital sigma lowers to medial, not final
  EXPECT_FALSE(same(u"\u00DF", "SS"));       // no mapping that changes the length
  EXPECT_TRUE(same(u"\xD800", u"\xD800"));
  EXPECT_FALSE(same(u"\xD800x", u"\xD801x"));
  EXPECT_EQ(Lowered(u"\u01C5A"), UniString(u"\u01C6a"));  // title case Dz with caron
  EXPECT_FALSE(UniString("A").IsEqual("a", CaseSensitivity::Sensitive));
}

TEST(UniString, EqualityIgnoringCaseAgreesWithLowerCasingOverTheFirstPlanes) {
  // Each code point of planes 0 and 1 must equal, ignoring case, its own
  // lower-cased form and the first code point sharing that form, and equal
  // its neighbour exactly when they share it.
  std::map<std::u16string, UniString> firstWithLower;
  UniString previous;
  UniString previousLower;
  for (char32_t c = 0; c < 0x20000; ++c) {
    if (c >= 0xD800 && c < 0xE000) continue;
    // One unit, or a surrogate pair above the first plane.
    const UniString text(c < 0x10000 ? std::u16string(1, static_cast<char16_t>(c))
                                     : std::u16string{static_cast<char16_t>(0xD7C0 + (c >> 10)),
                                                      static_cast<char16_t>(0xDC00 + (c & 0x3FF))});
    const UniString lower = Lowered(text);
    const UniString& first =
        firstWithLower.try_emplace(std::u16string(lower.GetUnits()), text).first->second;
    ASSERT_EQ(lower.GetLength(), text.GetLength()) << std::hex << unsigned{c};
    ASSERT_TRUE(text.IsEqual(lower, CaseSensitivity::Insensitive)) << std::hex << unsigned{c};
    ASSERT_TRUE(text.IsEqual(first, CaseSensitivity::Insensitive)) << std::hex << unsigned{c};
    ASSERT_EQ(text.IsEqual(previous, CaseSensitivity::Insensitive), lower == previousLower)
        << std::hex << unsigned{c};
    previous = text;
    previousLower = lower;
  }
  EXPECT_LT(firstWithLower.size(), 0x20000u - 0x800u - 1000u);  // many share a form
}

TEST(UniString, SearchesAndSubstringsStayWithinTheText) {
  const UniString text("a.b.c");
  EXPECT_EQ(text.FindFirst('.', 2), 3u);
  EXPECT_EQ(text.FindFirst('a', UniString::NotFound), UniString::NotFound);
  EXPECT_EQ(UniString().FindLast('a'), UniString::NotFound);
  EXPECT_EQ(text.GetSubstring(2, 100), UniString("b.c"));
  EXPECT_EQ(text.GetSubstring(UniString::NotFound, UniString::NotFound), UniString());
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
  EXPECT_EQ(UniString().GenerateHashValue(), 2166136261u);
  EXPECT_EQ(UniString("mail-0001").GenerateHashValue(), 2979469142u);
  EXPECT_EQ(UniString(u"\u00E9t\u00E9").GenerateHashValue(), 2745047931u);
  EXPECT_EQ(std::hash<UniString>{}(UniString(u"\U0001F600")), 3409036472u);
}

TEST(UniChar, AlphaNumericMeansLetterOrDecimalDigit) {
  const std::u16string yes = u"aZ09\u00E9\u4E2D\u0660";  // é, a CJK ideograph, Arabic-Indic 0
  const std::u16string no = u"- _/\u00B2\u2164\xD800";   // superscript 2, Roman numeral, surrogate
  for (const char16_t c : yes) EXPECT_TRUE(UniChar(c).IsAlphaNumeric()) << std::hex << unsigned{c};
  for (const char16_t c : no) EXPECT_FALSE(UniChar(c).IsAlphaNumeric()) << std::hex << unsigned{c};
}
