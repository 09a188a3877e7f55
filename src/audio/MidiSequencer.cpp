#include "audio/MidiSequencer.h"

#include <algorithm>
#include <cmath>
#include <utility>

MidiSequencer::MidiSequencer(std::shared_ptr<const MidiPiece> piece, int framesPerSecond)
    : piece_(std::move(piece)), framesPerSecond_(framesPerSecond) {
  const auto frame = [this](double seconds) { return std::llround(seconds * framesPerSecond_); };
  frames_.reserve(piece_->events.size());
  for (const MidiEvent& event : piece_->events) frames_.push_back(frame(event.seconds));
  end_ = frame(piece_->endSeconds);
}

void MidiSequencer::Seek(double seconds, MidiSink& sink) {
  if (!piece_) return;
  position_ = std::clamp<int64_t>(std::llround(std::max(seconds, 0.0) * framesPerSecond_), 0, end_);
  next_ = static_cast<size_t>(std::lower_bound(frames_.begin(), frames_.end(), position_) - frames_.begin());
  for (size_t i = 0; i < next_; ++i) {
    if (!piece_->events[i].IsNote()) sink.Send(piece_->events[i]);
  }
}

int MidiSequencer::Play(int frames, MidiSink& sink) {
  if (!piece_) return 0;
  int played = 0;
  SendDue(sink);
  while (played < frames && !AtEnd()) {
    const int64_t until = next_ < frames_.size() ? std::min(frames_[next_], end_) : end_;
    const int run = static_cast<int>(std::min<int64_t>(until - position_, frames - played));
    sink.Render(run);
    played += run;
    position_ += run;
    SendDue(sink);
  }
  return played;
}

void MidiSequencer::SendDue(MidiSink& sink) {
  for (; next_ < frames_.size() && frames_[next_] <= position_; ++next_) sink.Send(piece_->events[next_]);
}
