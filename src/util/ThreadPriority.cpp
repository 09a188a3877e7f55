#include "util/ThreadPriority.h"

#if defined(__linux__)
#include <sys/resource.h>
#include <unistd.h>
#endif

void YieldToGameThread() {
#if defined(__linux__)
  // Linux keeps a nice value per thread; the one named here is the caller.
  constexpr int kBackgroundNice = 10;
  setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kBackgroundNice);
#endif
}
