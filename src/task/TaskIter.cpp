#include "task/TaskIter.h"

CTaskIter::CTaskIter(CTaskList* list) : head_(&list->head_), current_(&list->head_) {}

bool CTaskIter::HasNext() const { return current_->next != head_; }

CTask* CTaskIter::Next() {
  if (!HasNext()) return nullptr;
  current_ = current_->next;
  last_ = static_cast<CTask*>(current_);
  return last_;
}

void CTaskIter::Remove() {
  if (last_ == nullptr) return;
  current_ = last_->prev;
  delete last_;
  last_ = nullptr;
}
