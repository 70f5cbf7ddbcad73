#!/usr/bin/env bash
# Smoke test of the window on a Wayland desktop: the built program under weston's
# headless backend and desktop shell (its panel on top), natively or through
# Xwayland, played with pointer and keys that dito.so feeds into weston.
#
#   weston.sh <program> <dito.so> <punti_terra> <nativo|xwayland> <WxH>
#
# The window with its frame lies on the output and clear of the panel; from
# 1280x800 up it keeps its full size, and through Xwayland, where the program
# places it itself, it is centred. Then a name is typed, "Dov'e' la Regione"
# started and region areas clicked one at a time until the region asked changes
# on screen; "Esci" ends the program with status 0, and it has printed nothing.
# If WESTON_FOTO names a directory, the start screen and the question before and
# after the answer are saved there.
# "A && B || fallito" is meant: fallito runs when either test fails, and exits.
# "clic $(centro ...)" splits the "x y" pair on purpose.
# shellcheck disable=SC2015,SC2046
set -uo pipefail

programma="${1:-}" dito="${2:-}" punti_terra="${3:-}" modo="${4:-}" schermo="${5:-}"
caso="$modo $schermo"
fallito() {
    echo "weston [$caso]: FAILED: $*" >&2
    [ -s "${tmp:-}/programma.log" ] && { echo "--- program output ---"; tail -n 20 "$tmp/programma.log"; } >&2
    exit 1
}
nota() { echo "weston [$caso] ${SECONDS}s: $*"; }

[[ "$modo" =~ ^(nativo|xwayland)$ && "$schermo" =~ ^[0-9]+x[0-9]+$ ]] || {
    echo "usage: weston.sh <program> <dito.so> <punti_terra> <nativo|xwayland> <WxH>" >&2
    exit 2
}
for file in "$programma" "$punti_terra"; do [ -x "$file" ] || fallito "'$file' is not executable"; done
[ -f "$dito" ] || fallito "the weston module '$dito' is not built"
dito="$(realpath "$dito")"  # weston looks for a relative name among its own modules
for strumento in weston weston-debug weston-screenshooter xwininfo convert md5sum timeout awk; do
    command -v "$strumento" >/dev/null || fallito "'$strumento' is not installed (tools/setup.sh installs it)"
done
SW="${schermo%x*}" SH="${schermo#*x}"

tmp="$(mktemp -d /tmp/weston.XXXXXX)"
weston_pid="" prog_pid=""
pulisci() {
    local p
    for p in "$prog_pid" "$weston_pid"; do
        [ -n "$p" ] && kill "$p" 2>/dev/null && wait "$p" 2>/dev/null
    done
    rm -rf "$tmp"
}
trap pulisci EXIT
trap 'fallito "interrupted"' INT TERM

# --- weston and the program --------------------------------------------------

export XDG_RUNTIME_DIR="$tmp/run" WAYLAND_DISPLAY=mappix
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkfifo "$tmp/dito"
xwayland=()
[ "$modo" = xwayland ] && xwayland=(--xwayland)
# --idle-time=0: weston would blank the output after five minutes, and screenshots then hang.
DITO_FIFO="$tmp/dito" weston --backend=headless-backend.so --use-pixman --width="$SW" \
    --height="$SH" --socket="$WAYLAND_DISPLAY" --no-config --idle-time=0 --debug \
    --modules="$dito" "${xwayland[@]}" --log="$tmp/weston.log" >"$tmp/weston.out" 2>&1 &
weston_pid=$!

scena() { timeout 5 weston-debug scene-graph 2>/dev/null; }
# vista WHAT: "x1 y1 x2 y2 ox1 oy1 ox2 oy2" of the first view whose description holds
# WHAT: its rectangle and its opaque part, from weston's own scene graph.
vista() {
    scena | awk -v cosa="$1" '
        index($0, cosa) { dentro = 1; next }
        dentro && /position:/ { sub(/->/, ""); gsub(/[^0-9-]+/, " "); p = $0 }
        dentro && /opaque:/ { sub(/->/, ""); gsub(/[^0-9-]+/, " "); o = $0 }
        dentro && /outputs:/ { print p, (o == "" ? "- - - -" : o); exit }'
}

