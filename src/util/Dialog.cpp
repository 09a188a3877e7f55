#include "util/Dialog.h"

#include <cstdio>

namespace {

class StderrDialogs final : public DialogHandler {
 public:
  void ShowMessage(const std::string& text, const std::string& caption) override {
    std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
  }
  // Nobody can answer: treat it as OK so a close request is never lost.
  bool AskOkCancel(const std::string& text, const std::string& caption) override {
    ShowMessage(text, caption);
    return true;
  }
};

StderrDialogs g_stderrDialogs;
DialogHandler* g_handler = &g_stderrDialogs;

}  // namespace

void SetDialogHandler(DialogHandler* handler) { g_handler = handler ? handler : &g_stderrDialogs; }

void ShowMessageBox(const std::string& text, const std::string& caption) {
  g_handler->ShowMessage(text, caption);
}

bool AskOkCancel(const std::string& text, const std::string& caption) {
  return g_handler->AskOkCancel(text, caption);
}
