#include "MedianRuns.h"

#include <cmath>
#include <iostream>

MedianRuns::MedianRuns() : progress_(benchmark::ConsoleReporter::OO_None) {
  progress_.SetOutputStream(&std::cerr);
  progress_.SetErrorStream(&std::cerr);
}

bool MedianRuns::ReportContext(const Context& context) { return progress_.ReportContext(context); }

void MedianRuns::ReportRuns(const std::vector<Run>& runs) {
  progress_.ReportRuns(runs);
  for (const Run& run : runs) {
    const std::string name = run.run_name.function_name;
    if (run.error_occurred) failures_[name] = run.error_message;
    // A single run is its own median.
    if (run.aggregate_name == "median" || (run.repetitions <= 1 && run.run_type == Run::RT_Iteration))
      medians_[name] = run;
  }
}

void MedianRuns::Finalize() { progress_.Finalize(); }

const MedianRuns::Run* MedianRuns::Find(const std::string& name) const {
  auto found = medians_.find(name);
  if (found == medians_.end() || failures_.count(name)) return nullptr;
  return &found->second;
}

double MedianRuns::CpuTime(const std::string& name) const {
  const Run* run = Find(name);
  return run ? run->GetAdjustedCPUTime() : NAN;
}

double MedianRuns::RealTime(const std::string& name) const {
  const Run* run = Find(name);
  return run ? run->GetAdjustedRealTime() : NAN;
}

double MedianRuns::Counter(const std::string& name, const std::string& counter) const {
  const Run* run = Find(name);
  if (!run) return NAN;
  auto found = run->counters.find(counter);
  return found == run->counters.end() ? NAN : found->second.value;
}

std::string MedianRuns::Failure(const std::string& name) const {
  auto failed = failures_.find(name);
  if (failed != failures_.end()) return failed->second;
  return medians_.count(name) ? "" : "not run";
}

BenchConfig& Config() {
  static BenchConfig config;
  return config;
}

benchmark::internal::Benchmark* Repeated(benchmark::internal::Benchmark* benchmark) {
  return benchmark->Repetitions(Config().repetitions)->ReportAggregatesOnly(Config().repetitions > 1);
}
