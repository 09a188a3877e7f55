#pragma once
// A cursor over the live tasks of one list, oldest first. Tasks appended while
// the walk runs are visited by the same walk.

#include "task/Task.h"
#include "task/TaskList.h"

// Inline: every pass over every list steps through it.
class CTaskIter {
 public:
  explicit CTaskIter(CTaskList* list) : head_(&list->head_), current_(&list->head_) {}

  bool HasNext() const { return current_->next != head_; }
  // The next task, or null at the end of the list.
  CTask* Next() {
    if (!HasNext()) return nullptr;
    current_ = current_->next;
    last_ = static_cast<CTask*>(current_);
    return last_;
  }
  // Deletes the task Next returned last; the walk goes on with the task that
  // followed it. Does nothing when there is no such task.
  void Remove();

 private:
  const TaskLink* head_;
  TaskLink* current_;
  CTask* last_ = nullptr;
};
