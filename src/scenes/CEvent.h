#pragma once
// The base of every scene (title, option, clear, endings). A scene lives in
// the session's EventList; while one exists the session draws the whole
// screen as a scene, without the HUD band.

#include <cstddef>

#include "task/Task.h"

class CEvent : public CTask {
 public:
  CEvent();
  ~CEvent() override;

  // Slots come from EventList; a full list creates no scene.
  static void* operator new(std::size_t size) noexcept;
  static void operator delete(void* slot);
};
