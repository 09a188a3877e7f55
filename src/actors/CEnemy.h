#pragma once
// Enemies: the stage's moving hazards. Each kind's step runs first and acts
// on the wall and player contacts the shared step found in the previous
// move; the shared step then applies gravity, resolves the walls and looks
// for the player.

#include <cstddef>
#include <cstdint>

#include "task/MobTask.h"

class CMesh;
class CPlayer;
class CWall;

class CEnemy : public CMobTask {
 public:
  // Box +-2, +-half, or +-halfWidth by +-halfHeight around (x, y), at z 10.
  CEnemy(CMesh* mesh, float x, float y);
  CEnemy(CMesh* mesh, float x, float y, float half);
  CEnemy(CMesh* mesh, float x, float y, float halfWidth, float halfHeight);

  // The shared step.
  bool Move() override;
  void Draw() override;
  const char* ClassName() const override { return "CEnemy"; }

  // Slots come from EnemyList; a full list creates no enemy.
  static void* operator new(std::size_t size) noexcept;
  static void operator delete(void* slot);

  float VerticalSpeed() const { return jumpVelocity + gravityVelocity; }

  CMesh* mesh;
  int32_t intY;  // y truncated after the last move; a vertical stop returns there
  float flashLevel = 0;  // spawners: brightness 0 to 2
  bool flashFalling = false;
  bool hardLanding = false;  // stopped while falling faster than 1; never cleared
  bool grounded = false;     // landed once; changes the head and foot rules
  bool isSpawner = false;
  bool noGravity = false;
  float jumpVelocity = 0;
  float gravityVelocity = 0;
  bool touchingPlayer = false;
  CPlayer* player = nullptr;  // valid while touchingPlayer
  float yaw = 0, roll = 0;    // degrees
  float scale = 1;
  bool blockedRight = false;  // this move: pushed out of a wall on the +x side
  bool blockedLeft = false;   // this move: pushed out of a wall on the -x side
  bool headHit = false;
  bool landed = false;
  CWall* lastWall = nullptr;  // the last breakable wall overlapped this move
  float drawOffsetX = 0, drawOffsetY = 0;
  float phase = 0;  // the ghosts' bobbing

 protected:
  // Kills the player on contact, with "Kill.wav", unless a miss already runs.
  void KillOnTouch() const;

 private:
  void Fall();
  void CollideWithWalls();
  void CollideWith(const CMobTask& wall, bool breakable);
  void HitHead(const CMobTask& wall, bool breakable);
  void Land(const CMobTask& wall);
  void PushOut(const CMobTask& wall);
  bool CentredOn(const CMobTask& wall) const;
  void CheckHardLanding();
  void StopVertically();
  void FindPlayer();
  void DrawFlashing();
};
