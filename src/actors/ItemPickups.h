#pragma once
// The pick-ups: each turns in place and, when the player touches it, gives
// its reward with its sound and disappears in the same move.

#include "actors/CItem.h"

// Opens the door.
class CItem_Key : public CItem {
 public:
  CItem_Key(float x, float y);
  bool Move() override;
  const char* ClassName() const override { return "CItem_Key"; }
};

// 100 more time units.
class CItem_Tokei : public CItem {
 public:
  CItem_Tokei(float x, float y);
  bool Move() override;
  const char* ClassName() const override { return "CItem_Tokei"; }
};

// The red clock: each time unit passes 3 steps sooner.
class CItem_R_Tokei : public CItem {
 public:
  CItem_R_Tokei(float x, float y);
  bool Move() override;
  const char* ClassName() const override { return "CItem_R_Tokei"; }
};

// The blue clock: each time unit lasts 6 steps longer.
class CItem_B_Tokei : public CItem {
 public:
  CItem_B_Tokei(float x, float y);
  bool Move() override;
  const char* ClassName() const override { return "CItem_B_Tokei"; }
};

// A disc worth 300 points.
class CItem_Score1 : public CItem {
 public:
  CItem_Score1(float x, float y);
  bool Move() override;
  const char* ClassName() const override { return "CItem_Score1"; }
};

// A stack of discs worth 1000 points.
class CItem_Score2 : public CItem {
 public:
  CItem_Score2(float x, float y);
  bool Move() override;
  const char* ClassName() const override { return "CItem_Score2"; }
};

// An extra life.
class CItem_1UP : public CItem {
 public:
  CItem_1UP(float x, float y);
  bool Move() override;
  const char* ClassName() const override { return "CItem_1UP"; }
};
