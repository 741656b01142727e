#include "Quorum/Server/Mail/Flag.h"

#include <gtest/gtest.h>

#include "MailTestSupport.h"

#include "Quorum/Server/Mail/MailFlags.h"
#include "Strata/IOException.h"
#include "Strata/IllegalArgumentException.h"

using MailTest::ByteWriter;
using Quorum::Server::Mail::Flag;
using Quorum::Server::Mail::MailFlags;
using Strata::UniString;

TEST(Flag, AnyNonEmptyNameIsAcceptedAndPrintedUnchanged) {
  for (const char* name : {"Read", "with space", "back\\slash", "\"quoted\"", "a,b", "\u00fcber"}) {
    const Flag flag(name);
    EXPECT_TRUE(flag.IsValid());
    EXPECT_EQ(flag.ToString(), UniString(name));
  }
  try {
    Flag flag{UniString()};
    FAIL();
  } catch (const Strata::IllegalArgumentException& e) {
    EXPECT_STREQ(e.what(), "Invalid flag name: name is empty.");
    EXPECT_EQ(e.GetErrorCode(), -50);
  }
  EXPECT_FALSE(Flag().IsValid());
}

TEST(Flag, EqualityIgnoresCase) {
  const Flag deleted("Deleted");
  EXPECT_EQ(deleted, deleted);
  EXPECT_EQ(deleted, Flag("DELETED"));
  EXPECT_EQ(Flag(MailFlags::Deleted), Flag("deleted"));
  EXPECT_NE(deleted, Flag("Deleted "));
}

TEST(Flag, WellKnownNames) {
  EXPECT_EQ(MailFlags::Answered, UniString("Answered"));
  EXPECT_EQ(MailFlags::Completed, UniString("Completed"));
  EXPECT_EQ(MailFlags::Deleted, UniString("Deleted"));
  EXPECT_EQ(MailFlags::Draft, UniString("Draft"));
  EXPECT_EQ(MailFlags::Flagged, UniString("Flagged"));
  EXPECT_EQ(MailFlags::Read, UniString("Read"));
}

TEST(Flag, ChannelFormIsTheNameAndReadTakesItUnchecked) {
  EXPECT_EQ(MailTest::BytesOf(Flag("Ab")), ByteWriter().String(u"Ab").Get());
  Flag flag("Read");
  MailTest::ReadFrom(ByteWriter().String(u"").Get(), flag);
  EXPECT_FALSE(flag.IsValid());
  Flag kept("Read");
  EXPECT_THROW(MailTest::ReadFrom(ByteWriter().UnsignedInt(3).Raw({0, 65}).Get(), kept),
               Strata::IOException);
  EXPECT_EQ(kept.GetName(), UniString("Read"));
}
