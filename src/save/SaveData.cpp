#include "save/SaveData.h"

#include <algorithm>

#include "save/NumberLines.h"

// Score and extra-life count are kept within what play can add to without
// overflowing; the file is not trusted to stay as the game wrote it.
SaveData ReadSaveData(const std::string& path) {
  constexpr int kHighestScore = 999'999'999;
  constexpr int kHighestExtendCount = kHighestScore / 10000 + 1;
  CTextFile file;
  file.Load(path);
  const std::vector<int> n = ReadNumberLine(file, 0, 6);
  return {n[0], n[1], std::clamp(n[2], 0, kHighestScore), n[3] != 0, std::clamp(n[4], 0, kHighestExtendCount),
          n[5] != 0};
}

bool WriteSaveData(const std::string& path, const SaveData& save) {
  return WriteNumberLines(path, {{save.stage, save.life, save.score, save.easyMode ? 1 : 0, save.extendCount,
                                  save.noMiss ? 1 : 0}});
}

bool CanContinue(const SaveData& save) { return save.stage >= 1 && save.stage <= kLastStage && save.life >= 0; }
