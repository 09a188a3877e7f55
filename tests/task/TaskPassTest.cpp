#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "task/MobTask.h"
#include "task/TaskIter.h"
#include "task/TaskPasses.h"

namespace {

std::vector<std::string> g_log;
int g_constructed = 0;

// A task family like the game's: its operator new takes slots from its own
// list. Each Family number is a separate family with a list of its own.
template <int Family>
class Probe : public CTask {
 public:
  static inline CTaskList* list = nullptr;

  static void* operator new(std::size_t size) noexcept { return CTaskList::Alloc(list, size); }
  static void operator delete(void* slot) { CTaskList::Free(list, slot); }

  explicit Probe(std::string name, int lifetime = 1000, std::function<void()> onMove = {})
      : CTask(list), name(std::move(name)), lifetime(lifetime), onMove(std::move(onMove)) {
    ++g_constructed;
  }
  ~Probe() override { g_log.push_back("~" + name); }

  bool Move() override {
    g_log.push_back("move " + name);
    if (onMove) onMove();
    return --lifetime > 0;
  }
  void Draw() override { g_log.push_back("draw " + name); }

  std::string name;
  int lifetime;
  std::function<void()> onMove;
};

using Scene = Probe<0>;
using Effect = Probe<1>;

class TaskPass : public ::testing::Test {
 protected:
  TaskPass() {
    g_log.clear();
    g_constructed = 0;
    Scene::list = &scenes;
    Effect::list = &effects;
  }
  CTaskList scenes{sizeof(Scene), 2};
  CTaskList effects{sizeof(Effect), 3};
};

}  // namespace

TEST_F(TaskPass, FullPoolCreatesNothingAndAFreedSlotIsReusedFirst) {
  Scene* title = new Scene("title", 1);
  new Scene("other");
  EXPECT_EQ(new Scene("third"), nullptr);
  EXPECT_EQ(g_constructed, 2);
  MoveTasks(&scenes);  // title ends itself
  EXPECT_EQ(static_cast<void*>(new Scene("next")), static_cast<void*>(title));
}

// A task made during its own list's pass moves in that pass; one made in a
// list already moved waits for the next frame.
TEST_F(TaskPass, TaskCreatedDuringAPassMovesInItOnlyWhenItsListIsStillMoving) {
  new Scene("title", 1, [] { new Scene("option"); });
  MoveTasks(&scenes);
  EXPECT_EQ(g_log, (std::vector<std::string>{"move title", "~title", "move option"}));

  g_log.clear();
  new Effect("fade", 1000, [] { new Effect("flash"); });
  new Effect("late", 1000, [] { new Scene("credits"); });
  MoveTasks(&scenes);
  MoveTasks(&effects);
  EXPECT_EQ(g_log, (std::vector<std::string>{"move option", "move fade", "move late", "move flash"}));
  g_log.clear();
  MoveTasks(&scenes);
  EXPECT_EQ(g_log, (std::vector<std::string>{"move option", "move credits"}));
}

TEST_F(TaskPass, FinishedTaskIsGoneBeforeTheNextMovesAndIsNotDrawn) {
  new Effect("a");
  new Effect("b", 1);
  new Effect("c");
  MoveTasks(&effects);
  DrawTasks(&effects);
  EXPECT_EQ(g_log, (std::vector<std::string>{"move a", "move b", "~b", "move c", "draw a", "draw c"}));
  EXPECT_EQ(effects.LiveCount(), 2);
}

TEST_F(TaskPass, IteratorRemovesOnlyWhatNextReturned) {
  new Effect("a");
  new Effect("b");
  CTaskIter it(&effects);
  it.Remove();  // nothing returned yet
  EXPECT_EQ(static_cast<Effect*>(it.Next())->name, "a");
  it.Remove();
  it.Remove();  // once per Next
  EXPECT_EQ(static_cast<Effect*>(it.Next())->name, "b");
  EXPECT_EQ(it.Next(), nullptr);
  EXPECT_EQ(g_log, (std::vector<std::string>{"~a"}));
}

TEST_F(TaskPass, DestroyingAListDestroysItsLiveTasks) {
  {
    CTaskList scratch(sizeof(Scene), 2);
    Scene::list = &scratch;
    new Scene("x");
  }
  EXPECT_EQ(g_log, (std::vector<std::string>{"~x"}));
}

TEST(CMobTask, HitNeedsPositiveOverlapOnBothAxes) {
  CTaskList list(sizeof(CMobTask), 4);
  CMobTask player(&list, 100, 50, 0, -3, -3, 3, 3);  // spans 97..103 and 47..53
  CMobTask item(&list, 104, 51, 7, -2, -2, 2, 2);    // z differs: ignored
  EXPECT_TRUE(player.IsHit(item));
  EXPECT_TRUE(item.IsHit(player));

  CMobTask beside(&list, 106, 50, 0, -3, -3, 3, 3);  // spans 103..109: shares x = 103
  EXPECT_FALSE(player.IsHit(beside));
  EXPECT_FALSE(beside.IsHit(player));
  beside.x = 105.5f;
  EXPECT_TRUE(player.IsHit(beside));

  beside.x = 100.0f;
  beside.y = 44.0f;  // shares y = 47 from below
  EXPECT_FALSE(player.IsHit(beside));
  beside.boxMaxY = 3.5f;
  EXPECT_TRUE(player.IsHit(beside));
}
