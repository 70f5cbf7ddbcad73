#!/usr/bin/env bash
# Smoke test with the real screen reader: the built program on its own Xvfb
# with a window manager, its own D-Bus session and accessibility bus, Orca
# reading it, and speech-dispatcher writing every utterance to its log
# (espeak-ng on ALSA's null device). orca.py plays by keys only and checks
# what Orca said.
#
#   orca.sh <program>
set -uo pipefail

programma="${1:-}"
qui="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
fallito() { echo "orca: FAILED: $*" >&2; exit 1; }

[ -x "$programma" ] || fallito "program '$programma' not found or not executable"
for strumento in Xvfb xdotool openbox dbus-run-session orca speech-dispatcher timeout; do
    command -v "$strumento" >/dev/null || fallito "'$strumento' is not installed (tools/setup.sh installs it)"
done
modulo=/usr/lib/speech-dispatcher-modules/sd_espeak-ng
[ -x "$modulo" ] || fallito "espeak-ng's speech-dispatcher module is not installed (speech-dispatcher-espeak-ng)"
lanciatore=""
for percorso in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$percorso" ] && lanciatore="$percorso" && break
done
[ -n "$lanciatore" ] || fallito "at-spi-bus-launcher is not installed (Debian package at-spi2-core)"

if [ "${ORCA_DENTRO:-}" != 1 ]; then
    # Everything below runs inside a private session bus that ends with it.
    ORCA_DENTRO=1 ORCA_LANCIATORE="$lanciatore" \
        exec timeout -k 5 560 dbus-run-session -- bash "${BASH_SOURCE[0]}" "$programma"
fi

tmp="$(mktemp -d /tmp/orca-fumo.XXXXXX)"
chmod 700 "$tmp"
pids=()
pulisci() {
    local p
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null
    done
    sleep 1
    # Orca may hang in its shutdown once the bus is gone: nothing may outlive the test.
    for p in "${pids[@]}"; do
        kill -9 "$p" 2>/dev/null
    done
    pkill -9 -f -- "$tmp/" 2>/dev/null
    [ -n "${ORCA_TIENI:-}" ] && cp -r "$tmp" "$ORCA_TIENI"
    rm -rf "$tmp"
}
trap pulisci EXIT

export XDG_RUNTIME_DIR="$tmp/run" HOME="$tmp/home" LC_ALL=C.UTF-8
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$HOME" "$tmp/conf/modules" "$tmp/log" "$tmp/prefs"
cat >"$tmp/conf/speechd.conf" <<CONF
LogLevel 5
LogDir "$tmp/log"
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
CONF
cp /etc/speech-dispatcher/modules/espeak-ng.conf "$tmp/conf/modules/"

source "$qui/xvfb.sh"
avvia_xvfb "$tmp" 1280x1024x24
pids+=("$xvfb_pid")

"$ORCA_LANCIATORE" --launch-immediately >"$tmp/bus.log" 2>&1 &
pids+=($!)
openbox >"$tmp/openbox.log" 2>&1 &
pids+=($!)
speech-dispatcher -s -t 0 -C "$tmp/conf" -c unix_socket -S "$tmp/speechd.sock" -l 5 \
    -L "$tmp/log" >"$tmp/speechd.out" 2>&1 &
pids+=($!)
export SPEECHD_ADDRESS="unix_socket:$tmp/speechd.sock"
fine=$((SECONDS + 20))
until [ -S "$tmp/speechd.sock" ]; do
    [ $SECONDS -lt $fine ] || fallito "speech-dispatcher made no socket within 20 s"
    sleep 0.1
done
orca --replace -u "$tmp/prefs" --debug-file "$tmp/orca.debug" >"$tmp/orca.log" 2>&1 &
pids+=($!)
export ORCA_PARLATO="$tmp/log/speech-dispatcher.log"
fine=$((SECONDS + 30))
until grep -q "Queueing message" "$ORCA_PARLATO" 2>/dev/null; do
    [ $SECONDS -lt $fine ] || fallito "Orca said nothing within 30 s of its start"
    sleep 0.2
done

env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    timeout -k 5 500 "$programma" >"$tmp/programma.log" 2>&1 &
pids+=($!)

if ! timeout 480 /usr/bin/python3 "$qui/orca.py" "$qui/../dati"; then
    echo "--- program output ---" >&2
    tail -n 20 "$tmp/programma.log" >&2
    exit 1
fi
# A flood of events makes Orca drop some unseen: none may come from the program.
if grep -q "DELUGE" "$tmp/orca.debug"; then
    fallito "Orca's event queue overflowed: $(grep -m1 DELUGE "$tmp/orca.debug")"
fi
