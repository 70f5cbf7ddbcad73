#!/usr/bin/env bash
# Sets up, builds and starts Mappix.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh dev
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Mappix needs a graphical desktop: no display is available (DISPLAY is not set)." >&2
  exit 2
fi
if [ -n "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && ! xdpyinfo >/dev/null 2>&1; then
  echo "Mappix needs a graphical desktop: the display $DISPLAY cannot be reached." >&2
  exit 2
fi
exec ./build/dev/mappix