fine=$((SECONDS + 20))
until read -r _ _ _ PANNELLO _ < <(vista "panel for output") && [ -n "${PANNELLO:-}" ]; do
    kill -0 "$weston_pid" 2>/dev/null || fallito "weston did not start: $(tail -n 5 "$tmp/weston.out")"
    [ $SECONDS -lt $fine ] || fallito "weston's panel did not appear within 20 s"
    sleep 0.2
done
nota "weston ${schermo}, its panel down to y = $PANNELLO"

if [ "$modo" = nativo ]; then
    ambiente=(-u DISPLAY QT_QPA_PLATFORM=wayland)
else
    fine=$((SECONDS + 20))
    until numero="$(sed -n 's/.*xserver listening on display :\([0-9]*\).*/\1/p' "$tmp/weston.log")" &&
        [ -n "$numero" ]; do
        [ $SECONDS -lt $fine ] || fallito "weston started no Xwayland within 20 s"
        sleep 0.2
    done
    export DISPLAY=":$numero"
    ambiente=(-u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb)
fi
env "${ambiente[@]}" LC_ALL=C.UTF-8 timeout -k 5 120 "$programma" >"$tmp/programma.log" 2>&1 &
prog_pid=$!

# finestra_stabile: the window once it has stopped changing: FX1 FY1 FX2 FY2 with its
# frame, CX CY CW CH its client area (desktop pixels).
finestra_stabile() {
    local fine=$((SECONDS + 30)) prima="" adesso="" stabile=0 x1 y1 x2 y2 ox1 oy1 ox2 oy2
    while [ $SECONDS -lt $fine ]; do
        kill -0 "$prog_pid" 2>/dev/null || fallito "the program ended before showing its window"
        adesso="$(vista "window 'Mappix'")"
        if [ "$modo" = xwayland ] && [ -n "$adesso" ]; then
            # the client window as the X server places it: "WxH+x+y  +X+Y"
            adesso="$adesso $(xwininfo -root -tree 2>/dev/null |
                awk '/"Mappix": \("mappix"/ { split($(NF-1), d, "[x+]"); split($NF, a, "+"); print a[2], a[3], d[1], d[2]; exit }')"
        fi
        if [ -n "$adesso" ] && [ "$adesso" = "$prima" ]; then
            stabile=$((stabile + 1))
            [ $stabile -lt 3 ] || break
        else
            stabile=0
        fi
        prima="$adesso"
        sleep 0.3
    done
    [ $stabile -ge 3 ] || fallito "no settled window titled \"Mappix\" within 30 s (last: ${adesso:-none})"
    read -r x1 y1 x2 y2 ox1 oy1 ox2 oy2 CX CY CW CH <<<"$adesso"
    if [ "$modo" = nativo ]; then
        # Qt draws the frame itself: the view is window and frame, the opaque part the client.
        FX1=$x1 FY1=$y1 FX2=$x2 FY2=$y2 CX=$ox1 CY=$oy1 CW=$((ox2 - ox1)) CH=$((oy2 - oy1))
    else
        # weston's frame for X windows has a shadow 32 pixels wide round it.
        FX1=$((x1 + 32)) FY1=$((y1 + 32)) FX2=$((x2 - 32)) FY2=$((y2 - 32))
    fi
}

finestra_stabile
nota "frame ($FX1, $FY1) to ($FX2, $FY2); client ${CW}x${CH} at ($CX, $CY)"
[ "$FX1" -ge 0 ] && [ "$FY1" -ge "$PANNELLO" ] && [ "$FX2" -le "$SW" ] && [ "$FY2" -le "$SH" ] ||
    fallito "the window with its frame does not lie on the ${schermo} output below the panel"
