// Reading 65,536 names that share one GenerateHashValue against reading as
// many random names of the same length, through Headers, Flags and
// MailFetchPlan. With a keyed index both should cost about the same.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "Comparison.h"
#include "Quorum/Server/Mail/Flags.h"
#include "Quorum/Server/Mail/Headers.h"
#include "Quorum/Server/Mail/MailFetchPlan.h"
#include "Strata/MemoryIBinaryChannel.h"
#include "Strata/MemoryOBinaryChannel.h"
#include "Strata/OChannelX.h"

namespace QuorumBenchmarks {
namespace {

using Quorum::Server::Mail::Flags;
using Quorum::Server::Mail::Headers;
using Quorum::Server::Mail::MailFetchPlan;

constexpr int kLevels = 16;  // 65,536 names

std::u16string Block(std::uint32_t b) {
  return {static_cast<char16_t>(b >> 16), static_cast<char16_t>(b)};
}

// Names of kLevels two-unit blocks; at each level two blocks lead FNV-1a from
// the state reached so far to one same state (found by a birthday search).
std::vector<std::u16string> CollidingNames() {
  std::vector<std::u16string> names{u""};
  std::uint32_t state = 2166136261u;
  std::mt19937 random(1u);
  std::vector<std::pair<std::uint32_t, std::uint32_t>> blocks(1u << 18);
  for (int level = 0; level < kLevels; ++level) {
    std::uint32_t pair[2] = {0, 0};
    while (pair[0] == pair[1]) {
      for (auto& [hash, block] : blocks) {
        block = random();
        hash = (((state ^ (block >> 16)) * 16777619u) ^ (block & 0xFFFFu)) * 16777619u;
      }
      std::sort(blocks.begin(), blocks.end());
      for (std::size_t i = 1; i < blocks.size() && pair[0] == pair[1]; ++i) {
        if (blocks[i].first == blocks[i - 1].first && blocks[i].second != blocks[i - 1].second) {
          pair[0] = blocks[i - 1].second, pair[1] = blocks[i].second, state = blocks[i].first;
        }
      }
    }
    std::vector<std::u16string> longer;
    for (const auto& name : names) {
      longer.insert(longer.end(), {name + Block(pair[0]), name + Block(pair[1])});
    }
    names.swap(longer);
  }
  return names;
}

std::vector<std::u16string> RandomNames() {
  std::mt19937 random(2u);
  std::vector<std::u16string> names(std::size_t{1} << kLevels);
  for (auto& name : names) {
    for (int i = 0; i < kLevels; ++i) name += Block(random());
  }
  return names;
}

// The channel form of a Headers (name and value per entry), a Flags (names)
// or a MailFetchPlan (names, then the bits).
std::vector<unsigned char> FormOf(const std::vector<std::u16string>& names, bool values,
                                  bool bits) {
  Strata::MemoryOBinaryChannel memory;
  Strata::OChannelX channel(memory);
  channel.WriteUnsignedInt(static_cast<unsigned int>(names.size()));
  for (const auto& name : names) {
    channel.WriteUniString(Strata::UniString(name));
    if (values) channel.WriteUniString("value");
  }
  if (bits) channel.WriteUnsignedInt(1);
  return {memory.GetBuffer(), memory.GetBuffer() + memory.GetSize()};
}

const std::vector<std::u16string>& Names(bool colliding) {
  static const std::vector<std::u16string> collidingNames = CollidingNames();
  static const std::vector<std::u16string> randomNames = RandomNames();
  return colliding ? collidingNames : randomNames;
}

template <typename T>
Operation Read(bool colliding, bool values, bool bits) {
  return [bytes = FormOf(Names(colliding), values, bits)](std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      Strata::MemoryIBinaryChannel memory(bytes.data(), static_cast<unsigned int>(bytes.size()));
      Strata::IChannelX channel(memory);
      T read;
      read.Read(channel);
      benchmark::DoNotOptimize(read);
    }
  };
}

QUORUM_BENCHMARK_CASE("ours.HeadersRead.colliding", 1,
                      [] { return Read<Headers>(true, true, false); });
QUORUM_BENCHMARK_CASE("ours.HeadersRead.random", 1,
                      [] { return Read<Headers>(false, true, false); });
QUORUM_BENCHMARK_CASE("ours.FlagsRead.colliding", 1,
                      [] { return Read<Flags>(true, false, false); });
QUORUM_BENCHMARK_CASE("ours.FlagsRead.random", 1, [] { return Read<Flags>(false, false, false); });
QUORUM_BENCHMARK_CASE("ours.FetchPlanRead.colliding", 1,
                      [] { return Read<MailFetchPlan>(true, false, true); });
QUORUM_BENCHMARK_CASE("ours.FetchPlanRead.random", 1,
                      [] { return Read<MailFetchPlan>(false, false, true); });

}  // namespace
}  // namespace QuorumBenchmarks
