#pragma once
// The high-score file "HiScore.ini" beside the executable's folder: one line,
// the high score and the highest stage reached.

#include <string>

inline constexpr const char* kHiScoreFile = "Data\\HiScore.ini";  // in the folder the game keeps its files

struct HiScore {
  int hiScore = 0;
  int bestStage = 0;
};

HiScore ReadHiScore(const std::string& path);  // zeros when missing
bool WriteHiScore(const std::string& path, const HiScore& record);

// A game ended with `score` at `stage`: each value is taken when it reaches
// the record (ties included).
void UpdateHiScore(HiScore& record, int score, int stage);
