// What reading and looking up allocate, and what every change does when an
// allocation fails. This file replaces the global operator new of MailTests
// with one that counts calls and bytes and can be told to fail.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <new>
#include <string>

#include "ContentTestSupport.h"
#include "Quorum/Server/Mail/BodyParts.h"
#include "Quorum/Server/Mail/Flags.h"
#include "Quorum/Server/Mail/Headers.h"
#include "Quorum/Server/Mail/Mail.h"
#include "Quorum/Server/Mail/MailFetchPlan.h"
#include "Quorum/Server/Mail/Parameters.h"
#include "Quorum/Server/Mail/SpillingBodyPartContentFactory.h"

namespace {
thread_local unsigned long allocations = 0;
thread_local unsigned long long allocatedBytes = 0;
// When not 0, the allocation that counts it down to 0 fails.
thread_local unsigned long failingAllocation = 0;
}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  allocatedBytes += size;
  if (failingAllocation != 0 && --failingAllocation == 0) throw std::bad_alloc();
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
// g++ sees free() behind operator delete once both are inlined and takes the
// pair for a mismatch; the replacement above allocates with malloc.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

namespace {

using namespace Quorum::Server::Mail;
using MailTest::U;

// How many bytes `action` allocates.
template <typename Action>
unsigned long long BytesAllocatedBy(Action action) {
  const unsigned long long before = allocatedBytes;
  action();
  return allocatedBytes - before;
}

// How many allocations `action` makes.
template <typename Action>
unsigned long AllocationsOf(Action action) {
  const unsigned long before = allocations;
  action();
  return allocations - before;
}

TEST(LookUpAllocation, AsciiNamesAreFoundWithoutAllocating) {
  Headers headers;
  Parameters parameters;
  Flags flags;
  for (int i = 0; i < 200; ++i) {
    const Strata::UniString name = Strata::UniString::Format("X-Name-%d", i);
    headers.Set(name, u"value");
    parameters.Set(name, u"value");
    flags.Set(name);
  }
  const Strata::UniString present = U(u"x-NAME-123"), absent = U(u"X-Name-Absent");
  bool found = true;
  EXPECT_EQ(AllocationsOf([&] {
              found = headers.Find(present) != nullptr && headers.Contains(present) &&
                      parameters.Find(present) != nullptr && parameters.Contains(present) &&
                      flags.Contains(present) && !headers.Contains(absent) &&
                      !headers.Remove(absent) && !parameters.Remove(absent) &&
                      !flags.Remove(absent);
            }),
            0u);
  EXPECT_TRUE(found);
  EXPECT_EQ(headers.Find(present)->GetName(), U(u"X-Name-123"));
}

// A Header that has held a value as long keeps its storage: Get copies the
// next one into it without allocating, and short names never allocate.
TEST(LookUpAllocation, GetReusesTheStorageOfTheHeaderItFills) {
  Headers headers;
  for (int i = 0; i < 100; ++i) {
    headers.Set(Strata::UniString::Format("X-Header-%d", i),
                Strata::UniString::Format("value of header number %d, padded to forty", i));
  }
  std::vector<Strata::UniString> names;
  for (int i = 99; i >= 0; --i) names.push_back(Strata::UniString::Format("x-header-%d", i));
  Header found;
  ASSERT_TRUE(headers.Get(U(u"X-Header-99"), found));  // one of the longest values
  bool all = true;
  EXPECT_EQ(AllocationsOf([&] {
              for (const Strata::UniString& name : names) all = headers.Get(name, found) && all;
            }),
            0u);
  EXPECT_TRUE(all);
  EXPECT_EQ(found.GetName(), U(u"X-Header-0"));
  EXPECT_EQ(found.GetValue(), U(u"value of header number 0, padded to forty"));
}

}  // namespace

