#pragma once
// The real game session on headless backends (recording device or, for
// screenshots, the GL device off screen; scripted pad 0; recording audio),
// stepped one logic step and one drawn frame at a time as on a 60 Hz
// display. Each step yields its trace.

#include <memory>
#include <string>
#include <vector>

#include "input/InputScript.h"
#include "ReplayOptions.h"
#include "StepTrace.h"

class CZelGame;
class HeadlessPlatform;
class RecordingAudio;

class ReplayRun {
 public:
  // Starts the game in `options.root` (the current directory must already be
  // the root, where the game reads its settings files): at the title, or as a
  // new game at the chosen stage. The first script plays from step 1; each
  // further one from the first step after a new stage is loaded.
  ReplayRun(const ReplayOptions& options, std::vector<InputScript> scripts);
  ~ReplayRun();
  ReplayRun(const ReplayRun&) = delete;
  ReplayRun& operator=(const ReplayRun&) = delete;

  // Appends to the input being played (for tests that answer what they see).
  void AppendInput(const InputScript& script);

  // One logic step and its frame.
  const StepTrace& Step();
  // The step limit or the until condition has been reached.
  bool Done() const;
  // Steps until Done; the traces of all of them.
  std::vector<StepTrace> Run();

  CZelGame& Game() const { return *game_; }
  RecordingAudio& Audio() const { return *audio_; }
  const StepTrace& Last() const { return last_; }
  // The frame just drawn, as PNG; false when it cannot be written.
  bool SaveShot(const std::string& path) const;

 private:
  void StartNewGame();
  void PlayScript(const InputScript& script);
  void FollowScripts();
  bool UntilHolds() const;

  ReplayOptions options_;
  std::vector<InputScript> scripts_;
  size_t nextScript_ = 0;
  int32_t scriptStage_ = 0;
  int inputEndStep_ = -1;  // the step in which the running script ran out, if it has
  std::unique_ptr<HeadlessPlatform> platform_;
  std::unique_ptr<RecordingAudio> audio_;
  std::unique_ptr<CZelGame> game_;
  StepTrace last_;
};
