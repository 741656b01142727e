#include <gtest/gtest.h>

#include <utility>

#include "Quorum/Server/Mail/ClientId.h"
#include "Quorum/Server/Mail/MailId.h"
#include "Quorum/Server/Mail/MailTestSupport.h"
#include "Quorum/Server/Mail/MailboxSessionId.h"
#include "Quorum/Server/Mail/OwnerId.h"
#include "Strata/IOException.h"

using namespace Quorum::Server::Mail;
using namespace MailTest;
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
  EXPECT_EQ(
      FaultOf<Strata::IllegalArgumentException>([] { Id{UniString()}; }),
      "Invalid " + word + " id: id is empty. (Source/Quorum/Server/Mail/" + name + ".cpp, -50)");
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
  EXPECT_EQ(BytesOf(id), (Bytes{0, 0, 0, 4, 0, 'i', 0, 'd', 0, '-', 0, 0xE9}));
  Id read(UniString("previous"));
  EXPECT_EQ(ReadFrom(BytesOf(id), read), 0u);
  EXPECT_TRUE(read == id);
  EXPECT_EQ(ReadFrom(BytesOf(Id()), read), 0u);
  EXPECT_TRUE(read.GetId().IsEmpty());
  Id kept(UniString("kept"));
  EXPECT_THROW(ReadFrom({0, 0, 0, 3, 0, 'a', 0}, kept), Strata::IOException);
  EXPECT_EQ(kept.GetId(), UniString("kept"));
}
