#pragma once
// Writes the pad record the game sees in each logic step to a file, in the
// replay input format (one `COUNT KEYS` line per run of equal steps), so a
// game can be played back step for step. A run is written out at least every
// 60 steps and the file flushed with it: a crash loses at most the last
// second.

#include <fstream>
#include <string>

#include "input/PadHold.h"
#include "input/PadState.h"

class InputRecorder {
 public:
  // Starts the file with `header` as a comment line; false when it cannot
  // be created.
  bool Open(const std::string& path, const std::string& header);
  // One logic step.
  void Record(const PadState& pad);
  // Writes what is pending and `footer` as a comment line.
  void Close(const std::string& footer);

  bool IsOpen() const { return out_.is_open(); }
  int Steps() const { return steps_; }

 private:
  void WriteRun();

  std::ofstream out_;
  PadHold run_;
  int runLength_ = 0;
  int steps_ = 0;
};

// The directions and physical buttons 0 to 32 of a pad record.
PadHold HoldOf(const PadState& pad);
