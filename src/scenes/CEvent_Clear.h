#pragma once
// After a cleared stage: by the save mode, straight on to the next stage
// (saving or not), or a menu of four: next stage; save, then next stage;
// save the next stage and return to the title; return to the title.

#include <cstdint>

#include "scenes/CEvent.h"

class CEvent_Clear : public CEvent {
 public:
  CEvent_Clear() = default;
  bool Move() override;
  void Draw() override;
  const char* ClassName() const override { return "CEvent_Clear"; }

  enum Row { kNext, kSaveAndNext, kSaveAndQuit, kQuit, kRows };

  int32_t cursor = 0;
  bool latch = false;  // up, down or decide held in the last step
  int32_t counter = 0;  // steps since leaving for the title
  bool leaving = false;

 private:
  bool RunMenu();
  bool Choose();
  bool LeaveForTitle();
};
