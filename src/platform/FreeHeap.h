#pragma once
// Freed memory and the C library's allocator. Loading a stage and drawing its
// first frames (the driver compiles and throws away a lot) free far more than
// play allocates again, and glibc keeps freed memory resident inside its
// heaps until asked to give it back.

// Gives the whole free pages inside the heaps back to the system. A walk
// over the heap: for pauses, not for every frame.
void ReturnFreeHeap();

// Whether this build can (it can with glibc; elsewhere ReturnFreeHeap does nothing).
bool CanReturnFreeHeap();
