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

}  // namespace

TEST(Ref, DereferencingAnEmptyRefThrowsNullReference) {
  const Ref<Counted> empty;
  EXPECT_EQ(empty.Get(), nullptr);
  EXPECT_TRUE(empty == Ref<Counted>(static_cast<Counted*>(nullptr)));
  EXPECT_THROW((void)*empty, Strata::NullReferenceException);
  try {
    (void)empty->value;
    FAIL() << "no exception";
  } catch (const Strata::NullReferenceException& e) {
    EXPECT_STREQ(e.what(), "Null reference.");
    EXPECT_EQ(e.GetErrorCode(), -50);
    EXPECT_STREQ(e.GetSourceFile(), "Source/Strata/Ref.h");
  }
}

TEST(Ref, TheLastReferenceDestroysTheObjectAndEqualityIsIdentity) {
  std::atomic<int> live = 0;
  {
    const Ref<Derived> derived = MakeRef<Derived>(live);
    Ref<Counted> base = derived;
    EXPECT_TRUE(base == derived);
    EXPECT_FALSE(base == MakeRef<Counted>(live));
    base.Release();
    EXPECT_TRUE(base.IsNull());
    EXPECT_EQ(live, 1);
    derived->value = 8;
    EXPECT_EQ((*derived).value, 8);
  }
  EXPECT_EQ(live, 0);
}
