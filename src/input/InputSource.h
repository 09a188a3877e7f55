#pragma once
// Where CInput reads the devices from. Shaped after the device reads the
// input rules were written for: the keyboard as 256 key bytes indexed by DIK
// code with the high bit set while held, each pad as two axes in -1000..+1000
// and 33 button bytes. The SDL backend and the scripted headless one live in
// platform/.

#include <array>
#include <cstdint>

using KeyboardState = std::array<uint8_t, 256>;

struct PadReading {
  int32_t lX = 0;  // -1000 left .. +1000 right
  int32_t lY = 0;  // -1000 up .. +1000 down
  std::array<uint8_t, 33> rgbButtons = {};
};

class InputSource {
 public:
  virtual ~InputSource() = default;
  // Called once at the start of every update, before any read.
  virtual void Poll() = 0;
  // False when the keyboard cannot be read now (no keyboard, or the game
  // window is not in front).
  virtual bool ReadKeyboard(KeyboardState& keys) = 0;
  // Pads attached now, in slot order.
  virtual int PadCount() const = 0;
  virtual bool ReadPad(int index, PadReading& reading) = 0;
};
