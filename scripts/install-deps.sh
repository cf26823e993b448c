#!/usr/bin/env bash
# Installs every package the build, tests and benchmarks need, by Debian
# package name, when it is missing. Works as root or through sudo.
set -euo pipefail

PACKAGES=(
  g++ clang clang-format git cmake make ninja-build pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev
  libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools
  qt6-documentation-tools libqt6help6 libqt6sql6-sqlite
  qt6-charts-dev qt6-svg-dev libqt6opengl6-dev
  qt6-qpa-plugins libgl-dev
  xvfb xauth fonts-liberation fonts-dejavu-core
  hyperfine python3
  desktop-file-utils appstream lintian dpkg-dev file librsvg2-bin shared-mime-info man-db gzip
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
  else
    echo "install-deps: need root or sudo to install: ${missing[*]}" >&2
    exit 1
  fi
fi

echo "install-deps: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
