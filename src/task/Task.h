#pragma once
// The base of every game object that lives in a task list: it links itself at
// the end of its list when built and unlinks when destroyed. Once per logic
// step the session moves every list, once per frame it draws them.

#include <cstddef>

#include "task/TaskList.h"

class CTask : public TaskLink {
 public:
  explicit CTask(CTaskList* list);
  virtual ~CTask();
  CTask(const CTask&) = delete;
  CTask& operator=(const CTask&) = delete;

  // One logic step; false asks the move pass to delete the task.
  virtual bool Move() = 0;
  virtual void Draw() = 0;
  // Runs once per logic step after every list has moved: the part of a
  // frame that changes state (the player's action timer and pose). Kept out
  // of Draw so that play depends only on the input of each step, not on how
  // many pictures are drawn between steps.
  virtual void Animate() {}
  // The class's own name, as traces and logs show it.
  virtual const char* ClassName() const { return "CTask"; }

  // Tasks are created only through their family's operator new, which takes a
  // slot from the family's list (CTaskList::Alloc) and returns null, noexcept,
  // when the list is full. The family's operator delete gives the slot back;
  // this one does nothing, so a task without a family never frees a slot.
  static void* operator new(std::size_t) = delete;
  static void operator delete(void*) {}

  CTaskList* taskList;
};
