#pragma once
// Each group of assets is written by its own generator into the runtime tree
// (the folder that holds bin/). Generators are deterministic: same build,
// same bytes.

#include <string>

void WritePictures(const std::string& treeDir);  // Texture/, Font/, bin/game.ico
void WriteModels(const std::string& treeDir);    // Model/, AnimModel/goremu/
void WriteSounds(const std::string& treeDir);    // Sound/
void WriteMusic(const std::string& treeDir);     // BGM/
