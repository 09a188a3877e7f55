#pragma once
// Installs itself as the message-box handler for its lifetime: notes every
// box as "caption: text" and answers OK/Cancel questions from a list (OK
// once the list is used up).

#include <string>
#include <vector>

#include "util/Dialog.h"

class CapturingDialogs final : public DialogHandler {
 public:
  CapturingDialogs() { SetDialogHandler(this); }
  ~CapturingDialogs() override { SetDialogHandler(nullptr); }

  void ShowMessage(const std::string& text, const std::string& caption) override {
    shown.push_back(caption + ": " + text);
  }
  bool AskOkCancel(const std::string& text, const std::string& caption) override {
    shown.push_back(caption + ": " + text);
    if (answers.empty()) return true;
    const bool ok = answers.front();
    answers.erase(answers.begin());
    return ok;
  }

  std::vector<bool> answers;
  std::vector<std::string> shown;
};
