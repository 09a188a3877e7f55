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

// Any scene that ends clears the flag, even while another lives on.
using EventTest = SessionTest;

TEST_F(EventTest, ScenesComeFromTheEventListAndTellTheSessionTheyExist) {
  auto* first = new Scene;
  new Scene;
  EXPECT_EQ(new Scene, nullptr);  // the list holds two; a full one makes none
  EXPECT_TRUE(game.eventActive);
  EXPECT_EQ(game.EventList->LiveCount(), 2);
  first->leave = true;
  h.Step();
  EXPECT_FALSE(game.eventActive);
  EXPECT_EQ(game.EventList->LiveCount(), 1);
}

}  // namespace
