#include "task/TaskGrid.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "task/TaskIter.h"

namespace {

CTaskList* g_blocks = nullptr;

class Block : public CMobTask {
 public:
  static void* operator new(std::size_t size) noexcept { return CTaskList::Alloc(g_blocks, size); }
  static void operator delete(void* slot) { CTaskList::Free(g_blocks, slot); }

  Block(float x, float y, float half) : CMobTask(g_blocks, x, y, 0, -half, -half, half, half) {}
  bool Move() override { return true; }
};

// Not in any list that is searched: the moving box.
class Mover : public CMobTask {
 public:
  explicit Mover(CTaskList* list) : CMobTask(list, 0, 0, 0, -3, -2, 3, 2) {}
};

// What the collision code does with a hit: push the mover out to the side
// it is nearer, which can bring it onto blocks it did not touch before.
void PushOut(CMobTask& mover, const CMobTask& block) {
  mover.x = mover.x < block.x ? block.x + block.boxMinX - mover.boxMaxX : block.x + block.boxMaxX - mover.boxMinX;
}

// The walk the grid replaces: every block, in list order.
std::vector<CMobTask*> WalkAll(CTaskList* list, CMobTask& mover, bool push) {
  std::vector<CMobTask*> hits;
  CTaskIter it(list);
  while (CTask* task = it.Next()) {
    auto* block = static_cast<CMobTask*>(task);
    if (!mover.IsHit(*block)) continue;
    hits.push_back(block);
    if (push) PushOut(mover, *block);
  }
  return hits;
}

class TaskGridTest : public ::testing::Test {
 protected:
  TaskGridTest() { g_blocks = &blocks; }
  ~TaskGridTest() override { g_blocks = nullptr; }

  uint32_t seed = 99;
  float Next(float low, float high) {
    seed = seed * 1664525u + 1013904223u;
    return low + (high - low) * static_cast<float>(seed >> 8) / static_cast<float>(1u << 24);
  }

  CTaskList blocks{sizeof(Block), 300};
  CTaskList movers{sizeof(Mover), 1};
};

// Blocks on the game's 10-unit lattice and off it, of other sizes, some
// overlapping; movers everywhere, pushed or not. The grid must visit exactly
// the blocks the full walk visits, in the same order, seeing each push.
TEST_F(TaskGridTest, VisitsWhatTheWalkOverEveryTaskVisitsInOrder) {
  for (int i = 0; i < 200; ++i) new Block(395.0f - 10 * static_cast<float>(i % 16), 295.0f - 10 * static_cast<float>(i / 16), 5);
  for (int i = 0; i < 60; ++i) new Block(Next(200, 420), Next(150, 320), Next(0.5f, 12));
  TaskGrid grid(&blocks, 10);
  Mover& mover = *::new (CTaskList::Alloc(&movers, sizeof(Mover))) Mover(&movers);
  for (int round = 0; round < 2000; ++round) {
    const float x = Next(190, 430), y = Next(140, 330);
    const bool push = round % 2 == 0;
    mover.x = x;
    mover.y = y;
    const std::vector<CMobTask*> expected = WalkAll(&blocks, mover, push);
    const float expectedX = mover.x;
    mover.x = x;
    mover.y = y;
    std::vector<CMobTask*> found;
    grid.ForEachHit(mover, [&](CMobTask& block) {
      found.push_back(&block);
      if (push) PushOut(mover, block);
    });
    ASSERT_EQ(found, expected) << "round " << round << " at " << x << ", " << y;
    ASSERT_EQ(mover.x, expectedX);
  }
  mover.~Mover();
}

TEST_F(TaskGridTest, SeesBlocksAddedAndRemovedSinceTheLastSearch) {
  TaskGrid grid(&blocks, 10);
  CTaskList movers2(sizeof(Mover), 1);
  Mover& mover = *::new (CTaskList::Alloc(&movers2, sizeof(Mover))) Mover(&movers2);
  mover.x = 100;
  mover.y = 100;
  int hits = 0;
  grid.ForEachHit(mover, [&](CMobTask&) { ++hits; });
  EXPECT_EQ(hits, 0);  // an empty list

  Block* near = new Block(104, 100, 5);
  new Block(300, 100, 5);
  std::vector<CMobTask*> found;
  grid.ForEachHit(mover, [&](CMobTask& block) { found.push_back(&block); });
  EXPECT_EQ(found, std::vector<CMobTask*>{near});

  delete near;
  Block* other = new Block(96, 102, 5);  // may take the freed slot: the grid must not trust addresses
  found.clear();
  grid.ForEachHit(mover, [&](CMobTask& block) { found.push_back(&block); });
  EXPECT_EQ(found, std::vector<CMobTask*>{other});

  // A box with a NaN edge hits nothing, as IsHit says.
  mover.x = std::numeric_limits<float>::quiet_NaN();
  hits = 0;
  grid.ForEachHit(mover, [&](CMobTask&) { ++hits; });
  EXPECT_EQ(hits, 0);
  mover.~Mover();
}

}  // namespace
