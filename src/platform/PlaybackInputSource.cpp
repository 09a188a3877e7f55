#include "platform/PlaybackInputSource.h"

#include <SDL.h>

#include <algorithm>

namespace {

constexpr int kStepsShownAfterRun = 120;

bool AnyHeld(const uint8_t* bytes, size_t count) {
  return std::any_of(bytes, bytes + count, [](uint8_t b) { return (b & 0x80) != 0; });
}

}  // namespace

PlaybackInputSource::PlaybackInputSource(std::unique_ptr<InputSource> player, const InputScript& run)
    : player(std::move(player)) {
  for (const ScriptEntry& entry : run.entries) recorded.Hold(entry.steps, entry.hold);
}

void PlaybackInputSource::Poll() {
  recorded.Poll();
  // A key still held from starting the game does not count: only a press
  // after everything was let go.
  const bool held = PlayerHoldsAnything();
  if (armed && held) End();
  if (!held) armed = true;
  if (recorded.StepsLeft() == 0 && ++stepsAfterRun > kStepsShownAfterRun) End();
}

bool PlaybackInputSource::PlayerHoldsAnything() {
  player->Poll();
  KeyboardState keys = {};
  if (player->ReadKeyboard(keys) && AnyHeld(keys.data(), keys.size())) return true;
  for (int i = 0; i < player->PadCount(); ++i) {
    PadReading pad;
    if (player->ReadPad(i, pad) && AnyHeld(pad.rgbButtons.data(), pad.rgbButtons.size())) return true;
  }
  return false;
}

void PlaybackInputSource::End() {
  if (ended) return;
  ended = true;
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
}
