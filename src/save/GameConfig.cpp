#include "save/GameConfig.h"

#include <algorithm>

#include "save/NumberLines.h"

GameConfig ReadGameConfig(const std::string& path) {
  CTextFile file;
  file.Load(path);
  GameConfig config;
  const std::vector<int> keys = ReadNumberLine(file, 0, kKeyMapSize);
  std::copy(keys.begin(), keys.end(), config.keyMap.begin());
  const std::vector<int> volumes = ReadNumberLine(file, 1, 2);
  config.bgmVolume = volumes[0];
  config.seVolume = volumes[1];
  const std::vector<int> modes = ReadNumberLine(file, 2, 2);
  config.saveMode = modes[0];
  config.hudPanel = modes[1];
  return config;
}

bool WriteConfig(const std::string& path, const ConfigEdit& edit) {
  const int j = edit.jumpButton;
  const int a = edit.actionButton;
  return WriteNumberLines(path, {{j, a, a, a, 8, a, a, a, 8, a},
                                 {edit.bgmVolume, edit.seVolume},
                                 {edit.saveMode, edit.hudPanel}});
}

void ApplyConfigEdit(GameConfig& config, const ConfigEdit& edit) {
  config.keyMap[0] = edit.jumpButton;
  for (int i : {1, 2, 3, 5, 6, 7}) config.keyMap[static_cast<std::size_t>(i)] = edit.actionButton;
  config.bgmVolume = edit.bgmVolume;
  config.seVolume = edit.seVolume;
  config.saveMode = edit.saveMode;
  config.hudPanel = edit.hudPanel;
}
