// Helpers shared by the body part and content tests: a temporary folder for
// real files, byte patterns, and contents and channels that misbehave on
// purpose.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "MailTestSupport.h"
#include "Quorum/Server/Mail/BodyPartContent.h"
#include "Quorum/Server/Mail/Contents/MemoryContent.h"
#include "Strata/IBinaryChannel.h"
#include "Strata/IOException.h"
#include "Strata/MemoryIBinaryChannel.h"
#include "Strata/MemoryOBinaryChannel.h"
#include "Strata/Ref.h"
#include "Strata/Throw.h"

namespace ContentTestSupport {

using MailTest::Bytes;

// A fresh folder below QUORUM_TEST_TMPDIR (or the system's temporary folder),
// removed with everything in it when the object goes.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    static std::atomic<unsigned int> counter{0};
    const char* root = std::getenv("QUORUM_TEST_TMPDIR");
    const std::filesystem::path base = root != nullptr && *root != '\0'
                                           ? std::filesystem::path(root)
                                           : std::filesystem::temp_directory_path();
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "ContentTest";
    if (test != nullptr) name = std::string(test->test_suite_name()) + "." + test->name();
    path_ = base / (name + "." + std::to_string(::getpid()) + "." + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// `count` bytes that repeat only every 251 bytes, so misplaced pieces show.
inline Bytes Pattern(std::size_t count, unsigned int seed = 0) {
  Bytes bytes(count);
  for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<unsigned char>((i + seed) % 251);
  return bytes;
}

inline void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

inline Bytes ReadAll(Strata::IBinaryChannel& channel) {
  Bytes bytes;
  unsigned char piece[1000];
  for (unsigned int got; (got = channel.Read(piece, sizeof piece)) != 0;) {
    bytes.insert(bytes.end(), piece, piece + got);
  }
  return bytes;
}

inline Bytes ContentBytes(Quorum::Server::Mail::BodyPartContent& content) {
  const Strata::Ref<Strata::IBinaryChannel> channel = content.GetInputChannel();
  Bytes bytes = ReadAll(*channel);
  channel->Close();
  return bytes;
}

inline void WriteContent(Quorum::Server::Mail::BodyPartContent& content, const Bytes& bytes) {
  const Strata::Ref<Strata::OBinaryChannel> channel = content.GetOutputChannel();
  channel->Write(bytes.data(), static_cast<unsigned int>(bytes.size()));
  channel->Close();
}

inline Strata::Ref<Quorum::Server::Mail::BodyPartContent> MakeMemory(const Bytes& bytes) {
  return Strata::MakeRef<Quorum::Server::Mail::Contents::MemoryContent>(
      Quorum::Commons::DataBuffer<unsigned char>(bytes.data(),
                                                 static_cast<unsigned int>(bytes.size())));
}

using MailTest::BytesOf;
using MailTest::MessageOf;
using MailTest::ReadFrom;

inline Bytes Of(const std::string& text) { return Bytes(text.begin(), text.end()); }

// Yields its bytes, then throws Strata::IOException instead of ending
// (`failAtEnd`), and records every request size.
class ScriptedIBinaryChannel : public Strata::IBinaryChannel {
 public:
  ScriptedIBinaryChannel(Bytes bytes, bool failAtEnd, std::vector<unsigned int>* requests)
      : bytes_(std::move(bytes)), failAtEnd_(failAtEnd), requests_(requests) {}

  unsigned int Read(unsigned char* data, unsigned int count) override {
    if (requests_ != nullptr) requests_->push_back(count);
    if (position_ == bytes_.size() && failAtEnd_) {
      STRATA_THROW(Strata::IOException, "Scripted read failure.");
    }
    const auto n =
        static_cast<unsigned int>(std::min<std::size_t>(count, bytes_.size() - position_));
    std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(position_), n, data);
    position_ += n;
    return n;
  }
  void Close() override { ++*closes_; }

  std::shared_ptr<int> closes_ = std::make_shared<int>(0);

 private:
  Bytes bytes_;
  std::size_t position_ = 0;
  bool failAtEnd_;
  std::vector<unsigned int>* requests_;
};

// A content that claims `size` bytes but whose channel yields `bytes` (which
// may be fewer) and may then fail; it counts how often a channel was asked
// for and closed.
class ScriptedContent : public Quorum::Server::Mail::BodyPartContent {
 public:
  ScriptedContent(unsigned int size, Bytes bytes, bool failAtEnd = false)
      : size_(size), bytes_(std::move(bytes)), failAtEnd_(failAtEnd) {}

  Strata::Ref<Strata::OBinaryChannel> GetOutputChannel() override {
    return Strata::MakeRef<Strata::MemoryOBinaryChannel>();
  }
  Strata::Ref<Strata::IBinaryChannel> GetInputChannel() override {
    ++inputChannels;
    auto channel = Strata::MakeRef<ScriptedIBinaryChannel>(bytes_, failAtEnd_, &requests);
    channel->closes_ = closes;
    return channel;
  }
  unsigned int GetSize() const override { return size_; }
  BodyPartContent* Clone() const override { return new ScriptedContent(size_, bytes_, failAtEnd_); }

  int inputChannels = 0;
  std::shared_ptr<int> closes = std::make_shared<int>(0);
  std::vector<unsigned int> requests;

 private:
  unsigned int size_;
  Bytes bytes_;
  bool failAtEnd_;
};

}  // namespace ContentTestSupport
