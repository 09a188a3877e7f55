#include "platform/SdlDialogs.h"

#include <SDL.h>

#include <cstdio>

namespace {

void ToStandardError(const std::string& text, const std::string& caption) {
  std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
}

}  // namespace

SDL_Window* SdlDialogs::Parent() const { return parentId ? SDL_GetWindowFromID(parentId) : nullptr; }

void SdlDialogs::ShowMessage(const std::string& text, const std::string& caption) {
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption.c_str(), text.c_str(), Parent()) != 0) {
    ToStandardError(text, caption);
  }
}

bool SdlDialogs::AskOkCancel(const std::string& text, const std::string& caption) {
  enum { kOk = 1, kCancel = 2 };
  const SDL_MessageBoxButtonData buttons[] = {
      {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, kOk, "OK"},
      {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kCancel, "キャンセル"},
  };
  const SDL_MessageBoxData box = {SDL_MESSAGEBOX_INFORMATION, Parent(), caption.c_str(), text.c_str(),
                                  SDL_arraysize(buttons), buttons, nullptr};
  int chosen = kCancel;
  if (SDL_ShowMessageBox(&box, &chosen) != 0) {
    ToStandardError(text, caption);
    return true;
  }
  return chosen == kOk;
}
