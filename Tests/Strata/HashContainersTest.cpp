#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "Strata/HashSet.h"
#include "Strata/HashTable.h"
#include "Strata/Internal/HashTableProbe.h"
#include "Strata/KeyedHash.h"
#include "Strata/UniString.h"

using Strata::HashTable;
using Strata::UniString;

namespace {

// A key whose hash puts many keys on the same slot, to exercise probing and
// deletion inside long clusters.
struct CrowdedKey {
  int value = 0;
  unsigned int GenerateHashValue() const { return static_cast<unsigned int>(value % 5); }
  bool operator==(const CrowdedKey&) const = default;
};

template <typename K>
std::vector<std::pair<K, int>> Contents(const HashTable<K, int>& table) {
  std::vector<std::pair<K, int>> entries;
  for (const auto& entry : table) entries.emplace_back(entry.key, entry.value);
  return entries;
}

// Applies random Set and Remove calls to a table and to a plain vector that
// follows the storage-order rules, then compares the two, and a copy (which
// must not share the table's storage) and a move.
template <typename K, typename MakeKey>
void RunAgainstModel(MakeKey makeKey, int operations, int keyRange) {
  std::mt19937 random(20240611u);
  HashTable<K, int> table;
  std::vector<std::pair<K, int>> model;
  for (int i = 0; i < operations; ++i) {
    const K key = makeKey(static_cast<int>(random() % static_cast<unsigned int>(keyRange)));
    auto found = std::find_if(model.begin(), model.end(),
                              [&](const auto& entry) { return entry.first == key; });
    const bool present = found != model.end();
    if (random() % 3 == 0) {
      ASSERT_EQ(table.Remove(key), present);
      if (present) {
        *found = model.back();
        model.pop_back();
      }
    } else {
      ASSERT_EQ(table.Set(key, i), !present);
      if (!present) found = model.insert(model.end(), {key, i});
      found->second = i;
    }
  }
  HashTable<K, int> copy(table);
  ASSERT_EQ(Contents(copy), model);
  copy.Clear();
  const HashTable<K, int> moved(std::move(table));
  EXPECT_TRUE(table.IsEmpty());  // NOLINT(bugprone-use-after-move): left empty
  ASSERT_EQ(Contents(moved), model);
  for (const auto& [key, value] : model) ASSERT_EQ(*moved.Find(key), value);
  for (int v = keyRange; v < keyRange + 100; ++v) ASSERT_FALSE(moved.Contains(makeKey(v)));
}

}  // namespace

TEST(HashTable, GrowthRemovalCrowdedHashesCopiesAndMovesKeepTheStorageOrder) {
  RunAgainstModel<UniString>([](int v) { return UniString(std::to_string(v).c_str()); }, 10000,
                             3000);
  RunAgainstModel<CrowdedKey>([](int v) { return CrowdedKey{v}; }, 6000, 400);
  // Where keys land depends on the process key; many small tables make probe
  // runs that wrap past the last slot certain, whatever that key is.
  for (int round = 0; round < 400; ++round) {
    RunAgainstModel<UniString>(
        [round](int v) { return UniString(std::to_string(round * 100 + v).c_str()); }, 60, 10);
  }
}

TEST(HashSet, KeepsTheStorageOrderAndComparesKeysExactly) {
  Strata::HashSet<UniString> set;
  for (const char* key : {"part1", "Part1", "part1", "part2", "part3"}) set.Add(key);
  EXPECT_TRUE(set.Remove("part1"));
  EXPECT_FALSE(set.Contains("PART1"));
  EXPECT_EQ(std::vector<UniString>(set.begin(), set.end()),
            (std::vector<UniString>{"part3", "Part1", "part2"}));
}

