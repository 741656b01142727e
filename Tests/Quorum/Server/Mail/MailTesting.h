// The argument check helper under its former name, for tests that still use
// it; new tests use MailTestSupport.h.
#pragma once

#include <string>

#include "MailTestSupport.h"

namespace MailTesting {

// Runs `action` and expects Strata::IllegalArgumentException with code -50,
// `message`, and `sourceFile` as the place that raised it.
template <typename Action>
void ExpectIllegalArgument(Action action, const char* message, const char* sourceFile) {
  EXPECT_EQ(MailTest::FaultOf<Strata::IllegalArgumentException>(action),
            std::string(message) + " (" + sourceFile + ", -50)");
}

}  // namespace MailTesting
