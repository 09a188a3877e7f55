#pragma once
// The configuration file "Config.ini" beside the executable's folder:
//   line 0: the key map, physical button of each logical button 0 to 9
//   line 1: music volume, effect volume (tenths)
//   line 2: save mode, HUD band picture
// Only the option scene writes it, and always with the key line
// J A A A 8 A A A 8 A (J the jump button, A the action button).

#include <array>
#include <string>

inline constexpr const char* kConfigFile = "Data\\Config.ini";  // in the folder the game keeps its files

inline constexpr int kKeyMapSize = 10;

struct GameConfig {
  std::array<int, kKeyMapSize> keyMap{};
  int bgmVolume = 0;
  int seVolume = 0;
  int saveMode = 0;  // 0 DEFAULT, 1 AUTOSAVE, 2 NOSAVE
  int hudPanel = 0;  // 0 to 8: info1.png to info9.png
};

// What the option scene edits.
struct ConfigEdit {
  int jumpButton = 0;
  int actionButton = 0;
  int bgmVolume = 0;
  int seVolume = 0;
  int saveMode = 0;
  int hudPanel = 0;
};

// Values are taken as they stand, without range checks. A missing file,
// line or number reads as 0, so without a file every logical button is
// physical button 0 and both volumes are silent.
GameConfig ReadGameConfig(const std::string& path);

// Rewrites the file from the edited values.
bool WriteConfig(const std::string& path, const ConfigEdit& edit);

// The running game's copy after the option scene: key map entries 4, 8 and 9
// keep their values until the file is read again at the next start.
void ApplyConfigEdit(GameConfig& config, const ConfigEdit& edit);
