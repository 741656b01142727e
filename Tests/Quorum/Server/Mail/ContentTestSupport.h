// Helpers shared by the mail, body part and content tests: a temporary folder
// for real files, byte patterns, header views, reading and writing contents,
// and a content that misbehaves on purpose.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/BodyPart.h"
#include "Quorum/Server/Mail/Contents/FileContent.h"
#include "Quorum/Server/Mail/Contents/MemoryContent.h"
#include "Quorum/Server/Mail/Contents/TextContent.h"
#include "Strata/IBinaryChannelUtilities.h"
#include "Strata/MemoryOBinaryChannel.h"
#include "Strata/Throw.h"

namespace ContentTestSupport {

using namespace MailTest;
using namespace Quorum::Server::Mail;
using namespace Quorum::Server::Mail::Contents;

// A fresh folder below QUORUM_TEST_TMPDIR (or the system's temporary folder),
// removed with everything in it when the object goes.
struct TemporaryFolder {
  TemporaryFolder() {
    const char* root = std::getenv("QUORUM_TEST_TMPDIR");
    path =
        (root != nullptr ? root : std::filesystem::temp_directory_path().string()) + "/Test.XXXXXX";
    if (::mkdtemp(path.data()) == nullptr) throw std::runtime_error("no temporary folder");
  }
  ~TemporaryFolder() { std::filesystem::remove_all(path, ignored); }
  std::filesystem::path operator/(const std::string& name) const { return path + "/" + name; }

  std::string path;
  std::error_code ignored;
};

// How many descriptors of this process are open on files in `folder`,
// unnamed or unlinked ones included.
inline int OpenFilesIn(const TemporaryFolder& folder) {
  int count = 0;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", error)) {
    const std::string target = std::filesystem::read_symlink(entry.path(), error).string();
    if (!error && target.rfind(folder.path + "/", 0) == 0) ++count;
  }
  return count;
}

inline Bytes Of(const std::string& text) { return Bytes(text.begin(), text.end()); }

// `count` bytes that repeat only every 251 bytes, so misplaced pieces show.
inline Bytes Pattern(std::size_t count) {
  Bytes bytes(count);
  for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<unsigned char>(i % 251);
  return bytes;
}

inline void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// The bytes of a new input channel of `content`, checking that it yields
// exactly GetSize() bytes.
inline Bytes ContentBytes(BodyPartContent& content) {
  const Strata::Ref<Strata::IBinaryChannel> channel = content.GetInputChannel();
  Bytes bytes(content.GetSize() + 1);
  bytes.resize(Strata::IBinaryChannelUtilities::ReadFully(*channel, bytes.data(),
                                                          static_cast<unsigned int>(bytes.size())));
  channel->Close();
  EXPECT_EQ(bytes.size(), content.GetSize());
  return bytes;
}

inline void WriteContent(BodyPartContent& content, const Bytes& bytes) {
  const Strata::Ref<Strata::OBinaryChannel> channel = content.GetOutputChannel();
  channel->Write(bytes.data(), static_cast<unsigned int>(bytes.size()));
  channel->Close();
}

inline Quorum::Commons::DataBuffer<unsigned char> BufferOf(const Bytes& bytes) {
  return {bytes.data(), static_cast<unsigned int>(bytes.size())};
}

inline Strata::Ref<BodyPartContent> MakeMemory(const Bytes& bytes) {
  return Strata::MakeRef<MemoryContent>(BufferOf(bytes));
}

inline Headers HeadersOf(std::initializer_list<std::pair<std::string, std::string>> entries) {
  Headers headers;
  for (const auto& [name, value] : entries) headers.Set(name.c_str(), value.c_str());
  return headers;
}

// The headers of a mail or body part as "Name=value" in storage order,
// separated by spaces.
template <typename Holder>
std::string HeadersText(const Holder& holder) {
  std::string text;
  for (const Header& h : holder.EnumerateHeaders()) {
    text += (text.empty() ? "" : " ") + h.GetName().ToCStr() + "=" + h.GetValue().ToCStr();
  }
  return text;
}

// Claims `size` bytes but its input channels yield only the first `count`
// bytes of Pattern and then end, or throw Strata::IOException when
// `failAtEnd`; `failToOpen`, when set, runs before a channel is opened.
// Counts channels closed and records the size of every read request.
struct ScriptedContent : BodyPartContent {
  ScriptedContent(unsigned int size, unsigned int count, bool failAtEnd = false)
      : size(size), count(count), failAtEnd(failAtEnd) {}

  struct Channel : Strata::IBinaryChannel {
    explicit Channel(ScriptedContent& owner) : owner(owner) {}
    unsigned int Read(unsigned char* data, unsigned int wanted) override {
      owner.requests.push_back(wanted);
      if (at == owner.count && owner.failAtEnd) STRATA_THROW(Strata::IOException, "Failed.");
      const unsigned int n = std::min(wanted, owner.count - at);
      for (unsigned int i = 0; i < n; ++i) data[i] = static_cast<unsigned char>((at + i) % 251);
      at += n;
      return n;
    }
    void Close() override { ++owner.closed; }
    ScriptedContent& owner;
    unsigned int at = 0;
  };

  Strata::Ref<Strata::OBinaryChannel> GetOutputChannel() override {
    return Strata::MakeRef<Strata::MemoryOBinaryChannel>();
  }
  Strata::Ref<Strata::IBinaryChannel> GetInputChannel() override {
    if (failToOpen) failToOpen();
    return Strata::MakeRef<Channel>(*this);
  }
  unsigned int GetSize() const override { return size; }
  BodyPartContent* Clone() const override { return new ScriptedContent(size, count, failAtEnd); }

  unsigned int size, count;
  bool failAtEnd;
  std::function<void()> failToOpen;
  int closed = 0;
  std::vector<unsigned int> requests;
};

}  // namespace ContentTestSupport
