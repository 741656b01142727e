#include "Quorum/Server/Mail/AddressList.h"

#include "MailTestSupport.h"
#include "Strata/IllegalReferenceException.h"

using namespace Quorum::Server::Mail;
using MailTest::MessageOf;
using Strata::IllegalArgumentException;
using Strata::UniString;

const Address kA(MailboxId(UniString(":Inbox:ann")), "A");
const Address kB(MailboxId(UniString(":Sent:bo")), "B;");

static AddressList ListOf(std::initializer_list<Address> addresses) {
  AddressList list;
  for (const Address& address : addresses) list.Append(address);
  return list;
}

TEST(AddressList, TextFormJoinsWithOneSemicolonAndParsesBack) {
  // An invalid item, which only a channel delivers, prints as nothing after its separator.
  AddressList read;
  MailTest::ReadFrom(MailTest::WrittenAs(3u, kA, Address(), kB), read);
  EXPECT_EQ(read.ToString(), UniString("\"A\" <:Inbox:ann>;;\"B;\" <:Sent:bo>"));
  // Semicolons inside quotes and brackets belong to the address.
  const AddressList list = ListOf({Address(MailboxId(UniString(":Inbox:a;b")), "x>\"<;\\y"), kB});
  AddressList parsed;
  ASSERT_TRUE(AddressList::Parse(list.ToString(), parsed)) << list.ToString().ToCStr();
  EXPECT_EQ(parsed, list);
  ASSERT_TRUE(AddressList::Parse(UniString(), parsed));
  EXPECT_TRUE(parsed.IsEmpty());
}

TEST(AddressList, ParseRefusesMalformedTextWithoutTouchingTheResult) {
  MailTest::ExpectParseRefuses(
      ListOf({kA}), nullptr,
      MailTest::Texts("\"A\" <:Inbox:>; \"B\" <:Inbox:>", "\"A\" <:Inbox:> ;\"B\" <:Inbox:>",
                      "\"A\" <:Inbox:>;", ";\"A\" <:Inbox:>", "\"A\" <:Inbox:>;;\"B\" <:Inbox:>",
                      "\"A\" <:Inbox:>,\"B\" <:Inbox:>", "\"A\" <:Inbox:>;B <:Inbox:>", " "));
}

TEST(AddressList, KeepsDuplicatesInOrderAndRemovesTheFirst) {
  AddressList list = ListOf({kA, kB, kA});
  EXPECT_NE(list, ListOf({kB, kA, kA}));
  EXPECT_TRUE(list.Remove(kA));
  EXPECT_EQ(list, ListOf({kB, kA}));
  EXPECT_TRUE(list.Contains(kA) && list.Get(1) == kA && kA.GetPersonal() == "A");
  AddressList single = ListOf({kB});
  EXPECT_FALSE(single.Contains(kA) || single.Remove(kA));
  single.Clear();
  EXPECT_TRUE(single.IsEmpty());
  EXPECT_EQ(MessageOf<Strata::IllegalReferenceException>([&] { list.Get(2); }),
            "Invalid index: 2 index is out of legal index range [0..2].");
  EXPECT_EQ(MessageOf<IllegalArgumentException>([&] { list.Contains(Address()); }),
            "Invalid address: address is not valid.");
}

TEST(AddressList, AppendOfAListChecksEveryItemBeforeAddingAny) {
  AddressList list = ListOf({kA});
  AddressList invalid;
  MailTest::ReadFrom(MailTest::WrittenAs(3u, kB, Address(), Address()), invalid);
  EXPECT_EQ(MessageOf<IllegalArgumentException>([&] { list.Append(invalid); }),
            "Invalid address list: item [1] is not valid.");
  EXPECT_EQ(MessageOf<IllegalArgumentException>([&] { list.Append(AddressList()); }),
            "Invalid address list: list is empty.");
  list.Append(ListOf({kB}));
  list.Append(list);  // copies each item present at the call once
  EXPECT_EQ(list, ListOf({kA, kB, kA, kB}));
}

TEST(AddressList, ChannelFormIsTheCountThenEachAddressAndTrustsNoCount) {
  const AddressList list = ListOf({kA, kB});
  EXPECT_EQ(MailTest::BytesOf(list), MailTest::WrittenAs(2u, kA, kB));
  EXPECT_EQ(MailTest::RoundTrip(list), list);
  MailTest::ExpectTruncatedReadsLeaveUnchanged(ListOf({kA}), list);
  AddressList target = ListOf({kA});
  const MailTest::Bytes hostile{0xEE, 0x6B, 0x28, 0x00, 1, 2, 3};  // 4,000,000,000 items
  EXPECT_THROW(MailTest::ReadFrom(hostile, target), Strata::IOException);
  EXPECT_EQ(target, ListOf({kA}));
}
