#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "Strata/HashSet.h"
#include "Strata/HashTable.h"
#include "Strata/UniString.h"

using Strata::HashSet;
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

UniString TextKey(int value) { return UniString(std::to_string(value).c_str()); }
CrowdedKey Crowded(int value) { return CrowdedKey{value}; }

using Model = std::vector<std::pair<int, int>>;  // key number and value, in storage order

// Applies random Set and Remove calls to a table and to a plain vector that
// follows the storage-order rules, and compares the two as it goes.
template <typename K, typename MakeKey>
void RunAgainstModel(MakeKey makeKey, int operations, int keyRange) {
  std::mt19937 random(20240611u);
  HashTable<K, int> table;
  Model model;
  const auto matches = [&](const HashTable<K, int>& t) {
    if (t.GetSize() != model.size()) return false;
    for (unsigned int i = 0; i < t.GetSize(); ++i) {
      if (!(t.GetKeyAt(i) == makeKey(model[i].first)) || t.GetValueAt(i) != model[i].second) {
        return false;
      }
    }
    return true;
  };
  for (int i = 0; i < operations; ++i) {
    const int number = static_cast<int>(random() % static_cast<unsigned int>(keyRange));
    const auto found = std::find_if(model.begin(), model.end(),
                                    [&](const auto& entry) { return entry.first == number; });
    const bool present = found != model.end();
    if (random() % 3 == 0) {
      ASSERT_EQ(table.Remove(makeKey(number)), present);
      if (present) {
        *found = model.back();
        model.pop_back();
      }
    } else {
      ASSERT_EQ(table.Set(makeKey(number), i), !present);
      if (present) found->second = i;
      if (!present) model.emplace_back(number, i);
    }
    if (i % 997 == 0) ASSERT_TRUE(matches(table)) << "operation " << i;
  }
  ASSERT_TRUE(matches(table));
  for (const auto& [number, value] : model) ASSERT_EQ(*table.Find(makeKey(number)), value);
  for (int v = keyRange; v < keyRange + 100; ++v) ASSERT_FALSE(table.Contains(makeKey(v)));
  EXPECT_TRUE(matches(HashTable<K, int>(table)));
}

}  // namespace

TEST(HashTable, GrowthAndRemovalKeepTheStorageOrder) {
  RunAgainstModel<UniString>(TextKey, 20000, 5000);
}

TEST(HashTable, CrowdedHashesKeepTheStorageOrder) {
  RunAgainstModel<CrowdedKey>(Crowded, 6000, 400);
}

TEST(HashTable, CopiesAreIndependentMovesEmptyTheSourceAndSwapExchanges) {
  HashTable<UniString, int> table;
  const char* pointer = "0";  // hashed as the UniString it becomes
  table.Set(pointer, 0);
  for (int i = 1; i < 40; ++i) table.Set(TextKey(i), i);
  HashTable<UniString, int> copy(table);
  copy.Remove(TextKey(0));
  EXPECT_EQ(table.GetKeyAt(0), TextKey(0));
  EXPECT_EQ(copy.GetKeyAt(0), TextKey(39));
  std::vector<int> values;
  for (int value : copy.EnumerateValues()) values.push_back(value);
  EXPECT_EQ(values.front(), 39);
  EXPECT_EQ(values.size(), 39u);

  HashTable<UniString, int> moved(std::move(copy));
  EXPECT_TRUE(copy.IsEmpty());
  copy.Set("again", 1);
  moved.Swap(copy);
  EXPECT_EQ(moved.GetSize(), 1u);
  EXPECT_EQ(*copy.Find("39"), 39);
  copy.Clear();
  EXPECT_FALSE(copy.Contains("39"));
}

TEST(HashSet, KeepsTheStorageOrderAndComparesKeysExactly) {
  HashSet<UniString> set;
  EXPECT_TRUE(set.Add("part1"));
  EXPECT_TRUE(set.Add("Part1"));
  EXPECT_FALSE(set.Add("part1"));
  EXPECT_TRUE(set.Add("part2"));
  EXPECT_TRUE(set.Add("part3"));
  EXPECT_TRUE(set.Remove("part1"));
  EXPECT_FALSE(set.Remove("part1"));
  const std::vector<UniString> keys(set.begin(), set.end());
  EXPECT_EQ(keys, (std::vector<UniString>{"part3", "Part1", "part2"}));
  EXPECT_EQ(set.GetAt(1), UniString("Part1"));
  EXPECT_FALSE(set.Contains("PART1"));
}
