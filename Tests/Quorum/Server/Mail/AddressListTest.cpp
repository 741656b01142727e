#include <gtest/gtest.h>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/AddressList.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/IllegalReferenceException.h"

using namespace Quorum::Server::Mail;
using MailTest::MessageOf;
using MailTest::U;
using Strata::IllegalArgumentException;
using Strata::UniString;

namespace {

Address Make(std::u16string_view personal, const char* id = ":Inbox:ann") {
  return Address(MailboxId(UniString(id)), U(personal));
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

TEST(AddressList, TextFormJoinsWithOneSemicolon) {
  EXPECT_TRUE(AddressList().ToString().IsEmpty());
  EXPECT_EQ(ListOf({Make(u"A"), Make(u"B", ":Sent:bo")}).ToString(),
            U(u"\"A\" <:Inbox:ann>;\"B\" <:Sent:bo>"));
  // An invalid item prints as nothing, after its separator.
  EXPECT_EQ(ReadList({Make(u"A"), Address(), Make(u"C")}).ToString(),
            U(u"\"A\" <:Inbox:ann>;;\"C\" <:Inbox:ann>"));
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

TEST(AddressList, ParseRefusesMalformedTextWithoutTouchingTheResult) {
  const char16_t* malformed[] = {
      u"\"A\" <:Inbox:>; \"B\" <:Inbox:>",
      u"\"A\" <:Inbox:> ;\"B\" <:Inbox:>",
      u"\"A\" <:Inbox:>;",
      u";\"A\" <:Inbox:>",
      u"\"A\" <:Inbox:>;;\"B\" <:Inbox:>",
      u"\"A\" <:Inbox:>,\"B\" <:Inbox:>",
      u"\"A\" <:Inbox:>;B <:Inbox:>",
      u" ",
  };
  const AddressList before = ListOf({Make(u"Keep")});
  for (const char16_t* text : malformed) {
    AddressList result = before;
    EXPECT_FALSE(AddressList::Parse(U(text), result)) << U(text).ToCStr();
    EXPECT_EQ(result, before);
  }
  AddressList result = before;
  EXPECT_TRUE(AddressList::Parse(UniString(), result));
  EXPECT_TRUE(result.IsEmpty());
}

TEST(AddressList, KeepsDuplicatesInOrderAndRemovesTheFirst) {
  AddressList list = ListOf({Make(u"A"), Make(u"B"), Make(u"A")});
  EXPECT_NE(list, ListOf({Make(u"B"), Make(u"A"), Make(u"A")}));
  EXPECT_TRUE(list.Remove(Make(u"A")));
  EXPECT_EQ(list, ListOf({Make(u"B"), Make(u"A")}));
  EXPECT_TRUE(list.Contains(Make(u"A")));
  EXPECT_FALSE(list.Remove(Make(u"C")));
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
  AddressList list = ListOf({Make(u"A")});
  EXPECT_EQ(MessageOf<IllegalArgumentException>([&] { list.Append(AddressList()); }),
            "Invalid address list: list is empty.");
  EXPECT_EQ(MessageOf<IllegalArgumentException>([&] {
              list.Append(ReadList({Make(u"B"), Address(), Address()}));
            }),
            "Invalid address list: item [1] is not valid.");
  EXPECT_EQ(list, ListOf({Make(u"A")}));
  list.Append(ListOf({Make(u"B")}));
  list.Append(list);  // copies each item present at the call once
  EXPECT_EQ(list, ListOf({Make(u"A"), Make(u"B"), Make(u"A"), Make(u"B")}));
}

TEST(AddressList, ChannelFormIsTheCountThenEachAddress) {
  const AddressList list = ListOf({Make(u"A"), Make(u"B;", ":Sent:x")});
  EXPECT_EQ(MailTest::BytesOf(list), MailTest::WrittenBy([&](Strata::OChannelX& c) {
              c.WriteUnsignedInt(2);
              for (const Address& item : list.Enumerate()) item.Write(c);
            }));
  EXPECT_EQ(MailTest::RoundTrip(list), list);
  MailTest::ExpectTruncatedReadsLeaveUnchanged(ListOf({Make(u"Keep")}), list);
}

TEST(AddressList, HostileCountEndsInAnIOExceptionWithoutAllocatingForIt) {
  AddressList target = ListOf({Make(u"Keep")});
  const MailTest::Bytes hostile{0xEE, 0x6B, 0x28, 0x00, 1, 2, 3};  // 4,000,000,000 items
  EXPECT_THROW(MailTest::ReadFrom(hostile, target), Strata::IOException);
  EXPECT_EQ(target, ListOf({Make(u"Keep")}));
}
