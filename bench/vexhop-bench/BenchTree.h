#pragma once
// Runtime trees for measurements: the built tree's asset folders, linked
// rather than copied, with Data and stage folders of the measurement's own,
// and the stages the figures are taken on.

#include <filesystem>
#include <string>

class BenchTree {
 public:
  // Links the asset folders of `builtTree` (the folder above bin/).
  explicit BenchTree(const std::string& builtTree);
  ~BenchTree();
  BenchTree(const BenchTree&) = delete;
  BenchTree& operator=(const BenchTree&) = delete;

  std::string Root() const { return root_.string(); }
  // Writes `text` as stage file `n`.
  void SetStage(int n, const std::string& text) const;
  // Copies every shipped stage file of the built tree.
  void CopyShippedStages(const std::string& builtTree) const;

 private:
  std::filesystem::path root_;
};

struct BenchStage {
  std::string label;  // for the table, e.g. "stage23" or "busy.dat"
  std::string text;
  int objects = 0;
};

// Objects a stage file creates: a cell that hides an item in a block counts twice.
int CountStageObjects(const std::string& text);

// The shipped stage with the most objects (the lowest number among equals);
// the bench's own busy stage when the tree ships none.
BenchStage BusiestStage(const std::string& builtTree);
// Every pool full: 200 walls, 200 hard walls, 50 items, 50 enemies with a
// spawner of each kind. The rows below the twelfth lie under the HUD band.
BenchStage StressStage();
