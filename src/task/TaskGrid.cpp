#include "task/TaskGrid.h"

#include <algorithm>
#include <cmath>

#include "task/TaskIter.h"

namespace {

constexpr double kMostCells = 1 << 16;

// Monotonic in v, so two boxes that overlap always share a cell. A box with
// a NaN bound hits nothing; any cell will do for it.
int64_t CellOf(float v, float cellsPerUnit) {
  const float q = v * cellsPerUnit;
  if (std::isnan(q)) return 0;
  const float clamped = std::clamp(q, -1e15f, 1e15f);
  const auto cell = static_cast<int64_t>(clamped);  // towards zero, then down
  return clamped < static_cast<float>(cell) ? cell - 1 : cell;
}

}  // namespace

TaskGrid::TaskGrid(CTaskList* list, float cellSize) : list_(list), cellSize_(cellSize) {}

// The bounds are computed exactly as IsHit computes them.
TaskGrid::CellRange TaskGrid::CellsOf(const CMobTask& task) const {
  const float perUnit = cellsPerUnit_;
  return {CellOf(task.x + task.boxMinX, perUnit), CellOf(task.x + task.boxMaxX, perUnit),
          CellOf(task.y + task.boxMinY, perUnit), CellOf(task.y + task.boxMaxY, perUnit)};
}

void TaskGrid::Refresh() {
  if (list_->Changes() == filedChanges_) return;
  filedChanges_ = list_->Changes();
  tasks_.clear();
  CTaskIter it(list_);
  while (CTask* task = it.Next()) tasks_.push_back(static_cast<CMobTask*>(task));

  filedCellSize_ = cellSize_;
  for (;;) {
    cellsPerUnit_ = 1 / filedCellSize_;
    grid_ = {0, -1, 0, -1};
    bool first = true;
    for (const CMobTask* task : tasks_) {
      const CellRange r = CellsOf(*task);
      if (first) grid_ = r;
      grid_ = {std::min(grid_.left, r.left), std::max(grid_.right, r.right), std::min(grid_.bottom, r.bottom),
               std::max(grid_.top, r.top)};
      first = false;
    }
    const double cells = static_cast<double>(grid_.right - grid_.left + 1) * static_cast<double>(grid_.top - grid_.bottom + 1);
    if (cells <= kMostCells) break;
    filedCellSize_ *= 2;
  }

  const int64_t columns = grid_.right - grid_.left + 1;
  const int64_t cells = tasks_.empty() ? 0 : columns * (grid_.top - grid_.bottom + 1);
  cellStart_.assign(static_cast<size_t>(cells + 1), 0);
  auto forEachCell = [&](const CMobTask& task, auto&& visit) {
    const CellRange r = CellsOf(task);
    for (int64_t row = r.bottom; row <= r.top; ++row)
      for (int64_t column = r.left; column <= r.right; ++column)
        visit(static_cast<size_t>((row - grid_.bottom) * columns + (column - grid_.left)));
  };
  for (const CMobTask* task : tasks_) forEachCell(*task, [&](size_t cell) { ++cellStart_[cell + 1]; });
  for (size_t c = 1; c < cellStart_.size(); ++c) cellStart_[c] += cellStart_[c - 1];
  entries_.resize(cellStart_.empty() ? 0 : static_cast<size_t>(cellStart_.back()));
  std::vector<int> filled(cellStart_.begin(), cellStart_.end() - (cellStart_.empty() ? 0 : 1));
  for (size_t i = 0; i < tasks_.size(); ++i)
    forEachCell(*tasks_[i], [&](size_t cell) { entries_[static_cast<size_t>(filled[cell]++)] = static_cast<int>(i); });
  candidates_.assign((tasks_.size() + 63) / 64, 0);
  firstWord_ = endWord_ = 0;
}

void TaskGrid::Gather(const CMobTask& mover, int after) {
  if (firstWord_ < endWord_) std::fill(candidates_.begin() + firstWord_, candidates_.begin() + endWord_, 0);
  firstWord_ = endWord_ = 0;
  if (tasks_.empty()) return;
  const CellRange r = CellsOf(mover);
  const int64_t left = std::max(r.left, grid_.left), right = std::min(r.right, grid_.right);
  const int64_t bottom = std::max(r.bottom, grid_.bottom), top = std::min(r.top, grid_.top);
  const int64_t columns = grid_.right - grid_.left + 1;
  size_t first = candidates_.size(), end = 0;
  for (int64_t row = bottom; row <= top; ++row) {
    for (int64_t column = left; column <= right; ++column) {
      const auto cell = static_cast<size_t>((row - grid_.bottom) * columns + (column - grid_.left));
      for (int e = cellStart_[cell]; e < cellStart_[cell + 1]; ++e) {
        const int index = entries_[static_cast<size_t>(e)];
        if (index <= after) continue;
        const auto word = static_cast<size_t>(index) / 64;
        candidates_[word] |= uint64_t{1} << (static_cast<unsigned>(index) % 64);
        first = std::min(first, word);
        end = std::max(end, word + 1);
      }
    }
  }
  if (first < end) {
    firstWord_ = first;
    endWord_ = end;
  }
}
