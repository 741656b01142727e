#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Strata/IOException.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/MemoryOBinaryChannel.h"
#include "Strata/Throw.h"

using namespace Strata;

TEST(StrataException, CauseIsDeepCopiedWithItsDynamicClassAndPrintedAsAChain) {
  auto cause = std::make_unique<IOException>("Disk gone.", "a.cpp", 3u, -36);
  const IllegalArgumentException outer(UniString(u"Bad \u00E9"), nullptr, 0u, *cause);
  cause.reset();
  const IllegalArgumentException copy(outer);
  ASSERT_NE(copy.GetCause(), nullptr);
  EXPECT_NE(copy.GetCause(), outer.GetCause());
  EXPECT_NE(dynamic_cast<const IOException*>(copy.GetCause()), nullptr);
  EXPECT_EQ(copy.GetCause()->GetErrorCode(), -36);
  EXPECT_EQ(copy.GetErrorCode(), -50);
  MemoryOBinaryChannel out;
  copy.Print(out);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(out.GetBuffer()), out.GetSize()),
            "IllegalArgumentException: Bad \xC3\xA9\n"
            "  caused by IOException: Disk gone. (a.cpp:3)\n");
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
