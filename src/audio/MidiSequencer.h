#pragma once
// Plays a MIDI piece at a fixed frame rate into a sink: every event is sent
// at its own frame and the sound between events is rendered in one go, so
// timing is exact to the frame whatever size of buffer asks for sound. It
// stops at the piece's end-of-track time, after sending the events there.

#include <cstdint>
#include <memory>
#include <vector>

#include "audio/MidiFile.h"

// Where a piece plays: a synthesiser, or a test's recorder.
class MidiSink {
 public:
  virtual ~MidiSink() = default;
  virtual void Send(const MidiEvent& event) = 0;
  // The next `frames` frames of sound.
  virtual void Render(int frames) = 0;
};

class MidiSequencer {
 public:
  MidiSequencer() = default;  // no piece: at its end from the start
  MidiSequencer(std::shared_ptr<const MidiPiece> piece, int framesPerSecond);

  bool HasPiece() const { return piece_ != nullptr; }
  // Moves to `seconds`, limited to the piece. The events before it that set
  // up a channel (programs, controllers, pitch bends, system exclusive) are
  // sent at once, so the piece goes on as if played through; notes are not.
  void Seek(double seconds, MidiSink& sink);
  // Plays at most `frames` frames from the position and returns how many it
  // played: fewer when the piece reaches its end.
  int Play(int frames, MidiSink& sink);
  bool AtEnd() const { return position_ >= end_; }

 private:
  void SendDue(MidiSink& sink);

  std::shared_ptr<const MidiPiece> piece_;
  std::vector<int64_t> frames_;  // of each event
  int framesPerSecond_ = 1;
  int64_t end_ = 0;
  int64_t position_ = 0;
  size_t next_ = 0;  // the first event not sent yet
};
