#include <gtest/gtest.h>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/AddressList.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/IllegalReferenceException.h"

using namespace Quorum::Server::Mail;
using Strata::UniString;

namespace {

Address Make(const char16_t* personal, const char* id = ":Inbox:ann") {
  return Address(MailboxId(UniString(id)), MailTest::U(personal));
}

AddressList ListOf(std::initializer_list<Address> addresses) {
  AddressList list;
  for (const Address& address : addresses) list.Append(address);
  return list;
}

// An invalid address, as only a channel can give.
Address Invalid() {
  Address address;
  MailTest::ReadFrom(MailTest::BytesOf(Address()), address);
  return address;
}

// A list holding `items` as given, valid or not, as a channel would deliver it.
AddressList ReadList(std::initializer_list<Address> items) {
  AddressList list;
  MailTest::ReadFrom(MailTest::WrittenBy([&](Strata::OChannelX& c) {
                       c.WriteUnsignedInt(static_cast<unsigned int>(items.size()));
                       for (const Address& item : items) item.Write(c);
                     }),
                     list);
  return list;
}

}  // namespace

TEST(AddressList, TextFormJoinsWithOneSemicolon) {
  EXPECT_TRUE(AddressList().ToString().IsEmpty());
  EXPECT_EQ(ListOf({Make(u"A"), Make(u"B", ":Sent:bo")}).ToString(),
            MailTest::U(u"\"A\" <:Inbox:ann>;\"B\" <:Sent:bo>"));
}

TEST(AddressList, InvalidItemsPrintAsNothingAfterTheirSeparator) {
  EXPECT_EQ(ReadList({Make(u"A"), Invalid(), Make(u"C")}).ToString(),
            MailTest::U(u"\"A\" <:Inbox:ann>;;\"C\" <:Inbox:ann>"));
  EXPECT_EQ(ReadList({Invalid(), Make(u"C")}).ToString(), MailTest::U(u"\"C\" <:Inbox:ann>"));
}

TEST(AddressList, SemicolonsInsideQuotesAndBracketsBelongToTheAddress) {
  const AddressList list = ListOf({Make(u"Doe; John", ":Inbox:a;b"), Make(u"x>\"<;\\y"),
                                   Make(u"J\u00f6rg",
                                        "Gr\xC3\xBC\xC3\x9F"
                                        "e:Inbox:a:b:c")});
  AddressList parsed;
  ASSERT_TRUE(AddressList::Parse(list.ToString(), parsed)) << list.ToString().ToCStr();
  EXPECT_EQ(parsed, list);
}

TEST(AddressList, ParseOfTheEmptyTextGivesTheEmptyList) {
  AddressList list = ListOf({Make(u"A")});
  EXPECT_TRUE(AddressList::Parse(UniString(), list));
  EXPECT_TRUE(list.IsEmpty());
}

TEST(AddressList, ParseRefusesMalformedTextWithoutTouchingTheResult) {
  const char16_t* malformed[] = {
      u"\"A\" <:Inbox:>; \"B\" <:Inbox:>",  // space after the separator
      u"\"A\" <:Inbox:> ;\"B\" <:Inbox:>",  // space before it
      u"\"A\" <:Inbox:>;",                  // trailing separator
      u";\"A\" <:Inbox:>",                  // leading separator
      u"\"A\" <:Inbox:>;;\"B\" <:Inbox:>",  // empty item
      u"\"A\" <:Inbox:>,\"B\" <:Inbox:>",   // wrong separator
      u"\"A\" <:Inbox:>;B <:Inbox:>",       // second item malformed
      u";",
      u" ",
  };
  const AddressList before = ListOf({Make(u"Keep")});
  for (const char16_t* text : malformed) {
    AddressList result = before;
    EXPECT_FALSE(AddressList::Parse(MailTest::U(text), result)) << MailTest::U(text).ToCStr();
    EXPECT_EQ(result, before);
  }
}

TEST(AddressList, AppendKeepsDuplicatesAndRemoveTakesTheFirst) {
  AddressList list = ListOf({Make(u"A"), Make(u"B"), Make(u"A")});
  EXPECT_EQ(list.GetSize(), 3u);
  EXPECT_TRUE(list.Remove(Make(u"A")));
  EXPECT_EQ(list, ListOf({Make(u"B"), Make(u"A")}));
  EXPECT_TRUE(list.Contains(Make(u"A")));
  EXPECT_FALSE(list.Remove(Make(u"C")));
  EXPECT_FALSE(list.Contains(Make(u"C")));
}

TEST(AddressList, RefusesInvalidAddresses) {
  AddressList list = ListOf({Make(u"A")});
  const char* message = "Invalid address: address is not valid.";
  EXPECT_EQ(MailTest::MessageOf<Strata::IllegalArgumentException>([&] { list.Append(Address()); }),
            message);
  EXPECT_EQ(MailTest::MessageOf<Strata::IllegalArgumentException>([&] { list.Remove(Address()); }),
            message);
  EXPECT_EQ(
      MailTest::MessageOf<Strata::IllegalArgumentException>([&] { list.Contains(Address()); }),
      message);
  EXPECT_EQ(list.GetSize(), 1u);
}

