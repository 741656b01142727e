#include <gtest/gtest.h>

#include "Strata/IOException.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/MemoryOBinaryChannel.h"
#include "Strata/Throw.h"

using namespace Strata;

TEST(StrataException, PrintWritesTheCauseChainOneLineEach) {
  const IllegalArgumentException outer(UniString(u"Bad \u00E9"), nullptr, 0u,
                                       IOException("Disk gone.", "a.cpp", 3u));
  MemoryOBinaryChannel out;
  outer.Print(out);
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
