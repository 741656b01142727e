#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "Strata/HashSet.h"
#include "Strata/HashTable.h"
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
// follows the storage-order rules, then compares the two.
template <typename K>
void RunAgainstModel(K (*makeKey)(int), int operations, int keyRange) {
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
  ASSERT_EQ(Contents(table), model);
  EXPECT_EQ(Contents(HashTable<K, int>(table)), model);
  for (const auto& [key, value] : model) ASSERT_EQ(*table.Find(key), value);
  for (int v = keyRange; v < keyRange + 100; ++v) ASSERT_FALSE(table.Contains(makeKey(v)));
}

}  // namespace

TEST(HashTable, GrowthRemovalAndCrowdedHashesKeepTheStorageOrder) {
  RunAgainstModel<UniString>([](int v) { return UniString(std::to_string(v).c_str()); }, 10000,
                             3000);
  RunAgainstModel<CrowdedKey>([](int v) { return CrowdedKey{v}; }, 6000, 400);
}

TEST(HashTable, CopiesAreIndependentAndAMovedFromTableIsEmpty) {
  HashTable<UniString, int> table;
  const char* pointer = "0";  // hashed as the UniString it becomes
  table.Set(pointer, 0);
  HashTable<UniString, int> copy(table);
  copy.Remove("0");
  EXPECT_TRUE(table.Contains("0"));
  const HashTable<UniString, int> moved(std::move(table));
  EXPECT_FALSE(table.Contains("0"));
  EXPECT_EQ(*moved.Find("0"), 0);
}

TEST(HashSet, KeepsTheStorageOrderAndComparesKeysExactly) {
  Strata::HashSet<UniString> set;
  for (const char* key : {"part1", "Part1", "part1", "part2", "part3"}) set.Add(key);
  EXPECT_TRUE(set.Remove("part1"));
  EXPECT_FALSE(set.Contains("PART1"));
  EXPECT_EQ(std::vector<UniString>(set.begin(), set.end()),
            (std::vector<UniString>{"part3", "Part1", "part2"}));
}
