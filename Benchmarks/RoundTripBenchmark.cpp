// A mail written to a memory channel and read back: 50 headers with 40-unit
// values, 3 body parts of 1 KiB with 3 headers each, 5 flags (Peers/ holds
// protobuf with the same fields). And a body part of 64 MiB of memory content
// written and read back, against one memcpy of 64 MiB into fresh memory.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>

#include "Quorum/Commons/DataBuffer.h"
#include "Quorum/Server/Mail/BodyPart.h"
#include "Quorum/Server/Mail/Contents/MemoryContent.h"
#include "Quorum/Server/Mail/Mail.h"
#include "Strata/IChannelX.h"
#include "Strata/MemoryIBinaryChannel.h"
#include "Strata/MemoryOBinaryChannel.h"
#include "Strata/OChannelX.h"

namespace {

using namespace Quorum::Server::Mail;

Strata::Ref<BodyPartContent> MemoryBytes(unsigned int size) {
  Quorum::Commons::DataBuffer<unsigned char> bytes(size);
  for (unsigned int i = 0; i < size; ++i) bytes[i] = static_cast<unsigned char>(i * 31u);
  return Strata::MakeRef<Contents::MemoryContent>(bytes);
}

Mail MakeMail() {
  Mail mail(MailId("mail-0001"));
  for (unsigned int i = 0; i < 50; ++i) {
    mail.SetHeader(Strata::UniString::Format("X-Header-%u", i),
                   Strata::UniString(std::u16string(40, u'v')));
  }
  for (unsigned int p = 0; p < 3; ++p) {
    auto part = Strata::MakeRef<BodyPart>(Strata::UniString::Format("part-%u", p));
    part->SetContentType("application/octet-stream");
    part->SetHeader("X-One", "first value");
    part->SetContent(MemoryBytes(1024));
    mail.GetBodyParts().Add(part);
  }
  for (const char* flag : {"Seen", "Answered", "Flagged", "$Label1", "$Label2"}) {
    mail.GetFlags().Set(flag);
  }
  return mail;
}

template <typename T>
void WriteAndReadBack(const T& value, T& read) {
  Strata::MemoryOBinaryChannel out;
  Strata::OChannelX writer(out);
  value.Write(writer);
  Strata::MemoryIBinaryChannel in(out.GetBuffer(), out.GetSize());
  Strata::IChannelX reader(in);
  read.Read(reader);
}

void RoundTrip_Mail(benchmark::State& state) {
  const Mail mail = MakeMail();
  for (auto _ : state) {
    Mail read;
    WriteAndReadBack(mail, read);
    benchmark::DoNotOptimize(read);
  }
}

void Content_RoundTrip64MiB(benchmark::State& state) {
  BodyPart part("attachment");
  part.SetContentType("application/octet-stream");
  part.SetContent(MemoryBytes(64u << 20));
  for (auto _ : state) {
    BodyPart read;
    WriteAndReadBack(part, read);
    benchmark::DoNotOptimize(read);
  }
  state.SetBytesProcessed(state.iterations() * (int64_t{64} << 20));
}

void Content_Memcpy64MiB(benchmark::State& state) {
  const std::size_t size = std::size_t{64} << 20;
  const auto source = std::make_unique<unsigned char[]>(size);
  for (auto _ : state) {
    const auto target = std::make_unique_for_overwrite<unsigned char[]>(size);
    std::memcpy(target.get(), source.get(), size);
    benchmark::DoNotOptimize(target.get());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(size));
}

}  // namespace

BENCHMARK(RoundTrip_Mail)->Unit(benchmark::kMicrosecond);
BENCHMARK(Content_RoundTrip64MiB)->Unit(benchmark::kMillisecond);
BENCHMARK(Content_Memcpy64MiB)->Unit(benchmark::kMillisecond);
