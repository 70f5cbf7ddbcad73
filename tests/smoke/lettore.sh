#!/usr/bin/env bash
# Smoke test through the real accessibility bus: the built program on its own
# Xvfb display and its own D-Bus session with the AT-SPI bus, read and played
# by a small screen-reader client (lettore.py, python3-pyatspi).
#
#   lettore.sh <program>
set -uo pipefail

programma="${1:-}"
qui="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
fallito() { echo "lettore: FAILED: $*" >&2; exit 1; }

[ -x "$programma" ] || fallito "program '$programma' not found or not executable"
for strumento in Xvfb xdotool dbus-run-session timeout; do
    command -v "$strumento" >/dev/null || fallito "'$strumento' is not installed (tools/setup.sh installs it)"
done
lanciatore=""
for percorso in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$percorso" ] && lanciatore="$percorso" && break
done
[ -n "$lanciatore" ] || fallito "at-spi-bus-launcher is not installed (Debian package at-spi2-core)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fallito "python3-pyatspi is not installed"

if [ "${LETTORE_DENTRO:-}" != 1 ]; then
    # Everything below runs inside a private session bus that ends with it.
    LETTORE_DENTRO=1 LETTORE_LANCIATORE="$lanciatore" \
        exec timeout -k 5 170 dbus-run-session -- bash "${BASH_SOURCE[0]}" "$programma"
fi

tmp="$(mktemp -d /tmp/lettore.XXXXXX)"
pids=()
pulisci() {
    local p
    for p in "${pids[@]}"; do
        kill "$p" 2>/dev/null && wait "$p" 2>/dev/null
    done
    rm -rf "$tmp"
}
trap pulisci EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
pids+=($!)
fine=$((SECONDS + 20))
until grep -q '^[0-9][0-9]*$' "$tmp/display" 2>/dev/null; do
    [ $SECONDS -lt $fine ] || fallito "Xvfb gave no display number within 20 s"
    sleep 0.1
done
DISPLAY=":$(head -n 1 "$tmp/display")"
export DISPLAY

"$LETTORE_LANCIATORE" --launch-immediately >"$tmp/bus.log" 2>&1 &
pids+=($!)
sleep 1

env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LC_ALL=C.UTF-8 \
    timeout -k 5 150 "$programma" >"$tmp/programma.log" 2>&1 &
pids+=($!)

if ! timeout 120 /usr/bin/python3 "$qui/lettore.py"; then
    echo "--- program output ---" >&2
    tail -n 20 "$tmp/programma.log" >&2
    exit 1
fi
