#include "platform/HeadlessWindow.h"

#include <algorithm>

void HeadlessWindow::PostAt(double seconds, const WindowEvent& event) {
  const int64_t nanoseconds = ManualClock::ToNanoseconds(seconds);
  auto later = std::upper_bound(pending.begin(), pending.end(), nanoseconds,
                                [](int64_t at, const Pending& p) { return at < p.nanoseconds; });
  pending.insert(later, {nanoseconds, event});
}

bool HeadlessWindow::PollEvent(WindowEvent& event) {
  if (pending.empty() || pending.front().nanoseconds > clock.Nanoseconds()) return false;
  Take(event);
  return true;
}

bool HeadlessWindow::WaitEvent(WindowEvent& event, int timeoutMs) {
  if (PollEvent(event)) return true;
  const int64_t now = clock.Nanoseconds();
  // Waiting without limit jumps to the next event, if there is one.
  const bool unlimited = timeoutMs < 0;
  const int64_t until = unlimited ? now : now + int64_t{timeoutMs} * 1'000'000;
  if (!pending.empty() && (unlimited || pending.front().nanoseconds <= until)) {
    clock.AdvanceNanoseconds(pending.front().nanoseconds - now);
    Take(event);
    return true;
  }
  clock.AdvanceNanoseconds(until - now);
  return false;
}

void HeadlessWindow::SetDisplayMode(bool fullScreen, int, int) { this->fullScreen = fullScreen; }

void HeadlessWindow::Take(WindowEvent& event) {
  event = pending.front().event;
  pending.pop_front();
  if (event.type == WindowEvent::Type::FocusLost) foreground = false;
  if (event.type == WindowEvent::Type::FocusGained) foreground = true;
}
