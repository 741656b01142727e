// Writing a body part with a large memory content to a memory channel,
// against a plain memcpy of the same bytes: the content section should cost
// little more than the copy itself.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "Quorum/Commons/DataBuffer.h"
#include "Quorum/Commons/DataBufferOBinaryChannel.h"
#include "Quorum/Server/Mail/BodyPart.h"
#include "Quorum/Server/Mail/Contents/MemoryContent.h"
#include "Strata/OChannelX.h"

namespace {

using Quorum::Server::Mail::BodyPart;
using Quorum::Server::Mail::Headers;

Quorum::Commons::DataBuffer<unsigned char> Bytes(unsigned int size) {
  Quorum::Commons::DataBuffer<unsigned char> bytes(size);
  for (unsigned int i = 0; i < size; ++i) bytes[i] = static_cast<unsigned char>(i * 31u);
  return bytes;
}

void BM_WriteBodyPartToMemoryChannel(benchmark::State& state) {
  const auto size = static_cast<unsigned int>(state.range(0));
  Headers headers;
  headers.Set("Content-Type", "application/octet-stream");
  const BodyPart part("attachment", headers,
                      Strata::MakeRef<Quorum::Server::Mail::Contents::MemoryContent>(Bytes(size)));
  for (auto _ : state) {
    Quorum::Commons::DataBufferOBinaryChannel<unsigned char> memory(size + 4096);
    Strata::OChannelX channel(memory);
    part.Write(channel);
    benchmark::DoNotOptimize(memory.GetBuffer().GetData());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * size);
}

void BM_MemcpySameBytes(benchmark::State& state) {
  const auto size = static_cast<unsigned int>(state.range(0));
  const auto source = Bytes(size);
  for (auto _ : state) {
    std::vector<unsigned char> target(size + 4096);
    std::memcpy(target.data(), source.GetData(), size);
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * size);
}

}  // namespace

BENCHMARK(BM_WriteBodyPartToMemoryChannel)
    ->Arg(8 << 20)
    ->Arg(32 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemcpySameBytes)->Arg(8 << 20)->Arg(32 << 20)->Unit(benchmark::kMillisecond);
