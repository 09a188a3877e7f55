#pragma once
// The fixed keyboard layout: four pad records, each with four directions and
// up to nine buttons. Keys are named by their DIK code (the PC scan code), so
// the layout stays the same physical keys whatever the keyboard's language.

#include <array>
#include <cstdint>

namespace Dik {
enum : uint8_t {
  Key1 = 0x02, Key2 = 0x03, Key3 = 0x04, Key4 = 0x05, Key5 = 0x06,
  Key6 = 0x07, Key7 = 0x08, Key8 = 0x09, Key9 = 0x0A, Key0 = 0x0B,
  Q = 0x10, W = 0x11, E = 0x12, R = 0x13, T = 0x14, Y = 0x15, U = 0x16, I = 0x17, O = 0x18, P = 0x19,
  Return = 0x1C,
  S = 0x1F, D = 0x20, F = 0x21, G = 0x22, H = 0x23, L = 0x26,
  Z = 0x2C, X = 0x2D, C = 0x2E, V = 0x2F, B = 0x30, N = 0x31, M = 0x32,
  Space = 0x39,
  Up = 0xC8, Left = 0xCB, Right = 0xCD, Down = 0xD0,
};
}  // namespace Dik

enum class PadControl : uint8_t { Up, Down, Left, Right, Button };

struct KeyBinding {
  uint8_t dik;
  uint8_t record;
  PadControl control;
  uint8_t button;  // for PadControl::Button
};

namespace key_layout_detail {
constexpr KeyBinding Up(uint8_t record, uint8_t dik) { return {dik, record, PadControl::Up, 0}; }
constexpr KeyBinding Down(uint8_t record, uint8_t dik) { return {dik, record, PadControl::Down, 0}; }
constexpr KeyBinding Left(uint8_t record, uint8_t dik) { return {dik, record, PadControl::Left, 0}; }
constexpr KeyBinding Right(uint8_t record, uint8_t dik) { return {dik, record, PadControl::Right, 0}; }
constexpr KeyBinding Button(uint8_t record, uint8_t button, uint8_t dik) {
  return {dik, record, PadControl::Button, button};
}
}  // namespace key_layout_detail

// Record 0 is the one the game reads; the arrow keys feed record 1.
inline constexpr auto kKeyboardLayout = [] {
  using namespace key_layout_detail;
  return std::to_array<KeyBinding>({
      Up(0, Dik::S), Down(0, Dik::X), Left(0, Dik::Z), Right(0, Dik::C),
      Button(0, 0, Dik::V), Button(0, 1, Dik::D), Button(0, 1, Dik::Return), Button(0, 2, Dik::F),
      Button(0, 3, Dik::G), Button(0, 4, Dik::B), Button(0, 5, Dik::H), Button(0, 6, Dik::Space),
      Button(0, 7, Dik::N), Button(0, 8, Dik::M),

      Up(1, Dik::Up), Down(1, Dik::Down), Left(1, Dik::Left), Right(1, Dik::Right),
      Button(1, 0, Dik::Y), Button(1, 1, Dik::Key8), Button(1, 2, Dik::Key9), Button(1, 3, Dik::Key0),
      Button(1, 4, Dik::U), Button(1, 5, Dik::I), Button(1, 6, Dik::O), Button(1, 7, Dik::P),
      Button(1, 8, Dik::L),

      Up(2, Dik::Key1), Down(2, Dik::Key2), Left(2, Dik::Key3), Right(2, Dik::Key4),
      Button(2, 0, Dik::Key5), Button(2, 1, Dik::Key6),

      Up(3, Dik::Q), Down(3, Dik::W), Left(3, Dik::E), Right(3, Dik::R),
      Button(3, 0, Dik::Key7), Button(3, 1, Dik::T),
  });
}();
