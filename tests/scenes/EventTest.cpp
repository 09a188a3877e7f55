#include <gtest/gtest.h>

#include "scenes/CEvent.h"
#include "support/SessionHarness.h"

namespace {

class Scene final : public CEvent {
 public:
  bool Move() override { return !leave; }
  void Draw() override {}
  bool leave = false;
};

TEST(EventTest, ScenesComeFromTheEventListAndTellTheSessionTheyExist) {
  ScratchTree tree;
  SessionHarness h(tree);
  CZelGame& game = *h.game;
  auto* first = new Scene;
  EXPECT_TRUE(game.eventActive);
  auto* second = new Scene;
  EXPECT_NE(second, nullptr);
  EXPECT_EQ(new Scene, nullptr);  // two slots only
  EXPECT_EQ(game.EventList->LiveCount(), 2);

  first->leave = true;
  h.Step();
  EXPECT_FALSE(game.eventActive);
  EXPECT_EQ(game.EventList->LiveCount(), 1);
  EXPECT_EQ(new Scene, first);  // the freed slot is handed out again
}

}  // namespace
