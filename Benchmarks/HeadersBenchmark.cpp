// Per-operation cost of the case-insensitive collections: Set, Get and Remove
// should cost the same with 100 or 100,000 entries (Peers/ holds GMime's
// header list at the same counts), BodyParts::Get should match a standard
// unordered_map, and Parameters text forms should grow linearly.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "Quorum/Server/Mail/BodyPart.h"
#include "Quorum/Server/Mail/BodyParts.h"
#include "Quorum/Server/Mail/Flags.h"
#include "Quorum/Server/Mail/Header.h"
#include "Quorum/Server/Mail/Headers.h"
#include "Quorum/Server/Mail/Parameters.h"

using Quorum::Server::Mail::BodyPart;
using Quorum::Server::Mail::BodyParts;
using Quorum::Server::Mail::Flags;
using Quorum::Server::Mail::Header;
using Quorum::Server::Mail::Headers;
using Quorum::Server::Mail::Parameter;
using Quorum::Server::Mail::Parameters;
using Strata::UniString;

namespace {

std::vector<UniString> Names(int count, const char* prefix) {
  std::vector<UniString> names;
  for (int i = 0; i < count; ++i) names.emplace_back((prefix + std::to_string(i)).c_str());
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
void Filled(Ops& ops, const std::vector<UniString>& names) {
  for (const UniString& name : names) ops.Set(name);
}

// Replaces an existing entry, named in another case.
template <typename Ops>
void Set(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::vector<UniString> upper = Names(count, "X-HEADER-");
  Ops ops;
  Filled(ops, Names(count, "X-Header-"));
  std::size_t i = 0;
  for (auto _ : state) {
    ops.Set(upper[i]);
    if (++i == upper.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}

template <typename Ops>
void Get(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::vector<UniString> lower = Names(count, "x-header-");
  Ops ops;
  Filled(ops, Names(count, "X-Header-"));
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ops.Get(lower[i]));
    if (++i == lower.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}

// Removes an entry and sets it again, so the size stays the same.
template <typename Ops>
void Remove(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::vector<UniString> names = Names(count, "X-Header-");
  Ops ops;
  Filled(ops, names);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ops.Remove(names[i]));
    ops.Set(names[i]);
    if (++i == names.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}

void Lookup_HeadersSet(benchmark::State& state) { Set<HeadersOps>(state); }
void Lookup_HeadersGet(benchmark::State& state) { Get<HeadersOps>(state); }
void Lookup_HeadersRemove(benchmark::State& state) { Remove<HeadersOps>(state); }
void Lookup_ParametersSet(benchmark::State& state) { Set<ParametersOps>(state); }
void Lookup_ParametersGet(benchmark::State& state) { Get<ParametersOps>(state); }
void Lookup_ParametersRemove(benchmark::State& state) { Remove<ParametersOps>(state); }
void Lookup_FlagsSet(benchmark::State& state) { Set<FlagsOps>(state); }
void Lookup_FlagsGet(benchmark::State& state) { Get<FlagsOps>(state); }
void Lookup_FlagsRemove(benchmark::State& state) { Remove<FlagsOps>(state); }

void Lookup_BodyPartsGet(benchmark::State& state) {
  const std::vector<UniString> names = Names(static_cast<int>(state.range(0)), "part-");
  BodyParts parts;
  for (const UniString& name : names) parts.Add(Strata::MakeRef<BodyPart>(name));
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(parts.Get(names[i]));
    if (++i == names.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}

void Lookup_UnorderedMapGet(benchmark::State& state) {
  const std::vector<UniString> names = Names(static_cast<int>(state.range(0)), "part-");
  std::unordered_map<std::u16string, std::shared_ptr<BodyPart>> parts;
  for (const UniString& name : names) {
    parts.emplace(name.GetUnits(), std::make_shared<BodyPart>(name));
  }
  std::vector<std::u16string> keys;
  for (const UniString& name : names) keys.emplace_back(name.GetUnits());
  std::size_t i = 0;
  for (auto _ : state) {
    auto found = parts.find(keys[i]);
    benchmark::DoNotOptimize(found == parts.end() ? nullptr : found->second);
    if (++i == keys.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}

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

BENCHMARK(Lookup_HeadersSet)->Arg(100)->Arg(100000);
BENCHMARK(Lookup_HeadersGet)->Arg(100)->Arg(100000);
BENCHMARK(Lookup_HeadersRemove)->Arg(100)->Arg(100000);
BENCHMARK(Lookup_ParametersSet)->Arg(100)->Arg(100000);
BENCHMARK(Lookup_ParametersGet)->Arg(100)->Arg(100000);
BENCHMARK(Lookup_ParametersRemove)->Arg(100)->Arg(100000);
BENCHMARK(Lookup_FlagsSet)->Arg(100)->Arg(100000);
BENCHMARK(Lookup_FlagsGet)->Arg(100)->Arg(100000);
BENCHMARK(Lookup_FlagsRemove)->Arg(100)->Arg(100000);
BENCHMARK(Lookup_BodyPartsGet)->Arg(100)->Arg(100000);
BENCHMARK(Lookup_UnorderedMapGet)->Arg(100)->Arg(100000);
BENCHMARK(ParametersToString)->RangeMultiplier(8)->Range(8, 32768)->Complexity(benchmark::oN);
BENCHMARK(ParametersParse)->RangeMultiplier(8)->Range(8, 32768)->Complexity(benchmark::oN);
