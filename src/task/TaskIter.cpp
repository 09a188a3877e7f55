#include "task/TaskIter.h"

void CTaskIter::Remove() {
  if (last_ == nullptr) return;
  current_ = last_->prev;
  delete last_;
  last_ = nullptr;
}
