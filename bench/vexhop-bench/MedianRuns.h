#pragma once
// The in-process figures are Google benchmarks run with repetitions; this
// reporter keeps the median run of each (passing every run on to the console
// reporter on standard error, as progress).

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

#include "Figures.h"

class MedianRuns final : public benchmark::BenchmarkReporter {
 public:
  MedianRuns();
  bool ReportContext(const Context& context) override;
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

  // CPU time per iteration of benchmark `name`, in its time unit; NaN when it did not run.
  double CpuTime(const std::string& name) const;
  // Wall-clock time per iteration of benchmark `name`, in its time unit; NaN when it did not run.
  double RealTime(const std::string& name) const;
  // Counter `counter` of benchmark `name`; NaN when missing.
  double Counter(const std::string& name, const std::string& counter) const;
  // Why benchmark `name` has no figure ("" when it has one).
  std::string Failure(const std::string& name) const;

 private:
  const Run* Find(const std::string& name) const;

  benchmark::ConsoleReporter progress_;
  std::map<std::string, Run> medians_;
  std::map<std::string, std::string> failures_;
};

// What all figures share.
struct BenchConfig {
  std::string tree = VEXHOP_TREE;  // the built runtime tree
  int repetitions = 5;
};
BenchConfig& Config();

// Repeats a benchmark as configured, reporting only the statistics of the
// repetitions when there are several.
benchmark::internal::Benchmark* Repeated(benchmark::internal::Benchmark* benchmark);
