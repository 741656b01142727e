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

constexpr CaseSensitivity kIgnoreCase = CaseSensitivity::Insensitive;

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
    std::string repeated;
    while (repeated.size() < 3 * (std::size_t{1} << 20)) repeated += unit;
    for (std::size_t shift = 0; shift < unit.size(); ++shift) {
      const std::string text = std::string(shift, 'x') + repeated;
      EXPECT_EQ(UniString(text.c_str()).ToCStr(), text) << unit.size() << " " << shift;
    }
  }
}

// Whatever falls on the 1 MiB seam between two pieces, valid or malformed,
// converts exactly as it does on its own.
TEST(UniString, TextOnThePieceSeamConvertsAsItDoesAlone) {
  constexpr std::size_t kSeam = std::size_t{1} << 20;
  // U+10000 then a stray continuation byte; valid sequences; malformed ones.
  const std::string utf8[] = {"\xF0\x90\x80\x80\x80z", "\xC3\xA9",     "\xE2\x82\xAC",
                              "\xF0\x9F\x98\x80",      "\xE2\x82z",    "\xF0\x90\x80z",
                              "\x80\x80\x80\x80\x80",  "\xED\xA0\x80", "\xC0\xAF",
                              "\xF8\x88\x80\x80\x80"};
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
    return a.IsEqual(b, kIgnoreCase) && b.IsEqual(a, kIgnoreCase);
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
    ASSERT_TRUE(lower.GetLength() == text.GetLength() && text.IsEqual(lower, kIgnoreCase) &&
                text.IsEqual(first, kIgnoreCase) &&
                text.IsEqual(previous, kIgnoreCase) == (lower == previousLower))
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

// Texts of up to kInlineLength units live in the object and longer ones
// apart; every operation must give the same text on either side of that
// line, and in every mix of the two.
TEST(UniString, TextsOnEitherSideOfTheInlineLengthBehaveAlike) {
  constexpr std::size_t kInline = UniString::kInlineLength;
  const auto text = [](std::size_t length, char16_t first) {
    std::u16string units(length, u'x');
    if (length > 0) units[0] = first;
    return units;
  };
  const std::size_t lengths[] = {0, 1, kInline - 1, kInline, kInline + 1, 50};
  for (const std::size_t a : lengths) {
    for (const std::size_t b : {std::size_t{0}, kInline, kInline + 1}) {
      SCOPED_TRACE(testing::Message() << a << " " << b);
      const std::u16string ua = text(a, u'a'), ub = text(b, u'b');
      UniString x(ua), y(ub);
      x.Swap(y);
      EXPECT_EQ(x.GetUnits(), ub);
      EXPECT_EQ(y.GetUnits(), ua);
      x = y;  // a copy assigned over a text of the other length
      EXPECT_EQ(x.GetUnits(), ua);
      UniString appended(ua);
      appended.Append(std::u16string_view(ub));
      EXPECT_EQ(appended.GetUnits(), ua + ub);
      appended.Append(appended);  // appending itself, across the line too
      UniString moved(std::move(appended));
      EXPECT_EQ(moved.GetUnits(), ua + ub + ua + ub);
      EXPECT_TRUE(appended.IsEmpty());  // NOLINT(bugprone-use-after-move): left empty
      y = std::move(moved);
      EXPECT_EQ(y.GetUnits(), ua + ub + ua + ub);
      EXPECT_EQ(UniString(std::u16string(ua)), UniString(ua));
    }
  }
  UniString self(text(30, u's'));
  const UniString& same = self;
  self = same;
  self.Swap(self);
  EXPECT_EQ(self.GetUnits(), text(30, u's'));
  // Storage kept by Clear is reused for the next, shorter text.
  UniString reused;
  reused.Reserve(100);
  reused.Append(UniString(text(100, u'r')));
  reused.Clear();
  EXPECT_TRUE(reused.IsEmpty());
  reused = UniString(text(80, u'q'));
  EXPECT_EQ(reused.GetUnits(), text(80, u'q'));
}

// UTF-8 decoding widens a leading run of ASCII bytes itself: a first
// non-ASCII byte anywhere, valid or not, must decode as it does alone.
TEST(UniString, AsciiBeforeAnyOtherByteDecodesAsTheWholeText) {
  const std::vector<std::pair<std::string, std::u16string>> tails = {
      {"\xC3\xA9", u"\u00E9"},
      {"\xF0\x9F\x98\x80", u"\U0001F600"},
      {"\x80", u"\uFFFD"},
      {"\xE2\x82", u"\uFFFD"},
      {"\xC0\xAF", u"\uFFFD\uFFFD"}};
  for (const auto& [tail, decoded] : tails) {
    for (std::size_t before = 0; before < 40; ++before) {
      const std::string ascii(before, 'k');
      const std::u16string asciiUnits(before, u'k');
      const std::u16string expected = asciiUnits + decoded;
      EXPECT_EQ(UniString((ascii + tail).c_str()).GetUnits(), expected) << before;
      EXPECT_EQ(UniString(std::string_view(ascii + tail + "z")).GetUnits(), expected + u"z")
          << before;
    }
  }
  EXPECT_EQ(UniString(std::string_view("\x7F\x01", 2)).GetUnits(), std::u16string(u"\x7F\x01"));
}

// The case operations take four ASCII units at a time; a unit outside ASCII
// at any place of a block, surrogate pairs across blocks and every ASCII
// neighbour of the letters must fold as one unit at a time does.
TEST(UniString, CaseOperationsAgreeOnAsciiBlocksAndEverythingElse) {
  const std::u16string specials[] = {u"\u00C4", u"\u212A", u"\U00010400", u"\xD800", u"@", u"A",
                                     u"[",      u"`",      u"{",          u"Z",      u"a"};
  for (const std::u16string& special : specials) {
    for (std::size_t before = 0; before < 10; ++before) {
      for (std::size_t after : {std::size_t{0}, std::size_t{3}, std::size_t{9}}) {
        SCOPED_TRACE(testing::Message() << before << " " << after);
        const std::u16string units =
            std::u16string(before, u'Q') + special + std::u16string(after, u'm');
        const UniString text(units);
        const UniString lower = Lowered(text);
        // One unit (or surrogate pair) at a time, as the whole-text operations must agree.
        std::u16string expected;
        for (std::size_t i = 0; i < units.size();) {
          const bool pair = units[i] >= 0xD800 && units[i] < 0xDC00 && i + 1 < units.size() &&
                            units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000;
          const std::size_t length = pair ? 2 : 1;
          expected += Lowered(units.substr(i, length)).GetUnits();
          i += length;
        }
        EXPECT_EQ(lower.GetUnits(), expected);
        EXPECT_TRUE(UniString::LowerCaseEquals(units, lower.GetUnits()));
        EXPECT_TRUE(text.IsEqual(lower, kIgnoreCase));
        std::u16string other = expected;
        other.back() = other.back() == u'x' ? u'y' : u'x';
        EXPECT_FALSE(UniString::LowerCaseEquals(units, other));
        EXPECT_FALSE(text.IsEqual(UniString(other), kIgnoreCase));
      }
    }
  }
  // Deseret capital and small letters: a pair that folds, split by no block.
  EXPECT_TRUE(UniString(u"abc\U00010400").IsEqual(u"ABC\U00010428", kIgnoreCase));
  EXPECT_FALSE(UniString::LowerCaseEquals(u"ABCD", u"abc"));
}
