#include "Quorum/Server/Mail/CaseInsensitiveTable.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

// An item whose copies start failing after a set number of them.
struct FragileItem {
  static int copiesLeft;

  FragileItem() = default;
  explicit FragileItem(const char* name) : name(name) {}
  FragileItem(const FragileItem& other) : name(other.name) {
    if (copiesLeft-- <= 0) throw std::runtime_error("copy failed");
  }
  FragileItem& operator=(const FragileItem&) = default;

  const Strata::UniString& GetName() const { return name; }
  bool operator==(const FragileItem& other) const { return name == other.name; }
  void Write(Strata::OChannelX&) const {}
  void Read(Strata::IChannelX&) {}

  Strata::UniString name;
};
int FragileItem::copiesLeft = 1000;

using Table = Quorum::Server::Mail::internal::CaseInsensitiveTable<FragileItem>;

std::vector<std::string> NamesOf(const Table& table) {
  std::vector<std::string> names;
  for (const FragileItem& item : table.Enumerate()) names.push_back(item.name.ToCStr());
  return names;
}

}  // namespace

TEST(CaseInsensitiveTable, StoreAbsentUndoesItsAppendsWhenACopyFails) {
  FragileItem::copiesLeft = 1000;
  Table table;
  table.Store(FragileItem("A"));
  table.Store(FragileItem("B"));
  Table other;
  for (const char* name : {"b", "C", "D", "E"}) other.Store(FragileItem(name));
  const std::vector<std::string> before = NamesOf(table);

  FragileItem::copiesLeft = 2;  // C and D are copied, E fails
  EXPECT_THROW(table.StoreAbsent(other), std::runtime_error);
  FragileItem::copiesLeft = 1000;
  EXPECT_EQ(NamesOf(table), before);
  EXPECT_FALSE(table.Contains("c"));
  EXPECT_FALSE(table.Contains("D"));

  table.StoreAbsent(other);
  EXPECT_EQ(NamesOf(table), (std::vector<std::string>{"A", "B", "C", "D", "E"}));
}
