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

source "$qui/xvfb.sh"
avvia_xvfb "$tmp" 1280x1024x24
pids+=("$xvfb_pid")

"$LETTORE_LANCIATORE" --launch-immediately >"$tmp/bus.log" 2>&1 &
pids+=($!)
sleep 1

env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LC_ALL=C.UTF-8 \
    timeout -k 5 150 "$programma" >"$tmp/programma.log" 2>&1 &
pids+=($!)

# A land pixel of each region: the areas take clicks on their land only.
"${LETTORE_PUNTI_TERRA:-$(dirname "$programma")/tests/punti_terra}" "$RANDOM" >"$tmp/punti_aree" ||
    fallito "no land pixels from punti_terra (set LETTORE_PUNTI_TERRA)"
if ! timeout 120 /usr/bin/python3 "$qui/lettore.py" "$tmp/punti_aree"; then
    echo "--- program output ---" >&2
    tail -n 20 "$tmp/programma.log" >&2
    exit 1
fi
