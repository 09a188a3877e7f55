#pragma once
// The table vexhop-bench prints: one row per figure, with its median, unit,
// budget and whether the budget holds.

#include <cmath>
#include <iosfwd>
#include <string>
#include <vector>

struct Budget {
  enum class Kind { None, AtMost, AtLeast };
  Kind kind = Kind::None;
  double limit = 0;

  static Budget AtMost(double limit) { return {Kind::AtMost, limit}; }
  static Budget AtLeast(double limit) { return {Kind::AtLeast, limit}; }
};

struct Figure {
  std::string name;
  double value = NAN;  // NaN: not measured; `note` says why
  std::string unit;
  Budget budget = {};
  std::string note = {};
};

// "ok", "over", or "-" for a figure without a budget or a value.
std::string Verdict(const Figure& figure);
void PrintTable(std::ostream& out, const std::vector<Figure>& figures);
// The middle value (the mean of the two middle ones for an even count) of
// those that are not NaN; NaN for none.
double Median(std::vector<double> values);
