#pragma once
// The character the player steers: walks, jumps, lands on blocks, strikes
// them from below and builds or removes a block beside itself. It also plays
// out the two ends of an attempt: the miss (spinning off the top of the
// screen, then a reload or game over) and the clear (shrinking into the door,
// then the clear scene).

#include <cstddef>
#include <cstdint>

#include "task/MobTask.h"

class CPlayer;

// Contact with a player as enemies and items see it: each player of the list
// in turn decides, so the last one has the final word; `counts` false means
// no contact counts now. With no player nothing changes.
void FindPlayerContact(const CMobTask& self, bool counts, bool& touching, CPlayer*& player);

class CPlayer : public CMobTask {
 public:
  // At the spawn point the loader gives (three units below the cell centre).
  CPlayer(int32_t x, int32_t y);
  bool Move() override;
  // The build action's timer and the model's pose, once per logic step.
  void Animate() override;
  void Draw() override;
  const char* ClassName() const override { return "CPlayer"; }

  // Slots come from PlayerList.
  static void* operator new(std::size_t size) noexcept;
  static void operator delete(void* slot);

  float VerticalSpeed() const { return jumpVelocity + gravityVelocity; }

  // Animation states, also the numbers of the model's animations.
  static constexpr int32_t kIdle = 0, kWalk = 1, kBuildAhead = 3, kBuildBelow = 4;

  float vx = 0;
  float jumpVelocity = 0;
  float gravityVelocity = 0;
  bool onGround = false;
  bool jumpHeld = false;  // jump or block button held at the end of the last move
  bool facingLeft = false;
  float facingAngle = 90;  // degrees of yaw
  float spinAngle = 0;     // degrees of roll, during the miss
  int32_t intX, intY;      // position truncated at the end of the last move
  int32_t cellX, cellY;    // stage column 40 - cellX, row 29 - cellY
  int32_t animState = kIdle;
  int32_t actionTimer = 0;    // steps into a build action, counted after each step's moves
  int32_t sequenceTimer = 0;  // moves into the miss or clear sequence

 private:
  bool MoveMissSequence();
  bool MoveClearSequence();
  void ReadInput();
  void Build();
  void Fall();
  void CollideWithBlocks();
  void CollideWith(CMobTask& block, bool breakable);
  bool OverStrip(const CMobTask& block) const;
  void StopVertically();
  void RecordCell();
  void UpdateAction();

  // A build action makes one block, even if the timer were to stay at the
  // building value for several moves.
  bool blockBuilt = false;
};
