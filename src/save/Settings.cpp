#include "save/Settings.h"

#include "save/Profile.h"

bool ReadWindowFullScreen(const std::string& currentDirectory) {
  return GetPrivateProfileInt("ウィンドウモード", "FullScreen", 0, currentDirectory + "\\Setting.ini") != 0;
}

bool ReadGameFullScreen(const std::string& currentDirectory) {
  return GetPrivateProfileInt("フルスクリーン", "fullscreen", 0, currentDirectory + "\\Data\\Setting.ini") != 0;
}
