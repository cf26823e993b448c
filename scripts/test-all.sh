#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#  1. the full program and all tests, warnings as errors;
#  2. the plain C++ layers and the batch program again under AddressSanitizer
#     and UndefinedBehaviorSanitizer;
#  3. the data file reader's fuzz target for a bounded time (clang, libFuzzer);
#  4. the installed tree and the Debian package (scripts/check-package.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

JOBS="$(nproc)"

echo "== build and test (warnings as errors)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVC_WERROR=ON -DVC_BUILD_BENCH=ON >/dev/null
cmake --build build -j"$JOBS"
ctest --test-dir build --output-on-failure -j"$JOBS"

echo "== sanitizers (AddressSanitizer + UndefinedBehaviorSanitizer)"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVC_WERROR=ON -DVC_SANITIZE=ON \
  -DVC_BUILD_GUI=OFF -DVC_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j"$JOBS"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$JOBS"

if [ -d tests/fuzz ] && ls tests/fuzz/*.cpp >/dev/null 2>&1; then
  echo "== fuzzing the data file reader"
  CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVC_FUZZ=ON \
    -DVC_SANITIZE=ON -DVC_BUILD_GUI=OFF -DVC_BUILD_BENCH=OFF -DVC_BUILD_TESTS=ON >/dev/null
  for src in tests/fuzz/*.cpp; do
    name="$(basename "$src" .cpp)"
    cmake --build build-fuzz -j"$JOBS" --target "$name"
    corpus="build-fuzz/corpus-$name"
    mkdir -p "$corpus"
    cp examples/*.vcl "$corpus"/ 2>/dev/null || true
    "build-fuzz/tests/$name" -max_total_time="${VC_FUZZ_SECONDS:-60}" -max_len=8192 \
      -print_final_stats=1 "$corpus" 2>&1 | tail -n 5
  done
fi

echo "== installed tree and Debian package"
bash scripts/check-package.sh build
echo "== all tests passed"
