#include "platform/FluidMusic.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "util/ThreadPriority.h"

namespace {

constexpr int kChannels = 16;

// The synthesiser's gain at full music volume. FluidSynth's own default
// (0.2) leaves General MIDI fonts far below the effects; 1.2 is where the
// mixer's own FluidSynth player had the game's music (measured on two pieces:
// the same level within 3 %).
constexpr double kSynthGain = 1.2;

void QuietLog(int, const char*, void*) {}

int16_t ToSample(float value) {
  return static_cast<int16_t>(std::lround(std::clamp(value, -1.0f, 1.0f) * 32767.0f));
}

}  // namespace

// Sends a piece's events to the synthesiser and renders its sound into the
// buffer, one stretch after the other.
class FluidMusic::Output final : public MidiSink {
 public:
  Output(fluid_synth_t* synth, float* stereo) : synth_(synth), out_(stereo) {}

  void Send(const MidiEvent& e) override {
    if (!synth_) return;
    const int channel = e.status & 0x0F;
    switch (e.status & 0xF0) {
      case 0x80: fluid_synth_noteoff(synth_, channel, e.data1); break;
      case 0x90: fluid_synth_noteon(synth_, channel, e.data1, e.data2); break;  // velocity 0 is a note off
      case 0xA0: fluid_synth_key_pressure(synth_, channel, e.data1, e.data2); break;
      case 0xB0: fluid_synth_cc(synth_, channel, e.data1, e.data2); break;
      case 0xC0: fluid_synth_program_change(synth_, channel, e.data1); break;
      case 0xD0: fluid_synth_channel_pressure(synth_, channel, e.data1); break;
      case 0xE0: fluid_synth_pitch_bend(synth_, channel, e.data1 | e.data2 << 7); break;
      case 0xF0:
        fluid_synth_sysex(synth_, reinterpret_cast<const char*>(e.sysex.data()), static_cast<int>(e.sysex.size()),
                          nullptr, nullptr, nullptr, 0);
        break;
      default: break;
    }
  }

  void Render(int frames) override {
    if (synth_) {
      fluid_synth_write_float(synth_, frames, out_, 0, 2, out_, 1, 2);
    } else {
      std::fill(out_, out_ + 2 * frames, 0.0f);
    }
    out_ += 2 * frames;
  }

 private:
  fluid_synth_t* synth_;
  float* out_;
};

FluidMusic::FluidMusic(const std::string& soundFont, int framesPerSecond) : framesPerSecond_(framesPerSecond) {
  if (soundFont.empty()) return;
  // Only failures are worth a line on the console.
  for (int level : {FLUID_WARN, FLUID_INFO, FLUID_DBG}) fluid_set_log_function(level, QuietLog, nullptr);
  settings_ = new_fluid_settings();
  if (!settings_) return;
  fluid_settings_setnum(settings_, "synth.sample-rate", framesPerSecond);
  fluid_settings_setnum(settings_, "synth.gain", kSynthGain);
  fluid_settings_setint(settings_, "synth.threadsafe-api", 0);  // our own lock guards every call
  synth_ = new_fluid_synth(settings_);
  if (!synth_) return;
  soundFont_ = soundFont;
  // Reading the samples is the slow part of starting the game's sound.
  loading_ = std::async(std::launch::async, [synth = synth_, soundFont] {
    YieldToGameThread();
    return fluid_synth_sfload(synth, soundFont.c_str(), 1) != FLUID_FAILED;
  });
}

FluidMusic::~FluidMusic() {
  WaitForSoundFont();
  if (synth_) delete_fluid_synth(synth_);
  if (settings_) delete_fluid_settings(settings_);
}

void FluidMusic::WaitForSoundFont() const {
  if (loading_.valid() && !loading_.get()) {
    std::lock_guard lock(mutex_);
    delete_fluid_synth(synth_);
    synth_ = nullptr;
    soundFont_.clear();
  }
  ready_ = true;
}

const std::string& FluidMusic::SoundFont() const {
  WaitForSoundFont();
  return soundFont_;
}

bool FluidMusic::Load(const std::string& path) {
  WaitForSoundFont();
  // Reading the file is the slow part: done before taking the lock.
  std::shared_ptr<const MidiPiece> piece;
  if (auto read = ReadMidiFile(path)) piece = std::make_shared<const MidiPiece>(std::move(*read));
  std::lock_guard lock(mutex_);
  if (synth_) fluid_synth_system_reset(synth_);
  sequencer_ = piece ? MidiSequencer(piece, framesPerSecond_) : MidiSequencer();
  playing_ = ended_ = audible_ = false;
  return piece != nullptr;
}

void FluidMusic::Play() {
  WaitForSoundFont();
  std::lock_guard lock(mutex_);
  if (!sequencer_.HasPiece() || playing_) return;
  playing_ = audible_ = true;
  ended_ = false;
}

void FluidMusic::Stop() {
  WaitForSoundFont();
  std::lock_guard lock(mutex_);
  playing_ = ended_ = audible_ = false;
  if (synth_) fluid_synth_system_reset(synth_);
}

void FluidMusic::SetPosition(double seconds) {
  WaitForSoundFont();
  std::lock_guard lock(mutex_);
  // Notes sounding now would never get their note-off; they are released, so
  // the last notes of a piece that has ended ring on into its restart.
  Reset();
  Output output(synth_, nullptr);
  sequencer_.Seek(seconds, output);
}

bool FluidMusic::Ended() const {
  std::lock_guard lock(mutex_);
  return ended_;
}

void FluidMusic::SetGain(float left, float right) {
  std::lock_guard lock(mutex_);
  leftGain_ = left;
  rightGain_ = right;
}

void FluidMusic::Reset() {
  if (!synth_) return;
  for (int channel = 0; channel < kChannels; ++channel) {
    fluid_synth_all_notes_off(synth_, channel);
    fluid_synth_cc(synth_, channel, 121, 0);  // reset controllers: pedals up, bends centred
  }
}

void FluidMusic::Mix(int16_t* stereo, int frames) {
  if (!ready_) return;  // the SoundFont is still loading: nothing plays yet
  std::lock_guard lock(mutex_);
  buffer_.resize(2 * static_cast<size_t>(frames));
  Output output(synth_, buffer_.data());
  int played = 0;
  if (playing_) {
    played = sequencer_.Play(frames, output);
    if (sequencer_.AtEnd()) {
      playing_ = false;
      ended_ = true;
    }
  }
  output.Render(frames - played);  // what still rings after the end
  if (!audible_) return;
  for (int i = 0; i < frames; ++i) {
    stereo[2 * i] = ToSample(stereo[2 * i] / 32768.0f + buffer_[2 * i] * leftGain_);
    stereo[2 * i + 1] = ToSample(stereo[2 * i + 1] / 32768.0f + buffer_[2 * i + 1] * rightGain_);
  }
}
