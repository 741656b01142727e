// Mails on a memory channel (Workloads.h; Peers/ holds protobuf with the same
// fields): written and read back, written only, read only, and written again
// as Read returned them, each with text and with octet-stream parts, and the
// easy mail measured before. And a body part of 64 MiB of memory content
// written and read back, against one memcpy of 64 MiB into fresh memory.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>

#include "Comparison.h"
#include "Quorum/Commons/DataBuffer.h"
#include "Quorum/Server/Mail/BodyPart.h"
#include "Quorum/Server/Mail/Contents/MemoryContent.h"
#include "Quorum/Server/Mail/Mail.h"
#include "Strata/IChannelX.h"
#include "Strata/MemoryIBinaryChannel.h"
#include "Strata/MemoryOBinaryChannel.h"
#include "Strata/OChannelX.h"
#include "Workloads.h"

namespace QuorumBenchmarks {
namespace {

using namespace Quorum::Server::Mail;

template <typename T>
void WriteAndReadBack(const T& value, T& read) {
  Strata::MemoryOBinaryChannel out;
  Strata::OChannelX writer(out);
  value.Write(writer);
  Strata::MemoryIBinaryChannel in(out.GetBuffer(), out.GetSize());
  Strata::IChannelX reader(in);
  read.Read(reader);
}

Operation RoundTrip(Mail mail) {
  return [mail = std::move(mail)](std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      Mail read;
      WriteAndReadBack(mail, read);
      benchmark::DoNotOptimize(read);
    }
  };
}

Operation WriteOnly(Mail mail) {
  return [mail = std::move(mail)](std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      Strata::MemoryOBinaryChannel out;
      Strata::OChannelX writer(out);
      mail.Write(writer);
      benchmark::DoNotOptimize(out.GetBuffer());
    }
  };
}

Operation ReadOnly(const Mail& mail) {
  return [form = ChannelForm(mail)](std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      Strata::MemoryIBinaryChannel in(form.data(), static_cast<unsigned int>(form.size()));
      Strata::IChannelX reader(in);
      Mail read;
      read.Read(reader);
      benchmark::DoNotOptimize(read);
    }
  };
}

constexpr std::size_t kMailsCounted = 20;

QUORUM_BENCHMARK_CASE("ours.MailRoundTrip.text", kMailsCounted,
                      [] { return RoundTrip(RealisticMail(PartKind::Text)); });
QUORUM_BENCHMARK_CASE("ours.MailRoundTrip.octets", kMailsCounted,
                      [] { return RoundTrip(RealisticMail(PartKind::Octets)); });
QUORUM_BENCHMARK_CASE("ours.MailRoundTrip.easy", kMailsCounted,
                      [] { return RoundTrip(EasyMail()); });
QUORUM_BENCHMARK_CASE("ours.MailWrite.text", kMailsCounted,
                      [] { return WriteOnly(RealisticMail(PartKind::Text)); });
QUORUM_BENCHMARK_CASE("ours.MailWrite.octets", kMailsCounted,
                      [] { return WriteOnly(RealisticMail(PartKind::Octets)); });
QUORUM_BENCHMARK_CASE("ours.MailRead.text", kMailsCounted,
                      [] { return ReadOnly(RealisticMail(PartKind::Text)); });
QUORUM_BENCHMARK_CASE("ours.MailRead.octets", kMailsCounted,
                      [] { return ReadOnly(RealisticMail(PartKind::Octets)); });
QUORUM_BENCHMARK_CASE("ours.MailWriteAsRead.text", kMailsCounted, [] {
  return WriteOnly(ReadBack(ChannelForm(RealisticMail(PartKind::Text))));
});
QUORUM_BENCHMARK_CASE("ours.MailWriteAsRead.octets", kMailsCounted, [] {
  return WriteOnly(ReadBack(ChannelForm(RealisticMail(PartKind::Octets))));
});

constexpr unsigned int kLargeSize = 64u << 20;

QUORUM_BENCHMARK_CASE("ours.BodyPartRoundTrip64MiB", 1, [] {
  Quorum::Commons::DataBuffer<unsigned char> bytes(kLargeSize);
  for (unsigned int i = 0; i < kLargeSize; ++i) bytes[i] = static_cast<unsigned char>(i * 31u);
  auto part = std::make_shared<BodyPart>("attachment");
  part->SetContentType("application/octet-stream");
  part->SetContent(Strata::MakeRef<Contents::MemoryContent>(bytes));
  return Operation([part](std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      BodyPart read;
      WriteAndReadBack(*part, read);
      benchmark::DoNotOptimize(read);
    }
  });
});

QUORUM_BENCHMARK_CASE("baseline.Memcpy64MiB", 1, [] {
  std::shared_ptr<unsigned char[]> source(new unsigned char[kLargeSize]);
  for (unsigned int i = 0; i < kLargeSize; ++i) source[i] = static_cast<unsigned char>(i * 31u);
  return Operation([source](std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      const auto target = std::make_unique_for_overwrite<unsigned char[]>(kLargeSize);
      std::memcpy(target.get(), source.get(), kLargeSize);
      benchmark::DoNotOptimize(target.get());
      benchmark::ClobberMemory();
    }
  });
});

}  // namespace
}  // namespace QuorumBenchmarks
