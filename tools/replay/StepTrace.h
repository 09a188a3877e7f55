#pragma once
// What a replay reports after each logic step: the session's play state, the
// player, the task lists, the live scenes and effects, and the sounds and
// music of the step. Written as one JSON object per line.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CZelGame;
class RecordingAudio;

struct PlayerTrace {
  float x = 0, y = 0;
  bool onGround = false;
  int32_t animState = 0;
};

struct StepTrace {
  int step = 0;
  int32_t stage = 0, world = 0, time = 0, timeRate = 0, score = 0, hiScore = 0, bestStage = 0, life = 0,
          extendCount = 0;
  bool miss = false, stageClear = false, teardown = false, keyTaken = false, playing = false, readyShowing = false,
       eventActive = false, optionActive = false, easyMode = false, noMiss = false;
  std::optional<PlayerTrace> player;
  int lists[8] = {};  // live tasks: player, wall, hardWall, item, effect, enemy, event, background
  std::vector<std::string> scenes;   // class names, in list order
  std::vector<std::string> effects;  // class names, in list order
  std::vector<std::string> se;       // sound files played during the step
  std::optional<std::string> bgm;    // music file last loaded
  bool bgmPlaying = false;

  bool HasScene(const std::string& name) const;
  bool HasEffect(const std::string& name) const;
};

// Reads the session after a step; takes the sounds the step played.
StepTrace TakeStepTrace(int step, const CZelGame& game, RecordingAudio& audio);

std::string ToJson(const StepTrace& trace);
