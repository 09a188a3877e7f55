#pragma once
// Scenarios: small stage files written into a scratch runtime tree and the
// real game run on them through the replay runner, exactly as vexhop-replay
// runs it (one logic step and one drawn frame per step), keeping every
// step's trace.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ReplayRun.h"
#include "support/SessionHarness.h"
#include "task/TaskIter.h"

// The steps the Ready banner holds a new stage still: it ends in its 151st
// move, after the stage lists were passed over in that step, so the first
// step that moves anything is kReady + 1.
inline constexpr int kReady = 151;

// Twelve grid rows, empty but for the ones given (row number, text).
inline std::vector<std::string> Rows(const std::map<int, std::string>& given) {
  std::vector<std::string> rows(12, "");
  for (const auto& [row, text] : given) rows.at(static_cast<size_t>(row)) = text;
  return rows;
}

inline constexpr const char* kFloor = "WWWWWWWWWWWWWWWW";

// A script from its text; the test stops at a mistake in it.
inline std::optional<InputScript> ParseInputScriptOrDie(const std::string& text) {
  std::string error;
  std::optional<InputScript> script = ParseInputScript(text, "script", error);
  if (!script) ADD_FAILURE() << error;
  return script;
}

inline void WriteStage(const std::string& root, int n, const std::vector<std::string>& rows,
                       const std::string& timeLine = "900") {
  std::string text;
  for (const std::string& row : rows) text += row + "\r\n";
  WriteBytes(root + "/stage/stage" + std::to_string(n) + ".dat", text + timeLine + "\r\n");
}

// Blocks of both kinds, items and enemies, as a busy stage has them.
inline void WriteBusyStage(const std::string& root, int n) {
  WriteStage(root, n,
             Rows({{0, "WWWWWWWWWWWWWWWW"}, {1, "W..i##n##t##..KW"}, {2, "W.####.##.####.W"},
                   {3, "W..4....5....6.W"}, {4, "W#i###.##.###n#W"}, {5, "W...2..T..3..I.W"},
                   {6, "W.WWWW#WW#WWWW.W"}, {7, "W.N..8....7..f.W"}, {8, "W##s###..###u##W"},
                   {9, "W......-.....(.W"}, {10, "W@..1.......3.DW"}, {11, kFloor}}),
             "400");
}

// Every task of one list, in list order, as the class it is.
template <typename T>
std::vector<T*> TasksOf(CTaskList* list) {
  std::vector<T*> tasks;
  CTaskIter it(list);
  while (CTask* task = it.Next()) tasks.push_back(static_cast<T*>(task));
  return tasks;
}

// The shipped configuration: button 0 jumps, 1 builds, 2 decides.
inline void WriteShippedConfig(const ScratchTree& tree, int saveMode = 0) {
  WriteBytes(tree / "Data/Config.ini", "0 1 2 3 4 5 6 7 8 9\r\n8 8\r\n" + std::to_string(saveMode) + " 0\r\n");
}

class StageScenario : public ::testing::Test {
 protected:
  StageScenario() { WriteShippedConfig(tree); }

  // Stage 1 unless another number is given.
  void Stage(const std::vector<std::string>& rows, const std::string& timeLine = "900", int n = 1) {
    WriteStage(tree / "", n, rows, timeLine);
  }

  // A new game at options.stage (1 unless set) with pad 0 following `script`.
  void Start(const std::string& script, ReplayOptions options = {}) {
    options.root = tree / "";
    std::string error;
    std::optional<InputScript> parsed = ParseInputScript(script, "script", error);
    ASSERT_TRUE(parsed) << error;
    run.reset();  // one session at a time: it owns g_pGame
    steps.clear();
    run = std::make_unique<ReplayRun>(options, std::vector<InputScript>{*parsed});
  }

  // Adds input after what the script still holds ("COUNT KEYS" lines).
  void Then(const std::string& script) {
    std::string error;
    const std::optional<InputScript> parsed = ParseInputScript(script, "then", error);
    ASSERT_TRUE(parsed) << error;
    run->AppendInput(*parsed);
  }

  // Plays `count` more steps.
  void Play(int count) {
    for (int i = 0; i < count; ++i) steps.push_back(run->Step());
  }
  // Plays until `holds` is true of a step, at most `limit` steps; that
  // step's trace (a copy: later steps may move the ones kept).
  template <typename Pred>
  StepTrace PlayUntil(Pred holds, int limit = 5000) {
    for (int i = 0; i < limit; ++i) {
      steps.push_back(run->Step());
      if (holds(steps.back())) return steps.back();
    }
    ADD_FAILURE() << "the condition never held in " << limit << " steps";
    return steps.back();
  }

  const StepTrace& At(int step) const { return steps.at(static_cast<size_t>(step - 1)); }
  float PlayerY(int step) const { return At(step).player.value().y; }
  float PlayerX(int step) const { return At(step).player.value().x; }
  // The first step at or after `from` that played `sound`; 0 when none did.
  int StepWithSound(const std::string& sound, int from = 1) const {
    for (const StepTrace& s : steps) {
      if (s.step >= from && std::find(s.se.begin(), s.se.end(), sound) != s.se.end()) return s.step;
    }
    return 0;
  }
  int CountSound(const std::string& sound, int from = 1) const {
    int count = 0;
    for (const StepTrace& s : steps) {
      if (s.step >= from) count += static_cast<int>(std::count(s.se.begin(), s.se.end(), sound));
    }
    return count;
  }

  CZelGame& Game() const { return run->Game(); }

  ScratchTree tree;
  std::unique_ptr<ReplayRun> run;
  std::vector<StepTrace> steps;
};
