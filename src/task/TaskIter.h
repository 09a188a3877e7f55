#pragma once
// A cursor over the live tasks of one list, oldest first. Tasks appended while
// the walk runs are visited by the same walk.

#include "task/Task.h"
#include "task/TaskList.h"

class CTaskIter {
 public:
  explicit CTaskIter(CTaskList* list);

  bool HasNext() const;
  // The next task, or null at the end of the list.
  CTask* Next();
  // Deletes the task Next returned last; the walk goes on with the task that
  // followed it. Does nothing when there is no such task.
  void Remove();

 private:
  const TaskLink* head_;
  TaskLink* current_;
  CTask* last_ = nullptr;
};
