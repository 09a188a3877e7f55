// Task creation, deletion and the move pass: pointer work on preallocated
// slots, no heap traffic per object.

#include <benchmark/benchmark.h>

#include "task/MobTask.h"
#include "task/TaskIter.h"
#include "task/TaskPasses.h"

namespace {

CTaskList* g_blocks = nullptr;

class Block : public CMobTask {
 public:
  static void* operator new(std::size_t size) noexcept { return CTaskList::Alloc(g_blocks, size); }
  static void operator delete(void* slot) { CTaskList::Free(g_blocks, slot); }

  Block(float x, float y) : CMobTask(g_blocks, x, y, 0, -5, -5, 5, 5) {}
  bool Move() override {
    y = y > 0.0f ? y - 0.1f : 1000.0f;
    return true;
  }
};

void FillWall(int count) {
  for (int i = 0; i < count; ++i) new Block(static_cast<float>(i % 16) * 10, 1000);
}

// A full wall list (200 blocks) created and emptied again.
void BM_CreateAndDeleteFullList(benchmark::State& state) {
  CTaskList list(sizeof(Block), 200);
  g_blocks = &list;
  for (auto _ : state) {
    FillWall(200);
    for (CTaskIter it(&list); it.HasNext();) {
      it.Next();
      it.Remove();
    }
  }
  state.SetItemsProcessed(state.iterations() * 200);
}
BENCHMARK(BM_CreateAndDeleteFullList);

// One move pass over 200 live blocks, the largest list of a stage.
void BM_MovePass(benchmark::State& state) {
  CTaskList list(sizeof(Block), 200);
  g_blocks = &list;
  FillWall(200);
  for (auto _ : state) {
    MoveTasks(&list);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 200);
}
BENCHMARK(BM_MovePass);

// The player tested against every block, as collision code does each step.
void BM_HitTestsAgainstFullList(benchmark::State& state) {
  CTaskList list(sizeof(Block), 201);
  g_blocks = &list;
  FillWall(200);
  const Block player(75, 1000);
  for (auto _ : state) {
    int hits = 0;
    for (CTaskIter it(&list); it.HasNext();) hits += player.IsHit(*static_cast<CMobTask*>(it.Next()));
    benchmark::DoNotOptimize(hits);
  }
}
BENCHMARK(BM_HitTestsAgainstFullList);

}  // namespace
