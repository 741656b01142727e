#include "Quorum/Server/Mail/BodyParts.h"

#include "ContentTestSupport.h"
#include "Strata/IllegalArgumentException.h"

using namespace ContentTestSupport;
using Strata::IllegalArgumentException;

namespace {

Strata::Ref<BodyPart> Part(const char* name, const char* content = "bytes") {
  return Strata::MakeRef<BodyPart>(name, Headers(), MakeMemory(Of(content)));
}

std::string Names(const BodyParts& parts) {
  std::string names;
  for (const Strata::Ref<BodyPart>& part : parts.Enumerate()) names += part->GetName().ToCStr();
  return names;
}

}  // namespace

TEST(BodyParts, StoresValidPartsThemselvesUnderExactNamesButCopiesThemWithTheCollection) {
  BodyParts parts;
  for (const char* name : {"a", "b", "c", "B"}) parts.Add(Part(name));
  parts.Remove("a");  // the last part moves into the hole
  const auto part = Part("c", "abc");
  parts.Add(part);
  EXPECT_EQ(Names(parts), "Bbc");
  EXPECT_FALSE(parts.Contains("C"));
  EXPECT_EQ(MessageOf<IllegalArgumentException>([&] { parts.Add({}); }),
            "Invalid body part: part is null.");
  EXPECT_EQ(MessageOf<IllegalArgumentException>([&] { parts.Add(Strata::MakeRef<BodyPart>()); }),
            "Invalid body part: part is not valid.");
  EXPECT_EQ(MessageOf<IllegalArgumentException>([&] { parts.Get(""); }),
            "Invalid body part name: name is empty.");
  parts.Get("c")->SetHeader("X-Seen", "yes");
  EXPECT_EQ(part->GetHeaderCount(), 2u);

  BodyParts copy(parts);
  BodyParts assigned;
  assigned.Add(Part("z"));
  assigned = parts;
  for (BodyParts* other : {&copy, &assigned}) {
    EXPECT_EQ(Names(*other), "Bbc");
    WriteContent(*other->Get("c")->GetContent(), Of("changed"));
    EXPECT_EQ(ContentBytes(*part->GetContent()), Of("abc"));
  }
}

TEST(BodyParts, EqualityIgnoresOrderButComparesWholeParts) {
  BodyParts forward, backward;
  for (const char* name : {"a", "b"}) forward.Add(Part(name, name));
  for (const char* name : {"b", "a"}) backward.Add(Part(name, name));
  EXPECT_EQ(forward, backward);
  backward.Add(Part("c"));
  EXPECT_NE(forward, backward);  // every part of the smaller one has its match
  backward.Remove("c");
  backward.Add(Part("a", "different"));
  EXPECT_NE(forward, backward);
  EXPECT_TRUE(forward.Contains(Part("a", "a")));
  EXPECT_FALSE(forward.Contains(Part("a", "different")) || forward.Contains(Part("x")));
  const BodyParts& same = forward;
  EXPECT_TRUE(forward == same);
  forward = same;
  EXPECT_EQ(Names(forward), "ab");
  backward.Remove("b");
  backward.Add(Part("c"));
  EXPECT_NE(forward, backward);  // same size, but no part named b
  EXPECT_FALSE(forward.Remove(Part("c")));
  EXPECT_TRUE(forward.Get("c").IsNull());
  EXPECT_FALSE(forward.Remove(Part("a", "different")));
  EXPECT_TRUE(forward.Remove(Part("a", "a")));
  EXPECT_EQ(Names(forward), "b");
}

TEST(BodyParts, ARenamedPartStaysUnderTheNameItWasStoredWith) {
  const std::function<void(BodyPart&)> renames[] = {
      [](BodyPart& p) { p = *Part("b", "renamed"); },
      [](BodyPart& p) {
        BodyPart other = *Part("b", "renamed");
        p.Swap(other);
      },
      [](BodyPart& p) { ReadFrom(BytesOf(*Part("b", "renamed")), p); },
  };
  for (const auto& rename : renames) {
    BodyParts parts;
    parts.Add(Part("a"));
    parts.Add(Part("b"));
    rename(*parts.Get("a"));
    EXPECT_EQ(Names(parts), "bb");

    BodyParts copy(parts);
    EXPECT_EQ(copy.GetSize(), 2u);
    EXPECT_EQ(copy, parts);
    EXPECT_EQ(copy.Get("a")->GetName(), "b");

    // Written under the name it is stored with, it comes back named so.
    BodyParts read;
    ReadFrom(BytesOf(parts), read);
    EXPECT_EQ(Names(read), "ab");
    EXPECT_EQ(ContentBytes(*read.Get("a")->GetContent()), Of("renamed"));
    EXPECT_EQ(ContentBytes(*read.Get("b")->GetContent()), Of("bytes"));
  }
  // Without a rename the bytes are those of each part's own Write.
  BodyParts parts;
  parts.Add(Part("x"));
  EXPECT_EQ(BytesOf(parts), WrittenAs(1u, *Part("x")));
}
