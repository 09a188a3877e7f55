#include <cstdio>
#include <exception>

#include "AssetGen.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vexhop-assetgen TREE_DIR\n");
    return 2;
  }
  try {
    WritePictures(argv[1]);
    WriteModels(argv[1]);
    WriteSounds(argv[1]);
    WriteMusic(argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vexhop-assetgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
