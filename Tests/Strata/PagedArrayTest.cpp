#include <gtest/gtest.h>

#include <vector>

#include "Strata/PagedArray.h"
#include "Strata/UniString.h"

using Strata::PagedArray;
using Strata::UniString;

namespace {

template <typename T>
std::vector<T> Contents(const PagedArray<T>& array) {
  std::vector<T> elements;
  for (const T& element : array.Enumerate()) elements.push_back(element);
  return elements;
}

}  // namespace

TEST(PagedArray, AppendsAcrossPageBoundariesWithoutMovingElements) {
  PagedArray<int> array;
  array.Append(0);
  const int* first = &array[0];
  for (int i = 1; i < 100; ++i) array.Append(i);
  EXPECT_EQ(first, &array[0]);  // growth never moves an element
  EXPECT_EQ(array.GetSize(), 100u);
  for (unsigned int i = 0; i < 100; ++i) ASSERT_EQ(array[i], static_cast<int>(i));
  EXPECT_EQ(array.Enumerate().GetSize(), 100u);
  EXPECT_EQ(array.Enumerate()[99], 99);
}

TEST(PagedArray, RemoveAtShiftsLaterElementsAcrossPages) {
  PagedArray<UniString> array;
  for (int i = 0; i < 17; ++i) array.Append(UniString(std::to_string(i).c_str()));
  array.RemoveAt(3);   // inside the first page
  array.RemoveAt(15);  // the last element, alone on the third page
  array.RemoveAt(0);
  const std::vector<UniString> expected = {"1", "2",  "4",  "5",  "6",  "7",  "8",
                                           "9", "10", "11", "12", "13", "14", "15"};
  EXPECT_EQ(Contents(array), expected);
  array.Append("last");
  EXPECT_EQ(array[14], UniString("last"));
  while (!array.IsEmpty()) array.RemoveAt(array.GetSize() - 1);
  EXPECT_EQ(array.GetSize(), 0u);
  array.Append("again");
  EXPECT_EQ(Contents(array), std::vector<UniString>{"again"});
}

TEST(PagedArray, CopiesAreDeepAndSwapAndClearWork) {
  PagedArray<UniString> array;
  for (int i = 0; i < 9; ++i) array.Append("x");
  PagedArray<UniString> copy(array);
  copy[8] = "changed";
  copy.Append("more");
  EXPECT_EQ(array[8], UniString("x"));
  EXPECT_EQ(array.GetSize(), 9u);

  PagedArray<UniString> assigned;
  assigned.Append("old");
  assigned = copy;
  EXPECT_EQ(Contents(assigned), Contents(copy));

  PagedArray<UniString> other;
  other.Swap(copy);
  EXPECT_TRUE(copy.IsEmpty());
  EXPECT_EQ(other.GetSize(), 10u);
  other.Clear();
  EXPECT_TRUE(other.IsEmpty());
  EXPECT_TRUE(Contents(other).empty());

  PagedArray<UniString> moved(std::move(assigned));
  EXPECT_EQ(moved.GetSize(), 10u);
  EXPECT_TRUE(assigned.IsEmpty());
}
