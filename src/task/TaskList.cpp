#include "task/TaskList.h"

#include <algorithm>
#include <cstddef>
#include <new>

#include "task/Task.h"

namespace {

int SlotSize(int elementSize) {
  // Every slot must hold the free-list link and keep the next slot aligned.
  constexpr int kAlign = alignof(std::max_align_t);
  const int size = std::max(elementSize, static_cast<int>(sizeof(TaskLink)));
  return (size + kAlign - 1) / kAlign * kAlign;
}

}  // namespace

CTaskList::CTaskList(int elementSize, int capacity)
    : elementSize_(SlotSize(elementSize)),
      capacity_(std::max(capacity, 0)),
      freeCount_(capacity_),
      storage_(new std::byte[static_cast<std::size_t>(elementSize_) * static_cast<std::size_t>(capacity_)]) {
  head_.prev = head_.next = &head_;
  // The free list runs through the slots in ascending order and back to its sentinel.
  TaskLink* last = &freeHead_;
  for (int i = 0; i < capacity_; ++i) {
    auto* slot = new (&storage_[static_cast<std::size_t>(i) * static_cast<std::size_t>(elementSize_)]) TaskLink;
    last->next = slot;
    last = slot;
  }
  last->next = &freeHead_;
}

CTaskList::~CTaskList() {
  while (head_.next != &head_) static_cast<CTask*>(head_.next)->~CTask();
}

void* CTaskList::Alloc(CTaskList* list, std::size_t size) {
  if (list->freeCount_ <= 0 || size > static_cast<std::size_t>(list->elementSize_)) return nullptr;
  TaskLink* slot = list->freeHead_.next;
  list->freeHead_.next = slot->next;
  --list->freeCount_;
  return slot;
}

void CTaskList::Free(CTaskList* list, void* slot) {
  if (slot == nullptr) return;
  auto* link = new (slot) TaskLink;
  link->next = list->freeHead_.next;
  list->freeHead_.next = link;
  ++list->freeCount_;
}
