// UniString and the containers meet the standard library: conversions,
// ordering, streams and the iterator concepts.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <ranges>
#include <sstream>
#include <string>
#include <vector>

#include "Strata/Format.h"
#include "Strata/HashSet.h"
#include "Strata/HashTable.h"
#include "Strata/PagedArray.h"
#include "Strata/UniString.h"

using Strata::UniString;
using namespace std::string_literals;
using namespace std::string_view_literals;

static_assert(std::random_access_iterator<Strata::PagedArray<int>::Position>);
static_assert(std::random_access_iterator<Strata::HashTable<UniString, int>::Position>);
static_assert(std::ranges::random_access_range<const Strata::PagedArray<UniString>>);
static_assert(std::ranges::random_access_range<const Strata::HashTable<UniString, int>>);
static_assert(std::ranges::contiguous_range<const Strata::HashSet<UniString>>);

TEST(UniStringInterop, ConvertsFromAndToStandardStringsAndStreams) {
  const std::string bytes = "a\0\xC3\xA9\xFF"s;  // an embedded zero and a malformed byte
  const UniString text{std::string_view(bytes)};
  EXPECT_EQ(text.GetUnits(), u"a\0\u00E9\uFFFD"sv);
  EXPECT_EQ(static_cast<std::u16string_view>(text), text.GetUnits());
  EXPECT_EQ(text.ToUtf8(), text.ToCStr());
  std::ostringstream out;
  out << text << UniString(u"\u20AC");
  EXPECT_EQ(out.str(), "a\0\xC3\xA9\xEF\xBF\xBD\xE2\x82\xAC"s);
}

TEST(UniStringInterop, OrdersByCodeUnit) {
  // Code-unit order: upper case before lower case, a prefix first, and a
  // surrogate pair (U+10000) before U+FFFF although its code point is higher.
  const std::vector<std::pair<std::u16string_view, std::u16string_view>> ascending = {
      {u"", u"a"}, {u"Z", u"a"}, {u"ab", u"abc"}, {u"\U00010000", u"\uFFFF"}};
  for (const auto& [low, high] : ascending) {
    EXPECT_LT(UniString(low), UniString(high));
    EXPECT_EQ(UniString(high) <=> UniString(low), std::strong_ordering::greater);
  }
  EXPECT_EQ(UniString(u"x") <=> UniString(u"x"), std::strong_ordering::equal);
}

TEST(ContainerInterop, RangesFollowTheStorageOrder) {
  Strata::PagedArray<int> array;
  for (int i = 0; i < 20; ++i) array.Append(19 - i);
  EXPECT_EQ(std::ranges::find(array, 7) - array.begin(), 12);
  EXPECT_EQ(array.end()[-1], 0);
  EXPECT_TRUE(std::ranges::is_sorted(array, std::ranges::greater()));

  Strata::HashTable<UniString, int> table;
  for (const char16_t* key : {u"a", u"b", u"c", u"d"}) table.Set(UniString(key), table.GetSize());
  table.Remove(UniString(u"b"));  // the last entry moves into the hole
  std::vector<int> values;
  std::ranges::transform(table, std::back_inserter(values), [](const auto& e) { return e.value; });
  EXPECT_EQ(values, (std::vector<int>{0, 3, 2}));

  Strata::HashSet<UniString> set;
  for (const char16_t* key : {u"x", u"y"}) set.Add(UniString(key));
  EXPECT_EQ(std::ranges::count(set, UniString(u"y")), 1);
}

#ifdef QUORUM_TEST_FMT
TEST(UniStringInterop, FormatsWithFmt) {
  EXPECT_EQ(fmt::format("[{:>4}]", UniString(u"\u00E9")), "[   \xC3\xA9]");
}
#endif
