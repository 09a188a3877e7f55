#include "StepTrace.h"

#include <algorithm>
#include <charconv>

#include "actors/CPlayer.h"
#include "game/CZelGame.h"
#include "platform/RecordingAudio.h"
#include "task/TaskIter.h"

namespace {

constexpr const char* kListNames[8] = {"player", "wall", "hardWall", "item", "effect", "enemy", "event", "background"};

std::vector<std::string> ClassNames(CTaskList* list) {
  std::vector<std::string> names;
  CTaskIter it(list);
  while (CTask* task = it.Next()) names.emplace_back(task->ClassName());
  return names;
}

std::optional<PlayerTrace> FirstPlayer(CTaskList* list) {
  CTaskIter it(list);
  const auto* player = static_cast<const CPlayer*>(it.Next());
  if (!player) return std::nullopt;
  return PlayerTrace{player->x, player->y, player->onGround, player->animState};
}

// The shortest text that reads back as the same float, always with a
// decimal point or exponent so it reads as a number with a fraction.
std::string FloatText(float value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text(buffer, result.ptr);
  if (text.find_first_of(".en") == std::string::npos) text += ".0";
  return text;
}

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string Bool(bool value) { return value ? "true" : "false"; }

std::string StringArray(const std::vector<std::string>& items) {
  std::string out = "[";
  for (size_t i = 0; i < items.size(); ++i) out += (i ? "," : "") + Quoted(items[i]);
  return out + "]";
}

// Appends "name":value pairs, separated by commas.
class JsonObject {
 public:
  JsonObject& Add(const char* name, const std::string& value) {
    text_ += (text_.size() > 1 ? "," : "") + Quoted(name) + ":" + value;
    return *this;
  }
  JsonObject& Add(const char* name, int64_t value) { return Add(name, std::to_string(value)); }
  JsonObject& Flag(const char* name, bool value) { return Add(name, Bool(value)); }
  std::string Close() const { return text_ + "}"; }

 private:
  std::string text_ = "{";
};

std::string PlayerJson(const std::optional<PlayerTrace>& player) {
  if (!player) return "null";
  return JsonObject()
      .Add("x", FloatText(player->x))
      .Add("y", FloatText(player->y))
      .Flag("onGround", player->onGround)
      .Add("animState", player->animState)
      .Close();
}

std::string ListsJson(const int (&lists)[8]) {
  JsonObject object;
  for (int i = 0; i < 8; ++i) object.Add(kListNames[i], lists[i]);
  return object.Close();
}

}  // namespace

bool StepTrace::HasScene(const std::string& name) const {
  return std::find(scenes.begin(), scenes.end(), name) != scenes.end();
}

bool StepTrace::HasEffect(const std::string& name) const {
  return std::find(effects.begin(), effects.end(), name) != effects.end();
}

StepTrace TakeStepTrace(int step, const CZelGame& game, RecordingAudio& audio) {
  StepTrace t;
  t.step = step;
  t.stage = game.stage;
  t.world = game.world;
  t.time = game.time;
  t.timeRate = game.timeRate;
  t.score = game.score;
  t.hiScore = game.hiScore;
  t.bestStage = game.bestStage;
  t.life = game.life;
  t.extendCount = game.extendCount;
  t.miss = game.miss;
  t.stageClear = game.stageClear;
  t.teardown = game.teardown;
  t.keyTaken = game.keyTaken;
  t.playing = game.playing;
  t.readyShowing = game.readyShowing;
  t.eventActive = game.eventActive;
  t.optionActive = game.optionActive;
  t.easyMode = game.easyMode;
  t.noMiss = game.noMiss;
  t.player = FirstPlayer(game.PlayerList.get());
  const CTaskList* lists[8] = {game.PlayerList.get(), game.WallList.get(),   game.HardWallList.get(),
                               game.ItemList.get(),   game.EffectList.get(), game.EnemyList.get(),
                               game.EventList.get(),  game.BackgroundList.get()};
  for (int i = 0; i < 8; ++i) t.lists[i] = lists[i]->LiveCount();
  t.scenes = ClassNames(game.EventList.get());
  t.effects = ClassNames(game.EffectList.get());
  t.se = audio.TakeEffectsPlayed();
  if (!audio.MusicFile().empty()) t.bgm = audio.MusicFile();
  t.bgmPlaying = audio.MusicPlaying();
  return t;
}

std::string ToJson(const StepTrace& t) {
  return JsonObject()
      .Add("step", t.step)
      .Add("stage", t.stage)
      .Add("world", t.world)
      .Add("time", t.time)
      .Add("timeRate", t.timeRate)
      .Add("score", t.score)
      .Add("hiScore", t.hiScore)
      .Add("bestStage", t.bestStage)
      .Add("life", t.life)
      .Add("extendCount", t.extendCount)
      .Flag("miss", t.miss)
      .Flag("stageClear", t.stageClear)
      .Flag("teardown", t.teardown)
      .Flag("keyTaken", t.keyTaken)
      .Flag("playing", t.playing)
      .Flag("readyShowing", t.readyShowing)
      .Flag("eventActive", t.eventActive)
      .Flag("optionActive", t.optionActive)
      .Flag("easyMode", t.easyMode)
      .Flag("noMiss", t.noMiss)
      .Add("player", PlayerJson(t.player))
      .Add("lists", ListsJson(t.lists))
      .Add("scenes", StringArray(t.scenes))
      .Add("effects", StringArray(t.effects))
      .Add("se", StringArray(t.se))
      .Add("bgm", t.bgm ? Quoted(*t.bgm) : "null")
      .Add("bgmPlaying", Bool(t.bgmPlaying))
      .Close();
}
