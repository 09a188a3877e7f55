#include "task/TaskPasses.h"

#include "task/TaskIter.h"

void MoveTasks(CTaskList* list) {
  CTaskIter it(list);
  while (it.HasNext()) {
    if (!it.Next()->Move()) it.Remove();
  }
}

void DrawTasks(CTaskList* list) {
  CTaskIter it(list);
  while (it.HasNext()) it.Next()->Draw();
}

void AnimateTasks(CTaskList* list) {
  CTaskIter it(list);
  while (it.HasNext()) it.Next()->Animate();
}
