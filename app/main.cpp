#include <cstdio>

int main(int argc, char** argv) {
  (void)argv;
  std::fprintf(stderr, "vellacore: %d argument(s)\n", argc - 1);
  return 0;
}
