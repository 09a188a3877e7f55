#include "Figures.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace {

std::string Number(double value) {
  if (std::isnan(value)) return "-";
  char text[32];
  const double magnitude = std::fabs(value);
  std::snprintf(text, sizeof text, magnitude >= 100 ? "%.0f" : magnitude >= 10 ? "%.1f" : "%.2f", value);
  return text;
}

std::string BudgetText(const Budget& budget) {
  switch (budget.kind) {
    case Budget::Kind::AtMost: return "<= " + Number(budget.limit);
    case Budget::Kind::AtLeast: return ">= " + Number(budget.limit);
    case Budget::Kind::None: break;
  }
  return "-";
}

// Pads to a width counted in characters, not bytes ("µ" is two bytes).
std::string Pad(const std::string& text, size_t width) {
  size_t characters = 0;
  for (unsigned char c : text) characters += (c & 0xC0) != 0x80;
  return text + std::string(width > characters ? width - characters : 0, ' ');
}

}  // namespace

std::string Verdict(const Figure& figure) {
  if (std::isnan(figure.value)) return "-";
  switch (figure.budget.kind) {
    case Budget::Kind::AtMost: return figure.value <= figure.budget.limit ? "ok" : "over";
    case Budget::Kind::AtLeast: return figure.value >= figure.budget.limit ? "ok" : "over";
    case Budget::Kind::None: break;
  }
  return "-";
}

void PrintTable(std::ostream& out, const std::vector<Figure>& figures) {
  size_t nameWidth = 6;
  for (const Figure& f : figures) nameWidth = std::max(nameWidth, f.name.size());
  out << Pad("figure", nameWidth) << "  " << Pad("median", 9) << "  " << Pad("unit", 10) << "  "
      << Pad("budget", 9) << "  result\n";
  for (const Figure& f : figures) {
    out << Pad(f.name, nameWidth) << "  " << Pad(Number(f.value), 9) << "  " << Pad(f.unit, 10) << "  "
        << Pad(BudgetText(f.budget), 9) << "  " << Verdict(f);
    if (!f.note.empty()) out << "  (" << f.note << ")";
    out << "\n";
  }
}

double Median(std::vector<double> values) {
  std::erase_if(values, [](double v) { return std::isnan(v); });
  if (values.empty()) return NAN;
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}
