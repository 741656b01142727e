#include <gtest/gtest.h>

#include <vector>

#include "Strata/PagedArray.h"
#include "Strata/UniString.h"

using Strata::UniString;

TEST(PagedArray, GrowsWithoutMovingElementsAndRemovalShiftsAcrossPages) {
  Strata::PagedArray<UniString> array;
  array.Append("0");
  const UniString* first = &array[0];
  for (int i = 1; i < 17; ++i) array.Append(UniString(std::to_string(i).c_str()));
  EXPECT_EQ(first, &array[0]);
  array.RemoveAt(3);   // inside the first page
  array.RemoveAt(15);  // the last element, alone on the third page
  array.RemoveAt(0);
  const auto view = array.Enumerate();
  EXPECT_EQ(std::vector<UniString>(view.begin(), view.end()),
            (std::vector<UniString>{"1", "2", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13",
                                    "14", "15"}));
  array.Append("again");
  EXPECT_EQ(array[14], UniString("again"));
}
