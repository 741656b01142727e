#include <gtest/gtest.h>

#include "Strata/NullReferenceException.h"
#include "Strata/Ref.h"

using Strata::Ref;

namespace {

struct Counted {
  explicit Counted(int& counter) : live(++counter) {}
  virtual ~Counted() { --live; }
  int& live;
};

}  // namespace

TEST(Ref, DereferencingAnEmptyRefThrowsNullReference) {
  const Ref<Counted> empty;
  EXPECT_THROW((void)*empty, Strata::NullReferenceException);
  try {
    (void)empty->live;
    FAIL() << "no exception";
  } catch (const Strata::NullReferenceException& e) {
    EXPECT_STREQ(e.what(), "Null reference.");
    EXPECT_STREQ(e.GetSourceFile(), "Source/Strata/Ref.h");
  }
}

TEST(Ref, TheLastReferenceDestroysTheObjectAndEqualityIsIdentity) {
  int live = 0;
  Ref<Counted> base = Strata::MakeRef<Counted>(live);
  const Ref<Counted> other = base;
  EXPECT_TRUE(base == other);
  EXPECT_FALSE(base == Strata::MakeRef<Counted>(live));
  base = Ref<Counted>(new Counted(live));
  EXPECT_EQ(live, 2);
  base.Release();
  EXPECT_TRUE(base.IsNull());
  EXPECT_EQ(live, 1);
}
