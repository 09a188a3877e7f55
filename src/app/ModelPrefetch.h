#pragma once
// Every model of the runtime tree, parsed on a thread of its own while SDL,
// OpenGL and the sound start, so that the files are there before the game
// asks for them (see gfx/XFilePrefetch.h).

#include <string>

// `exeFolder` is the folder of the running program, bin/ of the tree.
void PrefetchModels(const std::string& exeFolder);
