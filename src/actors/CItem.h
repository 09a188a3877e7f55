#pragma once
// Items: the stationary things of a stage that act when the player touches
// them. Each kind's step runs first and acts on the contact the shared step
// found in the previous move; pick-ups then leave, spikes and markers stay.

#include <cstddef>

#include "task/MobTask.h"

class CMesh;
class CPlayer;

class CItem : public CMobTask {
 public:
  // Box +-half around (x, y), at z 0.
  CItem(CMesh* mesh, float x, float y, float half = 2);

  // The shared step: notes contact with the player (none while a miss runs).
  bool Move() override;
  void Draw() override;
  const char* ClassName() const override { return "CItem"; }

  // Slots come from ItemList; a full list creates no item.
  static void* operator new(std::size_t size) noexcept;
  static void operator delete(void* slot);

  CMesh* mesh;
  bool touchingPlayer = false;
  CPlayer* player = nullptr;  // valid while touchingPlayer
  float pitch = 0;            // degrees
  float yaw = 0;              // degrees
  float scale = 1;
  bool blocksWalls = false;  // a block built over it is refused

 protected:
  // The spikes' step: a touch kills unless a miss already runs.
  void KillOnTouch() const;
};