if [ "$SW" -ge 1280 ] && [ "$SH" -ge 800 ]; then
    [ "$CW" -eq 1009 ] && [ "$CH" -eq 689 ] || fallito "${CW}x${CH}, not the design's 1009x689"
    if [ "$modo" = xwayland ]; then
        # centred, give or take its frame: it is centred as if it had none
        dx=$((2 * CX + CW - SW)) dy=$((2 * CY + CH - SH))
        [ ${dx#-} -le $((2 * (CX - FX1) + 1)) ] && [ ${dy#-} -le $((2 * (CY - FY1) + 1)) ] ||
            fallito "the client area at ($CX, $CY) is not centred on the output"
    fi
else
    # scaled uniformly: the height is the design's at the width's scale
    alto=$(awk -v w="$CW" 'BEGIN { printf "%d", 689 * w / 1009 + 0.5 }')
    [ "$CW" -lt 1009 ] && [ $((CH - alto)) -ge -1 ] && [ $((CH - alto)) -le 1 ] ||
        fallito "${CW}x${CH} is not the 1009x689 design scaled down uniformly"
fi

# foto FILE: the output as weston shows it.
foto() {
    rm -f "$tmp"/wayland-screenshot*.png
    (cd "$tmp" && timeout 15 weston-screenshooter) || fallito "weston-screenshooter failed"
    mv "$tmp"/wayland-screenshot*.png "$1"
}
if [ -n "${WESTON_FOTO:-}" ]; then
    foto "$WESTON_FOTO/weston-$modo-$schermo.png"
    nota "screenshot $WESTON_FOTO/weston-$modo-$schermo.png"
fi

# --- playing -----------------------------------------------------------------

dito() {
    printf '%s\n' "$@" | timeout 5 tee "$tmp/dito" >/dev/null || fallito "weston took no input"
    sleep 0.4
}
# Twips of the design to desktop pixels, at the window's scale.
px() { awk -v t="$1" -v w="$CW" 'BEGIN { printf "%d", t * w / 1009 / 15 + 0.5 }'; }
centro() { echo "$((CX + $(px $(($1 + $3 / 2))))) $((CY + $(px $(($2 + $4 / 2)))))"; }
clic() { dito "m $1 $2" c; }
# domanda: a digest of the label that shows the region asked (LblDom0).
domanda() {
    foto "$tmp/domanda.png"
    convert "$tmp/domanda.png" -crop "$(($(px 5580) - 4))x$(($(px 780) - 4))+$((CX + $(px 9435) + 2))+$((CY + $(px 2265) + 2))" \
        rgb:- | md5sum
}

dito "k 30" "k 49" "k 49" "k 30"   # a n n a: the name box has the focus
clic $(centro 6525 4950 1230 1050) # Inizia
clic $(centro $((9450 + 135)) $((5310 + 225)) 2490 420) # Dov'e' la Regione
# the question once it shows: two looks a second apart agree
prima="$(domanda)"
for _ in 1 2 3 4 5; do
    sleep 1
    adesso="$(domanda)"
    [ "$adesso" = "$prima" ] && break
    prima="$adesso"
done
[ -z "${WESTON_FOTO:-}" ] || cp "$tmp/domanda.png" "$WESTON_FOTO/weston-$modo-$schermo-domanda.png"
# a land pixel of each area's region (region panel pixels at full scale)
"$punti_terra" "$RANDOM" >"$tmp/punti" || fallito "punti_terra gave no land pixels"
risposta=""
while read -r area x y; do
    [ "$x" != - ] || continue
    clic $(awk -v x="$x" -v y="$y" -v cx="$CX" -v cy="$CY" -v w="$CW" \
        'BEGIN { s = w / 1009; printf "%d %d", cx + (6 + x) * s + 0.5, cy + (6 + y) * s + 0.5 }')
    [ "$(domanda)" = "$prima" ] || { risposta=$area; break; }
done <"$tmp/punti"
# a slow repaint after the last click
[ -n "$risposta" ] || { sleep 2; [ "$(domanda)" = "$prima" ] || risposta=$area; }
[ -n "$risposta" ] || fallito "a click on every region area, and the region asked never changed"
nota "the click on area $risposta answered the question: another region is asked"
[ -z "${WESTON_FOTO:-}" ] || cp "$tmp/domanda.png" "$WESTON_FOTO/weston-$modo-$schermo-risposta.png"

clic $(centro 14055 90 960 1035) # Esci
fine=$((SECONDS + 15))
while kill -0 "$prog_pid" 2>/dev/null; do
    [ $SECONDS -lt $fine ] || fallito "the program did not end within 15 s of \"Esci\""
    sleep 0.1
done
wait "$prog_pid"
uscita=$? prog_pid=""
[ "$uscita" -eq 0 ] || fallito "after \"Esci\" the exit status is $uscita, not 0"
[ ! -s "$tmp/programma.log" ] || fallito "the program printed: $(head -c 400 "$tmp/programma.log")"
nota "\"Esci\": exit status 0, nothing printed; passed"
