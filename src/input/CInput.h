#pragma once
// Merges the keyboard and every attached pad into 16 pad records once per
// logic step. Keyboard and pad on the same record combine: flags by OR,
// axes by adding (so up to +-2).

#include <array>
#include <memory>

#include "input/InputSource.h"
#include "input/PadState.h"

class CInput {
 public:
  static constexpr int kPadSlots = 16;

  explicit CInput(std::unique_ptr<InputSource> source);

  void Update();
  void ClearStates();
  PadState& GetState(int slot) { return state.at(slot); }
  const PadState& GetState(int slot) const { return state.at(slot); }

 private:
  void ApplyKeyboard(const KeyboardState& keys);
  static void ApplyPad(PadState& pad, const PadReading& reading);

  std::array<PadState, kPadSlots> state = {};
  std::unique_ptr<InputSource> source;
};

// A stick position in -1000..+1000 as an axis value: 0 inside the dead zone
// of +-200, +-1 from +-800 on, linear in between.
float StickAxis(int32_t v);
