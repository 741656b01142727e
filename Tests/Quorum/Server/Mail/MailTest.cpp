#include "Quorum/Server/Mail/Mail.h"

#include "ContentTestSupport.h"
#include "Quorum/Server/Mail/MailException.h"
#include "Strata/IllegalArgumentException.h"

namespace {

using namespace ContentTestSupport;

const char* kFrom = "\"Alice\" <:Inbox:alice>";
const char* kTo = "\"Bob\" <:Inbox:bob>;\"Carol\" <Work:Inbox:carol>";

Mail MakeMail() {
  return Mail(MailId("m1"), HeadersOf({{"From", kFrom}, {"To", kTo}, {"Subject", "Hello"}}),
              BodyParts(), Flags());
}

TEST(Mail, NeedsAnIdAndIsValidWithFromAndTo) {
  const std::string message = "Invalid mail id: id is empty.";
  EXPECT_EQ(MessageOf<Strata::IllegalArgumentException>([] { Mail{MailId()}; }), message);
  EXPECT_EQ(MessageOf<Strata::IllegalArgumentException>(
                [] { Mail(MailId(), Headers(), BodyParts(), Flags()); }),
            message);
  EXPECT_FALSE(Mail().IsValid());
  Mail mail = MakeMail();
  EXPECT_TRUE(mail.IsValid());
  mail.RemoveHeader("to");
  EXPECT_FALSE(mail.IsValid());
  mail.SetHeader("TO", "not parsed here");
  EXPECT_TRUE(mail.IsValid());
}

TEST(Mail, TypedValuesAreParsedOnFirstUseAndAgainAfterTheirHeaderChanges) {
  Mail mail = MakeMail();
  EXPECT_EQ(mail.GetFrom().Get(0).GetPersonal(), "Alice");
  ASSERT_EQ(mail.GetTo().GetSize(), 2u);
  EXPECT_EQ(mail.GetTo().Get(1).GetMailboxId().ToString(), "Work:Inbox:carol");
  EXPECT_TRUE(mail.GetReplyTo().IsEmpty());
  EXPECT_TRUE(mail.GetParentId().IsEmpty());
  EXPECT_EQ(mail.GetImportance(), Importance::Normal);
  EXPECT_EQ(mail.GetSent(), 0);
  EXPECT_EQ(mail.GetSubject(), "Hello");

  mail.SetHeader("X-Priority", "1");
  EXPECT_EQ(mail.GetSubject(), "Hello");
  mail.SetHeader("subject", "Changed");
  EXPECT_EQ(mail.GetSubject(), "Changed");
  mail.SetHeader(Header("IN-REPLY-TO", "parent"));
  EXPECT_EQ(mail.GetParentId(), MailId("parent"));
  mail.RemoveHeader(Header("in-reply-to", "parent"));
  EXPECT_TRUE(mail.GetParentId().IsEmpty());
  mail.RemoveHeader("SUBJECT");
  EXPECT_EQ(mail.GetSubject(), "");
  mail.SetHeaders(HeadersOf({{"from", kTo}}));
  EXPECT_EQ(mail.GetFrom().GetSize(), 2u);
  mail.ClearHeaders();
  EXPECT_TRUE(mail.GetFrom().IsEmpty());
}

TEST(Mail, FailedParseThrowsEveryTimeAndLeavesTheMailUnchanged) {
  const struct {
    const char* header;
    const char* value;
    std::function<void(Mail&)> get;
    const char* message;
  } cases[] = {
      {"From", "Alice", [](Mail& m) { m.GetFrom(); }, "'From': value: 'Alice'."},
      {"To", "\"Bob\" <x>", [](Mail& m) { m.GetTo(); }, "'To': value: '\"Bob\" <x>'."},
      {"Reply-To", ";", [](Mail& m) { m.GetReplyTo(); }, "'Reply-To': value: ';'."},
      {"Importance", "", [](Mail& m) { m.GetImportance(); }, "'Importance': value is empty."},
      {"Importance", "High", [](Mail& m) { m.GetImportance(); }, "'Importance': value: 'High'."},
      {"In-Reply-To", "", [](Mail& m) { m.GetParentId(); }, "'In-Reply-To': value is empty."},
      {"Received", "+5", [](Mail& m) { m.GetReceived(); }, "'Received': value: '+5'."},
      {"Sent", "", [](Mail& m) { m.GetSent(); }, "'Sent': value is empty."},
      {"Sent", "99999999999", [](Mail& m) { m.GetSent(); }, "'Sent': value: '99999999999'."},
  };
  for (const auto& c : cases) {
    Mail mail = MakeMail();
    mail.SetHeader(c.header, c.value);
    const Mail before = mail;
    for (int attempt = 0; attempt < 2; ++attempt) {
      EXPECT_EQ(MessageOf<MailException>([&] { c.get(mail); }),
                std::string("Failed to parse header: ") + c.message);
    }
    EXPECT_EQ(mail, before);
  }
}

TEST(Mail, SettersCompareWithTheCacheAsItStandsAndRewriteTheirHeaderLast) {
  Mail mail = MakeMail();
  mail.SetSubject("");  // Subject is unread: the cached value is the empty default
  EXPECT_EQ(HeaderValue(mail, "Subject"), "Hello");
  mail.SetSubject("New");
  mail.SetFrom(mail.GetTo());  // removing From moves the last header into its place
  EXPECT_EQ(HeaderNames(mail), "Subject To From");
  EXPECT_EQ(HeaderValue(mail, "From"), kTo);
  mail.SetSubject("");
  mail.SetReplyTo(AddressList());  // equal to the cached empty list: no header
  mail.SetParentId(MailId("p"));
  EXPECT_EQ(HeaderNames(mail), "From To In-Reply-To");
  EXPECT_EQ(HeaderValue(mail, "In-Reply-To"), "p");
}

TEST(Mail, ImportanceIsWrittenForEveryLevelAndDatesAtOrBelowZeroRemoveTheirHeader) {
  Mail mail(MailId("m"));
  mail.SetImportance(Importance(Importance::Normal));  // equal to the cached default
  EXPECT_EQ(mail.GetHeaderCount(), 0u);
  mail.SetImportance(Importance(Importance::High));
  EXPECT_EQ(HeaderValue(mail, "Importance"), "high");
  mail.SetHeader("X-Other", "x");
  mail.SetImportance(Importance(Importance::Normal));
  EXPECT_EQ(HeaderValue(mail, "Importance"), "normal");

  mail.SetReceived(Date(42));
  EXPECT_EQ(HeaderValue(mail, "Received"), "42");
  mail.SetReceived(Date(-1));
  mail.SetSent(Date(7));
  mail.SetSent(Date(0));
  EXPECT_EQ(mail.GetSent(), 0);
  EXPECT_EQ(HeaderNames(mail), "Importance X-Other");
}

TEST(Mail, FlagShortcutsIgnoreCaseAndStoreTheConstantsSpelling) {
  Mail mail(MailId("m"));
  mail.GetFlags().Set("deleted");
  EXPECT_TRUE(mail.IsDeleted());
  const auto setAll = [&](bool value) {
    mail.SetAnswered(value), mail.SetCompleted(value), mail.SetDeleted(value);
    mail.SetDraft(value), mail.SetFlagged(value), mail.SetRead(value);
  };
  setAll(true);
  setAll(true);
  EXPECT_EQ(mail.GetFlags().ToString(), "Deleted,Answered,Completed,Draft,Flagged,Read");
  EXPECT_TRUE(mail.IsAnswered() && mail.IsCompleted() && mail.IsDraft() && mail.IsFlagged() &&
              mail.IsRead());
  setAll(false);
  EXPECT_TRUE(mail.GetFlags().IsEmpty());
  EXPECT_FALSE(mail.IsRead() || mail.IsDeleted());
}

TEST(Mail, EqualityIgnoresCachesAndHeaderOrder) {
  Mail a = MakeMail();
  Mail b(MailId("m1"), HeadersOf({{"Subject", "Hello"}, {"to", kTo}, {"From", kFrom}}), BodyParts(),
         Flags());
  a.GetFrom();
  a.GetSubject();
  EXPECT_EQ(a, b);
  b.SetRead(true);
  EXPECT_NE(a, b);
  EXPECT_NE(a, Mail(MailId("M1"), a.GetHeaders(), BodyParts(), Flags()));
}

TEST(Mail, SwapExchangesRawDataAndForgetsCaches) {
  Mail a = MakeMail();
  Mail b(MailId("m2"));
  b.SetHeader("Subject", "Other");
  EXPECT_EQ(a.GetSubject(), "Hello");
  EXPECT_EQ(b.GetSubject(), "Other");
  a.Swap(b);
  EXPECT_EQ(a.GetId(), MailId("m2"));
  EXPECT_EQ(a.GetSubject(), "Other");
  EXPECT_EQ(b.GetSubject(), "Hello");
  EXPECT_EQ(b.GetFrom().GetSize(), 1u);
}

TEST(Mail, ChannelRoundTripWithEveryContentKindAndTruncationLeavesTheMailUnchanged) {
  TemporaryFolder folder;
  WriteFile(folder / "data", Pattern(70000));
  Mail mail = MakeMail();
  auto add = [&](const char* name, const char* type, Strata::Ref<BodyPartContent> content) {
    mail.GetBodyParts().Add(
        Strata::MakeRef<BodyPart>(name, HeadersOf({{"Content-Type", type}}), content));
  };
  add("file", "application/octet-stream",
      Strata::MakeRef<FileContent>(Conduit::Location(folder / "data")));
  add("text", "text/plain", Strata::MakeRef<TextContent>("h\u00e9llo"));
  add("memory", "image/png", MakeMemory(Bytes{0, 1, 2, 255}));
  add("empty", "text/plain", {});
  mail.SetRead(true);

  Mail back(MailId("stale"));
  back.SetHeader("Subject", "stale");
  back.GetSubject();
  ReadFrom(BytesOf(mail), back);
  EXPECT_EQ(back, mail);
  EXPECT_EQ(back.GetSubject(), "Hello");  // parsed again from the new headers
  EXPECT_NE(dynamic_cast<const MemoryContent*>(back.GetBodyParts().Get("file")->GetContent().Get()),
            nullptr);
  EXPECT_TRUE(back.GetBodyParts().Get("empty")->GetContent().IsNull());

  mail.GetBodyParts().Remove("file");  // keeps every prefix read below quick
  ExpectTruncatedReadsLeaveUnchanged(Mail(MailId("keep")), mail);
}

}  // namespace