TEST(AddressList, AppendOfAListChecksEveryItemBeforeAddingAny) {
  AddressList list = ListOf({Make(u"A")});
  EXPECT_EQ(
      MailTest::MessageOf<Strata::IllegalArgumentException>([&] { list.Append(AddressList()); }),
      "Invalid address list: list is empty.");
  EXPECT_EQ(MailTest::MessageOf<Strata::IllegalArgumentException>([&] {
              list.Append(ReadList({Make(u"B"), Invalid(), Invalid()}));
            }),
            "Invalid address list: item [1] is not valid.");
  EXPECT_EQ(list, ListOf({Make(u"A")}));
  list.Append(ListOf({Make(u"B"), Make(u"A")}));
  EXPECT_EQ(list, ListOf({Make(u"A"), Make(u"B"), Make(u"A")}));
}

TEST(AddressList, AppendOfItselfCopiesEachItemOnce) {
  AddressList list = ListOf({Make(u"A"), Make(u"B")});
  list.Append(list);
  EXPECT_EQ(list, ListOf({Make(u"A"), Make(u"B"), Make(u"A"), Make(u"B")}));
}

TEST(AddressList, GetOutsideTheListNamesIndexAndSize) {
  const AddressList list = ListOf({Make(u"A"), Make(u"B"), Make(u"C")});
  EXPECT_EQ(list.Get(2), Make(u"C"));
  EXPECT_EQ(MailTest::MessageOf<Strata::IllegalReferenceException>([&] { list.Get(3); }),
            "Invalid index: 3 index is out of legal index range [0..3].");
}

TEST(AddressList, EqualityRespectsOrder) {
  EXPECT_NE(ListOf({Make(u"A"), Make(u"B")}), ListOf({Make(u"B"), Make(u"A")}));
  EXPECT_NE(ListOf({Make(u"A")}), ListOf({Make(u"A"), Make(u"A")}));
  EXPECT_EQ(ListOf({Make(u"A"), Make(u"B")}), ListOf({Make(u"A"), Make(u"B")}));
}

TEST(AddressList, CopyMoveSwapAndClear) {
  AddressList list = ListOf({Make(u"A"), Make(u"B")});
  AddressList copy = list;
  EXPECT_EQ(copy, list);
  AddressList moved = std::move(copy);
  EXPECT_TRUE(copy.IsEmpty());  // NOLINT(bugprone-use-after-move): moved-from lists are empty
  EXPECT_EQ(moved, list);
  AddressList other = ListOf({Make(u"C")});
  moved.Swap(other);
  EXPECT_EQ(moved, ListOf({Make(u"C")}));
  EXPECT_EQ(other, list);
  unsigned int seen = 0;
  for (const Address& item : list.Enumerate()) EXPECT_EQ(item, list.Get(seen++));
  EXPECT_EQ(seen, 2u);
  list.Clear();
  EXPECT_TRUE(list.IsEmpty());
}

TEST(AddressList, ChannelFormIsTheCountThenEachAddress) {
  const AddressList list = ListOf({Make(u"A"), Make(u"B;", ":Sent:x")});
  EXPECT_EQ(MailTest::BytesOf(list), MailTest::WrittenBy([&](Strata::OChannelX& c) {
              c.WriteUnsignedInt(2);
              list.Get(0).Write(c);
              list.Get(1).Write(c);
            }));
  EXPECT_EQ(MailTest::RoundTrip(list), list);
  EXPECT_EQ(MailTest::RoundTrip(AddressList()), AddressList());
}

TEST(AddressList, TruncatedChannelLeavesTheListUnchanged) {
  const MailTest::Bytes bytes = MailTest::BytesOf(ListOf({Make(u"A"), Make(u"B")}));
  for (std::size_t keep = 0; keep < bytes.size(); ++keep) {
    AddressList target = ListOf({Make(u"Keep")});
    EXPECT_THROW(MailTest::ReadFrom(MailTest::Truncated(bytes, keep), target), Strata::IOException);
    EXPECT_EQ(target, ListOf({Make(u"Keep")}));
  }
}

TEST(AddressList, HostileCountEndsInAnIOExceptionWithoutAllocatingForIt) {
  AddressList target = ListOf({Make(u"Keep")});
  const MailTest::Bytes hostile{0xEE, 0x6B, 0x28, 0x00, 1, 2, 3};  // 4,000,000,000 items
  EXPECT_THROW(MailTest::ReadFrom(hostile, target), Strata::IOException);
  EXPECT_EQ(target, ListOf({Make(u"Keep")}));
}
