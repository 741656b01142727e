#include "Quorum/Server/Mail/MailboxSessionInfo.h"

#include "MailTestSupport.h"

using namespace Quorum::Server::Mail;
using Strata::UniString;

const MailboxSessionId kSession(UniString("s1"));
const MailboxId kMailbox(UniString("Projects:Inbox:alice"));
const ClientId kClient(UniString("desktop"));
const OwnerId kOwner(UniString("bob"));

static std::string RefusalOf(const MailboxSessionId& s, const MailboxId& m, const ClientId& c,
                             const OwnerId& o) {
  return MailTest::MessageOf<Strata::IllegalArgumentException>(
      [&] { MailboxSessionInfo(s, m, c, o); });
}

TEST(MailboxSessionInfo, ConstructorChecksInOrderAndNamesTheFirstFault) {
  EXPECT_EQ(RefusalOf({}, {}, {}, {}), "Invalid mailbox session id: id is not valid.");
  EXPECT_EQ(RefusalOf(kSession, {}, {}, {}), "Invalid mailbox id: mailbox id is not valid.");
  EXPECT_EQ(RefusalOf(kSession, kMailbox, {}, {}), "Invalid client id: id is not valid.");
  EXPECT_EQ(RefusalOf(kSession, kMailbox, kClient, {}), "Invalid owner id: owner id is empty.");
}

TEST(MailboxSessionInfo, DisplayAndChannelForms) {
  const MailboxSessionInfo info(kSession, kMailbox, kClient, kOwner);
  EXPECT_EQ(info.ToString(), UniString("MailboxSessionInfo(id=s1, mailbox-id=Projects:Inbox:alice, "
                                       "client-id=desktop, owner-id=bob)"));
  EXPECT_EQ(MailTest::BytesOf(info), MailTest::WrittenAs("s1", kMailbox, "desktop", "bob"));
  EXPECT_EQ(MailTest::RoundTrip(info), info);
  MailTest::ExpectTruncatedReadsLeaveUnchanged(MailboxSessionInfo(), info);
}

TEST(MailboxSessionInfo, EqualityAndValidityLookAtEveryField) {
  const MailboxSessionInfo info(kSession, kMailbox, kClient, kOwner);
  EXPECT_TRUE(info.IsValid() && info.GetMailboxSessionId() == kSession &&
              info.GetMailboxId() == kMailbox && info.GetClientId() == kClient &&
              info.GetOwnerId() == kOwner);
  const MailTest::Bytes differing[] = {
      MailTest::WrittenAs("s2", kMailbox, "desktop", "bob"),
      MailTest::WrittenAs("s1", MailboxId(UniString("Projects:Inbox:carol")), "desktop", "bob"),
      MailTest::WrittenAs("s1", kMailbox, "phone", "bob"),
      MailTest::WrittenAs("s1", kMailbox, "desktop", "carol"),
      MailTest::WrittenAs("s1", kMailbox, "desktop", ""),
      MailTest::WrittenAs("s1", MailboxId(), "desktop", "bob"),
      MailTest::WrittenAs("s1", kMailbox, "", "bob"),
  };
  for (const MailTest::Bytes& bytes : differing) {
    MailboxSessionInfo read;
    MailTest::ReadFrom(bytes, read);
    EXPECT_FALSE(read == info);
    EXPECT_EQ(read.IsValid(), read.GetMailboxId().IsValid() && read.GetClientId().IsValid() &&
                                  !read.GetOwnerId().IsEmpty());
  }
  const MailboxSessionInfo& same = info;
  EXPECT_TRUE(info == same);
  EXPECT_FALSE(MailboxSessionInfo().IsValid());
}
