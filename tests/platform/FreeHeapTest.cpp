#include "platform/FreeHeap.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <vector>

// The call once compiled to nothing because glibc's marker was tested
// before any C library header defined it.
TEST(FreeHeapTest, GlibcBuildsCanReturnFreeHeap) {
#if defined(__GLIBC__)
  EXPECT_TRUE(CanReturnFreeHeap());
#else
  GTEST_SKIP() << "not glibc";
#endif
}

// Under the address sanitizer its allocator stands in for glibc's.
#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
namespace {

long ResidentPages() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident;
}

// Kept where the compiler cannot see that nothing reads it, so that it
// cannot leave out the allocations.
void* volatile sink;

void* Allocate(size_t bytes) {
  sink = std::malloc(bytes);
  return sink;
}

}  // namespace

TEST(FreeHeapTest, FreedPagesInsideTheHeapGoBack) {
  // 64 MB of small blocks freed under one that stays pins them below the
  // heap's top, where only a trim gives them back.
  std::vector<char*> blocks;
  for (int i = 0; i < 16384; ++i) {
    blocks.push_back(static_cast<char*>(Allocate(4000)));
    blocks.back()[0] = blocks.back()[3999] = 1;
  }
  char* pin = static_cast<char*>(Allocate(4000));
  for (char* block : blocks) std::free(block);
  const long before = ResidentPages();
  ReturnFreeHeap();
  EXPECT_GT(before - ResidentPages(), 32L * 1024 * 1024 / 4096);
  std::free(pin);
}
#endif
