#include "StageCheck.h"

#include <array>
#include <string_view>

#include "game/TaskSlots.h"
#include "util/StringUtil.h"
#include "util/TextFile.h"

namespace {

constexpr int kColumns = 16;
constexpr int kGridRows = 12;

enum Family { kBlock, kHardBlock, kItem, kEnemy, kFamilies };

struct Pool {
  const char* name;
  int capacity;
};

constexpr std::array<Pool, kFamilies> kPools = {{{"breakable blocks", kWallSlots.capacity},
                                                 {"hard blocks", kHardWallSlots.capacity},
                                                 {"items", kItemSlots.capacity},
                                                 {"enemies", kEnemySlots.capacity}}};

constexpr std::string_view kItems = "KDTFSINU-13";
constexpr std::string_view kEnemies = "J245$%678&(";
constexpr std::string_view kHidden = "ktfsinuj";  // a block with the capital's object inside

bool Has(std::string_view set, char code) { return set.find(code) != std::string_view::npos; }

// Counts what one cell creates, as the loader would on a first load.
void CountCell(char code, std::array<int, kFamilies>& counts) {
  if (code == '#') ++counts[kBlock];
  if (code == 'W') ++counts[kHardBlock];
  if (Has(kHidden, code)) {
    ++counts[kBlock];
    code = static_cast<char>(code - 'a' + 'A');
  }
  if (Has(kItems, code)) ++counts[kItem];
  if (Has(kEnemies, code)) ++counts[kEnemy];
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

class Checker {
 public:
  explicit Checker(const CTextFile& file) : file_(file) {}

  std::vector<std::string> Run() {
    for (int row = 0; row < file_.Count(); ++row) ScanRow(row);
    if (!Seen('@')) problems_.push_back("no player: no '@' in the grid");
    if (!Seen('D')) problems_.push_back("no door: no 'D' in the grid");
    if (!Seen('K') && !Seen('k')) problems_.push_back("no key: no 'K' or 'k' in the grid");
    for (int f = 0; f < kFamilies; ++f) CheckPool(kPools[static_cast<size_t>(f)], counts_[static_cast<size_t>(f)]);
    CheckTimeLine();
    return problems_;
  }

 private:
  void ScanRow(int row) {
    const std::string line = file_.Get(row);
    if (static_cast<int>(line.size()) > kColumns) {
      problems_.push_back("row " + std::to_string(row) + " is " + std::to_string(line.size()) +
                          " cells wide; only the first 16 count");
    }
    for (size_t c = 0; c < line.size() && c < kColumns; ++c) {
      CountCell(line[c], counts_);
      seen_[static_cast<unsigned char>(line[c])] = true;
    }
  }

  bool Seen(char code) const { return seen_[static_cast<unsigned char>(code)]; }

  void CheckPool(const Pool& pool, int count) {
    if (count <= pool.capacity) return;
    problems_.push_back(std::to_string(count) + " " + pool.name + ", more than the " +
                        std::to_string(pool.capacity) + " the game can hold");
  }

  // The last line is both the time limit and, like every line, a grid row
  // one below the field.
  void CheckTimeLine() {
    const int lines = file_.Count();
    if (lines <= kGridRows) {
      problems_.push_back("no time line: " + std::to_string(lines) + " lines, where 12 grid rows and a time line are 13");
      return;
    }
    const std::string line = file_.Get(lines - 1);
    if (StrToInt(line) <= 0) problems_.push_back("time line " + Quoted(line) + " gives no time (a limit of 0 or less)");
    if (line.substr(0, kColumns).find_first_of("5%") != std::string::npos) {
      problems_.push_back("time line " + Quoted(line) + " places a rising ghost under the field ('5' or '%')");
    }
  }

  const CTextFile& file_;
  std::vector<std::string> problems_;
  std::array<int, kFamilies> counts_{};
  std::array<bool, 256> seen_{};
};

}  // namespace

std::vector<std::string> CheckStage(const CTextFile& file) { return Checker(file).Run(); }
