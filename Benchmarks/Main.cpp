// MailBenchmarks runs in one of three modes:
//   MailBenchmarks [--benchmark_...]     the plain Google Benchmark cases
//   MailBenchmarks --compare [--rounds N] [--batch-ms M] [--filter TEXT]
//                  [--primary] [--tsv] [--verbose]   the side-by-side rows (Comparison.h)
//   MailBenchmarks --count CASE [--operations N]
//                                        one case for callgrind (run it under
//                                        valgrind --tool=callgrind
//                                        --instr-atstart=no)
//   MailBenchmarks --list                the names of the registered cases
// Benchmarks/report runs the last three and prints one table.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Comparison.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: MailBenchmarks [--benchmark_...] | --compare [--rounds N] "
               "[--batch-ms M] [--filter TEXT] [--primary] [--tsv] [--verbose] | --count CASE "
               "[--operations N] | --list\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace QuorumBenchmarks;
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "--compare") {
    CompareOptions options;
    for (int i = 2; i < argc; ++i) {
      const std::string option = argv[i];
      const bool hasValue = i + 1 < argc;
      if (option == "--rounds" && hasValue) {
        options.rounds = std::max(1, std::atoi(argv[++i]));
      } else if (option == "--batch-ms" && hasValue) {
        options.batchSeconds = std::atof(argv[++i]) / 1000;
      } else if (option == "--filter" && hasValue) {
        options.filter = argv[++i];
      } else if (option == "--primary") {
        options.primaryOnly = true;
      } else if (option == "--tsv") {
        options.tsv = true;
      } else if (option == "--verbose") {
        options.verbose = true;
      } else {
        return Usage();
      }
    }
    return RunComparisons(options);
  }
  if (mode == "--count") {
    if (argc != 3 && !(argc == 5 && std::string(argv[3]) == "--operations")) return Usage();
    return CountCase(argv[2], argc == 5 ? std::strtoull(argv[4], nullptr, 10) : 0);
  }
  if (mode == "--list") {
    for (const Case& c : Cases()) std::printf("%s\n", c.name.c_str());
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return Usage();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
