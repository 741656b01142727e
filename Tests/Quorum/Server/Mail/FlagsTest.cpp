#include "Quorum/Server/Mail/Flags.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/MailFlags.h"
#include "Strata/IOException.h"
#include "Strata/IllegalArgumentException.h"

using MailTest::ByteWriter;
using MailTest::ExpectIllegalArgument;
using MailTest::NamesOf;
using Quorum::Server::Mail::Flag;
using Quorum::Server::Mail::Flags;
using Quorum::Server::Mail::MailFlags;
using Strata::UniString;

namespace {

Flags Of(std::initializer_list<const char*> names) {
  Flags flags;
  for (const char* name : names) flags.Set(name);
  return flags;
}

const char* const kSource = "Source/Quorum/Server/Mail/Flags.cpp";

}  // namespace

TEST(Flags, MatchesNamesWithoutRegardToCase) {
  Flags flags;
  flags.Set("Read");
  EXPECT_TRUE(flags.Contains("read"));
  EXPECT_TRUE(flags.Contains("READ"));
  EXPECT_TRUE(flags.Contains(MailFlags::Read));
  EXPECT_TRUE(flags.Contains(Flag("rEaD")));
  EXPECT_FALSE(flags.Contains(MailFlags::Flagged));
  EXPECT_EQ(flags.GetSize(), 1u);
}

TEST(Flags, SettingANameReplacesTheStoredCaseInPlace) {
  Flags flags = Of({"Read", "Draft"});
  flags.Set("read");
  EXPECT_EQ(flags.ToString(), UniString("read,Draft"));
  flags.Set(Flag("DRAFT")).Set("Flagged");
  EXPECT_EQ(flags.ToString(), UniString("read,DRAFT,Flagged"));
}

TEST(Flags, SettingASetAddsOnlyAbsentFlagsAndKeepsStoredCase) {
  Flags flags = Of({"Read"});
  flags.Set(Of({"read", "Deleted", "Answered"}));
  EXPECT_EQ(flags.ToString(), UniString("Read,Deleted,Answered"));
  flags.Set(flags);
  EXPECT_EQ(flags.ToString(), UniString("Read,Deleted,Answered"));
}

TEST(Flags, RemovingASetRemovesWhatIsPresent) {
  Flags flags = Of({"Read", "Draft"});
  EXPECT_TRUE(flags.Remove(Of({"READ", "Deleted"})));
  EXPECT_EQ(flags.ToString(), UniString("Draft"));
  EXPECT_FALSE(flags.Remove(Of({"Deleted"})));
  EXPECT_TRUE(flags.Remove(Flag("draft")));
  EXPECT_FALSE(flags.Remove("Draft"));
  EXPECT_TRUE(flags.IsEmpty());
}

TEST(Flags, RemovingTheSetFromItselfEmptiesIt) {
  Flags flags = Of({"One", "Two", "Three", "Four"});
  EXPECT_TRUE(flags.Remove(flags));
  EXPECT_TRUE(flags.IsEmpty());
}

TEST(Flags, ContainsASetOnlyWhenEveryFlagIsPresent) {
  const Flags flags = Of({"Read", "Draft"});
  EXPECT_TRUE(flags.Contains(Of({"draft", "READ"})));
  EXPECT_FALSE(flags.Contains(Of({"Read", "Deleted"})));
  EXPECT_TRUE(flags.Contains(flags));
}

TEST(Flags, ArgumentChecksUseTheirOwnMessagesAndChangeNothing) {
  Flags flags = Of({"Read"});
  const Flags empty;
  const char* emptyName = "Invalid flag name: name is empty.";
  const char* invalid = "Invalid flag: flag is not valid.";
  const char* emptySet = "Invalid flags: flags is empty.";
  ExpectIllegalArgument([&] { flags.Set(UniString()); }, emptyName, kSource);
  ExpectIllegalArgument([&] { flags.Remove(UniString()); }, emptyName, kSource);
  ExpectIllegalArgument([&] { flags.Contains(UniString()); }, emptyName, kSource);
  ExpectIllegalArgument([&] { flags.Set(Flag()); }, invalid, kSource);
  ExpectIllegalArgument([&] { flags.Remove(Flag()); }, invalid, kSource);
  ExpectIllegalArgument([&] { flags.Contains(Flag()); }, invalid, kSource);
  ExpectIllegalArgument([&] { flags.Set(empty); }, emptySet, kSource);
  ExpectIllegalArgument([&] { flags.Remove(empty); }, emptySet, kSource);
  ExpectIllegalArgument([&] { flags.Contains(empty); }, emptySet, kSource);
  EXPECT_EQ(flags.ToString(), UniString("Read"));
}

TEST(Flags, RemovalMovesLastEntryIntoTheHole) {
  Flags flags = Of({"One", "Two", "Three"});
  EXPECT_TRUE(flags.Remove("One"));
  EXPECT_EQ(flags.ToString(), UniString("Three,Two"));
  EXPECT_EQ(NamesOf(flags), (std::vector<std::string>{"Three", "Two"}));
}

TEST(Flags, EqualityIgnoresOrderAndStoredCase) {
  EXPECT_EQ(Of({"Read", "Draft"}), Of({"DRAFT", "read"}));
  EXPECT_NE(Of({"Read", "Draft"}), Of({"Read"}));
  EXPECT_NE(Of({"Read", "Draft"}), Of({"Read", "Drafts"}));
  Flags flags = Of({"Read"});
  EXPECT_EQ(flags, flags);
}

TEST(Flags, EmptySetPrintsNothingAndWritesOnlyTheCountZero) {
  EXPECT_EQ(Flags().ToString(), UniString());
  EXPECT_EQ(MailTest::BytesOf(Flags()), (MailTest::Bytes{0, 0, 0, 0}));
  Flags flags = Of({"Read"});
  EXPECT_TRUE(flags.Clear().IsEmpty());
}

TEST(Flags, ChannelRoundTripKeepsOrderAndCase) {
  Flags flags = Of({"Read", "with space", "a,b", "\u00fcber"});
  flags.Remove("read");
  const Flags copy = MailTest::RoundTrip(flags);
  EXPECT_EQ(copy.ToString(), flags.ToString());
  EXPECT_EQ(copy, flags);
}

TEST(Flags, ReadMergesCaseVariantsAndTakesNamesUnchecked) {
  Flags flags;
  MailTest::ReadFrom(ByteWriter().UnsignedInt(3).Strings({u"Read", u"", u"READ"}).Get(), flags);
  EXPECT_EQ(flags.GetSize(), 2u);
  EXPECT_EQ(flags.ToString(), UniString("READ,"));  // the empty name prints as nothing
}

TEST(Flags, TruncatedOrHostileChannelThrowsAndKeepsTheContents) {
  const MailTest::Bytes inputs[] = {
      ByteWriter().UnsignedInt(4000000000u).Raw({0, 0, 0}).Get(),
      ByteWriter().UnsignedInt(1).UnsignedInt(4000000000u).Raw({0}).Get(),
  };
  for (const MailTest::Bytes& bytes : inputs) {
    Flags flags = Of({"Read", "Draft"});
    EXPECT_THROW(MailTest::ReadFrom(bytes, flags), Strata::IOException);
    EXPECT_EQ(flags.ToString(), UniString("Read,Draft"));
  }
}
