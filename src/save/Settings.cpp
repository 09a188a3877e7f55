#include "save/Settings.h"

#include "save/Profile.h"

bool ReadWindowFullScreen(const std::string& currentDirectory) {
  return GetPrivateProfileInt("ウィンドウモード", "FullScreen", 0, currentDirectory + "\\Setting.ini") != 0;
}

bool ReadGameFullScreen(const std::string& currentDirectory) {
  return GetPrivateProfileInt("フルスクリーン", "fullscreen", 0, currentDirectory + "\\Data\\Setting.ini") != 0;
}

int ReadWindowScale(const std::string& currentDirectory) {
  const int scale = GetPrivateProfileInt("Vexhop", "Scale", 1, currentDirectory + "\\Setting.ini");
  return scale >= 1 && scale <= 4 ? scale : 1;
}
