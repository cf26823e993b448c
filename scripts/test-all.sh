#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#  1. the layout of the sources (clang-format), then the full program and
#     all tests, warnings as errors;
#  2. everything again under AddressSanitizer and UndefinedBehaviorSanitizer,
#     the windows' tests included (offscreen);
#  3. the fuzz targets (the data file reader, the whole batch pipeline) for a
#     bounded time each (clang, libFuzzer, with coverage in every library);
#  4. the installed tree and the Debian package (scripts/check-package.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

JOBS="$(nproc)"

echo "== layout of the sources (.clang-format)"
bash scripts/check-format.sh

echo "== build and test (warnings as errors)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVC_WERROR=ON -DVC_BUILD_BENCH=ON >/dev/null
cmake --build build -j"$JOBS"
ctest --test-dir build --output-on-failure -j"$JOBS"

echo "== sanitizers (AddressSanitizer + UndefinedBehaviorSanitizer)"
# The whole program, the windows' tests included (offscreen).
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVC_WERROR=ON -DVC_SANITIZE=ON \
  -DVC_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j"$JOBS"
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
  LSAN_OPTIONS="suppressions=$PWD/tests/support/lsan-suppressions.txt" \
  UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-asan --output-on-failure -j"$JOBS"

echo "== fuzzing the data file reader and the whole batch pipeline"
# Every library of this build carries coverage counters
# (-fsanitize=fuzzer-no-link), so libFuzzer sees the code it runs. Each
# target starts from the seed corpus in the repository.
CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVC_FUZZ=ON \
  -DVC_SANITIZE=ON -DVC_BUILD_GUI=OFF -DVC_BUILD_BENCH=OFF >/dev/null
for name in datafile_fuzz batch_pipeline_fuzz; do
  cmake --build build-fuzz -j"$JOBS" --target "$name"
  corpus="build-fuzz/corpus-$name"
  mkdir -p "$corpus"
  cp tests/fuzz/corpus/* "$corpus"/
  log="build-fuzz/$name.log"
  "build-fuzz/tests/$name" -max_total_time="${VC_FUZZ_SECONDS:-60}" -max_len=8192 \
    -print_final_stats=1 "$corpus" >"$log" 2>&1 || { tail -n 40 "$log"; exit 1; }
  grep -E "DONE|stat::number_of_executed_units" "$log"
done

echo "== installed tree and Debian package"
bash scripts/check-package.sh build
echo "== all tests passed"
