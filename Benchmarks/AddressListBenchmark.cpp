// AddressList text form at growing sizes; time per address should stay flat
// (the complexity fit should report O(N)). And the list of the GMime peer's
// workload, "Personal Name N" <:userN:example.org> joined by ';', parsed and
// destroyed at 100 and 500,000 addresses.
#include <benchmark/benchmark.h>

#include "Comparison.h"
#include "Quorum/Server/Mail/AddressList.h"

namespace QuorumBenchmarks {
namespace {

using namespace Quorum::Server::Mail;

AddressList MakeList(unsigned int count) {
  const MailboxId id(Strata::UniString("Projects/Team:Inbox:owner:42"));
  AddressList list;
  for (unsigned int i = 0; i < count; ++i) {
    list.Append(Address(id, Strata::UniString::Format("Doe; \"John\" \\%u <x>", i)));
  }
  return list;
}

void AddressListToString(benchmark::State& state) {
  const AddressList list = MakeList(static_cast<unsigned int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(list.ToString());
  state.SetComplexityN(state.range(0));
}

void AddressListParse(benchmark::State& state) {
  const Strata::UniString text = MakeList(static_cast<unsigned int>(state.range(0))).ToString();
  for (auto _ : state) {
    AddressList parsed;
    benchmark::DoNotOptimize(AddressList::Parse(text, parsed));
  }
  state.SetComplexityN(state.range(0));
}

Strata::UniString SimpleList(unsigned int count) {
  Strata::UniString text;
  for (unsigned int i = 0; i < count; ++i) {
    if (i != 0) text.Append(u';');
    text.Append(Strata::UniString::Format("\"Personal Name %u\" <:user%u:example.org>", i, i));
  }
  return text;
}

Operation ParseAndDestroy(unsigned int addresses) {
  return [text = SimpleList(addresses)](std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      AddressList parsed;
      benchmark::DoNotOptimize(AddressList::Parse(text, parsed));
    }
  };
}

QUORUM_BENCHMARK_CASE("ours.AddressListParse.100", 100, [] { return ParseAndDestroy(100); });
QUORUM_BENCHMARK_CASE("ours.AddressListParse.500000", 1, [] { return ParseAndDestroy(500000); });

}  // namespace
}  // namespace QuorumBenchmarks

BENCHMARK(QuorumBenchmarks::AddressListToString)
    ->RangeMultiplier(10)
    ->Range(10, 100000)
    ->Complexity();
BENCHMARK(QuorumBenchmarks::AddressListParse)->RangeMultiplier(10)->Range(10, 100000)->Complexity();
