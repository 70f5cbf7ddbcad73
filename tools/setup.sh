#!/usr/bin/env bash
# Installs what Mappix needs to build, run and test on Debian 12, then
# configures and builds with the given CMake preset (default: dev).
set -euo pipefail

preset="${1:-dev}"
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev libxcb1-dev
  libgtest-dev libgmock-dev
  fonts-liberation fonts-liberation2 fonts-dejavu-core
  xvfb xdotool xclip x11-utils openbox
)
# Only the test command needs these: linters, the package tools, benchmarks.
if [ "${MAPPIX_SETUP_TESTS:-0}" = 1 ]; then
  packages+=(clang-format clang-tidy cppcheck dpkg-dev file desktop-file-utils appstream
             libbenchmark-dev imagemagick)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
