#include "save/SaveData.h"

#include "save/NumberLines.h"

SaveData ReadSaveData(const std::string& path) {
  CTextFile file;
  file.Load(path);
  const std::vector<int> n = ReadNumberLine(file, 0, 6);
  return {n[0], n[1], n[2], n[3] != 0, n[4], n[5] != 0};
}

bool WriteSaveData(const std::string& path, const SaveData& save) {
  return WriteNumberLines(path, {{save.stage, save.life, save.score, save.easyMode ? 1 : 0, save.extendCount,
                                  save.noMiss ? 1 : 0}});
}

bool CanContinue(const SaveData& save) { return save.stage >= 1 && save.stage <= kLastStage && save.life >= 0; }
