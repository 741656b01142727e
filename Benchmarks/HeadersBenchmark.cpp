// Look-ups in the case-insensitive collections at 100 and 100,000 entries
// (Peers/ holds GMime's header list with the same names and values):
// Headers::Get into a Header and Headers::Find over headers named X-Header-N
// with 40-character values, names asked for in a shuffled order; and the easy
// Set, Get and Remove of Headers, Parameters and Flags measured before, with
// BodyParts::Get against a standard unordered_map. Parameters text forms
// should grow linearly (plain Google Benchmark cases).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "Comparison.h"
#include "Quorum/Server/Mail/BodyPart.h"
#include "Quorum/Server/Mail/BodyParts.h"
#include "Quorum/Server/Mail/Flags.h"
#include "Quorum/Server/Mail/Header.h"
#include "Quorum/Server/Mail/Headers.h"
#include "Quorum/Server/Mail/Parameters.h"
#include "Workloads.h"

namespace QuorumBenchmarks {
namespace {

using Quorum::Server::Mail::BodyPart;
using Quorum::Server::Mail::BodyParts;
using Quorum::Server::Mail::Flags;
using Quorum::Server::Mail::Header;
using Quorum::Server::Mail::Headers;
using Quorum::Server::Mail::Parameter;
using Quorum::Server::Mail::Parameters;
using Strata::UniString;

// The names of X-Header-1 ... X-Header-count in the shuffled order.
std::vector<UniString> ShuffledNames(unsigned int count) {
  std::vector<UniString> names;
  for (const unsigned int i : ShuffledOrder(count)) names.emplace_back(HeaderName(i + 1).c_str());
  return names;
}

std::shared_ptr<Headers> RealisticHeaders(unsigned int count) {
  auto headers = std::make_shared<Headers>();
  for (unsigned int n = 1; n <= count; ++n) {
    headers->Set(HeaderName(n).c_str(), HeaderValue(n).c_str());
  }
  return headers;
}

// Look-ups of the names in turn, starting over after the last.
template <typename LookUp>
Operation LookUps(std::vector<UniString> names, LookUp lookUp) {
  return [names = std::move(names), lookUp, next = std::size_t{0}](std::size_t count) mutable {
    for (std::size_t i = 0; i < count; ++i) {
      lookUp(names[next]);
      if (++next == names.size()) next = 0;
    }
  };
}

Operation HeadersGet(unsigned int count) {
  auto headers = RealisticHeaders(count);
  auto found = std::make_shared<Header>();
  return LookUps(ShuffledNames(count), [headers, found](const UniString& name) {
    benchmark::DoNotOptimize(headers->Get(name, *found));
  });
}

Operation HeadersFind(unsigned int count) {
  auto headers = RealisticHeaders(count);
  return LookUps(ShuffledNames(count), [headers](const UniString& name) {
    benchmark::DoNotOptimize(headers->Find(name));
  });
}

QUORUM_BENCHMARK_CASE("ours.HeadersGet.100", 1000, [] { return HeadersGet(100); });
QUORUM_BENCHMARK_CASE("ours.HeadersGet.100000", 100000, [] { return HeadersGet(100000); });
QUORUM_BENCHMARK_CASE("ours.HeadersFind.100", 1000, [] { return HeadersFind(100); });
QUORUM_BENCHMARK_CASE("ours.HeadersFind.100000", 100000, [] { return HeadersFind(100000); });

// The easy look-ups: names X-Header-0 ... with the value "value", asked for
// in order.
std::vector<UniString> Names(unsigned int count, const char* prefix) {
  std::vector<UniString> names;
  for (unsigned int i = 0; i < count; ++i) names.emplace_back((prefix + std::to_string(i)).c_str());
  return names;
}

// Set, Get and Remove for each collection, in one form.
struct HeadersOps {
  Headers table;
  Header found;
  void Set(const UniString& name) { table.Set(name, "value"); }
  bool Get(const UniString& name) { return table.Get(name, found); }
  bool Remove(const UniString& name) { return table.Remove(name); }
};
struct ParametersOps {
  Parameters table;
  Parameter found;
  void Set(const UniString& name) { table.Set(name, "value"); }
  bool Get(const UniString& name) { return table.Get(name, found); }
  bool Remove(const UniString& name) { return table.Remove(name); }
};
struct FlagsOps {
  Flags table;
  void Set(const UniString& name) { table.Set(name); }
  bool Get(const UniString& name) { return table.Contains(name); }
  bool Remove(const UniString& name) { return table.Remove(name); }
};

template <typename Ops>
std::shared_ptr<Ops> Filled(unsigned int count) {
  auto ops = std::make_shared<Ops>();
  for (const UniString& name : Names(count, "X-Header-")) ops->Set(name);
  return ops;
}

// Replaces an existing entry, named in another case.
template <typename Ops>
Operation EasySet(unsigned int count) {
  auto ops = Filled<Ops>(count);
  return LookUps(Names(count, "X-HEADER-"), [ops](const UniString& name) { ops->Set(name); });
}

template <typename Ops>
Operation EasyGet(unsigned int count) {
  auto ops = Filled<Ops>(count);
  return LookUps(Names(count, "x-header-"),
                 [ops](const UniString& name) { benchmark::DoNotOptimize(ops->Get(name)); });
}

// Removes an entry and sets it again, so the size stays the same.
template <typename Ops>
Operation EasyRemove(unsigned int count) {
  auto ops = Filled<Ops>(count);
  return LookUps(Names(count, "X-Header-"), [ops](const UniString& name) {
    benchmark::DoNotOptimize(ops->Remove(name));
    ops->Set(name);
  });
}

#define QUORUM_EASY_CASES(Kind, count)                             \
  QUORUM_BENCHMARK_CASE("ours.Easy" #Kind "Set." #count, 1000,     \
                        [] { return EasySet<Kind##Ops>(count); }); \
  QUORUM_BENCHMARK_CASE("ours.Easy" #Kind "Get." #count, 1000,     \
                        [] { return EasyGet<Kind##Ops>(count); }); \
  QUORUM_BENCHMARK_CASE("ours.Easy" #Kind "Remove." #count, 1000,  \
                        [] { return EasyRemove<Kind##Ops>(count); })

QUORUM_EASY_CASES(Headers, 100);
QUORUM_EASY_CASES(Headers, 100000);
QUORUM_EASY_CASES(Parameters, 100);
QUORUM_EASY_CASES(Parameters, 100000);
QUORUM_EASY_CASES(Flags, 100);
QUORUM_EASY_CASES(Flags, 100000);

Operation BodyPartsGet(unsigned int count) {
  auto parts = std::make_shared<BodyParts>();
  const std::vector<UniString> names = Names(count, "part-");
  for (const UniString& name : names) parts->Add(Strata::MakeRef<BodyPart>(name));
  return LookUps(names,
                 [parts](const UniString& name) { benchmark::DoNotOptimize(parts->Get(name)); });
}

Operation UnorderedMapGet(unsigned int count) {
  using Map = std::unordered_map<std::u16string, std::shared_ptr<BodyPart>>;
  auto parts = std::make_shared<Map>();
  const std::vector<UniString> names = Names(count, "part-");
  for (const UniString& name : names) {
    parts->emplace(name.GetUnits(), std::make_shared<BodyPart>(name));
  }
  auto keys = std::make_shared<std::vector<std::u16string>>();
  for (const UniString& name : names) keys->emplace_back(name.GetUnits());
  return [parts, keys, next = std::size_t{0}](std::size_t count) mutable {
    for (std::size_t i = 0; i < count; ++i) {
      const auto found = parts->find((*keys)[next]);
      benchmark::DoNotOptimize(found == parts->end() ? nullptr : found->second);
      if (++next == keys->size()) next = 0;
    }
  };
}

QUORUM_BENCHMARK_CASE("ours.BodyPartsGet.100", 1000, [] { return BodyPartsGet(100); });
QUORUM_BENCHMARK_CASE("ours.BodyPartsGet.100000", 1000, [] { return BodyPartsGet(100000); });
QUORUM_BENCHMARK_CASE("baseline.UnorderedMapGet.100", 1000, [] { return UnorderedMapGet(100); });
QUORUM_BENCHMARK_CASE("baseline.UnorderedMapGet.100000", 1000,
                      [] { return UnorderedMapGet(100000); });

Parameters ManyParameters(int count) {
  Parameters parameters;
  for (int i = 0; i < count; ++i) {
    parameters.Set(UniString(("name-" + std::to_string(i)).c_str()), "a \"quoted\"; value\\");
  }
  return parameters;
}

void ParametersToString(benchmark::State& state) {
  const Parameters parameters = ManyParameters(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(parameters.ToString());
  state.SetComplexityN(state.range(0));
}

void ParametersParse(benchmark::State& state) {
  const UniString text = ManyParameters(static_cast<int>(state.range(0))).ToString();
  for (auto _ : state) {
    Parameters parsed;
    benchmark::DoNotOptimize(Parameters::Parse(text, parsed));
  }
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(state.iterations() * text.GetLength() * 2);
}

}  // namespace
}  // namespace QuorumBenchmarks

BENCHMARK(QuorumBenchmarks::ParametersToString)
    ->RangeMultiplier(8)
    ->Range(8, 32768)
    ->Complexity(benchmark::oN);
BENCHMARK(QuorumBenchmarks::ParametersParse)
    ->RangeMultiplier(8)
    ->Range(8, 32768)
    ->Complexity(benchmark::oN);
