#pragma once
// The groups of figures. Each in-process group registers its Google
// benchmarks first and reads its figures from their medians afterwards;
// the process group launches the game itself.

#include <vector>

#include "Figures.h"
#include "MedianRuns.h"

void RegisterLogic();
std::vector<Figure> LogicFigures(const MedianRuns& runs);

void RegisterDrawing();
std::vector<Figure> DrawingFigures(const MedianRuns& runs);

void RegisterAssets();
std::vector<Figure> AssetFigures(const MedianRuns& runs);

void RegisterMusic();
std::vector<Figure> MusicFigures(const MedianRuns& runs);

std::vector<Figure> ProcessFigures();
// The child role ProcessFigures starts this program in (--play-ten-stages).
int PlayTenStages();
