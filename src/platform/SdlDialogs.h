#pragma once
// Message boxes as SDL dialogs over the game window. Where SDL cannot show
// one (no display), the text goes to standard error and a question counts as
// answered with OK, so a close request is never lost.

#include <cstdint>

#include "util/Dialog.h"

struct SDL_Window;

class SdlDialogs final : public DialogHandler {
 public:
  // The window the boxes belong to, by SDL window id (0: none); a window
  // that is gone by then is simply not used.
  void SetParent(uint32_t windowId) { parentId = windowId; }

  void ShowMessage(const std::string& text, const std::string& caption) override;
  bool AskOkCancel(const std::string& text, const std::string& caption) override;

 private:
  SDL_Window* Parent() const;

  uint32_t parentId = 0;
};
