#pragma once
// Model generators: the static models of Model/ and the player's skinned
// model in AnimModel/goremu/. Builders return the models so tests can check
// their geometry; the Write functions put them into the runtime tree.

#include <string>
#include <vector>

#include "MeshBuilder.h"

struct StaticModel {
  std::string name;  // file name without ".x"
  ModelMesh mesh;
};

struct AnimatedModel {
  ModelFrame root;
  std::vector<ModelAnimationSet> sets;
  uint32_t ticksPerSecond;
};

std::vector<StaticModel> ItemModels();        // key, clocks, discs, 1up, batu, spikes, door
std::vector<StaticModel> EnemyModels();       // needle, jump, bomb, ghost(_R), daruma(_R), doriru
std::vector<StaticModel> BackgroundModels();  // BG1..BG5, textured with BGn.png
AnimatedModel Goremu();

void WriteBackgroundPictures(const std::string& treeDir);  // Model/BG1..5.png
void WriteGoremu(const std::string& treeDir);              // goremu.x and its texture

// Transform helpers (D3DX row-vector order: the left one applies first).
Matrix Move(float x, float y, float z);
Matrix TurnX(float degrees);
Matrix TurnY(float degrees);
Matrix TurnZ(float degrees);
