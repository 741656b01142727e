#include "Quorum/Server/Mail/MailboxNamespace.h"

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/InvalidMailboxNamespaceNameException.h"

using namespace Quorum::Server::Mail;
using MailTest::MessageOf;
using Strata::IllegalArgumentException;
using Strata::UniString;

static MailboxNamespace Ns(const char* text) { return MailboxNamespace(UniString(text)); }

TEST(MailboxNamespace, NamesAreLevelsOfNameCharactersJoinedBySlashes) {
  for (const char* good : {"Projects", "a/b/c", "my_box-2", "a//b", "\xC3\x84pfel/2024"})
    EXPECT_TRUE(MailboxNamespace::IsValidName(good)) << good;
  for (const char* bad : {"", "/", "/a", "a/", "a b", "a:b", "a.b"})
    EXPECT_FALSE(MailboxNamespace::IsValidName(bad)) << bad;
  EXPECT_EQ(MessageOf<IllegalArgumentException>([] { Ns(""); }),
            "Invalid mailbox namespace name: name is empty.");
  EXPECT_EQ(MessageOf<InvalidMailboxNamespaceNameException>([] { Ns("a/"); }),
            "Invalid mailbox namespace name: 'a/'");
  MailTest::ExpectParseRefuses(Ns("Keep"), "Invalid mailbox namespace string: string is empty.",
                               MailTest::Texts("/"));
}

TEST(MailboxNamespace, AppendInsertsOneSeparatorOnlyBetweenLevelsAndParentDropsTheLast) {
  MailboxNamespace ns;
  EXPECT_EQ(ns.Append(Ns("a/b")).GetName(), UniString("a/b"));
  EXPECT_EQ(ns.Append(UniString("c")).Append(ns).GetName(), UniString("a/b/c/a/b/c"));
  EXPECT_EQ(MessageOf<IllegalArgumentException>([&] { ns.Append(MailboxNamespace()); }),
            "Invalid mailbox namespace: namespace is empty.");
  EXPECT_EQ(MessageOf<IllegalArgumentException>([&] { ns.Append(UniString()); }),
            "Invalid mailbox namespace name: name is empty.");
  EXPECT_EQ(MessageOf<InvalidMailboxNamespaceNameException>([&] { ns.Append(UniString("b c")); }),
            "Invalid mailbox namespace name: 'b c'");
  EXPECT_EQ(ns.GetParent(), Ns("a/b/c/a/b"));
  EXPECT_TRUE(Ns("a").GetParent().IsEmpty());
  EXPECT_EQ(MessageOf<InvalidMailboxNamespaceNameException>([] { Ns("a//b").GetParent(); }),
            "Invalid mailbox namespace name: 'a/'");
}
