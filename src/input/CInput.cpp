#include "input/CInput.h"

#include <algorithm>

#include "input/KeyLayout.h"

namespace {

constexpr int32_t kDeadZone = 200;
constexpr int32_t kFullTilt = 800;
constexpr int kKeyboardRecords = 4;
constexpr int kPadButtons = 33;

bool Held(uint8_t stateByte) { return (stateByte & 0x80) != 0; }

uint8_t& Flag(PadState& pad, const KeyBinding& binding) {
  switch (binding.control) {
    case PadControl::Up: return pad.up;
    case PadControl::Down: return pad.down;
    case PadControl::Left: return pad.left;
    case PadControl::Right: return pad.right;
    case PadControl::Button: break;
  }
  return pad.button[binding.button];
}

float KeyAxis(uint8_t negative, uint8_t positive) {
  if (negative) return -1.0f;
  return positive ? 1.0f : 0.0f;
}

}  // namespace

float StickAxis(int32_t v) {
  if (v <= -kFullTilt) return -1.0f;
  if (v >= kFullTilt) return 1.0f;
  if (v >= -kDeadZone && v <= kDeadZone) return 0.0f;
  const int32_t shifted = v < 0 ? v + kDeadZone : v - kDeadZone;
  return static_cast<float>(shifted) / static_cast<float>(kFullTilt - kDeadZone);
}

CInput::CInput(std::unique_ptr<InputSource> source) : source(std::move(source)) {}

void CInput::ClearStates() { state.fill(PadState{}); }

void CInput::Update() {
  ClearStates();
  if (source) ReadDevices();
  if (recorder) recorder->Record(state[0]);
}

void CInput::ReadDevices() {
  source->Poll();

  KeyboardState keys = {};
  if (source->ReadKeyboard(keys)) ApplyKeyboard(keys);

  const int pads = std::min(source->PadCount(), kPadSlots);
  for (int i = 0; i < pads; ++i) {
    PadReading reading;
    if (source->ReadPad(i, reading)) ApplyPad(state[i], reading);
  }
}

void CInput::ApplyKeyboard(const KeyboardState& keys) {
  for (const KeyBinding& binding : kKeyboardLayout) {
    if (Held(keys[binding.dik])) Flag(state[binding.record], binding) = 1;
  }
  for (int record = 0; record < kKeyboardRecords; ++record) {
    PadState& pad = state[record];
    pad.axisY += KeyAxis(pad.up, pad.down);
    pad.axisX += KeyAxis(pad.left, pad.right);
  }
}

void CInput::ApplyPad(PadState& pad, const PadReading& reading) {
  pad.up |= reading.lY < -kDeadZone;
  pad.down |= reading.lY > kDeadZone;
  pad.left |= reading.lX < -kDeadZone;
  pad.right |= reading.lX > kDeadZone;
  for (int b = 0; b < kPadButtons; ++b) {
    pad.button[b] |= Held(reading.rgbButtons[b]);
  }
  pad.axisY += StickAxis(reading.lY);
  pad.axisX += StickAxis(reading.lX);
}
