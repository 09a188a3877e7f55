#include "platform/SdlInputSource.h"

#include <algorithm>
#include <utility>

#include "input/KeyLayout.h"
#include "util/NativePath.h"

namespace {

// The scancode of every key the fixed layout uses.
constexpr std::pair<uint8_t, SDL_Scancode> kDikScancodes[] = {
    {Dik::Key1, SDL_SCANCODE_1}, {Dik::Key2, SDL_SCANCODE_2}, {Dik::Key3, SDL_SCANCODE_3},
    {Dik::Key4, SDL_SCANCODE_4}, {Dik::Key5, SDL_SCANCODE_5}, {Dik::Key6, SDL_SCANCODE_6},
    {Dik::Key7, SDL_SCANCODE_7}, {Dik::Key8, SDL_SCANCODE_8}, {Dik::Key9, SDL_SCANCODE_9},
    {Dik::Key0, SDL_SCANCODE_0}, {Dik::Q, SDL_SCANCODE_Q}, {Dik::W, SDL_SCANCODE_W},
    {Dik::E, SDL_SCANCODE_E}, {Dik::R, SDL_SCANCODE_R}, {Dik::T, SDL_SCANCODE_T},
    {Dik::Y, SDL_SCANCODE_Y}, {Dik::U, SDL_SCANCODE_U}, {Dik::I, SDL_SCANCODE_I},
    {Dik::O, SDL_SCANCODE_O}, {Dik::P, SDL_SCANCODE_P}, {Dik::Return, SDL_SCANCODE_RETURN},
    {Dik::S, SDL_SCANCODE_S}, {Dik::D, SDL_SCANCODE_D}, {Dik::F, SDL_SCANCODE_F},
    {Dik::G, SDL_SCANCODE_G}, {Dik::H, SDL_SCANCODE_H}, {Dik::L, SDL_SCANCODE_L},
    {Dik::Z, SDL_SCANCODE_Z}, {Dik::X, SDL_SCANCODE_X}, {Dik::C, SDL_SCANCODE_C},
    {Dik::V, SDL_SCANCODE_V}, {Dik::B, SDL_SCANCODE_B}, {Dik::N, SDL_SCANCODE_N},
    {Dik::M, SDL_SCANCODE_M}, {Dik::Space, SDL_SCANCODE_SPACE}, {Dik::Up, SDL_SCANCODE_UP},
    {Dik::Left, SDL_SCANCODE_LEFT}, {Dik::Right, SDL_SCANCODE_RIGHT}, {Dik::Down, SDL_SCANCODE_DOWN},
};

constexpr uint8_t kHeld = 0x80;
constexpr int32_t kAxisRange = 1000;

int32_t ScaleAxis(Sint16 v) { return std::clamp(v * kAxisRange / SDL_JOYSTICK_AXIS_MAX, -kAxisRange, kAxisRange); }

// A held direction pad overrides the stick on its axis, so the pad moves the
// player whichever of the two is used.
int32_t WithDirectionPad(int32_t stick, bool negative, bool positive) {
  if (negative) return -kAxisRange;
  if (positive) return kAxisRange;
  return stick;
}

void ReadController(SDL_GameController* controller, PadReading& reading) {
  auto held = [controller](SDL_GameControllerButton b) { return SDL_GameControllerGetButton(controller, b) != 0; };
  reading.lX = WithDirectionPad(ScaleAxis(SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX)),
                                held(SDL_CONTROLLER_BUTTON_DPAD_LEFT), held(SDL_CONTROLLER_BUTTON_DPAD_RIGHT));
  reading.lY = WithDirectionPad(ScaleAxis(SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY)),
                                held(SDL_CONTROLLER_BUTTON_DPAD_UP), held(SDL_CONTROLLER_BUTTON_DPAD_DOWN));
  for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX && b < static_cast<int>(reading.rgbButtons.size()); ++b) {
    if (held(static_cast<SDL_GameControllerButton>(b))) reading.rgbButtons[b] = kHeld;
  }
}

void ReadJoystick(SDL_Joystick* joystick, PadReading& reading) {
  const Uint8 hat = SDL_JoystickNumHats(joystick) > 0 ? SDL_JoystickGetHat(joystick, 0) : SDL_HAT_CENTERED;
  reading.lX = WithDirectionPad(ScaleAxis(SDL_JoystickGetAxis(joystick, 0)), hat & SDL_HAT_LEFT, hat & SDL_HAT_RIGHT);
  reading.lY = WithDirectionPad(ScaleAxis(SDL_JoystickGetAxis(joystick, 1)), hat & SDL_HAT_UP, hat & SDL_HAT_DOWN);
  const int buttons = std::min(SDL_JoystickNumButtons(joystick), static_cast<int>(reading.rgbButtons.size()));
  for (int b = 0; b < buttons; ++b) {
    if (SDL_JoystickGetButton(joystick, b)) reading.rgbButtons[b] = kHeld;
  }
}

}  // namespace

