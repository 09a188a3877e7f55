#pragma once
// Builds stage N from "stage<N>.dat" beside the program's folder: settles
// the per-stage session state, starts the music of a new group, creates one
// task per cell code, then the background and the Ready banner. Past the end
// of a route (31 without the points or in easy mode, and 41) it starts an
// ending scene instead. It never removes tasks: the previous stage must have
// ended itself through `teardown`.

#include <cstdint>

void LoadStage(int32_t stageNumber);
