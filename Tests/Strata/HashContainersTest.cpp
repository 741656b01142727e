#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <unordered_map>
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

template <typename K>
using Entries = std::vector<std::pair<K, int>>;

template <typename K>
Entries<K> Contents(const HashTable<K, int>& table) {
  Entries<K> entries;
  for (const auto& entry : table) entries.emplace_back(entry.key, entry.value);
  return entries;
}

// The storage-order rules applied to a plain vector of key numbers and values,
// with an index from key number to position.
class OrderModel {
 public:
  void Set(int key, int value) {
    const auto found = positions_.find(key);
    if (found != positions_.end()) {
      entries_[found->second].second = value;
      return;
    }
    positions_[key] = entries_.size();
    entries_.emplace_back(key, value);
  }
  void Remove(int key) {
    const auto found = positions_.find(key);
    if (found == positions_.end()) return;
    const std::size_t hole = found->second;
    positions_.erase(found);
    if (hole + 1 != entries_.size()) {
      entries_[hole] = entries_.back();
      positions_[entries_[hole].first] = hole;
    }
    entries_.pop_back();
  }
  const std::vector<std::pair<int, int>>& GetEntries() const { return entries_; }

 private:
  std::vector<std::pair<int, int>> entries_;
  std::unordered_map<int, std::size_t> positions_;
};

template <typename K, typename MakeKey>
bool FollowsModel(const HashTable<K, int>& table, const OrderModel& model, MakeKey makeKey) {
  const auto& entries = model.GetEntries();
  if (table.GetSize() != entries.size()) return false;
  for (unsigned int i = 0; i < table.GetSize(); ++i) {
    if (!(table.GetKeyAt(i) == makeKey(entries[i].first))) return false;
    if (table.GetValueAt(i) != entries[i].second) return false;
  }
  return true;
}

template <typename K, typename MakeKey>
void RunAgainstModel(MakeKey makeKey, int operations, int keyRange) {
  std::mt19937 random(20240611u);
  HashTable<K, int> table;
  OrderModel model;
  for (int i = 0; i < operations; ++i) {
    const int number = static_cast<int>(random() % static_cast<unsigned int>(keyRange));
    const K key = makeKey(number);
    const bool present = table.Contains(key);
    if (random() % 3 == 0) {
      ASSERT_EQ(table.Remove(key), present);
      model.Remove(number);
    } else {
      ASSERT_EQ(table.Set(key, i), !present);
      model.Set(number, i);
    }
    if (i % 997 == 0) {
      ASSERT_TRUE(FollowsModel(table, model, makeKey)) << "operation " << i;
    }
  }
  ASSERT_TRUE(FollowsModel(table, model, makeKey));
  for (const auto& [number, value] : model.GetEntries()) {
    const int* found = table.Find(makeKey(number));
    ASSERT_NE(found, nullptr);
    ASSERT_EQ(*found, value);
  }
  for (int v = keyRange; v < keyRange + 100; ++v) ASSERT_FALSE(table.Contains(makeKey(v)));
  const HashTable<K, int> copy(table);
  EXPECT_TRUE(FollowsModel(copy, model, makeKey));
}

}  // namespace

TEST(HashTable, NewKeysAppendAndReplacingKeepsThePlace) {
  HashTable<UniString, int> table;
  EXPECT_TRUE(table.Set(UniString("b"), 1));
  EXPECT_TRUE(table.Set(UniString("a"), 2));
  EXPECT_TRUE(table.Set(UniString("c"), 3));
  EXPECT_FALSE(table.Set(UniString("b"), 10));
  EXPECT_EQ(Contents(table), (Entries<UniString>{{"b", 10}, {"a", 2}, {"c", 3}}));
  EXPECT_EQ(table.GetKeyAt(0), UniString("b"));
  EXPECT_EQ(table.GetValueAt(2), 3);
}

TEST(HashTable, RemovalMovesTheLastEntryIntoTheHole) {
  HashTable<UniString, int> table;
  for (int i = 0; i < 5; ++i) table.Set(TextKey(i), i);
  EXPECT_TRUE(table.Remove(TextKey(1)));
  EXPECT_EQ(Contents(table), (Entries<UniString>{{"0", 0}, {"4", 4}, {"2", 2}, {"3", 3}}));
  EXPECT_TRUE(table.Remove(TextKey(3)));  // the last one: nothing moves
  EXPECT_EQ(Contents(table), (Entries<UniString>{{"0", 0}, {"4", 4}, {"2", 2}}));
  EXPECT_FALSE(table.Remove(TextKey(3)));
  EXPECT_TRUE(table.Contains(TextKey(4)));
  EXPECT_EQ(*table.Find(TextKey(4)), 4);
}

