// vexhop-stagecheck FILE...
// Prints one line per problem of each stage file ("FILE: problem"), or
// "FILE: ok". Exit status 0 when every file is sound, 1 when any has a
// problem or cannot be read, 2 without arguments.

#include <iostream>

#include "StageCheck.h"
#include "util/TextFile.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: vexhop-stagecheck FILE...\n";
    return 2;
  }
  bool sound = true;
  for (int i = 1; i < argc; ++i) {
    const std::string path = argv[i];
    CTextFile file;
    if (!file.Load(path)) {
      std::cout << path << ": cannot be read\n";
      sound = false;
      continue;
    }
    const std::vector<std::string> problems = CheckStage(file);
    for (const std::string& problem : problems) std::cout << path << ": " << problem << '\n';
    if (problems.empty()) std::cout << path << ": ok\n";
    sound = sound && problems.empty();
  }
  return sound ? 0 : 1;
}
