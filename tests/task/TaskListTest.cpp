#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "task/TaskList.h"

TEST(CTaskList, HandsOutEverySlotOnceThenNothing) {
  CTaskList list(40, 3);
  EXPECT_EQ(list.FreeCount(), 3);
  std::vector<void*> slots;
  for (int i = 0; i < 3; ++i) slots.push_back(CTaskList::Alloc(&list, 40));
  EXPECT_EQ(CTaskList::Alloc(&list, 40), nullptr);
  EXPECT_EQ(list.FreeCount(), 0);
  EXPECT_EQ(list.LiveCount(), 3);

  // Fresh slots come in ascending order, a whole slot apart and aligned.
  EXPECT_EQ(std::set<void*>(slots.begin(), slots.end()).size(), 3u);
  for (int i = 1; i < 3; ++i) {
    auto gap = static_cast<char*>(slots[i]) - static_cast<char*>(slots[i - 1]);
    EXPECT_GE(gap, 40);
    EXPECT_EQ(gap % alignof(std::max_align_t), 0u);
  }
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
  for (int round = 0; round < 5; ++round) {
    CTaskList::Free(&list, b);
    EXPECT_EQ(CTaskList::Alloc(&list, 16), b);
  }
}

TEST(CTaskList, RefusesObjectsLargerThanASlotAndEmptyPools) {
  CTaskList list(sizeof(double) * 4, 2);
  EXPECT_EQ(CTaskList::Alloc(&list, 1024), nullptr);
  EXPECT_EQ(list.FreeCount(), 2);

  CTaskList none(16, 0);
  EXPECT_EQ(CTaskList::Alloc(&none, 1), nullptr);
  CTaskList negative(16, -5);
  EXPECT_EQ(negative.Capacity(), 0);
  EXPECT_EQ(CTaskList::Alloc(&negative, 1), nullptr);
}
