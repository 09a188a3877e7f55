#pragma once
// Merges the keyboard and every attached pad into 16 pad records once per
// logic step. Keyboard and pad on the same record combine: flags by OR,
// axes by adding (so up to +-2).

#include <array>
#include <memory>

#include "input/InputRecorder.h"
#include "input/InputSource.h"
#include "input/PadState.h"

class CInput {
 public:
  static constexpr int kPadSlots = 16;

  explicit CInput(std::unique_ptr<InputSource> source);

  void Update();
  void ClearStates();
  // From now on every update hands record 0 to `recorder` (null: none).
  void SetRecorder(InputRecorder* recorder) { this->recorder = recorder; }
  PadState& GetState(int slot) { return state.at(slot); }
  const PadState& GetState(int slot) const { return state.at(slot); }

 private:
  void ReadDevices();
  void ApplyKeyboard(const KeyboardState& keys);
  static void ApplyPad(PadState& pad, const PadReading& reading);

  std::array<PadState, kPadSlots> state = {};
  std::unique_ptr<InputSource> source;
  InputRecorder* recorder = nullptr;
};

// A stick position in -1000..+1000 as an axis value: 0 inside the dead zone
// of +-200, +-1 from +-800 on, linear in between.
float StickAxis(int32_t v);
