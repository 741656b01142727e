// Side-by-side measurement of this library against a peer or a baseline.
//
// A case is one side of a comparison: a name ("ours.MailRead.text",
// "protobuf.MailRead", "baseline.Memcpy64MiB") and a set-up that builds its
// data outside any measurement and returns the operation to measure, which
// runs the workload `count` times over. Cases register themselves at start-up
// (QUORUM_BENCHMARK_CASE), so a peer that is not built simply has no cases.
//
// A comparison row names two cases and how many items one operation of each
// handles; the driver (Comparison.cpp) times both in one process, round by
// round, alternating which side goes first, and reports the ratio of the
// minimum times and the median of the per-round ratios. The count mode runs
// one case with callgrind's instrumentation switched on only around the
// measured operations, so its instruction count does not move with the
// machine's load.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace QuorumBenchmarks {

// Runs the measured workload `count` times.
using Operation = std::function<void(std::size_t count)>;

struct Case {
  std::string name;
  // Builds the data and returns the operation; never measured.
  std::function<Operation()> setUp;
  // How many operations the count mode measures: enough that one-off costs
  // (a first allocation of a size) do not dominate.
  std::size_t countedOperations;
};

// One line of the report: `ours` against `baseline`, each operation's time
// divided by its item count, the ratio compared with `limit` (goal: at most).
struct Row {
  std::string title;
  std::string ours;
  std::string baseline;
  double oursItems = 1;
  double baselineItems = 1;
  double limit = 1.0;
  // The rows of the workloads the goals were set for; the others are extra.
  bool primary = false;
  // Whether instruction counts mean anything here (not for a bare memcpy,
  // which is one instruction repeated).
  bool counted = true;
};

// Every registered case, in registration order (which differs between
// builds; look cases up by name).
std::vector<Case>& Cases();
const Case* FindCase(const std::string& name);

// The rows of the report (Rows.cpp).
std::vector<Row> ReportRows();

// What --compare runs and how.
struct CompareOptions {
  int rounds = 15;
  // Each side runs for about this long per round.
  double batchSeconds = 0.005;
  // Only rows whose title or case names hold this text (all when empty).
  std::string filter;
  bool primaryOnly = false;
  // Tab-separated fields for Benchmarks/report instead of the table.
  bool tsv = false;
  // Each round's times on the standard error output.
  bool verbose = false;
};

// Measures the selected rows and prints them; returns the exit status.
int RunComparisons(const CompareOptions& options);

// Runs case `name` `operations` times (0: its own count) with callgrind's
// instrumentation on around those operations only; the caller runs the
// program under valgrind --tool=callgrind --instr-atstart=no. Returns 3,
// saying why, when the program was built without <valgrind/callgrind.h>.
int CountCase(const std::string& name, std::size_t operations);

struct CaseRegistration {
  CaseRegistration(std::string name, std::size_t countedOperations,
                   std::function<Operation()> setUp);
};

}  // namespace QuorumBenchmarks

#define QUORUM_BENCHMARK_CONCAT_(a, b) a##b
#define QUORUM_BENCHMARK_CONCAT(a, b) QUORUM_BENCHMARK_CONCAT_(a, b)
// Registers a case at start-up: QUORUM_BENCHMARK_CASE("ours.X", 100, [] { ...
// return Operation(...); });
#define QUORUM_BENCHMARK_CASE(name, counted, ...)                            \
  static const ::QuorumBenchmarks::CaseRegistration QUORUM_BENCHMARK_CONCAT( \
      caseRegistration, __COUNTER__)(name, counted, __VA_ARGS__)