TEST(HashTable, KeysOfAnotherTypeAreHashedAsTheKeyType) {
  HashTable<UniString, int> table;
  const char* pointer = "from";
  table.Set(pointer, 1);
  table.Set("to", 2);
  EXPECT_TRUE(table.Contains(UniString("from")));
  EXPECT_TRUE(table.Contains(UniString("to")));
  EXPECT_FALSE(table.Set(UniString("from"), 3));
  EXPECT_EQ(table.GetSize(), 2u);
}

TEST(HashTable, GrowthAndRemovalKeepTheStorageOrderOfAModel) {
  RunAgainstModel<UniString>(TextKey, 60000, 20000);
}

TEST(HashTable, CrowdedHashesKeepTheStorageOrderOfAModel) {
  RunAgainstModel<CrowdedKey>(Crowded, 6000, 400);
}

TEST(HashTable, CopiesAreIndependentAndMovesEmptyTheSource) {
  HashTable<UniString, int> table;
  for (int i = 0; i < 40; ++i) table.Set(TextKey(i), i);
  HashTable<UniString, int> copy(table);
  copy.Remove(TextKey(0));
  copy.Set(TextKey(100), 100);
  EXPECT_EQ(table.GetSize(), 40u);
  EXPECT_EQ(table.GetKeyAt(0), TextKey(0));
  EXPECT_FALSE(table.Contains(TextKey(100)));
  EXPECT_EQ(copy.GetKeyAt(0), TextKey(39));

  HashTable<UniString, int> assigned;
  assigned.Set("x", 1);
  assigned = table;
  EXPECT_EQ(Contents(assigned), Contents(table));

  HashTable<UniString, int> moved(std::move(copy));
  EXPECT_EQ(moved.GetSize(), 40u);
  EXPECT_TRUE(copy.IsEmpty());
  EXPECT_FALSE(copy.Contains(TextKey(1)));
  copy.Set("again", 1);
  EXPECT_TRUE(copy.Contains("again"));
}

TEST(HashTable, ClearAndSwapExchangeWholeTables) {
  HashTable<UniString, int> a;
  HashTable<UniString, int> b;
  a.Set("a", 1);
  b.Set("b", 2);
  b.Set("c", 3);
  a.Swap(b);
  EXPECT_EQ(Contents(a), (Entries<UniString>{{"b", 2}, {"c", 3}}));
  EXPECT_TRUE(b.Contains("a"));
  a.Clear();
  EXPECT_TRUE(a.IsEmpty());
  EXPECT_FALSE(a.Contains("b"));
  a.Set("d", 4);
  EXPECT_EQ(*a.Find("d"), 4);
}

TEST(HashTable, EnumeratesValuesInStorageOrder) {
  HashTable<UniString, int> table;
  table.Set("x", 1);
  table.Set("y", 2);
  table.Set("z", 3);
  table.Remove("x");
  std::vector<int> values;
  for (int value : table.EnumerateValues()) values.push_back(value);
  EXPECT_EQ(values, (std::vector<int>{3, 2}));
  EXPECT_EQ(table.EnumerateValues().GetSize(), 2u);
}

TEST(HashSet, KeepsInsertionOrderAndMovesTheLastKeyOnRemoval) {
  HashSet<UniString> set;
  EXPECT_TRUE(set.Add("part1"));
  EXPECT_TRUE(set.Add("Part1"));
  EXPECT_FALSE(set.Add("part1"));
  EXPECT_TRUE(set.Add("part2"));
  EXPECT_TRUE(set.Add("part3"));
  EXPECT_TRUE(set.Remove("part1"));
  EXPECT_FALSE(set.Remove("part1"));
  std::vector<UniString> keys(set.begin(), set.end());
  EXPECT_EQ(keys, (std::vector<UniString>{"part3", "Part1", "part2"}));
  std::vector<UniString> enumerated;
  for (const UniString& key : set.Enumerate()) enumerated.push_back(key);
  EXPECT_EQ(enumerated, keys);
  EXPECT_EQ(set.GetAt(1), UniString("Part1"));
  EXPECT_EQ(set.GetSize(), 3u);
  EXPECT_FALSE(set.Contains("PART1"));
}

TEST(HashSet, LargeSetsSurviveGrowthCopiesAndSwaps) {
  HashSet<UniString> set;
  for (int i = 0; i < 100000; ++i) set.Add(TextKey(i));
  for (int i = 0; i < 100000; i += 2) set.Remove(TextKey(i));
  EXPECT_EQ(set.GetSize(), 50000u);
  HashSet<UniString> copy(set);
  EXPECT_TRUE(std::equal(set.begin(), set.end(), copy.begin(), copy.end()));
  for (int i = 0; i < 100000; ++i) ASSERT_EQ(copy.Contains(TextKey(i)), i % 2 == 1);
  HashSet<UniString> other;
  other.Swap(copy);
  EXPECT_TRUE(copy.IsEmpty());
  EXPECT_EQ(other.GetSize(), 50000u);
  other.Clear();
  EXPECT_TRUE(other.IsEmpty());
  EXPECT_FALSE(other.Contains(TextKey(1)));
}
