#pragma once
// MIDI music rendered by FluidSynth into the mixer's music stream. The
// synthesiser and its SoundFont are made once, when the output opens, and
// serve every piece: loading a piece only reads its file. A piece ends at
// its end-of-track time, while its last notes may still ring; what happens
// next is up to the caller (the game's loop check starts it over). Without a
// SoundFont pieces still run their course, silently, so the game behaves the
// same.
//
// The game thread calls everything but Mix, which the mixer's audio thread
// calls; one lock keeps them apart, held for one buffer at most. The
// SoundFont loads on a thread of its own while the game starts up; the first
// call that needs it waits for it, and Mix renders silence until then.

#include <atomic>
#include <cstdint>
#include <future>
#include <mutex>
#include <string>
#include <vector>

#include "audio/MidiSequencer.h"

struct _fluid_hashtable_t;
struct _fluid_synth_t;

class FluidMusic {
 public:
  // An empty SoundFont, or one FluidSynth cannot load, gives silent music.
  FluidMusic(const std::string& soundFont, int framesPerSecond);
  ~FluidMusic();
  FluidMusic(const FluidMusic&) = delete;
  FluidMusic& operator=(const FluidMusic&) = delete;

  // The SoundFont in use; empty when the music is silent.
  const std::string& SoundFont() const;

  // Replaces the piece (the old one falls silent at once), stopped at its
  // start. False when the file is no MIDI file: nothing is loaded then.
  bool Load(const std::string& path);
  void Play();
  // Silences the piece at once; a stopped piece has not ended.
  void Stop();
  void SetPosition(double seconds);
  // The piece was played up to its end-of-track time.
  bool Ended() const;
  void SetGain(float left, float right);

  // Mixes `frames` frames of the music into interleaved 16-bit stereo.
  void Mix(int16_t* stereo, int frames);

 private:
  class Output;

  void Reset();
  // Takes in the loaded SoundFont, or drops the synthesiser it failed to load into.
  void WaitForSoundFont() const;

  mutable std::string soundFont_;
  _fluid_hashtable_t* settings_ = nullptr;
  mutable _fluid_synth_t* synth_ = nullptr;
  mutable std::future<bool> loading_;  // valid until the SoundFont is waited for
  mutable std::atomic<bool> ready_ = false;  // Mix may use synth_ (null or loaded)
  int framesPerSecond_;
  mutable std::mutex mutex_;
  MidiSequencer sequencer_;
  bool playing_ = false;
  bool ended_ = false;
  // Off from a stop or a load until the next play. The synthesiser renders
  // on regardless, so the reverb's tail runs out unheard.
  bool audible_ = false;
  float leftGain_ = 1.0f;
  float rightGain_ = 1.0f;
  std::vector<float> buffer_;  // the synthesiser's output, interleaved stereo
};
