#!/usr/bin/env bash
# Installs what Mappix needs to build, run and test on Debian 12, configures
# with a CMake preset (default: dev) the first time only (later builds
# reconfigure by themselves when a CMake file changes) and builds either
# everything or only the targets named after the preset. One line per phase;
# the tools' own output goes to build/<preset>.log and is shown on a failure.
# Usage: tools/setup.sh [preset] [target...]
set -euo pipefail

preset="${1:-dev}"
shift || true
targets=("$@")
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev libxcb1-dev
  libgtest-dev libgmock-dev
  fonts-liberation fonts-liberation2 fonts-dejavu-core
  xvfb xdotool xclip x11-utils openbox
  qt6-translations-l10n at-spi2-core python3-pyatspi dbus
  qt6-wayland
)
# Only the test command needs these: linters, Debian's package tools, benchmarks,
# the Wayland desktop of the smoke tests, the screen reader and its speech.
if [ "${MAPPIX_SETUP_TESTS:-0}" = 1 ]; then
  packages+=(orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
             clang-format clang-tidy cppcheck dpkg-dev debhelper lintian autopkgtest file
             desktop-file-utils appstream libbenchmark-dev libxcb-damage0-dev imagemagick
             weston xwayland libweston-10-dev)
fi

# One query for all of them: a second start must stay quick.
installed="$(dpkg-query -W -f='${Package} ${db:Status-Status}\n' "${packages[@]}" 2>/dev/null || true)"
missing=()
for p in "${packages[@]}"; do
  grep -qx "$p installed" <<<"$installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "mappix: installing Debian packages: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || {
      echo "mappix: these packages are missing and sudo is not available; as root run:" >&2
      echo "  apt-get install ${missing[*]}" >&2
      exit 1
    }
    sudo_cmd=(sudo)
  fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
else
  echo "mappix: Debian packages: all ${#packages[@]} present"
fi

mkdir -p build
log="build/$preset.log"
run_logged() {
  "$@" >"$log" 2>&1 || {
    tail -n 60 "$log" >&2
    echo "mappix: failed: $* (whole output in $log)" >&2
    exit 1
  }
}
tree="build/$preset"
if [ -f "$tree/build.ninja" ] && [ "$tree/build.ninja" -nt CMakePresets.json ]; then
  echo "mappix: configured already ($tree)"
else
  echo "mappix: configuring $tree (cmake --preset $preset)"
  run_logged cmake --preset "$preset"
fi
if [ ${#targets[@]} -gt 0 ]; then
  echo "mappix: building ${targets[*]} in $tree"
  run_logged cmake --build --preset "$preset" --target "${targets[@]}"
else
  echo "mappix: building everything in $tree"
  run_logged cmake --build --preset "$preset"
fi
