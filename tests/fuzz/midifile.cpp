// Any bytes as a music file, then played through to the end so that every
// event time and the end-of-track time are used.

#include <cstdint>
#include <memory>
#include <span>

#include "audio/MidiFile.h"
#include "audio/MidiSequencer.h"

namespace {

class CountingSink final : public MidiSink {
 public:
  void Send(const MidiEvent&) override { ++events; }
  void Render(int frames) override { rendered += frames; }
  long events = 0;
  long rendered = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto piece = ParseMidi(std::span<const uint8_t>(data, size));
  if (!piece || piece->endSeconds > 3600) return 0;  // an hour is plenty to play through
  const double end = piece->endSeconds;
  MidiSequencer sequencer(std::make_shared<const MidiPiece>(std::move(*piece)), 1000);
  CountingSink sink;
  sequencer.Seek(end / 2, sink);
  while (sequencer.Play(1 << 20, sink) > 0) {
  }
  return 0;
}
