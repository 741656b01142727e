#include "Quorum/Server/Mail/MailboxId.h"

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/InvalidMailboxIdException.h"

using namespace Quorum::Server::Mail;
using MailTest::MessageOf;
using Strata::UniString;

static MailboxId Id(const char* ns, const char* name, const char* owner) {
  return MailboxId(*ns ? MailboxNamespace(UniString(ns)) : MailboxNamespace(),
                   MailboxName(UniString(name)), *owner ? OwnerId(UniString(owner)) : OwnerId());
}

TEST(MailboxId, ParseSplitsAtTheFirstTwoColonsAndRoundTrips) {
  MailboxId id;
  ASSERT_TRUE(MailboxId::Parse("Projects/Old:Inbox:a:b", id));
  EXPECT_EQ(id, Id("Projects/Old", "Inbox", "a:b"));
  for (const UniString& text :
       MailTest::Texts(":Inbox:", ":Inbox:::", "a_b-c:Entw\xC3\xBCrfe:J\xC3\xB6rg <x>")) {
    ASSERT_TRUE(MailboxId::Parse(text, id)) << text.ToCStr();
    EXPECT_EQ(id.ToString(), text);
  }
  MailTest::ExpectParseRefuses(id, "Invalid mailbox id string: string is empty.",
                               MailTest::Texts("Inbox", ":Inbox", "::owner", "ns::", "/ns:Inbox:o",
                                               "ns/:Inbox:o", "n s:Inbox:o", "ns:In-box:o"));
}

TEST(MailboxId, ConstructorsReportEmptyMalformedAndNamelessInput) {
  EXPECT_EQ(MessageOf<Strata::IllegalArgumentException>([] { MailboxId{UniString()}; }),
            "Invalid mailbox id string: string is empty.");
  EXPECT_EQ(MessageOf<InvalidMailboxIdException>([] { MailboxId{UniString(":x-y:")}; }),
            "Invalid mailbox id: ':x-y:'.");
  EXPECT_EQ(MessageOf<Strata::IllegalArgumentException>(
                [] { MailboxId(MailboxNamespace(), MailboxName(), OwnerId(UniString("o"))); }),
            "Invalid mailbox name: mailbox name is not valid.");
}

TEST(MailboxId, EqualityIsCaseSensitiveInEveryPartAndHashFollowsTheFormula) {
  EXPECT_NE(Id("a", "B", "c"), Id("A", "B", "c"));
  EXPECT_NE(Id("a", "B", "c"), Id("a", "b", "c"));
  EXPECT_NE(Id("a", "B", "c"), Id("a", "B", "C"));
  const auto hash = [](const char* text) { return UniString(text).GenerateHashValue(); };
  EXPECT_EQ(Id("a/b", "Sent", "o").GenerateHashValue(),
            ((17u * 37u + hash("a/b")) * 37u + hash("Sent")) * 37u + hash("o"));
}

TEST(MailboxId, ChannelFormIsThreeStrings) {
  const MailboxId id = Id("a/b", "Inbox", "o:w");
  EXPECT_EQ(MailTest::BytesOf(id), MailTest::WrittenAs("a/b", "Inbox", "o:w"));
  EXPECT_EQ(MailTest::RoundTrip(id), id);
  MailTest::ExpectTruncatedReadsLeaveUnchanged(Id("", "Keep", ""), id);
}