namespace {

// 2^levels texts with one GenerateHashValue. Each level appends one of two
// different two-unit blocks that lead FNV-1a from the state the levels
// before reach to one same state (found once by a birthday search).
std::vector<UniString> CollidingTexts(int levels) {
  static constexpr std::uint32_t kBlocks[][2] = {
      {0x48fb433c, 0xaffaea8b}, {0x3a8d98db, 0x9fb20076}, {0x69ccb8b8, 0xcacf2f05},
      {0x381854a7, 0xdf1bcdda}, {0x5aada982, 0xbfae00f7}, {0x182ff9c3, 0xbd285176},
      {0x71761019, 0xdc77a98a}, {0x3d422faf, 0xe041b6da}, {0x02adc260, 0xa5ac3a93},
      {0x3d54da4c, 0xde5735b1}, {0x75ab1a10, 0x96aaf2ff}, {0x2697109b, 0x89968768}};
  const auto units = [](std::uint32_t b) {
    return std::u16string{static_cast<char16_t>(b >> 16), static_cast<char16_t>(b)};
  };
  std::vector<std::u16string> texts{u""};
  for (int level = 0; level < levels; ++level) {
    std::vector<std::u16string> longer;
    for (const auto& text : texts) {
      longer.insert(longer.end(),
                    {text + units(kBlocks[level][0]), text + units(kBlocks[level][1])});
    }
    texts.swap(longer);
  }
  return {texts.begin(), texts.end()};
}

}  // namespace

TEST(KeyedHash, MatchesTheSipHashTestVectors) {
  unsigned char message[15];
  for (unsigned char i = 0; i < 15; ++i) message[i] = i;
  const std::uint64_t k0 = 0x0706050403020100ull, k1 = 0x0f0e0d0c0b0a0908ull;
  EXPECT_EQ(Strata::KeyedHash::Of(k0, k1, message, 0, 2, 4), 0x726fdb47dd0e0e31ull);
  EXPECT_EQ(Strata::KeyedHash::Of(k0, k1, message, 15, 2, 4), 0xa129ca6149be45e5ull);
  EXPECT_EQ(Strata::KeyedHash::Of(message, 15), Strata::KeyedHash::Of(message, 15));
}

TEST(KeyedHash, HashesAsciiAsItsLowerCaseWithoutACopy) {
  // Every length up to 40 (whole words, and tails of 1 to 3 units with and
  // without a word before them), with the characters around 'A'-'Z' and
  // 'a'-'z', where a lane-wise lowering could go wrong.
  const std::u16string alphabet = u"@AZ[`az{Xx-_09~ \x7F\x01";
  std::u16string text;
  for (std::size_t length = 0; length <= 40; ++length) {
    std::u16string lower = text;
    for (char16_t& unit : lower) {
      if (unit >= u'A' && unit <= u'Z') unit = static_cast<char16_t>(unit + 32);
    }
    std::uint64_t hash = 0;
    ASSERT_TRUE(Strata::KeyedHash::OfLowerCaseAscii(text, hash)) << length;
    EXPECT_EQ(hash, Strata::KeyedHash::Of(lower.data(), 2 * lower.size())) << length;
    // One unit of 0x80 or above anywhere: refused, the hash untouched.
    for (std::size_t at = 0; at < text.size(); ++at) {
      for (const char16_t other : {u'\x80', u'\xC4', u'\x100', u'\xD83D', u'\xFFFF'}) {
        std::u16string wide = text;
        wide[at] = other;
        std::uint64_t untouched = 7;
        ASSERT_FALSE(Strata::KeyedHash::OfLowerCaseAscii(wide, untouched)) << length << ' ' << at;
        EXPECT_EQ(untouched, 7u);
      }
    }
    text.push_back(alphabet[(length * 7) % alphabet.size()]);
  }
}

TEST(HashTable, NamesWithOneStableHashTakeShortProbePaths) {
  const std::vector<UniString> names = CollidingTexts(12);
  HashTable<UniString, int> table;
  for (const UniString& name : names) {
    ASSERT_EQ(name.GenerateHashValue(), names[0].GenerateHashValue());
    ASSERT_TRUE(table.Set(name, 1));
  }
  ASSERT_EQ(table.GetSize(), 4096u);
  // Linear probing at a load of at most one half visits about 1.5 slots per
  // key; all keys on one path would give about 2048.
  EXPECT_LT(Strata::internal::HashTableProbe::GetTotalProbeLength(table), 4u * table.GetSize());
  for (const UniString& name : names) {
    ASSERT_NE(table.FindUnits(name.GetUnits()), nullptr);
    ASSERT_TRUE(table.RemoveUnits(name.GetUnits()));
  }
  EXPECT_TRUE(table.IsEmpty());
}
