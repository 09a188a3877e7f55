#pragma once
// Input for headless runs: pad record 0 holds what a script says, each entry
// for a number of logic steps (one step per poll); after the script it holds
// nothing. Directions come in through the keyboard's keys for record 0, so
// that, as on a keyboard, opposite directions can be held together; buttons
// come in through pad 0.

#include <deque>

#include "input/InputSource.h"
#include "input/PadHold.h"

class ScriptedInputSource final : public InputSource {
 public:
  // Appends `steps` steps of `hold` to the script.
  void Hold(int steps, const PadHold& hold);
  // Drops the steps not yet reached.
  void Clear();
  // Steps of the script not yet reached.
  int StepsLeft() const { return stepsLeft; }

  void Poll() override;
  bool ReadKeyboard(KeyboardState& keys) override;
  int PadCount() const override { return 1; }
  bool ReadPad(int index, PadReading& reading) override;

 private:
  struct Entry {
    int steps;
    PadHold hold;
  };
  std::deque<Entry> script;
  int stepsLeft = 0;
  PadHold current;
};
