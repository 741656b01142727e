#include "Quorum/Server/Mail/BodyParts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ContentTestSupport.h"
#include "Strata/IChannelX.h"
#include "Strata/IllegalArgumentException.h"
#include "Strata/OChannelX.h"

using namespace ContentTestSupport;
using Quorum::Server::Mail::BodyPart;
using Quorum::Server::Mail::BodyParts;
using Quorum::Server::Mail::Headers;

namespace {

Strata::Ref<BodyPart> Part(const char* name, const char* content = "bytes") {
  return Strata::MakeRef<BodyPart>(name, Headers(), MakeMemory(Of(content)));
}

std::vector<std::string> Names(const BodyParts& parts) {
  std::vector<std::string> names;
  for (const Strata::Ref<BodyPart>& part : parts.Enumerate()) {
    names.push_back(part->GetName().ToCStr());
  }
  return names;
}

}  // namespace

TEST(BodyParts, KeepsStorageOrderAndExactNames) {
  BodyParts parts;
  for (const char* name : {"1", "2", "3"}) parts.Add(Part(name));
  parts.Remove("1");
  EXPECT_EQ(Names(parts), (std::vector<std::string>{"3", "2"}));

  const auto replacement = Part("3", "other");
  parts.Add(replacement);
  EXPECT_EQ(Names(parts), (std::vector<std::string>{"3", "2"}));
  EXPECT_EQ(parts.Get("3"), replacement);

  parts.Add(Part("Part"));
  parts.Add(Part("part"));
  EXPECT_EQ(parts.GetSize(), 4u);
  EXPECT_FALSE(parts.Contains("PART"));
  EXPECT_TRUE(parts.Get("PART").IsNull());
}

TEST(BodyParts, RefusesEmptyReferencesInvalidPartsAndEmptyNames) {
  using Strata::IllegalArgumentException;
  BodyParts parts;
  EXPECT_EQ(MessageOf<IllegalArgumentException>([&] { parts.Add({}); }),
            "Invalid body part: part is null.");
  EXPECT_EQ(MessageOf<IllegalArgumentException>([&] { parts.Add(Strata::MakeRef<BodyPart>()); }),
            "Invalid body part: part is not valid.");
  EXPECT_EQ(MessageOf<IllegalArgumentException>([&] { parts.Get(""); }),
            "Invalid body part name: name is empty.");
  EXPECT_TRUE(parts.IsEmpty());
}

TEST(BodyParts, SharesPartsOnAddAndGetButCopiesThemWithTheCollection) {
  BodyParts parts;
  const auto part = Part("a", "abc");
  parts.Add(part);
  parts.Get("a")->SetHeader("X-Seen", "yes");
  EXPECT_EQ(part->GetHeaderCount(), 2u);

  BodyParts copy(parts);
  BodyParts assigned;
  assigned.Add(Part("z"));
  assigned = parts;
  for (BodyParts* other : {&copy, &assigned}) {
    EXPECT_EQ(*other, parts);
    EXPECT_EQ(Names(*other), (std::vector<std::string>{"a"}));
    const auto copied = other->Get("a");
    EXPECT_FALSE(copied == part);
    EXPECT_FALSE(copied->GetContent() == part->GetContent());
    WriteContent(*copied->GetContent(), Of("changed"));
    EXPECT_EQ(ContentBytes(*part->GetContent()), Of("abc"));
    EXPECT_NE(*other, parts);
  }
}

TEST(BodyParts, ContainsAndRemoveWithAPartCompareTheWholePart) {
  BodyParts parts;
  parts.Add(Part("a", "abc"));
  const auto sameName = Part("a", "abc");
  sameName->SetHeader("X-Differs", "1");
  EXPECT_FALSE(parts.Contains(sameName));
  EXPECT_FALSE(parts.Remove(sameName));
  EXPECT_TRUE(parts.Contains("a"));

  const auto equal = Part("a", "abc");
  EXPECT_TRUE(parts.Contains(equal));
  EXPECT_TRUE(parts.Remove(equal));
  EXPECT_TRUE(parts.IsEmpty());
}

TEST(BodyParts, EqualityIgnoresOrder) {
  BodyParts forward;
  BodyParts backward;
  for (const char* name : {"a", "b", "c"}) forward.Add(Part(name, name));
  for (const char* name : {"c", "b", "a"}) backward.Add(Part(name, name));
  EXPECT_EQ(forward, backward);
  backward.Remove("a");
  backward.Add(Part("a", "different"));
  EXPECT_NE(forward, backward);
}

TEST(BodyParts, TravelThroughChannelsAndSurviveTruncation) {
  EXPECT_EQ(BytesOf(BodyParts()), (Bytes{0, 0, 0, 0}));

  BodyParts parts;
  parts.Add(Part("first", "one"));
  parts.Add(Strata::MakeRef<BodyPart>("second"));
  BodyParts read;
  ReadFrom(BytesOf(parts), read);
  EXPECT_EQ(read, parts);
  EXPECT_EQ(Names(read), (std::vector<std::string>{"first", "second"}));

  // Two parts under one name: the second replaces the first.
  BodyParts twice;
  twice.Add(Part("x", "old"));
  Bytes bytes = BytesOf(twice);
  twice.Get("x")->SetContent(MakeMemory(Of("new")));
  const Bytes second = BytesOf(twice);
  bytes.insert(bytes.end(), second.begin() + 4, second.end());
  bytes[3] = 2;
  ReadFrom(bytes, read);
  EXPECT_EQ(read.GetSize(), 1u);
  EXPECT_EQ(ContentBytes(*read.Get("x")->GetContent()), Of("new"));

  const BodyParts before(read);
  const Bytes whole = BytesOf(parts);
  EXPECT_THROW(ReadFrom(Bytes(whole.begin(), whole.end() - 1), read), Strata::IOException);
  EXPECT_EQ(read, before);
}
