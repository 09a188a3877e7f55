#pragma once
// A task list is both the fixed-capacity memory pool of one family of game
// objects and the doubly linked list of its live objects. Creating and
// deleting a task is a few pointer moves on preallocated slots; no task ever
// comes from the general heap.

#include <cstddef>
#include <cstdint>
#include <memory>

// The two link words every slot starts with: a live task's place in the
// active list, or a free slot's place in the free list.
struct TaskLink {
  TaskLink* prev = nullptr;
  TaskLink* next = nullptr;
};

class CTaskList {
 public:
  // Room for `capacity` objects of at most `elementSize` bytes each.
  CTaskList(int elementSize, int capacity);
  // Destroys the tasks still live (their destructors run, no operator delete:
  // the slots go with the list).
  ~CTaskList();
  CTaskList(const CTaskList&) = delete;
  CTaskList& operator=(const CTaskList&) = delete;

  // For a family's class-level operator new: a free slot, or null when the
  // list is full or an object of `size` bytes would not fit a slot. The slot
  // joins the active list only when the task constructor runs.
  static void* Alloc(CTaskList* list, std::size_t size);
  // For a family's class-level operator delete: gives the slot back. It is
  // the next one Alloc hands out.
  static void Free(CTaskList* list, void* slot);

  int ElementSize() const { return elementSize_; }
  int Capacity() const { return capacity_; }
  int FreeCount() const { return freeCount_; }
  int LiveCount() const { return capacity_ - freeCount_; }
  // Counts every task linked into or out of the list, so that what was
  // worked out from its members can tell when it is out of date.
  uint64_t Changes() const { return changes_; }

 private:
  friend class CTask;
  friend class CTaskIter;

  TaskLink head_;      // active list sentinel; circular, head_.prev is the newest task
  TaskLink freeHead_;  // free list sentinel; circular through `next` only
  int elementSize_;
  int capacity_;
  int freeCount_;
  uint64_t changes_ = 0;
  std::unique_ptr<std::byte[]> storage_;
};
