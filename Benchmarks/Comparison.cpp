#include "Comparison.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define QUORUM_HAVE_CALLGRIND 1
#endif

namespace QuorumBenchmarks {

std::vector<Case>& Cases() {
  static std::vector<Case> cases;
  return cases;
}

const Case* FindCase(const std::string& name) {
  for (const Case& c : Cases()) {
    if (c.name == name) return &c;
  }
  return nullptr;
}

CaseRegistration::CaseRegistration(std::string name, std::size_t countedOperations,
                                   std::function<Operation()> setUp) {
  if (FindCase(name) != nullptr) {
    std::fprintf(stderr, "two benchmark cases are named %s\n", name.c_str());
    std::abort();
  }
  Cases().push_back(Case{std::move(name), std::move(setUp), countedOperations});
}

namespace {

using Clock = std::chrono::steady_clock;

double SecondsOf(const Operation& operation, std::size_t count) {
  const Clock::time_point start = Clock::now();
  operation(count);
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The number of operations that take about `target` seconds (at least one),
// found by doubling and then scaling from the last try.
std::size_t BatchFor(const Operation& operation, double target) {
  operation(1);  // first use: lazy set-up, cold caches
  std::size_t count = 1;
  for (;;) {
    const double seconds = SecondsOf(operation, count);
    if (seconds >= target || count >= (std::size_t{1} << 30)) return count;
    if (seconds > target / 16) {
      return std::max<std::size_t>(count,
                                   static_cast<std::size_t>(std::ceil(count * target / seconds)));
    }
    count *= 2;
  }
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Measured {
  double minimumRatio;
  double medianRatio;
  double oursMedian;  // seconds per item
  double baselineMedian;
};

Measured Measure(const Row& row, const Operation& ours, const Operation& baseline,
                 const CompareOptions& options) {
  const std::size_t oursBatch = BatchFor(ours, options.batchSeconds);
  const std::size_t baselineBatch = BatchFor(baseline, options.batchSeconds);
  std::vector<double> oursTimes;
  std::vector<double> baselineTimes;
  std::vector<double> ratios;
  for (int round = 0; round < options.rounds; ++round) {
    double oursSeconds = 0;
    double baselineSeconds = 0;
    if (round % 2 == 0) {
      oursSeconds = SecondsOf(ours, oursBatch);
      baselineSeconds = SecondsOf(baseline, baselineBatch);
    } else {
      baselineSeconds = SecondsOf(baseline, baselineBatch);
      oursSeconds = SecondsOf(ours, oursBatch);
    }
    const double a = oursSeconds / (static_cast<double>(oursBatch) * row.oursItems);
    const double b = baselineSeconds / (static_cast<double>(baselineBatch) * row.baselineItems);
    if (options.verbose) std::fprintf(stderr, "  round %d: %.4g %.4g %.3f\n", round, a, b, a / b);
    oursTimes.push_back(a);
    baselineTimes.push_back(b);
    ratios.push_back(a / b);
  }
  return {*std::min_element(oursTimes.begin(), oursTimes.end()) /
              *std::min_element(baselineTimes.begin(), baselineTimes.end()),
          Median(ratios), Median(oursTimes), Median(baselineTimes)};
}

bool Selected(const Row& row, const CompareOptions& options) {
  if (options.primaryOnly && !row.primary) return false;
  return options.filter.empty() || row.title.find(options.filter) != std::string::npos ||
         row.ours.find(options.filter) != std::string::npos ||
         row.baseline.find(options.filter) != std::string::npos;
}

// "1.2 us" for a time in seconds.
std::string Readable(double seconds) {
  const char* units[] = {"s", "ms", "us", "ns"};
  int unit = 0;
  while (unit < 3 && seconds < 1) {
    seconds *= 1000;
    ++unit;
  }
  char text[32];
  std::snprintf(text, sizeof text, "%.3g %s", seconds, units[unit]);
  return text;
}

}  // namespace

int RunComparisons(const CompareOptions& options) {
  if (!options.tsv) {
    std::printf("%-66s %7s %7s  %-8s %s\n", "workload (ours / baseline, time)", "min", "median",
                "goal", "met");
  }
  for (const Row& row : ReportRows()) {
    if (!Selected(row, options)) continue;
    const Case* ours = FindCase(row.ours);
    const Case* baseline = FindCase(row.baseline);
    char goal[16];
    std::snprintf(goal, sizeof goal, "<= %.2g", row.limit);
    if (ours == nullptr || baseline == nullptr) {
      if (options.tsv) {
        std::printf("%s\t%s\t%s\t%g\t%g\t%g\t%d\t-\t-\n", row.title.c_str(), row.ours.c_str(),
                    row.baseline.c_str(), row.oursItems, row.baselineItems, row.limit,
                    row.counted ? 1 : 0);
      } else {
        std::printf("%-66s %7s %7s  %-8s no peer\n", row.title.c_str(), "-", "-", goal);
      }
      std::fflush(stdout);
      continue;
    }
    const Operation oursOperation = ours->setUp();
    const Operation baselineOperation = baseline->setUp();
    const Measured m = Measure(row, oursOperation, baselineOperation, options);
    if (options.tsv) {
      std::printf("%s\t%s\t%s\t%g\t%g\t%g\t%d\t%.4f\t%.4f\n", row.title.c_str(), row.ours.c_str(),
                  row.baseline.c_str(), row.oursItems, row.baselineItems, row.limit,
                  row.counted ? 1 : 0, m.minimumRatio, m.medianRatio);
    } else {
      std::printf("%-66s %7.2f %7.2f  %-8s %s   (%s / %s)\n", row.title.c_str(), m.minimumRatio,
                  m.medianRatio, goal, m.medianRatio <= row.limit ? "yes" : "NO",
                  Readable(m.oursMedian).c_str(), Readable(m.baselineMedian).c_str());
    }
    std::fflush(stdout);
  }
  return 0;
}

int CountCase(const std::string& name, std::size_t operations) {
#ifdef QUORUM_HAVE_CALLGRIND
  const Case* found = FindCase(name);
  if (found == nullptr) {
    std::fprintf(stderr, "no case named %s\n", name.c_str());
    return 2;
  }
  const std::size_t count = operations != 0 ? operations : found->countedOperations;
  const Operation operation = found->setUp();
  operation(1);  // first use, not counted
  CALLGRIND_START_INSTRUMENTATION;
  operation(count);
  CALLGRIND_STOP_INSTRUMENTATION;
  std::printf("%s\t%zu\n", name.c_str(), count);
  return 0;
#else
  std::fprintf(stderr,
               "instruction counts need valgrind's <valgrind/callgrind.h> at build time "
               "(apt-get install valgrind); %s not counted (%zu)\n",
               name.c_str(), operations);
  return 3;
#endif
}

}  // namespace QuorumBenchmarks
