#include "Quorum/Server/Mail/Flags.h"

#include <gtest/gtest.h>

#include "MailTestSupport.h"

using Quorum::Server::Mail::Flag;
using Quorum::Server::Mail::Flags;
using Strata::UniString;

namespace {

Flags Of(std::initializer_list<const char*> names) {
  Flags flags;
  for (const char* name : names) flags.Set(name);
  return flags;
}

}  // namespace

TEST(Flags, SettingASetAddsOnlyAbsentFlagsAndKeepsStoredCase) {
  Flags flags = Of({"Read"});
  flags.Set(Of({"read", "Deleted", "Answered"})).Set(flags);
  EXPECT_EQ(flags.ToString(), UniString("Read,Deleted,Answered"));
  EXPECT_TRUE(flags.Contains(Of({"answered", "READ"})));
  EXPECT_FALSE(flags.Contains(Of({"Read", "Draft"})));
  EXPECT_EQ(flags, Of({"ANSWERED", "deleted", "read"}));
  EXPECT_EQ(Flags().ToString(), UniString());
}

TEST(Flags, RemovingASetRemovesWhatIsPresent) {
  Flags flags = Of({"Read", "Draft", "Deleted"});
  EXPECT_TRUE(flags.Remove(Of({"READ", "Answered"})));
  EXPECT_EQ(flags.ToString(), UniString("Deleted,Draft"));
  EXPECT_FALSE(flags.Remove(Of({"Answered"})));
  EXPECT_TRUE(flags.Remove(Flag("draft")));
  EXPECT_TRUE(flags.Set("One").Set("Two").Remove(flags));
  EXPECT_TRUE(flags.IsEmpty());
}

TEST(Flags, ArgumentChecksUseTheirOwnMessagesAndChangeNothing) {
  using MailTest::ExpectIllegalArgument;
  Flags flags = Of({"Read"});
  const Flags none;
  const char* emptyName = "Invalid flag name: name is empty.";
  const char* invalid = "Invalid flag: flag is not valid.";
  const char* emptySet = "Invalid flags: flags is empty.";
  const char* source = "Source/Quorum/Server/Mail/Flags.cpp";
  ExpectIllegalArgument([&] { flags.Set(UniString()); }, emptyName, source);
  ExpectIllegalArgument([&] { flags.Remove(UniString()); }, emptyName, source);
  ExpectIllegalArgument([&] { flags.Contains(UniString()); }, emptyName, source);
  ExpectIllegalArgument([&] { flags.Set(Flag()); }, invalid, source);
  ExpectIllegalArgument([&] { flags.Remove(Flag()); }, invalid, source);
  ExpectIllegalArgument([&] { flags.Contains(Flag()); }, invalid, source);
  ExpectIllegalArgument([&] { flags.Set(none); }, emptySet, source);
  ExpectIllegalArgument([&] { flags.Remove(none); }, emptySet, source);
  ExpectIllegalArgument([&] { flags.Contains(none); }, emptySet, source);
  EXPECT_EQ(flags.ToString(), UniString("Read"));
}
