#pragma once
// A stand-in task for any of the session's lists, so session and effect tests
// can watch the move and draw passes before the real families exist. Each
// probe notes its name in a shared log when it moves or draws.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "game/CZelGame.h"
#include "task/Task.h"

using SessionList = std::unique_ptr<CTaskList> CZelGame::*;

struct ProbeLog {
  std::vector<std::string> moves;
  std::vector<std::string> draws;
};

template <SessionList List>
class Probe final : public CTask {
 public:
  static void* operator new(std::size_t size) noexcept { return CTaskList::Alloc((g_pGame->*List).get(), size); }
  static void operator delete(void* slot) { CTaskList::Free((g_pGame->*List).get(), slot); }

  Probe(ProbeLog& log, std::string name) : CTask((g_pGame->*List).get()), log(log), name(std::move(name)) {}
  bool Move() override {
    log.moves.push_back(name);
    return true;
  }
  void Draw() override { log.draws.push_back(name); }

 private:
  ProbeLog& log;
  std::string name;
};
