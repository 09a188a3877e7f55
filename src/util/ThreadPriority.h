#pragma once
// Work started beside the game thread while the game opens (parsing the
// models, reading the SoundFont) yields to it: on a machine with few cores
// the window and the first picture come first, and the loaders use what is
// left.

// Lowers the scheduling priority of the calling thread only.
void YieldToGameThread();
