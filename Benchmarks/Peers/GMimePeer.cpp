// The same workloads through GMime, for the ratios Benchmarks/report prints:
// header list look-ups at 100 and 100,000 entries and address list parsing.
#include <benchmark/benchmark.h>
#include <gmime/gmime.h>

#include <string>
#include <vector>

namespace {

struct GMimeSetUp {
  GMimeSetUp() { g_mime_init(); }
};

std::vector<std::string> Names(int count, const char* prefix) {
  static GMimeSetUp setUp;
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.push_back(prefix + std::to_string(i));
  return names;
}

GMimeHeaderList* Filled(const std::vector<std::string>& names) {
  GMimeHeaderList* list = g_mime_header_list_new(nullptr);
  for (const auto& name : names) g_mime_header_list_append(list, name.c_str(), "value", nullptr);
  return list;
}

void Peer_GMimeHeaderSet(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const auto upper = Names(count, "X-HEADER-");
  GMimeHeaderList* list = Filled(Names(count, "X-Header-"));
  std::size_t i = 0;
  for (auto _ : state) {
    g_mime_header_list_set(list, upper[i].c_str(), "other value", nullptr);
    if (++i == upper.size()) i = 0;
  }
  g_object_unref(list);
}

void Peer_GMimeHeaderGet(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const auto lower = Names(count, "x-header-");
  GMimeHeaderList* list = Filled(Names(count, "X-Header-"));
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(g_mime_header_list_get_header(list, lower[i].c_str()));
    if (++i == lower.size()) i = 0;
  }
  g_object_unref(list);
}

void Peer_GMimeHeaderRemove(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const auto names = Names(count, "X-Header-");
  GMimeHeaderList* list = Filled(names);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(g_mime_header_list_remove(list, names[i].c_str()));
    g_mime_header_list_append(list, names[i].c_str(), "value", nullptr);
    if (++i == names.size()) i = 0;
  }
  g_object_unref(list);
}

void Peer_GMimeAddressListParse(benchmark::State& state) {
  Names(0, "");
  std::string text;
  for (int i = 0; i < state.range(0); ++i) {
    if (i != 0) text += ", ";
    text +=
        "\"Personal Name " + std::to_string(i) + "\" <user" + std::to_string(i) + "@example.org>";
  }
  for (auto _ : state) {
    InternetAddressList* list = internet_address_list_parse(nullptr, text.c_str());
    benchmark::DoNotOptimize(list);
    g_object_unref(list);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(Peer_GMimeHeaderSet)->Arg(100)->Arg(100000);
BENCHMARK(Peer_GMimeHeaderGet)->Arg(100)->Arg(100000);
BENCHMARK(Peer_GMimeHeaderRemove)->Arg(100)->Arg(100000);
BENCHMARK(Peer_GMimeAddressListParse)->Arg(100);
