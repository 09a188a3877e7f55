#pragma once
// The real session on a bench tree, headless (recording device) or drawn
// with the GL device off screen, brought to the scene a figure is taken in.

#include <memory>

#include "BenchTree.h"
#include "ReplayRun.h"

enum class Scene {
  Title,   // the title menu, still
  Option,  // the option scene, reached from the title
  Stage,   // stage 1 of the tree in play, past its Ready banner
};

std::unique_ptr<ReplayRun> OpenScene(const BenchTree& tree, Scene scene, bool withGl);

// The stages the figures are taken on, read once.
const BenchStage& BusyStage();
const BenchStage& FullPoolsStage();
