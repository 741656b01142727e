#include "Quorum/Server/Mail/Mail.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Quorum/Server/Mail/Contents/FileContent.h"
#include "Quorum/Server/Mail/Contents/MemoryContent.h"
#include "Quorum/Server/Mail/Contents/TextContent.h"
#include "Quorum/Server/Mail/MailException.h"
#include "Quorum/Server/Mail/MailFlags.h"
#include "Quorum/Server/Mail/MailHeaders.h"
#include "Quorum/Server/Mail/MailboxNames.h"
#include "Strata/IChannelX.h"
#include "Strata/IOException.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/MemoryIBinaryChannel.h"
#include "Strata/MemoryOBinaryChannel.h"
#include "Strata/OChannelX.h"

namespace {

using namespace Quorum::Server::Mail;
using Strata::UniString;

const char* kFrom = "\"Alice\" <:Inbox:alice>";
const char* kTo = "\"Bob\" <:Inbox:bob>;\"Carol\" <Work:Inbox:carol>";

Headers MakeHeaders() {
  Headers headers;
  headers.Set("From", kFrom);
  headers.Set("To", kTo);
  headers.Set("Subject", "Hello");
  return headers;
}

Mail MakeMail() { return Mail(MailId("m1"), MakeHeaders(), BodyParts(), Flags()); }

std::vector<unsigned char> WriteToBytes(const Mail& mail) {
  Strata::MemoryOBinaryChannel bytes;
  Strata::OChannelX channel(bytes);
  mail.Write(channel);
  return std::vector<unsigned char>(bytes.GetBuffer(), bytes.GetBuffer() + bytes.GetSize());
}

void ReadFromBytes(Mail& mail, const std::vector<unsigned char>& bytes, std::size_t count) {
  Strata::MemoryIBinaryChannel in(bytes.data(), static_cast<unsigned int>(count));
  Strata::IChannelX channel(in);
  mail.Read(channel);
}

std::vector<UniString> HeaderNames(const Mail& mail) {
  std::vector<UniString> names;
  for (const Header& header : mail.EnumerateHeaders()) names.push_back(header.GetName());
  return names;
}

UniString HeaderValue(const Mail& mail, const UniString& name) {
  Header header;
  return mail.GetHeader(name, header) ? header.GetValue() : UniString("<absent>");
}

TEST(Mail, ConstructionChecksTheId) {
  EXPECT_FALSE(Mail().IsValid());
  try {
    Mail mail{MailId()};
    FAIL();
  } catch (const Strata::IllegalArgumentException& e) {
    EXPECT_STREQ(e.what(), "Invalid mail id: id is empty.");
    EXPECT_EQ(e.GetErrorCode(), -50);
  }
  EXPECT_THROW(Mail(MailId(), MakeHeaders(), BodyParts(), Flags()),
               Strata::IllegalArgumentException);
}

TEST(Mail, IsValidNeedsIdFromAndTo) {
  Mail mail = MakeMail();
  EXPECT_TRUE(mail.IsValid());
  mail.RemoveHeader("to");
  EXPECT_FALSE(mail.IsValid());
  mail.SetHeader("TO", "not parsed here");
  EXPECT_TRUE(mail.IsValid());
  mail.ClearHeaders();
  EXPECT_FALSE(mail.IsValid());
}

TEST(Mail, TypedGettersParseTheHeaders) {
  Mail mail = MakeMail();
  EXPECT_EQ(mail.GetSubject(), "Hello");
  ASSERT_EQ(mail.GetFrom().GetSize(), 1u);
  EXPECT_EQ(mail.GetFrom().Get(0).GetPersonal(), "Alice");
  ASSERT_EQ(mail.GetTo().GetSize(), 2u);
  EXPECT_EQ(mail.GetTo().Get(1).GetMailboxId().ToString(), "Work:Inbox:carol");
  // Absent headers give the defaults.
  EXPECT_TRUE(mail.GetReplyTo().IsEmpty());
  EXPECT_TRUE(mail.GetParentId().IsEmpty());
  EXPECT_EQ(mail.GetImportance(), Importance::Normal);
  EXPECT_EQ(mail.GetReceived(), 0);
  EXPECT_EQ(mail.GetSent(), 0);
}

TEST(Mail, ValueIsParsedOnceUntilItsHeaderChanges) {
  Mail mail = MakeMail();
  EXPECT_EQ(mail.GetSubject(), "Hello");
  mail.SetHeader("X-Priority", "1");  // another name keeps every cached value
  EXPECT_EQ(mail.GetSubject(), "Hello");
  mail.SetHeader("subject", "Changed");  // any case drops the cache
  EXPECT_EQ(mail.GetSubject(), "Changed");
  mail.RemoveHeader("SUBJECT");
  EXPECT_EQ(mail.GetSubject(), "");
}

TEST(Mail, FailedParseThrowsAgainAndLeavesTheMailUnchanged) {
  Mail mail = MakeMail();
  mail.SetHeader("Importance", "urgent");
  const Mail before = mail;
  for (int attempt = 0; attempt < 2; ++attempt) {
    try {
      mail.GetImportance();
      FAIL();
    } catch (const MailException& e) {
      EXPECT_STREQ(e.what(), "Failed to parse header: 'Importance': value: 'urgent'.");
      EXPECT_EQ(e.GetErrorCode(), -7003);
    }
  }
  EXPECT_EQ(mail, before);
  mail.SetHeader("Importance", "low");
  EXPECT_EQ(mail.GetImportance(), Importance::Low);
}

TEST(Mail, ParseFailureMessages) {
  struct Case {
    const char* header;
    const char* value;
    const char* message;
  };
  const Case cases[] = {
      {"From", "Alice", "Failed to parse header: 'From': value: 'Alice'."},
      {"To", "\"Bob\" <x>", "Failed to parse header: 'To': value: '\"Bob\" <x>'."},
      {"Reply-To", ";", "Failed to parse header: 'Reply-To': value: ';'."},
      {"Importance", "", "Failed to parse header: 'Importance': value is empty."},
      {"Importance", "High", "Failed to parse header: 'Importance': value: 'High'."},
      {"In-Reply-To", "", "Failed to parse header: 'In-Reply-To': value is empty."},
      {"Received", "", "Failed to parse header: 'Received': value is empty."},
      {"Received", "+5", "Failed to parse header: 'Received': value: '+5'."},
      {"Sent", "", "Failed to parse header: 'Sent': value is empty."},
      {"Sent", "99999999999", "Failed to parse header: 'Sent': value: '99999999999'."},
  };
  for (const Case& c : cases) {
    Mail mail(MailId("m"));
    mail.SetHeader(c.header, c.value);
    try {
      const UniString name(c.header);
      if (name == "From") mail.GetFrom();
      if (name == "To") mail.GetTo();
      if (name == "Reply-To") mail.GetReplyTo();
      if (name == "Importance") mail.GetImportance();
      if (name == "In-Reply-To") mail.GetParentId();
      if (name == "Received") mail.GetReceived();
      if (name == "Sent") mail.GetSent();
      ADD_FAILURE() << c.header << ": " << c.value;
    } catch (const MailException& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST(Mail, EmptyValuesThatAreAccepted) {
  Mail mail(MailId("m"));
  mail.SetHeader("From", "");
  mail.SetHeader("Subject", "");
  EXPECT_TRUE(mail.GetFrom().IsEmpty());
  EXPECT_EQ(mail.GetSubject(), "");
  mail.SetHeader("In-Reply-To", "parent");
  EXPECT_EQ(mail.GetParentId(), MailId("parent"));
}

TEST(Mail, SettersRewriteHeadersAtTheEnd) {
  Mail mail = MakeMail();
  mail.SetSubject("New");
  EXPECT_EQ(HeaderNames(mail), (std::vector<UniString>{"From", "To", "Subject"}));
  // Removing From moves the last header (Subject) into its place.
  mail.SetFrom(mail.GetTo());
  EXPECT_EQ(HeaderNames(mail), (std::vector<UniString>{"Subject", "To", "From"}));
  EXPECT_EQ(HeaderValue(mail, "From"), kTo);
  mail.SetSubject("");
  EXPECT_EQ(HeaderValue(mail, "Subject"), "<absent>");
  mail.SetParentId(MailId("p"));
  EXPECT_EQ(HeaderValue(mail, "In-Reply-To"), "p");
  mail.SetReplyTo(AddressList());  // equal to the cached empty list: no change
  EXPECT_EQ(HeaderValue(mail, "Reply-To"), "<absent>");
}

TEST(Mail, SettersCompareWithTheCacheAsItStands) {
  // Subject not read yet: the cached subject is empty, so setting the empty
  // text changes nothing and the header stays.
  Mail mail = MakeMail();
  mail.SetSubject("");
  EXPECT_EQ(HeaderValue(mail, "Subject"), "Hello");
  // After reading, the same call removes it.
  mail.GetSubject();
  mail.SetSubject("");
  EXPECT_EQ(HeaderValue(mail, "Subject"), "<absent>");
  // A setter leaves the bit as it was: the next read parses what it wrote.
  mail.SetSubject("Again");
  EXPECT_EQ(mail.GetSubject(), "Again");
}

TEST(Mail, ImportanceIsWrittenForEveryLevel) {
  Mail mail(MailId("m"));
  mail.SetImportance(Importance(Importance::Normal));
  EXPECT_EQ(mail.GetHeaderCount(), 0u);
  mail.SetImportance(Importance(Importance::High));
  EXPECT_EQ(HeaderValue(mail, "Importance"), "high");
  mail.SetHeader("X-Other", "x");
  mail.SetImportance(Importance(Importance::Normal));
  EXPECT_EQ(HeaderValue(mail, "Importance"), "normal");
  EXPECT_EQ(HeaderNames(mail), (std::vector<UniString>{"Importance", "X-Other"}));
}

TEST(Mail, DatesAtOrBelowZeroRemoveTheirHeader) {
  Mail mail(MailId("m"));
  mail.SetReceived(Date(42));
  EXPECT_EQ(HeaderValue(mail, "Received"), "42");
  mail.SetReceived(Date(-1));
  EXPECT_EQ(HeaderValue(mail, "Received"), "<absent>");
  mail.SetSent(Date(7));
  mail.SetSent(Date(0));
  EXPECT_EQ(HeaderValue(mail, "Sent"), "<absent>");
  EXPECT_EQ(mail.GetSent(), 0);
}

TEST(Mail, HeadersReplacedOrClearedAreParsedAgain) {
  Mail mail = MakeMail();
  EXPECT_EQ(mail.GetFrom().GetSize(), 1u);
  Headers other;
  other.Set("From", kTo);
  mail.SetHeaders(other);
  EXPECT_EQ(mail.GetFrom().GetSize(), 2u);
  mail.ClearHeaders();
  EXPECT_TRUE(mail.GetFrom().IsEmpty());
  EXPECT_EQ(mail.GetSubject(), "");
}

TEST(Mail, FlagShortcuts) {
  Mail mail(MailId("m"));
  mail.SetRead(true);
  mail.SetRead(true);
  EXPECT_EQ(mail.GetFlags().GetSize(), 1u);
  EXPECT_TRUE(mail.IsRead());
  mail.SetRead(false);
  mail.SetRead(false);
  EXPECT_FALSE(mail.IsRead());
  mail.GetFlags().Set("DELETED");
  EXPECT_TRUE(mail.IsDeleted());
  mail.SetDeleted(true);  // takes the constant's spelling
  EXPECT_EQ(mail.GetFlags().ToString(), "Deleted");
  mail.SetAnswered(true);
  mail.SetCompleted(true);
  mail.SetDraft(true);
  mail.SetFlagged(true);
  EXPECT_TRUE(mail.IsAnswered() && mail.IsCompleted() && mail.IsDraft() && mail.IsFlagged());
  EXPECT_FALSE(mail.IsRead());
}

TEST(Mail, EqualityIgnoresCachesAndHeaderOrder) {
  Mail a = MakeMail();
  Headers reordered;
  reordered.Set("Subject", "Hello");
  reordered.Set("to", kTo);
  reordered.Set("From", kFrom);
  Mail b(MailId("m1"), reordered, BodyParts(), Flags());
  a.GetFrom();
  a.GetSubject();
  EXPECT_EQ(a, b);
  b.SetRead(true);
  EXPECT_NE(a, b);
  EXPECT_NE(a, Mail(MailId("M1"), MakeHeaders(), BodyParts(), Flags()));
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

TEST(Mail, CopiesKeepCachesAndCloneBodyParts) {
  Mail mail = MakeMail();
  auto part = Strata::MakeRef<BodyPart>("p");
  part->SetContent(Strata::MakeRef<Contents::TextContent>("abc"));
  mail.GetBodyParts().Add(part);
  mail.GetSubject();
  Mail copy(mail);
  EXPECT_EQ(copy, mail);
  EXPECT_NE(copy.GetBodyParts().Get("p").Get(), part.Get());
  std::unique_ptr<Mail> clone(mail.Clone());
  EXPECT_EQ(*clone, mail);
  EXPECT_EQ(clone->GetSubject(), "Hello");
}

TEST(Mail, ChannelRoundTripWithEveryContentKind) {
  const auto folder =
      std::filesystem::temp_directory_path() / ("quorum-mail-test-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const auto file = folder / "data.bin";
  {
    std::FILE* f = std::fopen(file.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    for (int i = 0; i < 70000; ++i) std::fputc(i % 251, f);
    std::fclose(f);
  }
  Mail mail = MakeMail();
  auto add = [&](const char* name, const char* type, Strata::Ref<BodyPartContent> content) {
    auto part = Strata::MakeRef<BodyPart>(name);
    if (*type != '\0') part->SetContentType(type);
    part->SetContent(content);
    mail.GetBodyParts().Add(part);
  };
  add("file", "application/octet-stream",
      Strata::Ref<BodyPartContent>(new Contents::FileContent(Conduit::Location(file))));
  add("text", "text/plain", Strata::MakeRef<Contents::TextContent>("h\u00e9llo"));
  unsigned char raw[] = {0, 1, 2, 255};
  add("memory", "",
      Strata::MakeRef<Contents::MemoryContent>(Quorum::Commons::DataBuffer<unsigned char>(raw, 4)));
  mail.GetBodyParts().Add(Strata::MakeRef<BodyPart>("empty"));
  mail.SetRead(true);

  const auto bytes = WriteToBytes(mail);
  Mail back;
  back.SetHeader("Subject", "stale");
  back.GetSubject();
  ReadFromBytes(back, bytes, bytes.size());
  EXPECT_EQ(back, mail);
  EXPECT_EQ(back.GetSubject(), "Hello");  // parsed again from the new headers
  EXPECT_NE(dynamic_cast<const Contents::MemoryContent*>(
                back.GetBodyParts().Get("file")->GetContent().Get()),
            nullptr);
  EXPECT_NE(dynamic_cast<const Contents::TextContent*>(
                back.GetBodyParts().Get("text")->GetContent().Get()),
            nullptr);
  EXPECT_TRUE(back.GetBodyParts().Get("empty")->GetContent().IsNull());
  std::filesystem::remove_all(folder);
}

TEST(Mail, TruncatedChannelLeavesTheMailUnchanged) {
  Mail mail = MakeMail();
  auto part = Strata::MakeRef<BodyPart>("p");
  part->SetContent(Strata::MakeRef<Contents::TextContent>("some body text"));
  mail.GetBodyParts().Add(part);
  mail.SetFlagged(true);
  const auto bytes = WriteToBytes(mail);

  Mail target(MailId("keep"));
  target.SetHeader("Subject", "kept");
  const Mail before = target;
  // Every proper prefix ends inside some field.
  for (std::size_t cut = 0; cut < bytes.size(); cut += 7) {
    EXPECT_THROW(ReadFromBytes(target, bytes, cut), Strata::IOException) << cut;
    EXPECT_EQ(target, before);
  }
  EXPECT_EQ(target.GetSubject(), "kept");
}

}  // namespace
