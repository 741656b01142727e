#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Strata/PagedArray.h"
#include "Strata/UniString.h"

using Strata::PagedArray;
using Strata::UniString;

TEST(PagedArray, GrowsWithoutMovingElementsAndRemovalShiftsAcrossPages) {
  PagedArray<UniString> array;
  array.Append("0");
  const UniString* first = &array[0];
  for (int i = 1; i < 17; ++i) array.Append(UniString(std::to_string(i).c_str()));
  EXPECT_EQ(first, &array[0]);
  array.RemoveAt(3);   // inside the first page
  array.RemoveAt(15);  // the last element, alone on the third page
  array.RemoveAt(0);
  PagedArray<UniString> copy(array);
  copy[0] = "changed";
  std::vector<UniString> elements;
  for (const UniString& element : array.Enumerate()) elements.push_back(element);
  EXPECT_EQ(elements, (std::vector<UniString>{"1", "2", "4", "5", "6", "7", "8", "9", "10", "11",
                                              "12", "13", "14", "15"}));
  copy.Swap(array);
  EXPECT_EQ(copy[0], UniString("1"));
  while (!array.IsEmpty()) array.RemoveAt(array.GetSize() - 1);
  array.Append("again");
  EXPECT_EQ(array.GetSize(), 1u);
  EXPECT_EQ(array[0], UniString("again"));
}
