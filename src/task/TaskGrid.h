#pragma once
// Finds the tasks of one list that a moving box hits, for lists whose tasks
// never move once made (the blocks). Each task is filed under the cells of a
// coarse grid that its box covers, so a search looks only at the few tasks
// near the box instead of walking the whole list; the answer is the one the
// walk would give, in the same order. The grid is filed again whenever the
// list gains or loses a task.

#include <bit>
#include <cstdint>
#include <vector>

#include "task/MobTask.h"

class TaskGrid {
 public:
  // Cells of `cellSize` world units; about the size of a task's box works best.
  TaskGrid(CTaskList* list, float cellSize);

  // Calls onHit(task) for every task of the list, oldest first, that
  // mover.IsHit(task) when the walk reaches it. onHit may move `mover`; the
  // rest of the walk then sees it where it went. onHit must neither add tasks
  // to the list nor remove them.
  template <typename OnHit>
  void ForEachHit(const CMobTask& mover, OnHit&& onHit) {
    Refresh();
    Gather(mover, -1);
    for (int index = NextCandidate(); index >= 0; index = NextCandidate()) {
      CMobTask& task = *tasks_[static_cast<size_t>(index)];
      if (!mover.IsHit(task)) continue;
      const float x = mover.x, y = mover.y;
      onHit(task);
      // The box moved: the tasks after this one, near where it is now.
      if (mover.x != x || mover.y != y) Gather(mover, index);
    }
  }

 private:
  struct CellRange {
    int64_t left, right, bottom, top;  // inclusive
  };

  // Refiles the tasks if the list changed since the last filing.
  void Refresh();
  CellRange CellsOf(const CMobTask& task) const;
  // Makes the candidates the list positions of the tasks filed under the
  // cells the mover's box covers, after position `after`.
  void Gather(const CMobTask& mover, int after);
  // The lowest candidate, taken out of the set; -1 when none is left.
  int NextCandidate() {
    for (; firstWord_ < endWord_; ++firstWord_) {
      uint64_t& bits = candidates_[firstWord_];
      if (bits == 0) continue;
      const int bit = std::countr_zero(bits);
      bits &= bits - 1;
      return static_cast<int>(firstWord_ * 64) + bit;
    }
    return -1;
  }

  CTaskList* list_;
  float cellSize_;
  float filedCellSize_ = 0;  // grows when the tasks lie too far apart for the grid
  float cellsPerUnit_ = 0;   // 1 / filedCellSize_
  uint64_t filedChanges_ = ~uint64_t{0};
  std::vector<CMobTask*> tasks_;  // in list order
  CellRange grid_{0, -1, 0, -1};  // the cells that hold tasks
  std::vector<int> cellStart_;    // the tasks of cell c are entries_[cellStart_[c] .. cellStart_[c + 1])
  std::vector<int> entries_;
  // One bit per list position, so that the candidates come out ascending
  // and each once however many cells file them. Only the words
  // firstWord_ .. endWord_ - 1 may hold bits.
  std::vector<uint64_t> candidates_;
  size_t firstWord_ = 0, endWord_ = 0;
};
