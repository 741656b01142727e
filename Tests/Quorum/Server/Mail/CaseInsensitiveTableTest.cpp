#include "Quorum/Server/Mail/CaseInsensitiveTable.h"

#include <stdexcept>

#include "MailTestSupport.h"

namespace {

// An item whose copies start failing once `copiesLeft` runs out.
struct FragileItem {
  static inline int copiesLeft = 1000;

  explicit FragileItem(const char* name = "") : name(name) {}
  FragileItem(const FragileItem& other) : name(other.name) {
    if (copiesLeft-- <= 0) throw std::runtime_error("copy failed");
  }
  FragileItem& operator=(const FragileItem&) = default;
  const Strata::UniString& GetName() const { return name; }

  Strata::UniString name;
};

}  // namespace

TEST(CaseInsensitiveTable, StoreAbsentUndoesItsAppendsWhenACopyFails) {
  Quorum::Server::Mail::internal::CaseInsensitiveTable<FragileItem> table, other;
  for (const char* name : {"A", "B"}) table.Store(FragileItem(name));
  for (const char* name : {"b", "C", "D", "E"}) other.Store(FragileItem(name));
  FragileItem::copiesLeft = 2;  // C and D are copied, E fails
  EXPECT_THROW(table.StoreAbsent(other), std::runtime_error);
  FragileItem::copiesLeft = 1000;
  EXPECT_EQ(MailTest::NamesOf(table), (std::vector<std::string>{"A", "B"}));
  EXPECT_FALSE(table.Contains("c"));
  table.StoreAbsent(other);
  EXPECT_EQ(MailTest::NamesOf(table), (std::vector<std::string>{"A", "B", "C", "D", "E"}));
}
