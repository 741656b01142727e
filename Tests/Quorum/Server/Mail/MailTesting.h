// Test helpers shared by the value tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "Strata/IllegalArgumentException.h"
#include "Strata/UniString.h"

namespace MailTesting {

inline Strata::UniString U(std::u16string_view text) { return Strata::UniString(text); }

// The stored names of a collection, in storage order.
template <typename Collection>
std::vector<std::string> NamesOf(const Collection& collection) {
  std::vector<std::string> names;
  for (const auto& item : collection.Enumerate()) names.push_back(item.GetName().ToCStr());
  return names;
}

// Runs `action` and expects Strata::IllegalArgumentException with code -50,
// `message`, and `sourceFile` as the place that raised it.
template <typename Action>
void ExpectIllegalArgument(Action action, const char* message, const char* sourceFile) {
  try {
    action();
    ADD_FAILURE() << "expected: " << message;
  } catch (const Strata::IllegalArgumentException& e) {
    EXPECT_STREQ(e.what(), message);
    EXPECT_EQ(e.GetErrorCode(), -50);
    EXPECT_STREQ(e.GetSourceFile(), sourceFile);
  }
}

}  // namespace MailTesting
