// AddressList text form at growing sizes; time per address should stay flat
// (the complexity fit should report O(N)). Addresses_ParseAndDestroy is the
// list of the GMime peer's workload, parsed and destroyed at 100 and 500,000
// addresses.
#include <benchmark/benchmark.h>

#include "Quorum/Server/Mail/AddressList.h"

using namespace Quorum::Server::Mail;

namespace {

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

// "Personal Name N" <:userN:example.org> joined by ';'.
Strata::UniString SimpleList(unsigned int count) {
  Strata::UniString text;
  for (unsigned int i = 0; i < count; ++i) {
    if (i != 0) text.Append(u';');
    text.Append(Strata::UniString::Format("\"Personal Name %u\" <:user%u:example.org>", i, i));
  }
  return text;
}

void Addresses_ParseAndDestroy(benchmark::State& state) {
  const Strata::UniString text = SimpleList(static_cast<unsigned int>(state.range(0)));
  for (auto _ : state) {
    AddressList parsed;
    benchmark::DoNotOptimize(AddressList::Parse(text, parsed));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(AddressListToString)->RangeMultiplier(10)->Range(10, 100000)->Complexity();
BENCHMARK(AddressListParse)->RangeMultiplier(10)->Range(10, 100000)->Complexity();
BENCHMARK(Addresses_ParseAndDestroy)->Arg(100)->Arg(500000);
