// Filling a text content through its output channel, as Mail::Read does, with
// 1 MiB of valid UTF-8 (mostly ASCII, some accented and wider characters),
// against the bare decoding of the same bytes into a text: checking that the
// bytes come back exactly from the text should cost little beside it. Latin-1
// bytes in their declared charset show the cost of a converter.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "Comparison.h"
#include "Quorum/Server/Mail/Contents/TextContent.h"
#include "Strata/MemoryOBinaryChannel.h"
#include "Strata/UniString.h"

namespace QuorumBenchmarks {
namespace {

constexpr unsigned int kSize = 1 << 20;

std::string Utf8Text() {
  std::string text;
  while (text.size() < kSize) text += "Grüße aus Köln, 5 € pro Stück — danke!\r\n";
  return text;
}

std::string Latin1Text() {
  std::string text;
  while (text.size() < kSize)
    text +=
        "Gr\xFC\xDF"
        "e aus K\xF6ln, 5 EUR pro St\xFC"
        "ck, danke!\r\n";
  return text;
}

void Fill(benchmark::State& state, const std::string& bytes, const char* charset) {
  Quorum::Server::Mail::Contents::TextContent content;
  content.SetCharset(charset);
  for (auto _ : state) {
    const auto channel = content.GetOutputChannel();
    channel->Write(reinterpret_cast<const unsigned char*>(bytes.data()),
                   static_cast<unsigned int>(bytes.size()));
    channel->Close();
    benchmark::DoNotOptimize(content.GetSize());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes.size());
}

void Text_FillLatin1(benchmark::State& state) { Fill(state, Latin1Text(), "iso-8859-1"); }

QUORUM_BENCHMARK_CASE("ours.TextFillUtf8", 1, [] {
  auto content = std::make_shared<Quorum::Server::Mail::Contents::TextContent>();
  content->SetCharset("utf-8");
  return Operation([content, bytes = Utf8Text()](std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      const auto channel = content->GetOutputChannel();
      channel->Write(reinterpret_cast<const unsigned char*>(bytes.data()),
                     static_cast<unsigned int>(bytes.size()));
      channel->Close();
      benchmark::DoNotOptimize(content->GetSize());
    }
  });
});

// The bytes collected by a memory channel and decoded as UTF-8: what filling a
// text content cost before it checked the bytes.
QUORUM_BENCHMARK_CASE("baseline.DecodeUtf8", 1, [] {
  return Operation([bytes = Utf8Text()](std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      Strata::MemoryOBinaryChannel channel;
      channel.Write(reinterpret_cast<const unsigned char*>(bytes.data()),
                    static_cast<unsigned int>(bytes.size()));
      channel.Close();
      const Strata::UniString text(channel.GetBuffer(), channel.GetSize(),
                                   Strata::CharacterCode::UTF8);
      benchmark::DoNotOptimize(text.GetLength());
    }
  });
});

}  // namespace
}  // namespace QuorumBenchmarks

BENCHMARK(QuorumBenchmarks::Text_FillLatin1)->Unit(benchmark::kMicrosecond);
