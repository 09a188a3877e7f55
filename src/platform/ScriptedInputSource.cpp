#include "platform/ScriptedInputSource.h"

#include "input/KeyLayout.h"

namespace {

constexpr uint8_t kKeyDown = 0x80;

}  // namespace

void ScriptedInputSource::Hold(int steps, const PadHold& hold) {
  if (steps <= 0) return;
  script.push_back({steps, hold});
  stepsLeft += steps;
}

void ScriptedInputSource::Clear() {
  script.clear();
  stepsLeft = 0;
}

void ScriptedInputSource::Poll() {
  if (script.empty()) {
    current = PadHold{};
    return;
  }
  current = script.front().hold;
  --stepsLeft;
  if (--script.front().steps == 0) script.pop_front();
}

bool ScriptedInputSource::ReadKeyboard(KeyboardState& keys) {
  keys = {};
  if (current.up) keys[Dik::S] = kKeyDown;
  if (current.down) keys[Dik::X] = kKeyDown;
  if (current.left) keys[Dik::Z] = kKeyDown;
  if (current.right) keys[Dik::C] = kKeyDown;
  return true;
}

bool ScriptedInputSource::ReadPad(int index, PadReading& reading) {
  if (index != 0) return false;
  reading = PadReading{};
  for (size_t b = 0; b < current.buttons.size(); ++b) {
    if (current.buttons[b]) reading.rgbButtons[b] = 0x80;
  }
  return true;
}
