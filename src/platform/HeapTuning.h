#pragma once
// How the C library's allocator treats the game's memory. Loading and
// playing make and free large buffers (decoded pictures, parsed models, the
// driver's own) on several threads; by default glibc serves later large
// requests from the heap once one has been freed, and gives each thread an
// arena of its own, and both keep freed memory resident. Called first thing
// in main.

void KeepHeapSmall();

// Whether this build can do either (it can with glibc; elsewhere both do nothing).
bool CanTuneHeap();

// Gives the whole free pages inside the heap back to the system. Loading a
// stage and drawing its first frames (the driver compiles and throws away a
// lot) free far more than play allocates again, and freed memory stays
// resident until this. A walk over the heap: for pauses, not for every frame.
void ReturnFreeHeap();