SdlInputSource::SdlInputSource(SDL_Window* window, const std::vector<std::string>& mappingFolders)
    : window(window), padsAvailable(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0) {
  if (!padsAvailable) return;
  // Before any pad is opened, so the mappings apply to the first ones too.
  for (const std::string& folder : mappingFolders) {
    SDL_GameControllerAddMappingsFromFile(NativePath(folder + "gamecontrollerdb.txt").c_str());
  }
  SDL_AddEventWatch(&SdlInputSource::NoteDeviceChange, this);
}

SdlInputSource::~SdlInputSource() {
  if (!padsAvailable) return;
  SDL_DelEventWatch(&SdlInputSource::NoteDeviceChange, this);
  for (Pad& pad : pads) Close(pad);
  SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

int SdlInputSource::NoteDeviceChange(void* self, SDL_Event* event) {
  if (event->type == SDL_JOYDEVICEADDED || event->type == SDL_JOYDEVICEREMOVED) {
    static_cast<SdlInputSource*>(self)->devicesChanged = true;
  }
  return 0;
}

void SdlInputSource::Poll() {
  if (!padsAvailable || !devicesChanged) return;
  devicesChanged = false;
  DropDetachedPads();
  OpenNewPads();
}

bool SdlInputSource::InFront() const { return (SDL_GetWindowFlags(window) & SDL_WINDOW_INPUT_FOCUS) != 0; }

SDL_Scancode ScancodeOfDik(uint8_t dik) {
  for (const auto& [code, scancode] : kDikScancodes) {
    if (code == dik) return scancode;
  }
  return SDL_SCANCODE_UNKNOWN;
}

void FillKeyboardState(const Uint8* sdlState, bool altHeld, KeyboardState& keys) {
  keys.fill(0);
  for (const KeyBinding& binding : kKeyboardLayout) {
    if (sdlState[ScancodeOfDik(binding.dik)]) keys[binding.dik] = kHeld;
  }
  if (altHeld) keys[Dik::Return] = 0;
}

bool SdlInputSource::ReadKeyboard(KeyboardState& keys) {
  if (!InFront()) return false;
  FillKeyboardState(SDL_GetKeyboardState(nullptr), (SDL_GetModState() & KMOD_ALT) != 0, keys);
  return true;
}

bool SdlInputSource::ReadPad(int index, PadReading& reading) {
  if (!InFront() || index < 0 || index >= PadCount()) return false;
  reading = PadReading{};
  const Pad& pad = pads[index];
  if (pad.controller) {
    ReadController(pad.controller, reading);
  } else {
    ReadJoystick(pad.joystick, reading);
  }
  return true;
}

void SdlInputSource::DropDetachedPads() {
  auto detached = [](Pad& pad) {
    if (SDL_JoystickGetAttached(pad.joystick)) return false;
    Close(pad);
    return true;
  };
  pads.erase(std::remove_if(pads.begin(), pads.end(), detached), pads.end());
}

void SdlInputSource::OpenNewPads() {
  const int devices = SDL_NumJoysticks();
  for (int i = 0; i < devices && PadCount() < kMaxPads; ++i) {
    if (IsOpen(SDL_JoystickGetDeviceInstanceID(i))) continue;
    Pad pad;
    if (SDL_IsGameController(i)) {
      pad.controller = SDL_GameControllerOpen(i);
      pad.joystick = pad.controller ? SDL_GameControllerGetJoystick(pad.controller) : nullptr;
    } else {
      pad.joystick = SDL_JoystickOpen(i);
    }
    if (!pad.joystick) continue;
    pad.id = SDL_JoystickInstanceID(pad.joystick);
    pads.push_back(pad);
  }
}

bool SdlInputSource::IsOpen(SDL_JoystickID id) const {
  return std::any_of(pads.begin(), pads.end(), [id](const Pad& pad) { return pad.id == id; });
}

void SdlInputSource::Close(Pad& pad) {
  if (pad.controller) {
    SDL_GameControllerClose(pad.controller);
  } else {
    SDL_JoystickClose(pad.joystick);
  }
}
