#pragma once
// The save file "Save.ini" beside the executable's folder: one line of six
// numbers, stage, lives, score, easy mode (1/0), extends earned, no miss (1/0).

#include <string>

inline constexpr const char* kSaveFile = "Data\\Save.ini";  // in the folder the game keeps its files

inline constexpr int kLastStage = 40;

struct SaveData {
  int stage = 0;
  int life = 0;
  int score = 0;
  bool easyMode = false;
  int extendCount = 0;
  bool noMiss = false;
};

SaveData ReadSaveData(const std::string& path);  // zeros when missing
bool WriteSaveData(const std::string& path, const SaveData& save);

// Continue needs a real stage and lives left to play it: a missing or broken
// save (stage 0 or beyond the last, negative lives) is refused.
bool CanContinue(const SaveData& save);
