#include "task/Task.h"

CTask::CTask(CTaskList* list) : taskList(list) {
  TaskLink& head = list->head_;
  prev = head.prev;
  next = &head;
  head.prev->next = this;
  head.prev = this;
  ++list->changes_;
}

CTask::~CTask() {
  prev->next = next;
  next->prev = prev;
  ++taskList->changes_;
}
