#include <gtest/gtest.h>

#include <utility>

#include "Quorum/Server/Mail/ChannelTesting.h"
#include "Quorum/Server/Mail/ClientId.h"
#include "Quorum/Server/Mail/MailId.h"
#include "Quorum/Server/Mail/MailTesting.h"
#include "Quorum/Server/Mail/MailboxSessionId.h"
#include "Quorum/Server/Mail/OwnerId.h"
#include "Strata/IOException.h"

using namespace Quorum::Server::Mail;
using namespace ChannelTesting;
using Strata::UniString;

namespace {

// The word naming each kind in its messages, and the class name.
using Names = std::pair<std::string, std::string>;
Names NamesOf(const OwnerId&) { return {"owner", "OwnerId"}; }
Names NamesOf(const ClientId&) { return {"client", "ClientId"}; }
Names NamesOf(const MailId&) { return {"mail", "MailId"}; }
Names NamesOf(const MailboxSessionId&) { return {"mailbox session", "MailboxSessionId"}; }

}  // namespace

template <typename T>
class Identifier : public ::testing::Test {};
using Kinds = ::testing::Types<OwnerId, ClientId, MailId, MailboxSessionId>;
TYPED_TEST_SUITE(Identifier, Kinds);

TYPED_TEST(Identifier, RefusesTheEmptyTextAndKeepsAnyOtherComparedExactly) {
  using Id = TypeParam;
  const auto [word, name] = NamesOf(Id());
  MailTesting::ExpectIllegalArgument([] { Id{UniString()}; },
                                     ("Invalid " + word + " id: id is empty.").c_str(),
                                     ("Source/Quorum/Server/Mail/" + name + ".cpp").c_str());
  EXPECT_TRUE(Id().GetId().IsEmpty());
  for (const UniString& text : {UniString(" "), UniString("Id-1"), UniString(u"\xD800\u00E9")}) {
    const Id id(text);
    EXPECT_EQ(id.GetId(), text);
    EXPECT_EQ(id.ToString(), text);
    EXPECT_EQ(id.GenerateHashValue(), text.GenerateHashValue());
  }
  const Id lower(UniString("mail-1"));
  EXPECT_TRUE(lower == Id(UniString("mail-1")));
  EXPECT_TRUE(lower != Id(UniString("MAIL-1")));
  EXPECT_TRUE(lower != Id(UniString("mail-1 ")));
  EXPECT_TRUE(lower != Id());
}

TYPED_TEST(Identifier, WritesOneStringAndReadsBackOrStaysUnchanged) {
  using Id = TypeParam;
  const Id id(UniString(u"id-\u00E9"));
  EXPECT_EQ(WriteBytes(id), (Bytes{0, 0, 0, 4, 0, 'i', 0, 'd', 0, '-', 0, 0xE9}));
  Id read(UniString("previous"));
  EXPECT_EQ(ReadBytes(read, WriteBytes(id)), 0u);
  EXPECT_TRUE(read == id);
  EXPECT_EQ(ReadBytes(read, WriteBytes(Id())), 0u);
  EXPECT_TRUE(read.GetId().IsEmpty());
  Id kept(UniString("kept"));
  EXPECT_THROW(ReadBytes(kept, {0, 0, 0, 3, 0, 'a', 0}), Strata::IOException);
  EXPECT_EQ(kept.GetId(), UniString("kept"));
}
