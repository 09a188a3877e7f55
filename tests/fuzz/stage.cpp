// libFuzzer target for stage files, loaded through LoadStage into one
// headless session and played for a while: every object the bytes ask for
// is built, moved, collided and drawn. The session lives across inputs;
// after each one every task is taken down by hand.

#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "game/CZelGame.h"
#include "platform/HeadlessPlatform.h"
#include "platform/RecordingAudio.h"
#include "stage/LoadStage.h"
#include "task/TaskIter.h"

namespace {

const char* const kModels[] = {"key",    "tokei",   "red_tokei", "blue_tokei", "CD",      "CDs",    "door_L",
                               "door_R", "door",    "needle",    "needle2",    "needle3", "ghost",  "ghost_R",
                               "daruma", "daruma_R", "1up",      "batu",       "jump",    "doriru", "bomb",
                               "BG3",    "BG2",     "BG1",       "BG4",        "BG5"};
constexpr const char* kTriangle = "xof 0303txt 0032\nMesh { 3; 0;0;0;, 0;1;0;, 1;0;0;; 1; 3; 0,1,2;; }";

// A runtime tree with the models the session must load; pictures and
// sounds are left out (they are allowed to be missing).
std::string MakeTree() {
  std::string dir = std::filesystem::temp_directory_path() / "vexhop-fuzz-stage-XXXXXX";
  if (!mkdtemp(dir.data())) abort();
  const std::filesystem::path root = dir;
  for (const char* folder : {"bin", "Model", "AnimModel/goremu", "stage", "Data"}) {
    std::filesystem::create_directories(root / folder);
  }
  for (const char* model : kModels) std::ofstream(root / "Model" / (std::string(model) + ".x")) << kTriangle;
  std::ofstream(root / "AnimModel/goremu/goremu.x") << kTriangle;
  std::ofstream(root / "Data/Config.ini") << "0 1 2 3 4 5 6 7 8 9\r\n0 0\r\n2 0\r\n";
  return dir;
}

struct Session {
  Session() : tree(MakeTree()) {
    platform.SetExecutableFolder(tree + "/bin/");
    game = std::make_unique<CZelGame>(platform, audio);
    g_pGame = game.get();
  }
  std::string tree;
  HeadlessPlatform platform;
  RecordingAudio audio;
  std::unique_ptr<CZelGame> game;
};

void TakeDown(CZelGame& game) {
  for (CTaskList* list : {game.PlayerList.get(), game.WallList.get(), game.HardWallList.get(), game.ItemList.get(),
                          game.EffectList.get(), game.EnemyList.get(), game.EventList.get(),
                          game.BackgroundList.get()}) {
    CTaskIter it(list);
    while (it.Next()) it.Remove();
  }
  game.miss = game.stageClear = game.teardown = game.keyTaken = false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Session session;
  CZelGame& game = *session.game;
  std::ofstream(session.tree + "/stage/stage1.dat", std::ios::binary)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  game.stage = 1;
  game.life = 1;
  game.time = 0;
  game.easyMode = size % 2 == 1;
  LoadStage(1);
  game.readyShowing = false;  // straight into play
  game.playing = true;
  for (int step = 0; step < 30; ++step) game.Move();
  game.RenderFrame();  // drawing takes the most time: once is enough to reach every draw
  TakeDown(game);
  return 0;
}