TEST(ReadAllocation, HostileCountsAllocateOnlyWhatTheChannelHolds) {
  using MailTest::Bytes;
  // A body part with no headers whose content claims 4 GiB - 1 with 10 bytes
  // behind it, then a text claiming as many units with 10 bytes behind it.
  Bytes part = MailTest::WrittenAs("p", 0u);
  part.insert(part.end(), {1, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  const Bytes text{0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  EXPECT_LT(BytesAllocatedBy([&] {
              BodyPart read;
              EXPECT_THROW(MailTest::ReadFrom(part, read), Strata::IOException);
              EXPECT_THROW(MailTest::ReadFrom(text, read), Strata::IOException);
            }),
            1u << 20);
  // Collections claiming 4 Gi - 1 entries with room for a few: tables make
  // room only for what the channel can deliver.
  const Bytes entries = MailTest::WrittenAs(0xFFFFFFFFu, "a", "b", "c", "d");
  EXPECT_LT(BytesAllocatedBy([&] {
              Headers headers;
              Flags flags;
              BodyParts parts;
              Mail mail;
              EXPECT_THROW(MailTest::ReadFrom(entries, headers), Strata::IOException);
              EXPECT_THROW(MailTest::ReadFrom(entries, flags), Strata::IOException);
              EXPECT_THROW(MailTest::ReadFrom(entries, parts), Strata::IOException);
              EXPECT_THROW(MailTest::ReadFrom(MailTest::WrittenAs("id", 0xFFFFFFFFu), mail),
                           Strata::IOException);
            }),
            16u << 10);
}

namespace {

// Yields a mail with one body part whose content is `size` generated bytes,
// without holding them.
struct LargeMailChannel : Strata::IBinaryChannel {
  explicit LargeMailChannel(unsigned int size)
      : head(MailTest::WrittenAs("m", 0u, 1u, "big", 1u, "Content-Type",
                                 "application/octet-stream")),
        size(size) {
    const MailTest::Bytes section = MailTest::WrittenBy([&](Strata::OChannelX& channel) {
      channel.WriteBool(true);
      channel.WriteUnsignedInt(size);
    });
    head.insert(head.end(), section.begin(), section.end());
  }

  unsigned int Read(unsigned char* data, unsigned int count) override {
    unsigned int done = 0;
    for (; done < count && at < head.size(); ++done, ++at) data[done] = head[at];
    // Content bytes, then the flag count 0 that ends the mail.
    const auto fill = [&](std::uint64_t end, unsigned char byte) {
      const auto n = static_cast<unsigned int>(std::min<std::uint64_t>(count - done, end - at));
      std::memset(data + done, byte, n);
      done += n;
      at += n;
    };
    if (at < head.size() + size) fill(head.size() + size, 'x');
    if (at >= head.size() + size) fill(head.size() + size + 4, 0);
    return done;
  }

  MailTest::Bytes head;
  std::uint64_t size, at = 0;
};

}  // namespace

TEST(ReadAllocation, ALargePartReadThroughTheSpillingFactoryAllocatesABoundedAmount) {
  using ContentTestSupport::TemporaryFolder;
  TemporaryFolder folder;
  Quorum::Server::Mail::SpillingBodyPartContentFactory spilling{Conduit::Location(folder.path)};
  DefaultBodyPartContentFactory held;
  constexpr unsigned int kSize = 64u << 20;
  for (BodyPartContentFactory* factory : {static_cast<BodyPartContentFactory*>(&spilling),
                                          static_cast<BodyPartContentFactory*>(&held)}) {
    Mail mail;
    const unsigned long long allocated = BytesAllocatedBy([&] {
      LargeMailChannel bytes(kSize);
      Strata::IChannelX channel(bytes);
      mail.Read(channel, *factory);
    });
    ASSERT_EQ(mail.GetBodyParts().Get("big")->GetContentSize(), kSize);
    if (factory == &spilling) {
      EXPECT_LT(allocated, 1u << 20);
    } else {
      EXPECT_GT(allocated, kSize);  // the bytes are held in memory
    }
  }
}

namespace {

using namespace ContentTestSupport;

// Fails no allocation once it goes, whatever leaves the scope.
struct AllocationFailureScope {
  explicit AllocationFailureScope(unsigned long failing) { failingAllocation = failing; }
  ~AllocationFailureScope() { failingAllocation = 0; }
};

// What can be seen of a value: its channel form, which keeps every storage
// order, and for a mail or a body part every typed reading too.
template <typename T>
std::string StateOf(T& value) {
  const Bytes bytes = BytesOf(value);
  return std::string(bytes.begin(), bytes.end());
}

template <typename Get>
std::string Reading(Get get) {
  try {
    return get().ToUtf8();
  } catch (const Strata::StrataException& e) {
    return std::string("throws ") + e.what();
  }
}

std::string StateOf(Mail& mail) {
  return StateOf<Mail>(mail) + "|" + Reading([&] { return mail.GetParentId().GetId(); }) + "|" +
         Reading([&] { return mail.GetSubject(); }) + "|" +
         Reading([&] { return mail.GetReplyTo().ToString(); }) + "|" +
         Reading([&] { return mail.GetFrom().ToString(); }) + "|" +
         Reading([&] { return mail.GetTo().ToString(); }) + "|" +
         Reading([&] { return mail.GetImportance().ToString(); }) + "|" +
         Reading([&] { return mail.GetReceived().ToString(); }) + "|" +
         Reading([&] { return mail.GetSent().ToString(); });
}

std::string StateOf(BodyPart& part) {
  return StateOf<BodyPart>(part) + "|" + Reading([&] { return part.GetContentType(); }) + "|" +
         Reading([&] { return Strata::UniString::Format("%u", part.GetContentSize()); }) + "|" +
         Reading([&] { return part.GetDisposition().ToString(); }) + "|" +
         Reading([&] { return part.GetFileName(); });
}

template <typename T>
using Changes = std::vector<std::pair<std::string, std::function<void(T&)>>>;

// Runs each change on a value made by `make`, failing its first allocation,
// then its second, and so on until it runs through. A failed run must leave
// the value as `make` made it; the run that goes through must give what the
// change gives when nothing fails.
template <typename T>
void ExpectEachChangeAllOrNothing(const std::function<T()>& make, const Changes<T>& changes) {
  for (const auto& [name, change] : changes) {
    T expected = make();
    change(expected);
    const std::string changed = StateOf(expected);
    for (unsigned long failing = 1;; ++failing) {
      T value = make();
      try {
        const AllocationFailureScope scope(failing);
        change(value);
      } catch (const std::bad_alloc&) {
        T untouched = make();
        ASSERT_EQ(StateOf(value), StateOf(untouched)) << name << ", allocation " << failing;
        continue;
      }
      EXPECT_EQ(StateOf(value), changed) << name << ", allocation " << failing;
      break;
    }
  }
}

const char* const kFrom = "\"Alice\" <:Inbox:alice>";
const char* const kTo = "\"Bob\" <:Inbox:bob>;\"Carol\" <Work:Inbox:carol>";

AddressList AddressesOf(const char* text) {
  AddressList list;
  EXPECT_TRUE(AddressList::Parse(text, list));
  return list;
}

BodyParts SomeParts() {
  BodyParts parts;
  parts.Add(Strata::MakeRef<BodyPart>("a", HeadersOf({{"X", "1"}}), MakeMemory(Pattern(10))));
  parts.Add(Strata::MakeRef<BodyPart>("b"));
  return parts;
}

Mail SomeMail() {
  return Mail(MailId("m"),
              HeadersOf({{"From", kFrom},
                         {"To", kTo},
                         {"Subject", "Hello"},
                         {"Importance", "high"},
                         {"Received", "5"},
                         {"X", "x"}}),
              SomeParts(), Flags().Set("Read").Set("Draft"));
}

}  // namespace

TEST(AllocationFailure, EveryChangeOfAMailSucceedsOrLeavesItAsItWas) {
  const Bytes other = BytesOf(Mail(MailId("o"), HeadersOf({{"Subject", "Other"}}), {}, {}));
  const Mail assigned = SomeMail();
  const Changes<Mail> changes = {
      {"SetHeader typed", [](Mail& m) { m.SetHeader("subject", "New"); }},
      {"SetHeader new", [](Mail& m) { m.SetHeader(Header("X-New", "y")); }},
      {"RemoveHeader", [](Mail& m) { m.RemoveHeader("From"); }},
      {"RemoveHeader equal", [](Mail& m) { m.RemoveHeader(Header("x", "x")); }},
      {"SetHeaders",
       [](Mail& m) {
         m.SetHeaders(HeadersOf({{"Subject", "S"}, {"To", kFrom}}));
       }},
      {"ClearHeaders", [](Mail& m) { m.ClearHeaders(); }},
      {"SetParentId", [](Mail& m) { m.SetParentId(MailId("p")); }},
      {"SetSubject", [](Mail& m) { m.SetSubject("New"); }},
      {"SetSubject empty", [](Mail& m) { m.SetSubject(""); }},
      {"SetReplyTo", [](Mail& m) { m.SetReplyTo(AddressesOf(kTo)); }},
      {"SetFrom", [](Mail& m) { m.SetFrom(AddressesOf(kTo)); }},
      {"SetTo", [](Mail& m) { m.SetTo(AddressList()); }},
      {"SetImportance", [](Mail& m) { m.SetImportance(Importance::Low); }},
      {"SetReceived", [](Mail& m) { m.SetReceived(Date(9)); }},
      {"SetSent", [](Mail& m) { m.SetSent(Date(9)); }},
      {"SetBodyParts", [](Mail& m) { m.SetBodyParts(SomeParts()); }},
      {"SetFlags", [](Mail& m) { m.SetFlags(Flags().Set("Answered").Set("Deleted")); }},
      {"SetRead", [](Mail& m) { m.SetRead(false); }},
      {"SetFlagged", [](Mail& m) { m.SetFlagged(true); }},
      {"operator=", [&](Mail& m) { m = assigned; }},
      {"Read", [&](Mail& m) { ReadFrom(other, m); }},
  };
  ExpectEachChangeAllOrNothing<Mail>(SomeMail, changes);
  // The same with every typed value parsed and cached.
  ExpectEachChangeAllOrNothing<Mail>(
      [] {
        Mail mail = SomeMail();
        StateOf(mail);
        return mail;
      },
      changes);
}

TEST(AllocationFailure, EveryChangeOfABodyPartSucceedsOrLeavesItAsItWas) {
  const auto make = [] {
    return BodyPart("p",
                    HeadersOf({{"Content-Type", "text/plain"},
                               {"Content-Disposition", "attachment;filename=\"a.pdf\""},
                               {"X", "x"}}),
                    MakeMemory(Pattern(100)));
  };
  const BodyPart assigned("q", HeadersOf({{"Y", "y"}}), MakeMemory(Pattern(3)));
  const Changes<BodyPart> changes = {
      {"SetHeader Content-Size", [](BodyPart& p) { p.SetHeader("content-size", "5"); }},
      {"SetHeader Content-Size header",
       [](BodyPart& p) { p.SetHeader(Header("Content-Size", "6")); }},
      {"RemoveHeader Content-Size", [](BodyPart& p) { p.RemoveHeader("Content-Size"); }},
      {"RemoveHeader Content-Size header",
       [](BodyPart& p) { p.RemoveHeader(Header("Content-Size", "100")); }},
      {"SetHeader typed", [](BodyPart& p) { p.SetHeader("Content-Type", "text/html"); }},
      {"SetHeader new", [](BodyPart& p) { p.SetHeader("X-New", "y"); }},
      {"RemoveHeader", [](BodyPart& p) { p.RemoveHeader("X"); }},
      {"SetHeaders",
       [](BodyPart& p) {
         p.SetHeaders(HeadersOf({{"Content-Size", "1"}, {"Y", "y"}}));
       }},
      {"ClearHeaders", [](BodyPart& p) { p.ClearHeaders(); }},
      {"SetContentType", [](BodyPart& p) { p.SetContentType("text/html"); }},
      {"SetContentType empty", [](BodyPart& p) { p.SetContentType(""); }},
      {"SetDisposition", [](BodyPart& p) { p.SetDisposition(Disposition::Inline); }},
      {"SetFileName", [](BodyPart& p) { p.SetFileName("b.pdf"); }},
      {"SetContent", [](BodyPart& p) { p.SetContent(MakeMemory(Pattern(7))); }},
      {"SetContent none", [](BodyPart& p) { p.SetContent({}); }},
      {"operator=", [&](BodyPart& p) { p = assigned; }},
  };
  ExpectEachChangeAllOrNothing<BodyPart>(make, changes);
}

TEST(AllocationFailure, EveryChangeOfACollectionSucceedsOrLeavesItAsItWas) {
  ExpectEachChangeAllOrNothing<Headers>(
      [] {
        return HeadersOf({{"A", "1"}, {"B", "2"}, {"C", "3"}});
      },
      {
          {"Set new", [](Headers& h) { h.Set("D", "4"); }},
          {"Set replace", [](Headers& h) { h.Set(Header("b", "two")); }},
          {"Remove", [](Headers& h) { h.Remove("A"); }},
          {"Remove equal", [](Headers& h) { h.Remove(Header("a", "1")); }},
      });
  ExpectEachChangeAllOrNothing<Parameters>(
      [] {
        Parameters parameters;
        parameters.Set("a", "1");
        parameters.Set("b", "2");
        return parameters;
      },
      {
          {"Set new", [](Parameters& p) { p.Set("c", "3"); }},
          {"Set replace", [](Parameters& p) { p.Set(Parameter("A", "one")); }},
          {"Remove", [](Parameters& p) { p.Remove("a"); }},
      });
  ExpectEachChangeAllOrNothing<Flags>(
      [] { return Flags().Set("Read").Set("Draft"); },
      {
          {"Set", [](Flags& f) { f.Set("Deleted"); }},
          {"Set flag", [](Flags& f) { f.Set(Flag("READ")); }},
          {"Set flags", [](Flags& f) { f.Set(Flags().Set("A").Set("read").Set("B").Set("C")); }},
          {"Remove", [](Flags& f) { f.Remove("draft"); }},
          {"Remove flags", [](Flags& f) { f.Remove(Flags().Set("Read").Set("Draft")); }},
      });
  ExpectEachChangeAllOrNothing<AddressList>(
      [] { return AddressesOf(kTo); },
      {
          {"Append", [](AddressList& l) { l.Append(Address(MailboxId(":Inbox:d"), "D")); }},
          {"Append list", [](AddressList& l) { l.Append(AddressesOf(kTo)); }},
          {"Remove", [](AddressList& l) { l.Remove(AddressesOf(kTo).Get(0)); }},
      });
  ExpectEachChangeAllOrNothing<BodyParts>(
      SomeParts,
      {
          {"Add new", [](BodyParts& p) { p.Add(Strata::MakeRef<BodyPart>("c")); }},
          {"Add replace",
           [](BodyParts& p) {
             p.Add(Strata::MakeRef<BodyPart>("a", Headers(), MakeMemory(Pattern(3))));
           }},
          {"Remove", [](BodyParts& p) { p.Remove("a"); }},
          {"Remove part", [](BodyParts& p) { p.Remove(Strata::MakeRef<BodyPart>("b")); }},
      });
  ExpectEachChangeAllOrNothing<MailFetchPlan>(
      [] { return MailFetchPlan().AddBodyPart("a").AddMailFlags(); },
      {
          {"AddBodyPart", [](MailFetchPlan& p) { p.AddBodyPart("b"); }},
          {"SetRequestedBodyParts",
           [](MailFetchPlan& p) {
             p.SetRequestedBodyParts(
                 MailFetchPlan().AddBodyPart("x").AddBodyPart("y").GetRequestedBodyParts());
           }},
      });
}
