#!/usr/bin/env bash
# Sets up, builds the program alone (not the tests) and starts Mappix. Once
# built, a second run starts the window at once: nothing is reconfigured or
# rebuilt unless a source changed.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Mappix needs a graphical desktop: no display is available (DISPLAY is not set)." >&2
  exit 2
fi
bash tools/setup.sh dev mappix
if [ -n "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && ! xdpyinfo >/dev/null 2>&1; then
  echo "Mappix needs a graphical desktop: the display $DISPLAY cannot be reached." >&2
  exit 2
fi
echo "mappix: starting build/dev/mappix"
exec ./build/dev/mappix
