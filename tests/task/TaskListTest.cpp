#include <gtest/gtest.h>

#include "task/TaskList.h"

TEST(CTaskList, HandsOutEachSlotOnceInAscendingOrderThenNothing) {
  CTaskList list(40, 3);
  char* a = static_cast<char*>(CTaskList::Alloc(&list, 40));
  char* b = static_cast<char*>(CTaskList::Alloc(&list, 40));
  char* c = static_cast<char*>(CTaskList::Alloc(&list, 40));
  EXPECT_EQ(CTaskList::Alloc(&list, 40), nullptr);
  EXPECT_EQ(list.FreeCount(), 0);
  EXPECT_GE(b - a, 40);
  EXPECT_EQ(c - b, b - a);
  EXPECT_EQ((b - a) % alignof(std::max_align_t), 0u);

  EXPECT_EQ(CTaskList::Alloc(&list, 1024), nullptr);  // larger than a slot
  CTaskList negative(16, -5);
  EXPECT_EQ(CTaskList::Alloc(&negative, 1), nullptr);
}

TEST(CTaskList, MostRecentlyFreedSlotComesFirst) {
  CTaskList list(16, 4);
  void* a = CTaskList::Alloc(&list, 16);
  void* b = CTaskList::Alloc(&list, 16);
  void* c = CTaskList::Alloc(&list, 16);
  CTaskList::Free(&list, a);
  CTaskList::Free(&list, c);
  EXPECT_EQ(list.FreeCount(), 3);
  EXPECT_EQ(CTaskList::Alloc(&list, 16), c);
  EXPECT_EQ(CTaskList::Alloc(&list, 16), a);
  for (int round = 0; round < 3; ++round) {
    CTaskList::Free(&list, b);
    EXPECT_EQ(CTaskList::Alloc(&list, 16), b);
  }
}
