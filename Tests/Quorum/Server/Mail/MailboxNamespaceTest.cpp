#include <gtest/gtest.h>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/InvalidMailboxNamespaceNameException.h"
#include "Quorum/Server/Mail/MailboxNamespace.h"
#include "Strata/IllegalArgumentException.h"

using Quorum::Server::Mail::InvalidMailboxNamespaceNameException;
using Quorum::Server::Mail::MailboxNamespace;
using Strata::UniString;

namespace {

MailboxNamespace Ns(const char* text) { return MailboxNamespace(UniString(text)); }

}  // namespace

TEST(MailboxNamespace, NamespaceRule) {
  for (const char* good :
       {"Projects", "Projects/Old", "a/b/c", "my_box", "my-box", "a//b", "\xC3\x84pfel/2024"}) {
    EXPECT_TRUE(MailboxNamespace::IsValidName(UniString(good))) << good;
  }
  for (const char* bad : {"", "/", "/a", "a/", "a b", "a:b", "a.b", "a\\b"}) {
    EXPECT_FALSE(MailboxNamespace::IsValidName(UniString(bad))) << bad;
  }
}

TEST(MailboxNamespace, ConstructorRefusesEmptyAndMalformedText) {
  EXPECT_EQ(MailTest::MessageOf<Strata::IllegalArgumentException>([] { Ns(""); }),
            "Invalid mailbox namespace name: name is empty.");
  EXPECT_EQ(MailTest::MessageOf<InvalidMailboxNamespaceNameException>([] { Ns("a/"); }),
            "Invalid mailbox namespace name: 'a/'");
}

TEST(MailboxNamespace, ParseRefusesWithoutTouchingTheResult) {
  MailboxNamespace result = Ns("Keep");
  EXPECT_FALSE(MailboxNamespace::Parse(UniString("/"), result));
  EXPECT_FALSE(MailboxNamespace::Parse(UniString("a b"), result));
  EXPECT_EQ(result, Ns("Keep"));
  EXPECT_TRUE(MailboxNamespace::Parse(UniString("x/y"), result));
  EXPECT_EQ(result.GetName(), UniString("x/y"));
  EXPECT_EQ(MailTest::MessageOf<Strata::IllegalArgumentException>(
                [&] { MailboxNamespace::Parse(UniString(), result); }),
            "Invalid mailbox namespace string: string is empty.");
}

TEST(MailboxNamespace, AppendInsertsOneSeparatorOnlyBetweenLevels) {
  MailboxNamespace top;
  EXPECT_EQ(top.Append(Ns("a/b")).GetName(), UniString("a/b"));
  EXPECT_EQ(top.Append(Ns("c")).GetName(), UniString("a/b/c"));
  EXPECT_EQ(top.Append(UniString("d/e")).GetName(), UniString("a/b/c/d/e"));
  MailboxNamespace self = Ns("x/y");
  EXPECT_EQ(self.Append(self).GetName(), UniString("x/y/x/y"));
}

TEST(MailboxNamespace, FailedAppendLeavesTheNamespaceUnchanged) {
  MailboxNamespace ns = Ns("a");
  EXPECT_EQ(
      MailTest::MessageOf<Strata::IllegalArgumentException>([&] { ns.Append(MailboxNamespace()); }),
      "Invalid mailbox namespace: namespace is empty.");
  EXPECT_EQ(MailTest::MessageOf<Strata::IllegalArgumentException>([&] { ns.Append(UniString()); }),
            "Invalid mailbox namespace name: name is empty.");
  EXPECT_EQ(MailTest::MessageOf<InvalidMailboxNamespaceNameException>(
                [&] { ns.Append(UniString("b c")); }),
            "Invalid mailbox namespace name: 'b c'");
  EXPECT_EQ(ns, Ns("a"));
}

TEST(MailboxNamespace, ParentDropsTheLastLevel) {
  EXPECT_TRUE(MailboxNamespace().GetParent().IsEmpty());
  EXPECT_TRUE(Ns("a").GetParent().IsEmpty());
  EXPECT_EQ(Ns("a/b/c").GetParent(), Ns("a/b"));
  EXPECT_EQ(
      MailTest::MessageOf<InvalidMailboxNamespaceNameException>([] { Ns("a//b").GetParent(); }),
      "Invalid mailbox namespace name: 'a/'");
}

TEST(MailboxNamespace, ComparesExactlyHashesAsTextAndCrossesChannels) {
  EXPECT_NE(Ns("a/B"), Ns("a/b"));
  EXPECT_EQ(Ns("a/b").GenerateHashValue(), UniString("a/b").GenerateHashValue());
  EXPECT_EQ(MailTest::RoundTrip(Ns("a/b")), Ns("a/b"));
  EXPECT_EQ(MailTest::RoundTrip(MailboxNamespace()), MailboxNamespace());
}
