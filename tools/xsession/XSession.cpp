#include "XSession.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <X11/Xlib.h>

pid_t ForkChild() {
  const pid_t parent = getpid();
  const pid_t pid = fork();
  if (pid == 0) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(1);
  }
  return pid;
}

void StopChild(pid_t pid) {
  if (pid <= 0) return;
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

// Xvfb reports the display number it took on a pipe once it listens.
XvfbServer::XvfbServer(const std::string& screen) {
  int ready[2];
  if (pipe(ready) != 0) return;
  pid_ = ForkChild();
  if (pid_ == 0) {
    close(ready[0]);
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, STDERR_FILENO);
    const std::string fd = std::to_string(ready[1]);
    // Without -noreset the server resets whenever its last client leaves (a
    // game that was stopped) and refuses whoever connects meanwhile.
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp",
           "-noreset", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(ready[1]);
  // The number ends with a new line; Xvfb gives up if the pipe closes before.
  std::string number;
  char c;
  while (read(ready[0], &c, 1) == 1 && c != '\n') number += c;
  close(ready[0]);
  if (!number.empty()) name_ = ":" + number;
}

XvfbServer::~XvfbServer() { StopChild(pid_); }

namespace {
int IgnoreXError(Display*, XErrorEvent*) { return 0; }
}  // namespace

void IgnoreXErrors() { XSetErrorHandler(IgnoreXError); }

unsigned long FindWindowByTitle(Display* display, unsigned long parent, const std::string& title) {
  Window root, up, *children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display, parent, &root, &up, &children, &count)) return 0;
  Window found = 0;
  for (unsigned i = 0; i < count && !found; ++i) {
    char* name = nullptr;
    if (XFetchName(display, children[i], &name) && name) {
      if (title == name) found = children[i];
      XFree(name);
    }
    if (!found) found = FindWindowByTitle(display, children[i], title);
  }
  if (children) XFree(children);
  return found;
}
