#include <gtest/gtest.h>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/InvalidMailboxIdException.h"
#include "Quorum/Server/Mail/MailboxId.h"
#include "Quorum/Server/Mail/MailboxIdException.h"
#include "Strata/IllegalArgumentException.h"

using namespace Quorum::Server::Mail;
using Strata::UniString;

namespace {

MailboxId Id(const char* ns, const char* name, const char* owner) {
  return MailboxId(*ns ? MailboxNamespace(UniString(ns)) : MailboxNamespace(),
                   MailboxName(UniString(name)), *owner ? OwnerId(UniString(owner)) : OwnerId());
}

}  // namespace

TEST(MailboxId, ParseSplitsAtTheFirstTwoColons) {
  struct Case {
    const char* text;
    const char* ns;
    const char* name;
    const char* owner;
  };
  for (const Case& c : std::initializer_list<Case>{
           {":Inbox:", "", "Inbox", ""},
           {":Sent:", "", "Sent", ""},
           {"Projects/Old:Sent:owner1", "Projects/Old", "Sent", "owner1"},
           {"Projects:Inbox:a:b", "Projects", "Inbox", "a:b"},
           {":Inbox:::", "", "Inbox", "::"},
           {"a_b-c:Entw\xC3\xBCrfe:J\xC3\xB6rg <x>", "a_b-c", "Entw\xC3\xBCrfe", "J\xC3\xB6rg <x>"},
       }) {
    MailboxId id;
    ASSERT_TRUE(MailboxId::Parse(UniString(c.text), id)) << c.text;
    EXPECT_EQ(id, Id(c.ns, c.name, c.owner)) << c.text;
    EXPECT_EQ(id.ToString(), UniString(c.text));
  }
}

TEST(MailboxId, ParseRefusesWithoutTouchingTheResult) {
  const MailboxId before = Id("ns", "Keep", "me");
  for (const char* bad : {"Inbox", ":Inbox", "::owner", "ns::", "/ns:Inbox:o", "ns/:Inbox:o",
                          "n s:Inbox:o", "ns:In-box:o", "ns:In_box:o", "ns:In box:o"}) {
    MailboxId id = before;
    EXPECT_FALSE(MailboxId::Parse(UniString(bad), id)) << bad;
    EXPECT_EQ(id, before) << bad;
  }
}

TEST(MailboxId, TextConstructorReportsEmptyAndMalformedText) {
  EXPECT_EQ(
      MailTest::MessageOf<Strata::IllegalArgumentException>([&] { MailboxId id{UniString()}; }),
      "Invalid mailbox id string: string is empty.");
  try {
    MailboxId id{UniString("no colon")};
    FAIL();
  } catch (const MailboxIdException& e) {
    EXPECT_NE(dynamic_cast<const InvalidMailboxIdException*>(&e), nullptr);
    EXPECT_STREQ(e.what(), "Invalid mailbox id: 'no colon'.");
    EXPECT_EQ(e.GetErrorCode(), -7003);
  }
}

TEST(MailboxId, PartsConstructorNeedsAName) {
  EXPECT_EQ(MailTest::MessageOf<Strata::IllegalArgumentException>(
                [&] { MailboxId id(MailboxNamespace(), MailboxName(), OwnerId(UniString("o"))); }),
            "Invalid mailbox name: mailbox name is not valid.");
}

TEST(MailboxId, DefaultIsInvalidPrintsEmptyAndWritesThreeEmptyStrings) {
  const MailboxId id;
  EXPECT_FALSE(id.IsValid());
  EXPECT_TRUE(id.ToString().IsEmpty());
  EXPECT_EQ(MailTest::BytesOf(id), MailTest::Bytes(12, 0));
}

TEST(MailboxId, EqualityIsCaseSensitiveInEveryPart) {
  EXPECT_EQ(Id("a", "B", "c"), Id("a", "B", "c"));
  EXPECT_NE(Id("a", "B", "c"), Id("A", "B", "c"));
  EXPECT_NE(Id("a", "B", "c"), Id("a", "b", "c"));
  EXPECT_NE(Id("a", "B", "c"), Id("a", "B", "C"));
}

TEST(MailboxId, HashFollowsTheCompositeFormula) {
  const MailboxId id = Id("Projects/Old", "Sent", "owner1");
  const unsigned int hns = UniString("Projects/Old").GenerateHashValue();
  const unsigned int hname = UniString("Sent").GenerateHashValue();
  const unsigned int howner = UniString("owner1").GenerateHashValue();
  EXPECT_EQ(id.GenerateHashValue(), 17u * 37u * 37u * 37u + hns * 37u * 37u + hname * 37u + howner);
  EXPECT_EQ(MailboxId().GenerateHashValue(),
            17u * 37u * 37u * 37u + UniString().GenerateHashValue() * (37u * 37u + 37u + 1u));
}

TEST(MailboxId, ChannelFormIsThreeStringsAndReadCommitsOnlyWhenWhole) {
  const MailboxId id = Id("a/b", "Inbox", "o:w");
  EXPECT_EQ(MailTest::BytesOf(id), MailTest::WrittenBy([](Strata::OChannelX& c) {
              c.WriteUniString("a/b");
              c.WriteUniString("Inbox");
              c.WriteUniString("o:w");
            }));
  EXPECT_EQ(MailTest::RoundTrip(id), id);

  const MailTest::Bytes bytes = MailTest::BytesOf(id);
  for (std::size_t keep = 0; keep < bytes.size(); ++keep) {
    MailboxId target = Id("", "Keep", "");
    EXPECT_THROW(MailTest::ReadFrom(MailTest::Truncated(bytes, keep), target), Strata::IOException);
    EXPECT_EQ(target, Id("", "Keep", "")) << keep;
  }
}
