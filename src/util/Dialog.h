#pragma once
// Message boxes. Game code asks for one here; the platform layer installs the
// real window-system dialog at start-up, tests install their own to capture
// what would be shown. Without a handler the text goes to standard error.

#include <string>

class DialogHandler {
 public:
  virtual ~DialogHandler() = default;
  // A box with an OK button only.
  virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
  // A box with OK and Cancel; true when OK was chosen.
  virtual bool AskOkCancel(const std::string& text, const std::string& caption) = 0;
};

// The handler stays owned by the caller; null restores the standard-error one.
void SetDialogHandler(DialogHandler* handler);

void ShowMessageBox(const std::string& text, const std::string& caption);
bool AskOkCancel(const std::string& text, const std::string& caption);
