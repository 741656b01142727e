#include "Quorum/Server/Mail/Flags.h"

#include "MailTestSupport.h"

using namespace Quorum::Server::Mail;
using Strata::UniString;

static Flags Of(std::initializer_list<const char*> names) {
  Flags flags;
  for (const char* name : names) flags.Set(name);
  return flags;
}

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
  Flags several = Of({"A", "B", "C", "D"});
  EXPECT_TRUE(several.Remove(Of({"c", "x", "a", "d"})));
  EXPECT_EQ(several.ToString(), UniString("B"));
  EXPECT_FALSE(flags.Remove(Of({"Answered"})));
  EXPECT_TRUE(flags.Remove(Flag("draft")));
  EXPECT_TRUE(flags.Set("One").Set("Two").Remove(flags));
  EXPECT_TRUE(flags.IsEmpty());
}

TEST(Flags, ArgumentChecksUseTheirOwnMessagesAndChangeNothing) {
  using MailTest::FaultOf;
  using Strata::IllegalArgumentException;
  Flags flags = Of({"Read"});
  const Flags none;
  const std::string source = " (Source/Quorum/Server/Mail/Flags.cpp, -50)";
  const std::string emptyName = "Invalid flag name: name is empty." + source;
  const std::string invalid = "Invalid flag: flag is not valid." + source;
  const std::string emptySet = "Invalid flags: flags is empty." + source;
  EXPECT_EQ(FaultOf<IllegalArgumentException>([&] { flags.Set(UniString()); }), emptyName);
  EXPECT_EQ(FaultOf<IllegalArgumentException>([&] { flags.Set(Flag()); }), invalid);
  EXPECT_EQ(FaultOf<IllegalArgumentException>([&] { flags.Set(none); }), emptySet);
  EXPECT_EQ(flags.ToString(), UniString("Read"));
}

TEST(Flags, ToStringPutsACommaOnlyAfterTextAlreadyPrinted) {
  // Read stores a flag with an empty name, which prints as empty text.
  const std::pair<MailTest::Bytes, const char*> cases[] = {
      {MailTest::WrittenAs(2u, "", "A"), "A"},
      {MailTest::WrittenAs(2u, "A", ""), "A,"},
      {MailTest::WrittenAs(1u, ""), ""},
      {MailTest::WrittenAs(3u, "", "A", "B"), "A,B"},
  };
  for (const auto& [bytes, text] : cases) {
    Flags flags;
    MailTest::ReadFrom(bytes, flags);
    EXPECT_EQ(flags.ToString(), UniString(text));
  }
}
