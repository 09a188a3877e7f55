#pragma once
// Shows a recorded run: the game is fed the recording as pad record 0 while
// the player's own keyboard and pads are only watched. The first key or
// button pressed ends the playback, and so does the end of the run, two
// seconds after its last step; either asks the window to close.

#include <memory>

#include "input/InputScript.h"
#include "platform/ScriptedInputSource.h"

class PlaybackInputSource final : public InputSource {
 public:
  PlaybackInputSource(std::unique_ptr<InputSource> player, const InputScript& run);

  void Poll() override;
  bool ReadKeyboard(KeyboardState& keys) override { return recorded.ReadKeyboard(keys); }
  int PadCount() const override { return recorded.PadCount(); }
  bool ReadPad(int index, PadReading& reading) override { return recorded.ReadPad(index, reading); }

 private:
  bool PlayerHoldsAnything();
  void End();

  std::unique_ptr<InputSource> player;
  ScriptedInputSource recorded;
  bool armed = false;  // the player has let go of everything since the start
  int stepsAfterRun = 0;
  bool ended = false;
};
