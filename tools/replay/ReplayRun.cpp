#include "ReplayRun.h"

#include "actors/CItem_Door.h"
#include "game/CZelGame.h"
#include "platform/ImageFile.h"
#include "platform/OffscreenPlatform.h"
#include "platform/RecordingAudio.h"
#include "scenes/CEvent_Title.h"
#include "stage/LoadStage.h"

namespace {

constexpr int kStepsAfterInput = 600;

std::unique_ptr<HeadlessPlatform> MakePlatform(bool drawn) {
  if (drawn) return std::make_unique<OffscreenPlatform>();
  return std::make_unique<HeadlessPlatform>();
}

}  // namespace

ReplayRun::ReplayRun(const ReplayOptions& options, std::vector<InputScript> scripts)
    : options_(options),
      scripts_(std::move(scripts)),
      platform_(MakePlatform(!options.shots.empty())),
      audio_(std::make_unique<RecordingAudio>()) {
  platform_->SetExecutableFolder(options.root + "/bin/");
  // Each run is a fresh start of the game, whatever ran before it in this process.
  CZelGame::s_frameCount = 0;
  CItem_Door::ResetBrightness();
  game_ = std::make_unique<CZelGame>(*platform_, *audio_);
  g_pGame = game_.get();
  game_->OnResetDevice();
  if (options.title) {
    new CEvent_Title;
  } else {
    StartNewGame();
  }
  audio_->TakeEffectsPlayed();
  if (nextScript_ < scripts_.size()) PlayScript(scripts_[nextScript_++]);
}

ReplayRun::~ReplayRun() {
  game_.reset();
  g_pGame = nullptr;
}

// What the title does for a new game, then the chosen stage.
void ReplayRun::StartNewGame() {
  CZelGame& game = *game_;
  game.optionActive = false;
  game.score = options_.score.value_or(0);
  game.time = 0;
  game.timeRate = 10;
  game.extendCount = 1;
  game.miss = false;
  game.noMiss = true;
  game.easyMode = options_.easy;
  game.life = options_.life.value_or(options_.easy ? 6 : 2);
  game.GetInput()->ClearStates();
  game.stage = options_.stage;
  game.world = (options_.stage - 1) / 10;
  LoadStage(options_.stage);
}

void ReplayRun::PlayScript(const InputScript& script) {
  ScriptedInputSource& pad = *platform_->Script();
  pad.Clear();
  for (const ScriptEntry& entry : script.entries) pad.Hold(entry.steps, entry.hold);
  scriptStage_ = game_->stage;
}

void ReplayRun::AppendInput(const InputScript& script) {
  for (const ScriptEntry& entry : script.entries) platform_->Script()->Hold(entry.steps, entry.hold);
}

const StepTrace& ReplayRun::Step() {
  game_->Move();
  game_->RenderFrame();
  last_ = TakeStepTrace(last_.step + 1, *game_, *audio_);
  FollowScripts();
  return last_;
}

// The next script takes over once a new stage has been built. A script
// running out starts the count of steps left, stopped again if the next one
// takes over in time: a next stage that never comes (the game over, back at
// the title) would otherwise keep the run going for ever.
void ReplayRun::FollowScripts() {
  if (nextScript_ < scripts_.size() && game_->stage != scriptStage_ && game_->readyShowing) {
    PlayScript(scripts_[nextScript_++]);
    inputEndStep_ = -1;
  }
  if (inputEndStep_ < 0 && platform_->Script()->StepsLeft() == 0) inputEndStep_ = last_.step;
}

bool ReplayRun::UntilHolds() const {
  switch (options_.until) {
    case Until::Clear: return last_.stageClear;
    case Until::Miss: return last_.miss;
    case Until::GameOver: return last_.HasEffect("CEffect_GameOver");
    case Until::Title: return last_.HasScene("CEvent_Title");
    case Until::Never: break;
  }
  return false;
}

bool ReplayRun::Done() const {
  if (last_.step > 0 && UntilHolds()) return true;
  if (options_.steps) return last_.step >= *options_.steps;
  return inputEndStep_ >= 0 && last_.step >= inputEndStep_ + kStepsAfterInput;
}

std::vector<StepTrace> ReplayRun::Run() {
  std::vector<StepTrace> traces;
  while (!Done()) traces.push_back(Step());
  return traces;
}

bool ReplayRun::SaveShot(const std::string& path) const {
  RenderDevice& device = *game_->GetDisplay()->GetDevice();
  Image image{device.BackBufferWidth(), device.BackBufferHeight(), device.ReadBackBuffer()};
  return SavePng(path, image);
}
