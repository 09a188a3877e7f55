#pragma once
// How the C library's allocator treats the game's memory. Loading and
// playing make and free large buffers (decoded pictures, parsed models, the
// driver's own) on several threads; by default glibc serves later large
// requests from the heap once one has been freed, and gives each thread an
// arena of its own, and both keep freed memory resident. Called first thing
// in main.

void KeepHeapSmall();
