#pragma once
// Model generators: the static models of Model/ and the player's skinned
// model in AnimModel/goremu/.

#include <string>

#include "MeshBuilder.h"

void WriteItemModels(const std::string& treeDir);        // key, clocks, discs, 1up, batu, spikes, door
void WriteEnemyModels(const std::string& treeDir);       // needle, jump, bomb, ghost(_R), daruma(_R), doriru
void WriteBackgroundModels(const std::string& treeDir);  // BG1..BG5 with their pictures
void WriteGoremu(const std::string& treeDir);

// One rigid mesh in a single frame, written to Model/<name>.x.
void WriteStaticModel(const std::string& treeDir, const std::string& name, MeshBuilder& mesh);

// Transform helpers (D3DX row-vector order: the left one applies first).
Matrix Move(float x, float y, float z);
Matrix TurnX(float degrees);
Matrix TurnY(float degrees);
Matrix TurnZ(float degrees);
