#pragma once
// The two read-only settings files in the working directory. Each holds the
// full-screen switch; the frame reads the first, the session the second,
// whose value then replaces the first.

#include <string>

// "\Setting.ini", section "ウィンドウモード", key "FullScreen".
bool ReadWindowFullScreen(const std::string& currentDirectory);

// "\Data\Setting.ini", section "フルスクリーン", key "fullscreen".
bool ReadGameFullScreen(const std::string& currentDirectory);

// "\Setting.ini", section "Vexhop", key "Scale": the window's size as a
// multiple of 800 x 600, 1 to 4; missing or out of range gives 1.
int ReadWindowScale(const std::string& currentDirectory);
