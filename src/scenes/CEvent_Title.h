#pragma once
// The title: resets the session for a new game, plays the title music and
// offers new game (easy or normal), Continue and Option. A choice fades out
// over 60 steps and hands over to the first stage, the saved stage or the
// option scene.

#include <cstdint>

#include "scenes/CEvent.h"

class CEvent_Title : public CEvent {
 public:
  CEvent_Title();
  bool Move() override;
  void Draw() override;
  const char* ClassName() const override { return "CEvent_Title"; }

  int32_t cursor = 0;  // 0 to 2 in the main menu, 0 to 1 in the difficulty menu
  bool inDifficulty = false;
  bool latch = false;  // a menu input was held in the last step
  bool starting = false;
  bool continuing = false;
  bool toOption = false;
  int32_t counter = 0;  // steps since the choice; shared by both hand-overs

 private:
  void ReadMenu();
  void Decide();
  bool LeaveForOption();
  bool LeaveForGame();
  void StartNewGame();
  void ContinueSavedGame();
};
