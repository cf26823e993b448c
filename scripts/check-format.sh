#!/usr/bin/env bash
# Checks that every C++ source of the repository is laid out as .clang-format
# says (clang-format --dry-run reports each difference). Fix with:
#   git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
