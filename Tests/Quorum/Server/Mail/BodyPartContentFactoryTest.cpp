#include "Quorum/Server/Mail/BodyPartContentFactory.h"

#include <sstream>

#include "ContentTestSupport.h"
#include "Quorum/Server/Mail/Mail.h"
#include "Strata/SequenceReader.h"
#include "Strata/WholeValue.h"

namespace {

using namespace ContentTestSupport;

// Makes memory contents through Create only, as factories written before the
// size was passed do, and records the sizes the readers announce.
struct RecordingFactory : BodyPartContentFactory {
  Strata::Ref<BodyPartContent> Create(const Headers&) override {
    ++created;
    return Strata::MakeRef<MemoryContent>();
  }
  Strata::Ref<BodyPartContent> CreateForSize(const Headers& headers, unsigned int size) override {
    sizes.push_back(size);
    return BodyPartContentFactory::CreateForSize(headers, size);
  }
  int created = 0;
  std::vector<unsigned int> sizes;
};

// A text part, a part without content, an image and an empty part.
Mail MailOfFourParts() {
  Mail mail(MailId("m"));
  BodyParts& parts = mail.GetBodyParts();
  parts.Add(Strata::MakeRef<BodyPart>("a", HeadersOf({{"Content-Type", "text/plain"}}),
                                      MakeMemory(Of("abc"))));
  parts.Add(Strata::MakeRef<BodyPart>("b"));
  parts.Add(Strata::MakeRef<BodyPart>("c", HeadersOf({{"Content-Type", "image/png"}}),
                                      MakeMemory(Pattern(70000))));
  parts.Add(Strata::MakeRef<BodyPart>("d", Headers(), MakeMemory({})));
  return mail;
}

// Every content of `mail` is a MemoryContent, as RecordingFactory makes them.
bool AllMemory(const Mail& mail) {
  for (const Strata::Ref<BodyPart>& part : mail.GetBodyParts()) {
    const Strata::Ref<BodyPartContent>& content = part->GetContent();
    if (!content.IsNull() && dynamic_cast<MemoryContent*>(content.Get()) == nullptr) return false;
  }
  return true;
}

template <typename T>
void ReadWith(const Bytes& bytes, T& value, BodyPartContentFactory& factory) {
  Strata::MemoryIBinaryChannel memory(bytes.data(), static_cast<unsigned int>(bytes.size()));
  Strata::IChannelX channel(memory);
  value.Read(channel, factory);
  EXPECT_EQ(memory.GetAvailable(), 0u);
}

TEST(BodyPartContentFactory, ReadersAnnounceEachContentsSizeAndReadTheSameBytes) {
  Mail mail = MailOfFourParts();
  const Bytes bytes = BytesOf(mail);
  RecordingFactory factory;
  Mail read;
  ReadWith(bytes, read, factory);
  EXPECT_EQ(factory.sizes, (std::vector<unsigned int>{3, 70000, 0}));
  EXPECT_EQ(factory.created, 3);
  EXPECT_TRUE(AllMemory(read));  // the text part too: the factory chose
  EXPECT_EQ(read, mail);
  EXPECT_EQ(BytesOf(read), bytes);

  BodyParts parts;
  ReadWith(BytesOf(mail.GetBodyParts()), parts, factory);
  EXPECT_EQ(parts, mail.GetBodyParts());
  BodyPart part;
  ReadWith(BytesOf(*mail.GetBodyParts().Get("c")), part, factory);
  EXPECT_EQ(part, *mail.GetBodyParts().Get("c"));
  EXPECT_EQ(factory.sizes.size(), 7u);

  // The default factory still chooses by the content type.
  Mail plain;
  EXPECT_EQ(ReadFrom(bytes, plain), 0u);
  EXPECT_NE(dynamic_cast<TextContent*>(plain.GetBodyParts().Get("a")->GetContent().Get()), nullptr);
}

TEST(BodyPartContentFactory, WholeValueAndSequenceReadersPassTheFactoryOn) {
  const Mail mail = MailOfFourParts();
  const std::vector<std::byte> bytes = Strata::ToBytes(mail);
  TemporaryFolder folder;
  Strata::WriteToFile(mail, folder / "mail.bin");
  std::istringstream stream(std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()) +
                            std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  RecordingFactory factory;
  Mail fromBytes, fromFile, fromStream, fromSequence;
  Mail returned = Strata::FromBytes<Mail>(bytes, factory);
  Strata::FromBytes(bytes, fromBytes, factory);
  Strata::ReadFromFile(folder / "mail.bin", fromFile, factory);
  Strata::ReadFromStream(stream, fromStream, factory);
  Strata::SequenceReader<Mail> sequence(stream);
  EXPECT_TRUE(sequence.Read(fromSequence, factory));
  EXPECT_FALSE(sequence.Read(fromSequence, factory));
  for (Mail* read : {&returned, &fromBytes, &fromFile, &fromStream, &fromSequence}) {
    EXPECT_EQ(*read, mail);
    EXPECT_TRUE(AllMemory(*read));
  }
  EXPECT_EQ(factory.created, 5 * 3);
}

TEST(BodyPartContentFactory, AFactoryThatMakesNoContentIsRefusedLeavingTheTargetAsItWas) {
  struct NoContent : BodyPartContentFactory {
    Strata::Ref<BodyPartContent> Create(const Headers&) override { return {}; }
  } factory;
  Mail target = MailOfFourParts();
  for (const char* name : {"c", "d"}) {
    Mail mail = target;
    const Bytes bytes = BytesOf(*target.GetBodyParts().Get(name));
    BodyPart& part = *mail.GetBodyParts().Get("a");
    EXPECT_EQ(MessageOf<Strata::IllegalArgumentException>([&] { ReadWith(bytes, part, factory); }),
              "Invalid content factory: content is null.");
    EXPECT_EQ(mail, target);
  }
}

}  // namespace
