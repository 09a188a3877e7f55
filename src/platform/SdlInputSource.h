#pragma once
// Keyboard and pads through SDL. Keys are read by scancode, so the fixed
// layout keeps its physical keys on every keyboard language. Pads known to
// SDL's controller database are read in its standard button order (A, B, X,
// Y, ...); others as raw joysticks. Pads plugged in or out while the game
// runs are noticed at the next poll. Nothing is read while the window is not
// in front.

#include <SDL.h>

#include <string>
#include <vector>

#include "input/InputSource.h"

// The key at the position of a DIK code; SDL_SCANCODE_UNKNOWN for a code the
// layout does not use.
SDL_Scancode ScancodeOfDik(uint8_t dik);

// The layout's keys held in SDL's keyboard state (indexed by scancode), as
// DIK key bytes. While Alt is held, Return belongs to Alt+Enter (full
// screen) and is not a key of the game.
void FillKeyboardState(const Uint8* sdlState, bool altHeld, KeyboardState& keys);

class SdlInputSource final : public InputSource {
 public:
  // Pads are read with SDL's controller mappings, plus those of a
  // "gamecontrollerdb.txt" in any of `mappingFolders` (later ones win).
  SdlInputSource(SDL_Window* window, const std::vector<std::string>& mappingFolders = {});
  ~SdlInputSource() override;
  SdlInputSource(const SdlInputSource&) = delete;
  SdlInputSource& operator=(const SdlInputSource&) = delete;

  void Poll() override;
  bool ReadKeyboard(KeyboardState& keys) override;
  int PadCount() const override { return static_cast<int>(pads.size()); }
  bool ReadPad(int index, PadReading& reading) override;

 private:
  struct Pad {
    SDL_GameController* controller = nullptr;  // null for a raw joystick
    SDL_Joystick* joystick = nullptr;
    SDL_JoystickID id = -1;
  };
  static constexpr int kMaxPads = 16;

  static int NoteDeviceChange(void* self, SDL_Event* event);
  bool InFront() const;
  void DropDetachedPads();
  void OpenNewPads();
  bool IsOpen(SDL_JoystickID id) const;
  static void Close(Pad& pad);

  SDL_Window* window;
  bool padsAvailable;
  bool devicesChanged = true;  // set when SDL reports a pad plugged in or out
  std::vector<Pad> pads;
};
