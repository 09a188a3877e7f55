#pragma once
// Spawners: harmless, pulsing nests that release one enemy of their kind
// every 200 moves while fewer than the kind's limit are alive, the player is
// not touching them and no miss runs.

#include <cstdint>

#include "actors/CEnemy.h"

class CEnemy_Spawner : public CEnemy {
 public:
  bool Move() override;

  int32_t spawnCounter = 0;

 protected:
  CEnemy_Spawner(CMesh* mesh, float x, float y);
  // Below the kind's limit of live enemies.
  virtual bool RoomForMore() const = 0;
  virtual void Spawn() = 0;
};

class CEnemy_Bomb_R : public CEnemy_Spawner {
 public:
  CEnemy_Bomb_R(float x, float y);
  const char* ClassName() const override { return "CEnemy_Bomb_R"; }

 private:
  bool RoomForMore() const override;
  void Spawn() override;
};

class CEnemy_Ghost1_R : public CEnemy_Spawner {
 public:
  CEnemy_Ghost1_R(float x, float y);
  const char* ClassName() const override { return "CEnemy_Ghost1_R"; }

 private:
  bool RoomForMore() const override;
  void Spawn() override;
};

class CEnemy_Ghost2_R : public CEnemy_Spawner {
 public:
  CEnemy_Ghost2_R(float x, float y);
  const char* ClassName() const override { return "CEnemy_Ghost2_R"; }

 private:
  bool RoomForMore() const override;
  void Spawn() override;
};

class CEnemy_Daruma_R : public CEnemy_Spawner {
 public:
  CEnemy_Daruma_R(float x, float y);
  const char* ClassName() const override { return "CEnemy_Daruma_R"; }

 private:
  bool RoomForMore() const override;
  void Spawn() override;
};
