// The game killed (SIGKILL) at random moments while it rewrites its
// configuration, save and high-score files, hundreds of times: each file is
// always a whole old or a whole new version, never empty or partial.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <set>

#include "save/GameConfig.h"
#include "save/HiScore.h"
#include "save/SaveData.h"
#include "support/TempDir.h"

namespace {

struct Versions {
  ConfigEdit config;
  HiScore hiScore;
  SaveData save;
};

const Versions kVersions[2] = {
    {{0, 1, 8, 8, 0, 0}, {5000, 12}, {12, 3, 4500, true, 1, false}},
    {{3, 2, 10, 4, 2, 8}, {123456, 40}, {39, 0, 98765, false, 10, true}},
};

void WriteAll(const TempDir& dir, const Versions& v) {
  WriteConfig(dir / "Config.ini", v.config);
  WriteHiScore(dir / "HiScore.ini", v.hiScore);
  WriteSaveData(dir / "Save.ini", v.save);
}

TEST(KillWhileSavingTest, EveryFileIsAlwaysAWholeVersion) {
  TempDir dir;
  WriteAll(dir, kVersions[0]);
  std::set<std::string> allowed[3];
  const char* files[3] = {"Config.ini", "HiScore.ini", "Save.ini"};
  for (const Versions& v : kVersions) {
    TempDir scratch;
    WriteAll(scratch, v);
    for (int f = 0; f < 3; ++f) allowed[f].insert(ReadBytes(scratch / files[f]));
  }

  std::mt19937 random(20261206);
  std::uniform_int_distribution<int> delayUs(0, 4000);
  for (int round = 0; round < 300; ++round) {
    const pid_t writer = fork();
    if (writer == 0) {
      for (int i = round;; ++i) WriteAll(dir, kVersions[i % 2]);
    }
    usleep(static_cast<useconds_t>(delayUs(random)));
    kill(writer, SIGKILL);
    waitpid(writer, nullptr, 0);
    for (int f = 0; f < 3; ++f) {
      ASSERT_EQ(allowed[f].count(ReadBytes(dir / files[f])), 1u) << files[f] << " after round " << round;
    }
  }
}

}  // namespace
