#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Strata/IOException.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/MemoryOBinaryChannel.h"
#include "Strata/OutOfMemoryException.h"
#include "Strata/Throw.h"

using Strata::IllegalArgumentException;
using Strata::IOException;
using Strata::StrataException;
using Strata::UniString;

TEST(StrataException, CauseIsDeepCopiedWithItsDynamicClass) {
  auto cause = std::make_unique<IOException>("Disk gone.", "a.cpp", 3u, -36);
  const IllegalArgumentException outer(UniString(u"Bad \u00E9"), "b.cpp", 9u, *cause);
  cause.reset();
  ASSERT_NE(outer.GetCause(), nullptr);
  EXPECT_STREQ(outer.GetCause()->GetName(), "IOException");
  EXPECT_NE(dynamic_cast<const IOException*>(outer.GetCause()), nullptr);
  EXPECT_STREQ(outer.GetCause()->what(), "Disk gone.");
  EXPECT_STREQ(outer.what(), "Bad \xC3\xA9");
  EXPECT_EQ(outer.GetErrorCode(), -50);

  const IllegalArgumentException copy(outer);
  EXPECT_NE(copy.GetCause(), outer.GetCause());
  EXPECT_STREQ(copy.GetCause()->GetSourceFile(), "a.cpp");
  EXPECT_EQ(copy.GetCause()->GetSourceLine(), 3u);
}

TEST(StrataException, DefaultsAndCodesOfTheBaseClasses) {
  const IOException none;
  EXPECT_TRUE(none.GetMessage().IsEmpty());
  EXPECT_STREQ(none.what(), "");
  EXPECT_EQ(none.GetSourceFile(), nullptr);
  EXPECT_EQ(none.GetSourceLine(), 0u);
  EXPECT_EQ(none.GetCause(), nullptr);
  EXPECT_EQ(IllegalArgumentException().GetErrorCode(), -50);
  EXPECT_STREQ(Strata::OutOfMemoryException().GetName(), "OutOfMemoryException");
}

TEST(StrataException, ThrowMacroRecordsTheRepositoryRelativeFileAndLine) {
  unsigned int line = 0;
  try {
    line = __LINE__ + 1;
    STRATA_THROW(IOException, UniString::Format("Failed after %u bytes.", 5u));
  } catch (const StrataException& e) {
    EXPECT_STREQ(e.GetSourceFile(), "Tests/Strata/StrataExceptionTest.cpp");
    EXPECT_EQ(e.GetSourceLine(), line);
    EXPECT_STREQ(e.what(), "Failed after 5 bytes.");
  }
}

TEST(StrataException, PrintWritesTheChainOneLineEach) {
  const IOException cause("Disk gone.", "a.cpp", 3u);
  const IllegalArgumentException outer("Bad input.", nullptr, 0u, cause);
  Strata::MemoryOBinaryChannel out;
  outer.Print(out);
  const std::string printed(reinterpret_cast<const char*>(out.GetBuffer()), out.GetSize());
  EXPECT_EQ(printed,
            "IllegalArgumentException: Bad input.\n"
            "  caused by IOException: Disk gone. (a.cpp:3)\n");
}
