#pragma once
// The option scene: effect and music volume, the HUD band picture, the save
// mode and the two buttons of play. Volumes and the band change at once; the
// rest reaches the game when the scene is left, which writes the
// configuration file and returns to a new title.

#include <cstdint>

#include "scenes/CEvent.h"

class CEvent_Option : public CEvent {
 public:
  CEvent_Option();
  bool Move() override;
  void Draw() override;
  const char* ClassName() const override { return "CEvent_Option"; }

  // Rows from the top.
  enum Row { kEffectVolume, kMusicVolume, kBandPicture, kSaveMode, kActionButton, kJumpButton, kExit, kRows };

  bool latch = false;  // a direction was held in the last step
  int32_t seValue, bgmValue, panelValue, saveModeValue;
  int32_t actionButton, jumpButton;  // physical buttons
  int32_t cursor = 0;
  bool leaving = false;
  int32_t counter = 0;  // steps since leaving was confirmed

 private:
  void EditRow();
  // Right raises and left lowers `value` within 0 .. top, with a sound per change.
  static void Raise(int32_t& value, int32_t top);
  static void Lower(int32_t& value);
  static void RaiseThenLower(int32_t& value, int32_t top);
  static void LowerThenRaise(int32_t& value, int32_t top);
  void TakeHeldButton(int32_t& button) const;
  bool Leave();
  void SaveConfig() const;
};
