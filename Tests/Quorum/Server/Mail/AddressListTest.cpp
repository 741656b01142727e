#include "Quorum/Server/Mail/AddressList.h"

#include <gtest/gtest.h>

#include "MailTestSupport.h"
#include "Strata/IllegalReferenceException.h"

using namespace Quorum::Server::Mail;
using MailTest::MessageOf;
using Strata::IllegalArgumentException;
using Strata::UniString;

namespace {

Address Make(const char* personal, const char* id = ":Inbox:ann") {
  return Address(MailboxId(UniString(id)), personal);
}

AddressList ListOf(std::initializer_list<Address> addresses) {
  AddressList list;
  for (const Address& address : addresses) list.Append(address);
  return list;
}

// A list holding `items` as given, valid or not, as only a channel delivers it.
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

TEST(AddressList, TextFormJoinsWithOneSemicolonAndParsesBack) {
  EXPECT_EQ(ListOf({Make("A"), Make("B", ":Sent:bo")}).ToString(),
            UniString("\"A\" <:Inbox:ann>;\"B\" <:Sent:bo>"));
  // An invalid item prints as nothing, after its separator.
  EXPECT_EQ(ReadList({Make("A"), Address(), Make("C")}).ToString(),
            UniString("\"A\" <:Inbox:ann>;;\"C\" <:Inbox:ann>"));
  // Semicolons inside quotes and brackets belong to the address.
  const AddressList list = ListOf({Make("Doe; John", ":Inbox:a;b"), Make("x>\"<;\\y")});
  AddressList parsed;
  ASSERT_TRUE(AddressList::Parse(list.ToString(), parsed)) << list.ToString().ToCStr();
  EXPECT_EQ(parsed, list);
  ASSERT_TRUE(AddressList::Parse(UniString(), parsed));
  EXPECT_TRUE(parsed.IsEmpty());
}

TEST(AddressList, ParseRefusesMalformedTextWithoutTouchingTheResult) {
  const AddressList before = ListOf({Make("Keep")});
  for (const UniString& text :
       MailTest::Texts("\"A\" <:Inbox:>; \"B\" <:Inbox:>", "\"A\" <:Inbox:> ;\"B\" <:Inbox:>",
                       "\"A\" <:Inbox:>;", ";\"A\" <:Inbox:>", "\"A\" <:Inbox:>;;\"B\" <:Inbox:>",
                       "\"A\" <:Inbox:>,\"B\" <:Inbox:>", "\"A\" <:Inbox:>;B <:Inbox:>", " ")) {
    AddressList result = before;
    EXPECT_FALSE(AddressList::Parse(text, result)) << text.ToCStr();
    EXPECT_EQ(result, before);
  }
}

TEST(AddressList, KeepsDuplicatesInOrderAndRemovesTheFirst) {
  AddressList list = ListOf({Make("A"), Make("B"), Make("A")});
  EXPECT_NE(list, ListOf({Make("B"), Make("A"), Make("A")}));
  EXPECT_TRUE(list.Remove(Make("A")));
  EXPECT_EQ(list, ListOf({Make("B"), Make("A")}));
  EXPECT_FALSE(list.Remove(Make("C")));
  EXPECT_EQ(MessageOf<Strata::IllegalReferenceException>([&] { list.Get(2); }),
            "Invalid index: 2 index is out of legal index range [0..2].");
  for (const auto& action :
       {+[](AddressList& l) { l.Append(Address()); }, +[](AddressList& l) { l.Remove(Address()); },
        +[](AddressList& l) { l.Contains(Address()); }}) {
    EXPECT_EQ(MessageOf<IllegalArgumentException>([&] { action(list); }),
              "Invalid address: address is not valid.");
  }
}

TEST(AddressList, AppendOfAListChecksEveryItemBeforeAddingAny) {
  AddressList list = ListOf({Make("A")});
  EXPECT_EQ(MessageOf<IllegalArgumentException>([&] { list.Append(AddressList()); }),
            "Invalid address list: list is empty.");
  EXPECT_EQ(MessageOf<IllegalArgumentException>([&] {
              list.Append(ReadList({Make("B"), Address(), Address()}));
            }),
            "Invalid address list: item [1] is not valid.");
  EXPECT_EQ(list, ListOf({Make("A")}));
  list.Append(ListOf({Make("B")}));
  list.Append(list);  // copies each item present at the call once
  EXPECT_EQ(list, ListOf({Make("A"), Make("B"), Make("A"), Make("B")}));
}

TEST(AddressList, ChannelFormIsTheCountThenEachAddress) {
  const AddressList list = ListOf({Make("A"), Make("B;", ":Sent:x")});
  EXPECT_EQ(MailTest::BytesOf(list), MailTest::WrittenBy([&](Strata::OChannelX& c) {
              c.WriteUnsignedInt(2);
              for (const Address& item : list.Enumerate()) item.Write(c);
            }));
  EXPECT_EQ(MailTest::RoundTrip(list), list);
  MailTest::ExpectTruncatedReadsLeaveUnchanged(ListOf({Make("Keep")}), list);
  AddressList target = ListOf({Make("Keep")});
  const MailTest::Bytes hostile{0xEE, 0x6B, 0x28, 0x00, 1, 2, 3};  // 4,000,000,000 items
  EXPECT_THROW(MailTest::ReadFrom(hostile, target), Strata::IOException);
  EXPECT_EQ(target, ListOf({Make("Keep")}));
}
