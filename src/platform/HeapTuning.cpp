#include "platform/HeapTuning.h"

// Any C library header defines __GLIBC__ under glibc; without one first the
// checks below would quietly compile both functions to nothing.
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

bool CanTuneHeap() {
#if defined(__GLIBC__)
  return true;
#else
  return false;
#endif
}

void KeepHeapSmall() {
#if defined(__GLIBC__)
  // Buffers of 128 KB and more are mapped on their own and unmapped when
  // freed (a fixed threshold; glibc would raise it after the first such free).
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
  // The main thread and one more arena for the others: few threads allocate.
  mallopt(M_ARENA_MAX, 2);
#endif
}

void ReturnFreeHeap() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}
