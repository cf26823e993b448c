#!/usr/bin/env bash
# Installs what is missing, builds the program and runs the batch analysis of
# the bundled sample laminate.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target vellacore
mkdir -p out
./build/vellacore examples/sample.vcl out/sample-report.txt
echo "Report written to $(pwd)/out/sample-report.txt"
