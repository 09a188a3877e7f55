#include "platform/FreeHeap.h"

// Any C library header defines __GLIBC__ under glibc; without one first the
// checks below would quietly compile the calls to nothing.
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

bool CanReturnFreeHeap() {
#if defined(__GLIBC__)
  return true;
#else
  return false;
#endif
}

void ReturnFreeHeap() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}
