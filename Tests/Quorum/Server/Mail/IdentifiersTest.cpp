#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "Quorum/Server/Mail/ClientId.h"
#include "Quorum/Server/Mail/MailId.h"
#include "Quorum/Server/Mail/MailboxSessionId.h"
#include "Quorum/Server/Mail/OwnerId.h"
#include "Strata/IChannelX.h"
#include "Strata/IOException.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/MemoryIBinaryChannel.h"
#include "Strata/MemoryOBinaryChannel.h"
#include "Strata/OChannelX.h"

using namespace Quorum::Server::Mail;
using Strata::UniString;

namespace {

// What differs between the four identifier classes.
struct OwnerIdTraits {
  using Id = OwnerId;
  static constexpr const char* emptyMessage = "Invalid owner id: id is empty.";
  static constexpr const char* sourceFile = "Source/Quorum/Server/Mail/OwnerId.cpp";
  static bool HasText(const Id& id) { return !id.IsEmpty(); }
};
struct ClientIdTraits {
  using Id = ClientId;
  static constexpr const char* emptyMessage = "Invalid client id: id is empty.";
  static constexpr const char* sourceFile = "Source/Quorum/Server/Mail/ClientId.cpp";
  static bool HasText(const Id& id) { return id.IsValid(); }
};
struct MailIdTraits {
  using Id = MailId;
  static constexpr const char* emptyMessage = "Invalid mail id: id is empty.";
  static constexpr const char* sourceFile = "Source/Quorum/Server/Mail/MailId.cpp";
  static bool HasText(const Id& id) { return !id.IsEmpty(); }
};
struct MailboxSessionIdTraits {
  using Id = MailboxSessionId;
  static constexpr const char* emptyMessage = "Invalid mailbox session id: id is empty.";
  static constexpr const char* sourceFile = "Source/Quorum/Server/Mail/MailboxSessionId.cpp";
  static bool HasText(const Id& id) { return id.IsValid(); }
};

template <typename Id>
Id RoundTrip(const Id& written) {
  Strata::MemoryOBinaryChannel bytes;
  Strata::OChannelX out(bytes);
  written.Write(out);
  Strata::MemoryIBinaryChannel input(bytes.GetBuffer(), bytes.GetSize());
  Strata::IChannelX in(input);
  Id read(UniString("previous"));
  read.Read(in);
  EXPECT_EQ(input.GetAvailable(), 0u);
  return read;
}

}  // namespace

template <typename T>
class Identifier : public ::testing::Test {};

using IdentifierKinds =
    ::testing::Types<OwnerIdTraits, ClientIdTraits, MailIdTraits, MailboxSessionIdTraits>;
TYPED_TEST_SUITE(Identifier, IdentifierKinds);

TYPED_TEST(Identifier, AnyNonEmptyTextIsKeptUnchanged) {
  using Id = typename TypeParam::Id;
  const std::vector<UniString> texts = {
      " ", "a", "Mail-0001", u"\u00E9\U0001F600", u"\xD800", "with;separators:\"quoted\""};
  for (const UniString& text : texts) {
    const Id id(text);
    EXPECT_TRUE(TypeParam::HasText(id)) << text.ToCStr();
    EXPECT_EQ(id.GetId(), text);
    EXPECT_EQ(id.ToString(), text);
    EXPECT_EQ(id.GenerateHashValue(), text.GenerateHashValue());
  }
}

TYPED_TEST(Identifier, TheEmptyTextIsRefusedWithTheConstructorsLocation) {
  using Id = typename TypeParam::Id;
  try {
    const Id id{UniString()};
    FAIL() << "no exception";
  } catch (const Strata::IllegalArgumentException& e) {
    EXPECT_STREQ(e.what(), TypeParam::emptyMessage);
    EXPECT_EQ(e.GetErrorCode(), -50);
    EXPECT_STREQ(e.GetSourceFile(), TypeParam::sourceFile);
    EXPECT_GT(e.GetSourceLine(), 0u);
  }
}

TYPED_TEST(Identifier, EqualityIsExactAndCaseSensitive) {
  using Id = typename TypeParam::Id;
  const Id lower(UniString("mail-1"));
  EXPECT_TRUE(lower == Id(UniString("mail-1")));
  EXPECT_FALSE(lower != Id(UniString("mail-1")));
  EXPECT_FALSE(lower == Id(UniString("MAIL-1")));
  EXPECT_TRUE(lower != Id(UniString("mail-1 ")));
  EXPECT_TRUE(lower == lower);
  EXPECT_TRUE(Id() == Id());
  EXPECT_FALSE(Id() == lower);
}

TYPED_TEST(Identifier, DefaultIsEmptyAndSurvivesAChannel) {
  using Id = typename TypeParam::Id;
  const Id empty;
  EXPECT_FALSE(TypeParam::HasText(empty));
  EXPECT_TRUE(empty.ToString().IsEmpty());
  const Id read = RoundTrip(empty);
  EXPECT_FALSE(TypeParam::HasText(read));
  EXPECT_TRUE(read == empty);
}

TYPED_TEST(Identifier, WritesOneStringAndReadsBackAnEqualId) {
  using Id = typename TypeParam::Id;
  const Id id(UniString(u"owner-\u00E9"));
  Strata::MemoryOBinaryChannel bytes;
  Strata::OChannelX out(bytes);
  id.Write(out);
  const std::vector<unsigned char> expected = {0,   0, 0,   7, 0,   'o', 0,   'w', 0,
                                               'n', 0, 'e', 0, 'r', 0,   '-', 0,   0xE9};
  EXPECT_EQ(std::vector<unsigned char>(bytes.GetBuffer(), bytes.GetBuffer() + bytes.GetSize()),
            expected);
  EXPECT_TRUE(RoundTrip(id) == id);
}

TYPED_TEST(Identifier, ATruncatedReadLeavesTheIdUnchanged) {
  using Id = typename TypeParam::Id;
  const unsigned char bytes[] = {0, 0, 0, 3, 0, 'a', 0};
  Strata::MemoryIBinaryChannel input(bytes, sizeof bytes);
  Strata::IChannelX in(input);
  Id id(UniString("kept"));
  EXPECT_THROW(id.Read(in), Strata::IOException);
  EXPECT_EQ(id.GetId(), UniString("kept"));
}

TYPED_TEST(Identifier, CopiesAreIndependentValues) {
  using Id = typename TypeParam::Id;
  Id first(UniString("first"));
  const Id copy = first;
  first = Id(UniString("second"));
  EXPECT_EQ(copy.GetId(), UniString("first"));
  Id moved(std::move(first));
  EXPECT_EQ(moved.GetId(), UniString("second"));
  Id assigned;
  assigned = std::move(moved);
  EXPECT_EQ(assigned.GetId(), UniString("second"));
}
