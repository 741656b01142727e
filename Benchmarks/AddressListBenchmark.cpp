// AddressList text form at growing sizes; time per address should stay flat
// (the complexity fit should report O(N)).
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

}  // namespace

BENCHMARK(AddressListToString)->RangeMultiplier(10)->Range(10, 100000)->Complexity();
BENCHMARK(AddressListParse)->RangeMultiplier(10)->Range(10, 100000)->Complexity();
