#include "save/HiScore.h"

#include "save/NumberLines.h"

HiScore ReadHiScore(const std::string& path) {
  CTextFile file;
  file.Load(path);
  const std::vector<int> numbers = ReadNumberLine(file, 0, 2);
  return {numbers[0], numbers[1]};
}

bool WriteHiScore(const std::string& path, const HiScore& record) {
  return WriteNumberLines(path, {{record.hiScore, record.bestStage}});
}

void UpdateHiScore(HiScore& record, int score, int stage) {
  if (score >= record.hiScore) record.hiScore = score;
  if (stage >= record.bestStage) record.bestStage = stage;
}
