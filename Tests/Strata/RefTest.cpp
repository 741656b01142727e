#include <gtest/gtest.h>

#include "Strata/NullReferenceException.h"
#include "Strata/Ref.h"

using Strata::MakeRef;
using Strata::Ref;

namespace {

struct Counted {
  explicit Counted(int& counter) : live(++counter) {}
  virtual ~Counted() { --live; }
  int& live;
};

struct Derived : Counted {
  using Counted::Counted;
};

}  // namespace

TEST(Ref, DereferencingAnEmptyRefThrowsNullReference) {
  const Ref<Counted> empty;
  EXPECT_EQ(empty.Get(), nullptr);
  EXPECT_TRUE(empty == Ref<Counted>(static_cast<Counted*>(nullptr)));
  EXPECT_THROW((void)*empty, Strata::NullReferenceException);
  try {
    (void)empty->live;
    FAIL() << "no exception";
  } catch (const Strata::NullReferenceException& e) {
    EXPECT_STREQ(e.what(), "Null reference.");
    EXPECT_EQ(e.GetErrorCode(), -50);
    EXPECT_STREQ(e.GetSourceFile(), "Source/Strata/Ref.h");
  }
}

TEST(Ref, TheLastReferenceDestroysTheObjectAndEqualityIsIdentity) {
  int live = 0;
  {
    const Ref<Derived> derived = MakeRef<Derived>(live);
    Ref<Counted> base = derived;
    EXPECT_TRUE(base == derived);
    EXPECT_FALSE(base == MakeRef<Counted>(live));
    base.Release();
    EXPECT_TRUE(base.IsNull());
    EXPECT_EQ(live, 1);
  }
  EXPECT_EQ(live, 0);
}
