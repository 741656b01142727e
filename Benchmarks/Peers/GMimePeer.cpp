// The look-up and address workloads through GMime: its header list holding
// the same names and values as our Headers (g_mime_header_list_get_header,
// names asked for in the same shuffled order), the easy set, get and remove
// measured before, and its address list parser on the same addresses in its
// own syntax.
#include <benchmark/benchmark.h>
#include <gmime/gmime.h>

#include <memory>
#include <string>
#include <vector>

#include "Comparison.h"
#include "Workloads.h"

namespace QuorumBenchmarks {
namespace {

void SetUpGMime() {
  static const bool initialised = [] {
    g_mime_init();
    return true;
  }();
  (void)initialised;
}

struct ListReleaser {
  void operator()(GMimeHeaderList* list) const noexcept { g_object_unref(list); }
};
using HeaderList = std::shared_ptr<GMimeHeaderList>;

HeaderList NewList() {
  SetUpGMime();
  return HeaderList(g_mime_header_list_new(nullptr), ListReleaser());
}

// Calls lookUp(name) for the names in turn, starting over after the last.
template <typename LookUp>
Operation LookUps(std::vector<std::string> names, LookUp lookUp) {
  return [names = std::move(names), lookUp, next = std::size_t{0}](std::size_t count) mutable {
    for (std::size_t i = 0; i < count; ++i) {
      lookUp(names[next].c_str());
      if (++next == names.size()) next = 0;
    }
  };
}

Operation HeaderGet(unsigned int count) {
  HeaderList list = NewList();
  for (unsigned int n = 1; n <= count; ++n) {
    g_mime_header_list_append(list.get(), HeaderName(n).c_str(), HeaderValue(n).c_str(), nullptr);
  }
  std::vector<std::string> names;
  for (const unsigned int i : ShuffledOrder(count)) names.push_back(HeaderName(i + 1));
  return LookUps(std::move(names), [list](const char* name) {
    benchmark::DoNotOptimize(g_mime_header_list_get_header(list.get(), name));
  });
}

QUORUM_BENCHMARK_CASE("gmime.HeaderGet.100", 1000, [] { return HeaderGet(100); });
QUORUM_BENCHMARK_CASE("gmime.HeaderGet.100000", 100000, [] { return HeaderGet(100000); });

std::vector<std::string> Names(unsigned int count, const char* prefix) {
  std::vector<std::string> names;
  for (unsigned int i = 0; i < count; ++i) names.push_back(prefix + std::to_string(i));
  return names;
}

HeaderList EasyList(unsigned int count) {
  HeaderList list = NewList();
  for (const auto& name : Names(count, "X-Header-")) {
    g_mime_header_list_append(list.get(), name.c_str(), "value", nullptr);
  }
  return list;
}

Operation EasySet(unsigned int count) {
  HeaderList list = EasyList(count);
  return LookUps(Names(count, "X-HEADER-"), [list](const char* name) {
    g_mime_header_list_set(list.get(), name, "other value", nullptr);
  });
}

Operation EasyGet(unsigned int count) {
  HeaderList list = EasyList(count);
  return LookUps(Names(count, "x-header-"), [list](const char* name) {
    benchmark::DoNotOptimize(g_mime_header_list_get_header(list.get(), name));
  });
}

Operation EasyRemove(unsigned int count) {
  HeaderList list = EasyList(count);
  return LookUps(Names(count, "X-Header-"), [list](const char* name) {
    benchmark::DoNotOptimize(g_mime_header_list_remove(list.get(), name));
    g_mime_header_list_append(list.get(), name, "value", nullptr);
  });
}

QUORUM_BENCHMARK_CASE("gmime.HeaderSet.100", 1000, [] { return EasySet(100); });
QUORUM_BENCHMARK_CASE("gmime.HeaderSet.100000", 1000, [] { return EasySet(100000); });
QUORUM_BENCHMARK_CASE("gmime.EasyHeaderGet.100", 1000, [] { return EasyGet(100); });
QUORUM_BENCHMARK_CASE("gmime.EasyHeaderGet.100000", 1000, [] { return EasyGet(100000); });
QUORUM_BENCHMARK_CASE("gmime.HeaderRemove.100", 1000, [] { return EasyRemove(100); });
QUORUM_BENCHMARK_CASE("gmime.HeaderRemove.100000", 1000, [] { return EasyRemove(100000); });

QUORUM_BENCHMARK_CASE("gmime.AddressListParse.100", 100, [] {
  SetUpGMime();
  std::string text;
  for (int i = 0; i < 100; ++i) {
    if (i != 0) text += ", ";
    text +=
        "\"Personal Name " + std::to_string(i) + "\" <user" + std::to_string(i) + "@example.org>";
  }
  return Operation([text](std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      InternetAddressList* list = internet_address_list_parse(nullptr, text.c_str());
      benchmark::DoNotOptimize(list);
      g_object_unref(list);
    }
  });
});

}  // namespace
}  // namespace QuorumBenchmarks
