#include <cstdio>

int main() {
  std::printf("Vexhop 1.0.0\n");
  return 0;
}
