#include <gtest/gtest.h>

#include <atomic>

#include "Strata/NullReferenceException.h"
#include "Strata/Ref.h"

using Strata::MakeRef;
using Strata::Ref;

namespace {

struct Counted {
  explicit Counted(std::atomic<int>& live) : live_(live) { ++live_; }
  virtual ~Counted() { --live_; }
  int value = 7;
  std::atomic<int>& live_;
};

struct Derived : Counted {
  using Counted::Counted;
};

template <typename Dereference>
void ExpectNullReference(Dereference dereference) {
  try {
    dereference();
    FAIL() << "no exception";
  } catch (const Strata::NullReferenceException& e) {
    EXPECT_STREQ(e.what(), "Null reference.");
    EXPECT_EQ(e.GetMessage(), Strata::UniString("Null reference."));
    EXPECT_EQ(e.GetErrorCode(), -50);
    EXPECT_STREQ(e.GetSourceFile(), "Source/Strata/Ref.h");
    EXPECT_GT(e.GetSourceLine(), 0u);
  }
}

}  // namespace

TEST(Ref, DereferencingAnEmptyRefThrowsNullReference) {
  const Ref<Counted> empty;
  EXPECT_TRUE(empty.IsNull());
  EXPECT_EQ(empty.Get(), nullptr);
  ExpectNullReference([&] { (void)empty->value; });
  ExpectNullReference([&] { (void)*empty; });
  const Ref<Counted> explicitNull(static_cast<Counted*>(nullptr));
  EXPECT_TRUE(explicitNull.IsNull());
  EXPECT_TRUE(empty == explicitNull);
}

TEST(Ref, TheLastReferenceDestroysTheObject) {
  std::atomic<int> live = 0;
  {
    Ref<Counted> first(new Counted(live));
    Ref<Counted> second = first;
    EXPECT_TRUE(first == second);
    EXPECT_EQ(second->value, 7);
    first.Release();
    EXPECT_TRUE(first.IsNull());
    EXPECT_EQ(live, 1);
    (*second).value = 8;
    EXPECT_EQ(second.Get()->value, 8);
  }
  EXPECT_EQ(live, 0);
}

TEST(Ref, ConvertsFromDerivedAndComparesByIdentity) {
  std::atomic<int> live = 0;
  const Ref<Derived> derived = MakeRef<Derived>(live);
  const Ref<Counted> base = derived;
  Ref<Counted> moved = Ref<Derived>(derived);
  EXPECT_TRUE(base == derived);
  EXPECT_TRUE(moved == base);
  EXPECT_FALSE(base == MakeRef<Counted>(live));
  moved = Ref<Counted>();
  base.Get()->value = 1;
  EXPECT_EQ(derived->value, 1);
}
