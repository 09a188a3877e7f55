#pragma once
// A runtime tree of a test's own: the asset folders are the build's (linked,
// not copied), while Data, stage and everything the game writes are its own.
// With the game copied into its bin/, the game started from it finds its
// data there.

#include <filesystem>
#include <string>

#include "support/TempDir.h"

class LinkedTree {
 public:
  explicit LinkedTree(bool withGame = false) {
    namespace fs = std::filesystem;
    const fs::path tree = VEXHOP_TREE;
    fs::create_directories(dir_.path() / "bin");
    if (withGame) fs::copy_file(tree / "bin/vexhop", dir_.path() / "bin/vexhop");
    for (const char* folder : {"Texture", "Model", "AnimModel", "Sound", "BGM", "Font"}) {
      fs::create_directory_symlink(tree / folder, dir_.path() / folder);
    }
    fs::create_directories(dir_.path() / "Data");
    fs::create_directories(dir_.path() / "stage");
    WriteBytes(dir_ / "Data/Config.ini", "0 1 2 3 4 5 6 7 8 9\r\n0 0\r\n0 0\r\n");
  }
  std::string Path() const { return dir_.path().string(); }
  std::string operator/(const std::string& name) const { return dir_ / name; }

 private:
  TempDir dir_;
};
