#include "scenes/TitleScene.h"

namespace {

// The title scene itself is not built yet: until it is, the game shows no
// scene where the title belongs.
void MakeTitleScene() {}

SceneMaker g_maker = MakeTitleScene;

}  // namespace

void CreateTitleScene() { g_maker(); }

SceneMaker SetTitleSceneMaker(SceneMaker maker) {
  const SceneMaker previous = g_maker;
  g_maker = maker ? maker : MakeTitleScene;
  return previous;
}
