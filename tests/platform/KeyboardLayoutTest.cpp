// Every key of the fixed keyboard layout, pressed alone through SDL's
// keyboard state, lands on its own control of its own pad record. The list
// below is written out by hand, key by key, rather than taken from the
// layout's own table, so a slip in either shows.

#include <gtest/gtest.h>

#include "input/CInput.h"
#include "platform/SdlInputSource.h"

namespace {

// Feeds one keyboard state to CInput.
class OneKeyboard final : public InputSource {
 public:
  explicit OneKeyboard(const KeyboardState& keys) : keys(keys) {}
  void Poll() override {}
  bool ReadKeyboard(KeyboardState& out) override {
    out = keys;
    return true;
  }
  int PadCount() const override { return 0; }
  bool ReadPad(int, PadReading&) override { return false; }

 private:
  KeyboardState keys;
};

struct Expected {
  SDL_Scancode key;
  int record;
  const char* control;  // "up", "down", "left", "right" or "button N"
};

// What a record holds, in the same words.
std::vector<std::string> Held(const PadState& pad) {
  std::vector<std::string> held;
  if (pad.up) held.push_back("up");
  if (pad.down) held.push_back("down");
  if (pad.left) held.push_back("left");
  if (pad.right) held.push_back("right");
  for (int b = 0; b < 128; ++b) {
    if (pad.button[b]) held.push_back("button " + std::to_string(b));
  }
  return held;
}

std::vector<std::vector<std::string>> PressAlone(SDL_Scancode key, bool alt = false) {
  Uint8 sdl[SDL_NUM_SCANCODES] = {};
  sdl[key] = 1;
  KeyboardState keys;
  FillKeyboardState(sdl, alt, keys);
  CInput input(std::make_unique<OneKeyboard>(keys));
  input.Update();
  std::vector<std::vector<std::string>> records;
  for (int r = 0; r < 4; ++r) records.push_back(Held(input.GetState(r)));
  return records;
}

TEST(KeyboardLayoutTest, EachKeyDrivesOneControlOfOneRecord) {
  const Expected layout[] = {
      {SDL_SCANCODE_S, 0, "up"},         {SDL_SCANCODE_X, 0, "down"},        {SDL_SCANCODE_Z, 0, "left"},
      {SDL_SCANCODE_C, 0, "right"},      {SDL_SCANCODE_V, 0, "button 0"},    {SDL_SCANCODE_D, 0, "button 1"},
      {SDL_SCANCODE_RETURN, 0, "button 1"}, {SDL_SCANCODE_F, 0, "button 2"}, {SDL_SCANCODE_G, 0, "button 3"},
      {SDL_SCANCODE_B, 0, "button 4"},   {SDL_SCANCODE_H, 0, "button 5"},    {SDL_SCANCODE_SPACE, 0, "button 6"},
      {SDL_SCANCODE_N, 0, "button 7"},   {SDL_SCANCODE_M, 0, "button 8"},    {SDL_SCANCODE_UP, 1, "up"},
      {SDL_SCANCODE_DOWN, 1, "down"},    {SDL_SCANCODE_LEFT, 1, "left"},     {SDL_SCANCODE_RIGHT, 1, "right"},
      {SDL_SCANCODE_Y, 1, "button 0"},   {SDL_SCANCODE_8, 1, "button 1"},    {SDL_SCANCODE_9, 1, "button 2"},
      {SDL_SCANCODE_0, 1, "button 3"},   {SDL_SCANCODE_U, 1, "button 4"},    {SDL_SCANCODE_I, 1, "button 5"},
      {SDL_SCANCODE_O, 1, "button 6"},   {SDL_SCANCODE_P, 1, "button 7"},    {SDL_SCANCODE_L, 1, "button 8"},
      {SDL_SCANCODE_1, 2, "up"},         {SDL_SCANCODE_2, 2, "down"},        {SDL_SCANCODE_3, 2, "left"},
      {SDL_SCANCODE_4, 2, "right"},      {SDL_SCANCODE_5, 2, "button 0"},    {SDL_SCANCODE_6, 2, "button 1"},
      {SDL_SCANCODE_Q, 3, "up"},         {SDL_SCANCODE_W, 3, "down"},        {SDL_SCANCODE_E, 3, "left"},
      {SDL_SCANCODE_R, 3, "right"},      {SDL_SCANCODE_7, 3, "button 0"},    {SDL_SCANCODE_T, 3, "button 1"},
  };
  for (const Expected& key : layout) {
    SCOPED_TRACE(SDL_GetScancodeName(key.key));
    std::vector<std::vector<std::string>> expected(4);
    expected[static_cast<size_t>(key.record)] = {key.control};
    EXPECT_EQ(PressAlone(key.key), expected);
  }
  // Keys outside the layout do nothing.
  for (const SDL_Scancode key : {SDL_SCANCODE_A, SDL_SCANCODE_K, SDL_SCANCODE_TAB, SDL_SCANCODE_F1}) {
    EXPECT_EQ(PressAlone(key), std::vector<std::vector<std::string>>(4)) << SDL_GetScancodeName(key);
  }
}

TEST(KeyboardLayoutTest, ReturnWithAltIsTheFullScreenSwitchNotTheBlockButton) {
  EXPECT_EQ(PressAlone(SDL_SCANCODE_RETURN, true), std::vector<std::vector<std::string>>(4));
  EXPECT_EQ(PressAlone(SDL_SCANCODE_D, true)[0], std::vector<std::string>{"button 1"});
}

}  // namespace
