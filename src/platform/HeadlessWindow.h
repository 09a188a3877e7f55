#pragma once
// A window without a display. Events are posted with the time at which they
// arrive; waiting moves the manual clock on to the next event or to the end
// of the timeout, so a whole session of waits and frames runs in no time.
// It is in front until a FocusLost event is taken.

#include <deque>

#include "app/Platform.h"
#include "platform/ManualClock.h"

class HeadlessWindow final : public Window {
 public:
  explicit HeadlessWindow(ManualClock& clock, int refreshRate = 60) : clock(clock), refreshRate(refreshRate) {}

  // Events posted for the same time arrive in the order posted.
  void PostAt(double seconds, const WindowEvent& event);

  bool IsFullScreen() const { return fullScreen; }
  bool IsCursorShown() const { return cursorShown; }

  bool PollEvent(WindowEvent& event) override;
  bool WaitEvent(WindowEvent& event, int timeoutMs) override;
  bool IsForeground() const override { return foreground; }
  void SetDisplayMode(bool fullScreen, int width, int height) override;
  void ShowCursor(bool show) override { cursorShown = show; }
  int RefreshRate() const override { return refreshRate; }

 private:
  struct Pending {
    int64_t nanoseconds;
    WindowEvent event;
  };
  void Take(WindowEvent& event);

  ManualClock& clock;
  int refreshRate;
  std::deque<Pending> pending;
  bool foreground = true;
  bool fullScreen = false;
  bool cursorShown = true;
};
