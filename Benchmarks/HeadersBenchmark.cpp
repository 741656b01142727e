// Per-operation cost of the case-insensitive collections: Set, Get and Remove
// should cost the same with 10 or 100,000 headers, and Parameters text forms
// should grow linearly with the number of parameters.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "Quorum/Server/Mail/Header.h"
#include "Quorum/Server/Mail/Headers.h"
#include "Quorum/Server/Mail/Parameters.h"

using Quorum::Server::Mail::Header;
using Quorum::Server::Mail::Headers;
using Quorum::Server::Mail::Parameters;
using Strata::UniString;

namespace {

std::vector<UniString> Names(int count, const char* prefix) {
  std::vector<UniString> names;
  for (int i = 0; i < count; ++i) names.emplace_back((prefix + std::to_string(i)).c_str());
  return names;
}

Headers Filled(const std::vector<UniString>& names) {
  Headers headers;
  for (const UniString& name : names) headers.Set(name, "value");
  return headers;
}

// Replaces an existing header, looked up in another case.
void HeadersSet(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::vector<UniString> names = Names(count, "X-Header-");
  const std::vector<UniString> upper = Names(count, "X-HEADER-");
  Headers headers = Filled(names);
  std::size_t i = 0;
  for (auto _ : state) {
    headers.Set(upper[i], "other value");
    if (++i == upper.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}

void HeadersGet(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::vector<UniString> lower = Names(count, "x-header-");
  const Headers headers = Filled(Names(count, "X-Header-"));
  Header found;
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(headers.Get(lower[i], found));
    if (++i == lower.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}

// Removes a header and sets it again, so the size stays the same.
void HeadersRemoveAndSet(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::vector<UniString> names = Names(count, "X-Header-");
  Headers headers = Filled(names);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(headers.Remove(names[i]));
    headers.Set(names[i], "value");
    if (++i == names.size()) i = 0;
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

BENCHMARK(HeadersSet)->Arg(10)->Arg(100000);
BENCHMARK(HeadersGet)->Arg(10)->Arg(100000);
BENCHMARK(HeadersRemoveAndSet)->Arg(10)->Arg(100000);
BENCHMARK(ParametersToString)->RangeMultiplier(8)->Range(8, 32768)->Complexity(benchmark::oN);
BENCHMARK(ParametersParse)->RangeMultiplier(8)->Range(8, 32768)->Complexity(benchmark::oN);
