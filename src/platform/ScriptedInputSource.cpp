#include "platform/ScriptedInputSource.h"

namespace {

constexpr int32_t kFullTilt = 1000;

int32_t Axis(bool negative, bool positive) {
  if (negative) return -kFullTilt;
  return positive ? kFullTilt : 0;
}

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

bool ScriptedInputSource::ReadPad(int index, PadReading& reading) {
  if (index != 0) return false;
  reading = PadReading{};
  reading.lX = Axis(current.left, current.right);
  reading.lY = Axis(current.up, current.down);
  for (size_t b = 0; b < current.buttons.size(); ++b) {
    if (current.buttons[b]) reading.rgbButtons[b] = 0x80;
  }
  return true;
}
