#pragma once
// The two endings: after stage 30 (easy mode, or normal mode short of the
// points for the last group) and after stage 40. Each adds its bonuses to
// the score, records the high score, plays the ending music and returns to
// the title on decide once its wait is over.

#include <cstdint>

#include "scenes/CEvent.h"

class CTexture;

class CEvent_EndingScene : public CEvent {
 public:
  bool Move() override;
  void Draw() override;

  int32_t bonus = 0;  // lives and no-miss bonus
  int32_t clearBonus = 0;
  int32_t counter = 0;
  int32_t leaveCounter = 0;  // 0 while waiting, then steps of the leave-out

 protected:
  struct Layout {
    CTexture* picture;
    float clearBonusY, bonusY, scoreY, hiScoreY;
  };
  CEvent_EndingScene(int32_t stage, int32_t clearBonus, int32_t perLife, int32_t noMissBonus, int32_t wait,
                     Layout layout);

 private:
  int32_t wait_;
  Layout layout_;
};

class CEvent_Ending : public CEvent_EndingScene {
 public:
  CEvent_Ending();
  const char* ClassName() const override { return "CEvent_Ending"; }
};

class CEvent_Ending2 : public CEvent_EndingScene {
 public:
  CEvent_Ending2();
  const char* ClassName() const override { return "CEvent_Ending2"; }
};
