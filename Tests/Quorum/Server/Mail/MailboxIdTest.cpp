#include <gtest/gtest.h>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/InvalidMailboxIdException.h"
#include "Quorum/Server/Mail/MailboxId.h"
#include "Quorum/Server/Mail/MailboxIdException.h"
#include "Strata/IllegalArgumentException.h"

using namespace Quorum::Server::Mail;
using MailTest::MessageOf;
using Strata::UniString;

namespace {

MailboxId Id(const char* ns, const char* name, const char* owner) {
  return MailboxId(*ns ? MailboxNamespace(UniString(ns)) : MailboxNamespace(),
                   MailboxName(UniString(name)), *owner ? OwnerId(UniString(owner)) : OwnerId());
}

}  // namespace

TEST(MailboxId, ParseSplitsAtTheFirstTwoColonsAndRoundTrips) {
  struct Case {
    const char *text, *ns, *name, *owner;
  };
  for (const Case& c : std::initializer_list<Case>{
           {":Inbox:", "", "Inbox", ""},
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
                          "n s:Inbox:o", "ns:In-box:o", "ns:In_box:o"}) {
    MailboxId id = before;
    EXPECT_FALSE(MailboxId::Parse(UniString(bad), id)) << bad;
    EXPECT_EQ(id, before) << bad;
  }
}

TEST(MailboxId, ConstructorsReportEmptyMalformedAndNamelessInput) {
  EXPECT_EQ(MessageOf<Strata::IllegalArgumentException>([] { MailboxId{UniString()}; }),
            "Invalid mailbox id string: string is empty.");
  EXPECT_EQ(MessageOf<MailboxIdException>([] { MailboxId{UniString("no colon")}; }),
            "Invalid mailbox id: 'no colon'.");
  EXPECT_THROW(MailboxId{UniString(":x-y:")}, InvalidMailboxIdException);
  EXPECT_EQ(MessageOf<Strata::IllegalArgumentException>(
                [] { MailboxId(MailboxNamespace(), MailboxName(), OwnerId(UniString("o"))); }),
            "Invalid mailbox name: mailbox name is not valid.");
}

TEST(MailboxId, EqualityIsCaseSensitiveInEveryPart) {
  EXPECT_EQ(Id("a", "B", "c"), Id("a", "B", "c"));
  EXPECT_NE(Id("a", "B", "c"), Id("A", "B", "c"));
  EXPECT_NE(Id("a", "B", "c"), Id("a", "b", "c"));
  EXPECT_NE(Id("a", "B", "c"), Id("a", "B", "C"));
}

TEST(MailboxId, HashFollowsTheCompositeFormula) {
  const unsigned int hns = UniString("Projects/Old").GenerateHashValue();
  const unsigned int hname = UniString("Sent").GenerateHashValue();
  const unsigned int howner = UniString("owner1").GenerateHashValue();
  EXPECT_EQ(Id("Projects/Old", "Sent", "owner1").GenerateHashValue(),
            17u * 37u * 37u * 37u + hns * 37u * 37u + hname * 37u + howner);
}

TEST(MailboxId, ChannelFormIsThreeStrings) {
  EXPECT_TRUE(MailboxId().ToString().IsEmpty());
  EXPECT_EQ(MailTest::BytesOf(MailboxId()), MailTest::Bytes(12, 0));
  const MailboxId id = Id("a/b", "Inbox", "o:w");
  EXPECT_EQ(MailTest::BytesOf(id), MailTest::WrittenBy([](Strata::OChannelX& c) {
              for (const char* part : {"a/b", "Inbox", "o:w"}) c.WriteUniString(part);
            }));
  EXPECT_EQ(MailTest::RoundTrip(id), id);
  MailTest::ExpectTruncatedReadsLeaveUnchanged(Id("", "Keep", ""), id);
}
