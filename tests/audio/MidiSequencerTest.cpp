#include "audio/MidiSequencer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// Notes what it is sent as "STATUS@FRAME" (in hexadecimal) and what it is asked to render.
class RecordingSink final : public MidiSink {
 public:
  void Send(const MidiEvent& event) override {
    char text[32];
    std::snprintf(text, sizeof text, "%02X@%d", event.status, frame_);
    log.push_back(text);
  }
  void Render(int frames) override {
    frame_ += frames;
    log.push_back("render " + std::to_string(frames));
  }
  Log Take() { return std::exchange(log, {}); }

  Log log;

 private:
  int frame_ = 0;
};

// At 1000 frames a second: a program at 0, a note from 0.25 s to the end at
// 1 s, a controller at 0.5 s.
std::shared_ptr<MidiPiece> Piece() {
  auto piece = std::make_shared<MidiPiece>();
  piece->events = {{0.0, 0xC0, 19, 0, {}}, {0.25, 0x90, 60, 100, {}}, {0.5, 0xB0, 7, 90, {}}, {1.0, 0x80, 60, 0, {}}};
  piece->endSeconds = 1.0;
  return piece;
}

TEST(MidiSequencer, EventsFallOnTheirFramesAcrossBuffersAndPlayStopsAtTheEnd) {
  MidiSequencer sequencer(Piece(), 1000);
  RecordingSink sink;
  EXPECT_EQ(sequencer.Play(300, sink), 300);
  EXPECT_EQ(sink.Take(), (Log{"C0@0", "render 250", "90@250", "render 50"}));
  EXPECT_EQ(sequencer.Play(300, sink), 300);
  EXPECT_EQ(sink.Take(), (Log{"render 200", "B0@500", "render 100"}));
  EXPECT_FALSE(sequencer.AtEnd());
  EXPECT_EQ(sequencer.Play(1000, sink), 400) << "only up to the end";
  EXPECT_EQ(sink.Take(), (Log{"render 400", "80@1000"})) << "the note ending with the piece is ended";
  EXPECT_TRUE(sequencer.AtEnd());
  EXPECT_EQ(sequencer.Play(100, sink), 0);
  EXPECT_EQ(sink.Take(), Log{});

  // Back to the start: nothing to chase before it; the piece plays again.
  sequencer.Seek(0, sink);
  EXPECT_EQ(sink.Take(), Log{});
  EXPECT_FALSE(sequencer.AtEnd());
  EXPECT_EQ(sequencer.Play(10, sink), 10);
  EXPECT_EQ(sink.Take(), (Log{"C0@1000", "render 10"}));
}

TEST(MidiSequencer, SeekSetsUpTheChannelsButPlaysNoNoteBeforeIt) {
  MidiSequencer sequencer(Piece(), 1000);
  RecordingSink sink;
  sequencer.Seek(0.6, sink);
  EXPECT_EQ(sink.Take(), (Log{"C0@0", "B0@0"}));
  EXPECT_EQ(sequencer.Play(1000, sink), 400);
  EXPECT_EQ(sink.Take(), (Log{"render 400", "80@400"}));

  sequencer.Seek(0.25, sink);  // an event at the very frame is played, not chased
  EXPECT_EQ(sink.Take(), (Log{"C0@400"}));
  sequencer.Play(1, sink);
  EXPECT_EQ(sink.Take()[0], "90@400");

  sequencer.Seek(7.0, sink);  // past the end: at the end
  EXPECT_TRUE(sequencer.AtEnd());
  sequencer.Seek(-1.0, sink);
  EXPECT_FALSE(sequencer.AtEnd());

  MidiSequencer none;
  EXPECT_TRUE(none.AtEnd());
  EXPECT_EQ(none.Play(10, sink), 0);
}

}  // namespace
