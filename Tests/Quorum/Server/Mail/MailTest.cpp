#include "Quorum/Server/Mail/Mail.h"

#include "CharsetSamples.h"
#include "ContentTestSupport.h"
#include "Quorum/Server/Mail/MailException.h"
#include "Strata/IllegalArgumentException.h"

namespace {

using namespace ContentTestSupport;

const std::string kFrom = "\"Alice\" <:Inbox:alice>";
const std::string kTo = "\"Bob\" <:Inbox:bob>;\"Carol\" <Work:Inbox:carol>";

Mail MakeMail() {
  return Mail(MailId("m"), HeadersOf({{"From", kFrom}, {"To", kTo}, {"Subject", "Hello"}}), {}, {});
}

TEST(Mail, NeedsAnIdAndIsValidWithFromAndToUnread) {
  EXPECT_EQ(MessageOf<Strata::IllegalArgumentException>([] { Mail{MailId()}; }),
            "Invalid mail id: id is empty.");
  Mail mail = MakeMail();
  mail.SetHeader("TO", "not parsed here");
  EXPECT_TRUE(mail.IsValid());
  mail.RemoveHeader("to");
  EXPECT_FALSE(mail.IsValid());
  EXPECT_FALSE(Mail(MailId("m"), HeadersOf({{"To", kTo}}), {}, {}).IsValid());
}

TEST(Mail, TypedValuesAreParsedOnFirstUseAndAgainAfterAnyChangeToTheirHeader) {
  Mail mail = MakeMail();
  EXPECT_TRUE(mail.GetReplyTo().IsEmpty() && mail.GetParentId().IsEmpty() && mail.GetSent() == 0 &&
              mail.GetImportance() == Importance::Normal);
  const Headers changedOnly = HeadersOf({{"subject", "Changed"}});
  const auto storedSubject = [](Mail& m) -> const Header& {
    return m.SetHeader("X", "x"), m.EnumerateHeaders().begin()[2];
  };
  const std::pair<std::function<void(Mail&)>, const char*> changes[] = {
      {[](Mail& m) { m.SetHeader("subject", "Changed"); }, "Changed"},
      {[](Mail& m) { m.SetHeader(Header("SUBJECT", "Changed")); }, "Changed"},
      {[](Mail& m) { m.RemoveHeader("SUBJECT"); }, ""},
      {[](Mail& m) { m.RemoveHeader(Header("subject", "Hello")); }, ""},
      {[&](Mail& m) { m.RemoveHeader(storedSubject(m)); }, ""},
      {[&](Mail& m) { m.RemoveHeader(storedSubject(m).GetName()); }, ""},
      {[&](Mail& m) { m.SetHeaders(changedOnly); }, "Changed"},
      {[](Mail& m) { m.ClearHeaders(); }, ""},
  };
  for (const auto& [change, subject] : changes) {
    Mail changed = MakeMail();
    EXPECT_EQ(changed.GetSubject(), "Hello");
    change(changed);
    EXPECT_EQ(changed.GetSubject(), subject);
  }
}

TEST(Mail, EveryTypedValueIsParsedAgainAfterItsHeaderIsSetUnderAnyCase) {
  using Text = std::function<std::string(Mail&)>;
  const auto list = [](const AddressList& l) { return std::string(l.ToString().ToCStr()); };
  const std::tuple<const char*, const char*, const char*, Text> typed[] = {
      {"in-reply-to", "p1", "p2", [](Mail& m) { return m.GetParentId().GetId().ToCStr(); }},
      {"SUBJECT", "a", "b", [](Mail& m) { return m.GetSubject().ToCStr(); }},
      {"reply-to", "\"A\" <:Inbox:a>", "\"B\" <:Inbox:b>",
       [&](Mail& m) { return list(m.GetReplyTo()); }},
      {"from", "\"A\" <:Inbox:a>", "\"B\" <:Inbox:b>", [&](Mail& m) { return list(m.GetFrom()); }},
      {"TO", "\"A\" <:Inbox:a>", "\"B\" <:Inbox:b>", [&](Mail& m) { return list(m.GetTo()); }},
      {"importance", "low", "high", [](Mail& m) { return m.GetImportance().ToString().ToCStr(); }},
      {"received", "1", "2", [](Mail& m) { return m.GetReceived().ToString().ToCStr(); }},
      {"sent", "1", "2", [](Mail& m) { return m.GetSent().ToString().ToCStr(); }},
  };
  for (const auto& [name, first, second, get] : typed) {
    Mail mail(MailId("m"));
    mail.SetHeader(name, first);
    const std::string parsed = get(mail);
    mail.SetHeader(name, second);
    EXPECT_NE(get(mail), parsed) << name;
    EXPECT_EQ(get(mail), get(*std::unique_ptr<Mail>(mail.Clone()))) << name;
  }
}

TEST(Mail, TypedSettersNeverLeaveAValueTheirHeaderDoesNotHold) {
  Mail mail(MailId("m"), HeadersOf({{"Received", "5"}, {"Importance", "high"}}), {}, {});
  EXPECT_EQ(mail.GetReceived(), 5);
  mail.SetReceived(Date(-5));  // no header for a date before 1970
  EXPECT_EQ(mail.GetReceived(), 0);
  EXPECT_EQ(mail.GetImportance(), Importance::High);
  EXPECT_EQ(MessageOf<Strata::IllegalArgumentException>(
                [&] { mail.SetImportance(static_cast<Importance::Level>(5)); }),
            "Invalid importance: importance has no text.");
  EXPECT_EQ(HeadersText(mail), "Importance=high");
  EXPECT_EQ(mail.GetImportance(), Importance::High);
  AddressList to;
  ASSERT_TRUE(AddressList::Parse("\"B\" <:Inbox:b>", to));
  mail.SetTo(to);
  EXPECT_EQ(HeadersText(mail), "Importance=high To=\"B\" <:Inbox:b>");
  EXPECT_EQ(mail.GetTo(), to);
}

TEST(Mail, FailedParseThrowsEveryTimeAndLeavesTheMailUnchanged) {
  const std::tuple<const char*, const char*, const char*, std::function<void(Mail&)>> cases[] = {
      {"From", "Alice", "'From': value: 'Alice'.", [](Mail& m) { m.GetFrom(); }},
      {"Importance", "High", "'Importance': value: 'High'.", [](Mail& m) { m.GetImportance(); }},
      {"In-Reply-To", "", "'In-Reply-To': value is empty.", [](Mail& m) { m.GetParentId(); }},
      {"Sent", "99999999999", "'Sent': value: '99999999999'.", [](Mail& m) { m.GetSent(); }},
  };
  for (const auto& [header, value, message, get] : cases) {
    Mail mail = MakeMail();
    mail.SetHeader(header, value);
    const Mail before = mail;
    for (int attempt = 0; attempt < 2; ++attempt) {
      EXPECT_EQ(MessageOf<MailException>(std::bind_front(get, std::ref(mail))),
                std::string("Failed to parse header: ") + message);
    }
    EXPECT_EQ(mail, before);
  }
}

TEST(Mail, SettersRewriteOrRemoveTheirHeaderOnlyWhenItSaysAnotherValue) {
  Mail mail = MakeMail();
  mail.SetSubject("Hello");        // unread, but the header says it already
  mail.SetReplyTo(AddressList());  // an absent header says the empty list
  EXPECT_EQ(HeadersText(mail), HeadersText(MakeMail()));
  mail.SetSubject("New");
  mail.SetFrom(mail.GetTo());  // removing From moves the last header into its place
  mail.SetParentId(MailId("p"));
  EXPECT_EQ(HeadersText(mail), "Subject=New To=" + kTo + " From=" + kTo + " In-Reply-To=p");
  mail.SetSubject("");
  EXPECT_EQ(HeadersText(mail), "In-Reply-To=p To=" + kTo + " From=" + kTo);

  mail = Mail(MailId("m"));
  mail.SetImportance(Importance(Importance::Normal));  // equal to the cached default
  EXPECT_EQ(mail.GetHeaderCount(), 0u);
  mail.SetImportance(Importance(Importance::High));
  mail.SetHeader("X-Other", "x");
  mail.SetReceived(Date(42));
  mail.SetSent(Date(7));
  EXPECT_EQ(HeadersText(mail), "Importance=high X-Other=x Received=42 Sent=7");
  mail.SetImportance(Importance(Importance::Normal));  // keeps its place
  mail.SetReceived(Date(0));
  mail.SetSent(Date(-5));
  EXPECT_EQ(HeadersText(mail), "Importance=normal X-Other=x");
}

TEST(Mail, SettersCompareWithWhatTheHeaderSaysNowAndRewriteOneThatDoesNotParse) {
  Mail mail = MakeMail();
  EXPECT_EQ(mail.GetSubject(), "Hello");
  Mail other = MakeMail();
  other.SetHeader("Subject", "Other");
  ReadFrom(BytesOf(other), mail);  // the cached subject is stale now
  mail.SetSubject("Hello");
  EXPECT_EQ(mail.GetSubject(), "Hello");

  using Setter = std::function<void(Mail&)>;
  const std::tuple<const char*, const char*, Setter, const char*> cases[] = {
      {"Importance", "high", [](Mail& m) { m.SetImportance(Importance::Normal); },
       "Importance=normal"},
      {"Importance", "bogus", [](Mail& m) { m.SetImportance(Importance::Normal); },
       "Importance=normal"},
      {"Received", "soon", [](Mail& m) { m.SetReceived(Date(0)); }, ""},
      {"Sent", "", [](Mail& m) { m.SetSent(Date(0)); }, ""},
      {"From", "Alice", [](Mail& m) { m.SetFrom(AddressList()); }, ""},
      {"In-Reply-To", "", [](Mail& m) { m.SetParentId(MailId()); }, ""},
      {"Subject", "unread", [](Mail& m) { m.SetSubject(""); }, ""},
  };
  for (const auto& [name, value, set, headers] : cases) {
    Mail unread(MailId("m"), HeadersOf({{name, value}}), {}, {});
    set(unread);
    EXPECT_EQ(HeadersText(unread), headers) << name << ": " << value;
  }
}

TEST(Mail, FlagShortcutsIgnoreCaseAndStoreTheConstantsSpelling) {
  const auto setters = {&Mail::SetDeleted,   &Mail::SetRead,  &Mail::SetAnswered,
                        &Mail::SetCompleted, &Mail::SetDraft, &Mail::SetFlagged};
  Mail mail(MailId("m"));
  mail.GetFlags().Set("deleted").Set("READ");
  EXPECT_TRUE(mail.IsDeleted() && mail.IsRead() && !mail.IsDraft());
  for (const auto set : setters) (mail.*set)(true);
  EXPECT_EQ(mail.GetFlags().ToString(), "Deleted,Read,Answered,Completed,Draft,Flagged");
  EXPECT_TRUE(mail.IsAnswered() && mail.IsCompleted() && mail.IsDraft() && mail.IsFlagged());
  for (const auto set : setters) (mail.*set)(false);
  EXPECT_TRUE(mail.GetFlags().IsEmpty());
}

TEST(Mail, EqualityIgnoresCachesAndHeaderOrderButChecksEachPartAndSwapForgetsTheCaches) {
  Mail a = MakeMail();
  Mail b(MailId("m"), HeadersOf({{"Subject", "Other"}, {"to", kTo}, {"From", kFrom}}), {}, {});
  EXPECT_EQ(b.GetSubject(), "Other");
  b.SetHeader("Subject", "Hello");
  EXPECT_EQ(a, b);
  EXPECT_NE(a, Mail(MailId("M"), a.GetHeaders(), {}, {}));
  EXPECT_NE(a, Mail(MailId("m"), a.GetHeaders(), {}, Flags().Set("Read")));
  EXPECT_NE(a, Mail(MailId("m"), HeadersOf({{"From", kFrom}, {"To", kTo}}), {}, {}));
  Mail withPart = MakeMail();
  withPart.GetBodyParts().Add(Strata::MakeRef<BodyPart>("p"));
  EXPECT_NE(a, withPart);
  b.SetHeader("Subject", "Other");
  EXPECT_EQ(a.GetSubject(), "Hello");
  a.Swap(b);
  EXPECT_EQ(a.GetSubject(), "Other");
  EXPECT_EQ(b.GetSubject(), "Hello");
}

TEST(Mail, SetBodyPartsAndSetFlagsTakeCopies) {
  BodyParts parts;
  parts.Add(Strata::MakeRef<BodyPart>("p", Headers(), MakeMemory(Of("abc"))));
  const Flags flags = Flags().Set("Read");
  Mail mail(MailId("m"));
  mail.SetBodyParts(parts);
  mail.SetFlags(flags);
  EXPECT_TRUE(mail.GetFlags() == flags && mail.IsRead());
  EXPECT_EQ(mail.GetBodyParts(), parts);
  EXPECT_NE(mail.GetBodyParts().Get("p"), parts.Get("p"));  // another object
}

TEST(Mail, SelfAssignmentAndUnchangedTypedValuesChangeNothing) {
  Mail mail = MakeMail();
  const Mail& same = mail;
  mail = same;
  EXPECT_TRUE(mail == same && mail == MakeMail());
  mail.SetParentId(MailId());  // the cached defaults
  mail.SetReceived(Date(0));
  EXPECT_EQ(HeadersText(mail), HeadersText(MakeMail()));
}

TEST(Mail, AFailedCopyAssignmentLeavesTheTargetAsItWas) {
  struct Unclonable : ScriptedContent {
    Unclonable() : ScriptedContent(0, 0) {}
    BodyPartContent* Clone() const override { STRATA_THROW(Strata::IOException, "No copy."); }
  };
  Mail source(MailId("s"));
  source.GetBodyParts().Add(
      Strata::MakeRef<BodyPart>("x", Headers(), Strata::MakeRef<Unclonable>()));
  Mail target = MakeMail();
  EXPECT_THROW(target = source, Strata::IOException);
  EXPECT_EQ(target, MakeMail());
}

TEST(Mail, AMailReadAsSentCopiesToAnEqualMailButWritesOnlyOnceItsSizesAgree) {
  // One part with an empty name and a Content-Size at odds with its 3 bytes.
  const auto bytesWith = [](const char* contentSize) {
    Bytes bytes = WrittenAs("m", 0u, 1u, "", 1u, "Content-Size", contentSize);
    bytes.insert(bytes.end(), {1, 0, 0, 0, 3, 'a', 'b', 'c', 0, 0, 0, 0});
    return bytes;
  };
  const Bytes bytes = bytesWith("99");
  Mail mail;
  EXPECT_EQ(ReadFrom(bytes, mail), 0u);
  Mail assigned;
  assigned = mail;
  const std::unique_ptr<Mail> clone(mail.Clone());
  for (const Mail* copy : {&assigned, clone.get()}) {
    EXPECT_EQ(*copy, mail);
    // The header would promise 99 bytes before the 3 that follow.
    EXPECT_EQ(MessageOf<Strata::IOException>([&] { BytesOf(*copy); }),
              "Failed to write body part: '': Content-Size header says '99', content holds 3 "
              "bytes.");
  }
  BodyPart& part = **mail.GetBodyParts().Enumerate().begin();
  EXPECT_EQ(part.GetContentSize(), 3u);  // the content, not the header, answers
  // Removing the header rewrites it from the content.
  part.RemoveHeader("Content-Size");
  EXPECT_EQ(BytesOf(mail), bytesWith("3"));
}

TEST(Mail, AMailMovedFromKeepsNoTypedValueOfTheHeadersItLost) {
  Mail mail(MailId("m"), HeadersOf({{"Importance", "high"}, {"Sent", "7"}}), {}, {});
  EXPECT_TRUE(mail.GetImportance() == Importance::High && mail.GetSent() == 7);
  Mail taken(std::move(mail));
  EXPECT_TRUE(mail.GetImportance() == Importance::Normal && mail.GetSent() == 0);
  mail = std::move(taken);
  EXPECT_TRUE(taken.GetImportance() == Importance::Normal && taken.GetSent() == 0);
  EXPECT_TRUE(mail.GetImportance() == Importance::High && mail.GetSent() == 7);
}

TEST(Mail, ChannelRoundTripWithEveryContentKindAndTruncationLeavesTheMailUnchanged) {
  TemporaryFolder folder;
  WriteFile(folder / "data", Pattern(70000));
  Mail mail = MakeMail();
  BodyParts& parts = mail.GetBodyParts();
  parts.Add(Strata::MakeRef<BodyPart>(
      "file", Headers(), Strata::MakeRef<FileContent>(Conduit::Location(folder / "data"))));
  parts.Add(Strata::MakeRef<BodyPart>("text", HeadersOf({{"Content-Type", "text/plain"}}),
                                      Strata::MakeRef<TextContent>("h\u00e9llo")));
  parts.Add(Strata::MakeRef<BodyPart>("empty"));
  mail.SetRead(true);

  Mail back(MailId("stale"));
  back.SetHeader("Subject", "stale");
  back.GetSubject();
  ReadFrom(BytesOf(mail), back);
  EXPECT_EQ(back, mail);
  EXPECT_EQ(back.GetSubject(), "Hello");  // parsed again from the new headers

  parts.Remove("file");  // keeps every prefix read below quick
  ExpectTruncatedReadsLeaveUnchanged(Mail(MailId("keep")), mail);
}

TEST(Mail, TextPartsInAnyCharsetComeBackByteForByte) {
  const Mail mail = CharsetSamples::MakeMail();
  const Bytes bytes = BytesOf(mail);
  Mail read;
  ASSERT_EQ(ReadFrom(bytes, read), 0u);
  EXPECT_EQ(read, mail);
  EXPECT_EQ(BytesOf(Mail(read)), bytes);
  for (const CharsetSamples::Sample& sample : CharsetSamples::All()) {
    SCOPED_TRACE(sample.name);
    const Strata::Ref<BodyPart> part = read.GetBodyParts().Get(sample.name);
    ASSERT_FALSE(part.IsNull());
    const auto& text = dynamic_cast<const TextContent&>(*part->GetContent());
    EXPECT_EQ(text.GetText(), Strata::UniString(sample.text));
    EXPECT_EQ(text.GetCharset(), sample.charset);
    EXPECT_EQ(ContentBytes(*part->GetContent()), sample.bytes);
    Header size;
    ASSERT_TRUE(part->GetHeader("Content-Size", size));
    EXPECT_EQ(size.GetValue(), Strata::UniString(std::to_string(sample.bytes.size()).c_str()));
  }
}

}  // namespace
