#!/usr/bin/env bash
# Smoke test: starts the built program on its own Xvfb display and drives it
# with real X input events (xdotool), the way a player would.
#
#   fumo.sh <program> <case>
#
# Cases:
#   gioco            1280x1024: type a name, "Inizia", solve at least one question of
#                    "Dov'e' la Regione" by clicking the region areas, abandon it with
#                    "Cambia esercizio", solve at least one of "Dov'e' la Città" by
#                    clicking the city markers, then "Esci": exit status 0.
#   nome_corto       1280x1024: a two-letter name is refused with a message box; after
#                    dismissing it with Return nothing has started; with a third letter
#                    the name is accepted; "Esci": exit status 0.
#   schermo_stretto  800x600: the "Errore!" message box appears, is dismissed with a
#                    real key press, and the program ends with a non-zero status.
#
# Positions and names come from the written-out tables in tests/dati/, not from the program.
# If FUMO_FOTO names a directory, screenshots of the two maps are saved there.
# "A && B || fallito" is meant: fallito runs when either test fails, and exits.
# shellcheck disable=SC2015
set -uo pipefail

programma="${1:-}"
caso="${2:-}"
radice="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
disposizione="$radice/tests/dati/mappa.h"
procedure="$radice/tests/dati/regioni.h"
elenco_citta="$radice/tests/dati/citta.h"

LIMITE_PROGRAMMA=150  # seconds the program may live, whatever happens

fallito() {
    echo "fumo [$caso]: FAILED: $*" >&2
    if [ -n "${tmp:-}" ] && [ -s "$tmp/programma.log" ]; then
        echo "--- program output ---" >&2
        tail -n 40 "$tmp/programma.log" >&2
    fi
    exit 1
}
nota() { echo "fumo [$caso]: $*"; }

[ -n "$programma" ] && [ -n "$caso" ] || {
    echo "usage: fumo.sh <program> <gioco|nome_corto|schermo_stretto>" >&2
    exit 2
}
[ -x "$programma" ] || fallito "program '$programma' not found or not executable"
for strumento in Xvfb xdotool xclip timeout awk; do
    command -v "$strumento" >/dev/null || fallito "'$strumento' is not installed (tools/setup.sh installs it)"
done

tmp="$(mktemp -d /tmp/fumo.XXXXXX)"
xvfb_pid=""
prog_pid=""

pulisci() {
    if [ -n "$prog_pid" ] && kill -0 "$prog_pid" 2>/dev/null; then
        kill "$prog_pid" 2>/dev/null
        wait "$prog_pid" 2>/dev/null
    fi
    if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$tmp"
}
trap pulisci EXIT
trap 'fallito "interrupted"' INT TERM

# --- the X server -----------------------------------------------------------

source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
# avvia_xvfb WxHxD: a new Xvfb on a display number it picks itself.
avvia_xvfb() {
    avvia_xvfb_in "$tmp" "$1" -noreset
    nota "Xvfb $1 on $DISPLAY"
}

xdo() { timeout 10 xdotool "$@"; }

# --- the program ------------------------------------------------------------

avvia_programma() {
    # Qt itself must use the X display, whatever the caller's environment says.
    env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY LC_ALL=C.UTF-8 \
        timeout -k 5 "$LIMITE_PROGRAMMA" "$programma" >"$tmp/programma.log" 2>&1 &
    prog_pid=$!
}

# aspetta_uscita SECONDS: waits for the program to end; sets $uscita.
aspetta_uscita() {
    local fine=$((SECONDS + $1))
    while kill -0 "$prog_pid" 2>/dev/null; do
        [ $SECONDS -lt $fine ] || fallito "the program did not end within $1 s"
        sleep 0.1
    done
    wait "$prog_pid"
    uscita=$?
    prog_pid=""
    [ "$uscita" -ne 124 ] && [ "$uscita" -ne 137 ] ||
        fallito "the program was killed by the ${LIMITE_PROGRAMMA} s time limit"
}

# cerca_finestra TITLE WIDTH HEIGHT SECONDS: the visible top-level window with that
# title (and size, unless WIDTH is 0); sets $finestra, $WX, $WY, $WW, $WH.
cerca_finestra() {
    local titolo="$1" larghezza="$2" altezza="$3" fine=$((SECONDS + $4)) id
    while [ $SECONDS -lt $fine ]; do
        kill -0 "$prog_pid" 2>/dev/null || return 1
        for id in $(xdo search --onlyvisible --name "^${titolo}\$" 2>/dev/null); do
            geometria "$id" || continue
            if [ "$larghezza" -eq 0 ] || { [ "$WW" -eq "$larghezza" ] && [ "$WH" -eq "$altezza" ]; }; then
                finestra="$id"
                return 0
            fi
        done
        sleep 0.2
    done
    return 1
}

geometria() {
    # WINDOW and SCREEN are set by the eval; local keeps them from leaking.
    # shellcheck disable=SC2034
    local X="" Y="" WIDTH="" HEIGHT="" WINDOW="" SCREEN=""
    eval "$(xdo getwindowgeometry --shell "$1" 2>/dev/null)" || return 1
    [ -n "$X" ] || return 1
    WX=$X WY=$Y WW=$WIDTH WH=$HEIGHT
}

# clic X Y: a real left click at client coordinates (pixels) of the main window.
clic() {
    xdo mousemove --sync $((WX + $1)) $((WY + $2)) click 1 ||
        fallito "xdotool could not click at ($1, $2)"
}

# Twips to pixels as the window does it: rounded to the nearest pixel.
px() { echo $((($1 + 7) / 15)); }

# centro LEFT TOP WIDTH HEIGHT (twips): "x y", the centre in pixels.
centro() {
    local l t w h
    l=$(px "$1") t=$(px "$2") w=$(px "$3") h=$(px "$4")
    echo "$((l + w / 2)) $((t + h / 2))"
}

# testo_appunti: the clipboard as the X server hands it over.
testo_appunti() { timeout 5 xclip -o -selection clipboard 2>/dev/null | tr -d '\r'; }

# leggi_registro: the log Text1, read through the UI: click into it, select all, copy.
leggi_registro() {
    # shellcheck disable=SC2046
    clic $(centro 9450 8100 5550 2085)
    xdo key --clearmodifiers ctrl+a ctrl+c || fallito "xdotool could not press ctrl+a ctrl+c"
    sleep 0.3
    testo_appunti
}

foto() {
    [ -n "${FUMO_FOTO:-}" ] && command -v import >/dev/null || return 0
    timeout 15 import -window root "$FUMO_FOTO/fumo-$1.png" 2>/dev/null &&
        nota "screenshot $FUMO_FOTO/fumo-$1.png"
    # the clicked points (pixels in the map panel), for checking against the picture
    cp "$tmp"/punti_* "$FUMO_FOTO"/ 2>/dev/null
    echo "$WX $WY" >"$FUMO_FOTO/finestra"
}

# --- positions and names from the sources ------------------------------------

# aree: "index left top width height" for each region area.
aree() {
    awk '/kAree\{\{/ { dentro = 1; n = 0; next }
         dentro && /^\}\};/ { exit }
         dentro && match($0, /\{ *[0-9]+, *[0-9]+, *[0-9]+, *[0-9]+, *[0-9]+ *\}/) {
             s = substr($0, RSTART + 1, RLENGTH - 2); gsub(/ /, "", s)
             split(s, v, ","); print n++, v[2], v[3], v[4], v[5] }' "$disposizione"
}

# marcatori: "index left top" for each city marker (index 1..107).
marcatori() {
    awk '/kMarcatori\{\{/ { dentro = 1; n = 0; next }
         dentro && /^\}\};/ { exit }
         dentro && match($0, /\{ *[0-9]+, *[0-9]+ *\}/) {
             s = substr($0, RSTART + 1, RLENGTH - 2); gsub(/ /, "", s)
             split(s, v, ","); if (n > 0) print n, v[1], v[2]; n++ }' "$disposizione"
}

# nomi_regioni: one region name a line, index 0 first.
nomi_regioni() {
    awk '/kRegioni\{\{/ { dentro = 1; next }
         dentro && /^\}\};/ { exit }
         dentro && match($0, /\{"[^"]*"/) { print substr($0, RSTART + 2, RLENGTH - 3) }' "$procedure"
}

# nomi_citta: one city name a line, city 1 first (the last string of each record line).
nomi_citta() {
    awk '/kCitta\{\{/ { dentro = 1; n = 0; next }
         dentro && /^\}\};/ { exit }
         dentro && match($0, /"[^"]*"\},/) { if (n++ > 0) print substr($0, RSTART + 1, RLENGTH - 4) }' "$elenco_citta"
}

# punti_liberi: reads "index left top width height" (twips, relative to the panel) and
# prints "index x y" (pixels): a point of each rectangle that no rectangle lying above
# it covers. $1 = "basso" when a lower index lies on top, "alto" when a higher one does.
punti_liberi() {
    awk -v sopra="$1" '
        function px(t) { return int((t + 7) / 15) }
        function coperto(i, x, y,   j) {
            for (j in L) {
                if (j == i) continue
                if ((sopra == "basso" && j + 0 < i + 0) || (sopra == "alto" && j + 0 > i + 0))
                    if (x >= L[j] && x < L[j] + W[j] && y >= T[j] && y < T[j] + H[j]) return 1
            }
            return 0
        }
        { L[$1] = px($2); T[$1] = px($3); W[$1] = px($4); H[$1] = px($5); ordine[n++] = $1 }
        END {
            for (k = 0; k < n; k++) {
                i = ordine[k]; cx = L[i] + int(W[i] / 2); cy = T[i] + int(H[i] / 2); trovato = 0
                # the centre first, then ever wider rings around it
                for (r = 0; r <= W[i] + H[i] && !trovato; r++)
                    for (dx = -r; dx <= r && !trovato; dx++)
                        for (dy = -r; dy <= r && !trovato; dy++) {
                            if (dx != -r && dx != r && dy != -r && dy != r) continue
                            x = cx + dx; y = cy + dy
                            if (x < L[i] || x >= L[i] + W[i] || y < T[i] || y >= T[i] + H[i]) continue
                            if (!coperto(i, x, y)) { print i, x, y; trovato = 1 }
                        }
                if (!trovato) print i, "-", "-"
            }
        }'
}

# verifica_sequenza CLICKS_FILE SOLVED_FILE WHAT: every solved line "k name" must be
# explained by the clicks: counting from the click after the previous solved question,
# the k-th click is the first one on that name.
verifica_sequenza() {
    awk -v cosa="$3" '
        FNR == NR { clic[++n] = $0; next }
        {
            k = $1 + 0; nome = $0; sub(/^[0-9]+ /, "", nome)
            if (k < 1 || p + k > n) { printf "%s line %d: \"Tentativi %d per ... %s\" but only %d clicks were left\n", cosa, FNR, k, nome, n - p; errori++; exit }
            for (j = p + 1; j < p + k; j++)
                if (clic[j] == nome) { printf "%s line %d: %s was clicked at click %d, yet the log counts %d attempts\n", cosa, FNR, nome, j, k; errori++; exit }
            if (clic[p + k] != nome) { printf "%s line %d: \"Tentativi %d per ... %s\" but click %d was on %s\n", cosa, FNR, k, nome, p + k, clic[p + k]; errori++; exit }
            p += k
        }
        END { exit errori ? 1 : 0 }' "$1" "$2"
}

# --- cases ------------------------------------------------------------------

finestra_principale() {
    cerca_finestra Mappix 1009 689 30 || {
        kill -0 "$prog_pid" 2>/dev/null && fallito "no visible 1009x689 window titled \"Mappix\" within 30 s"
        fallito "the program ended before showing its window"
    }
    local atteso_x=$(((1280 - 1009) / 2)) atteso_y=$(((1024 - 689) / 2))
    [ $((WX - atteso_x)) -ge -1 ] && [ $((WX - atteso_x)) -le 1 ] &&
        [ $((WY - atteso_y)) -ge -1 ] && [ $((WY - atteso_y)) -le 1 ] ||
        fallito "the window is at ($WX, $WY), not centred at ($atteso_x, $atteso_y)"
    nota "window $finestra at ($WX, $WY), ${WW}x${WH}"
    xdo windowfocus --sync "$finestra" 2>/dev/null || true
}

scrivi_nome() {
    # shellcheck disable=SC2046
    clic $(centro 3600 4140 4650 600)
    xdo type --delay 40 "$1" || fallito "xdotool could not type the name"
    sleep 0.2
}

premi_inizia() {
    # shellcheck disable=SC2046
    clic $(centro 6525 4950 1230 1050)
    sleep 0.3
}

premi_esci() {
    # shellcheck disable=SC2046
    clic $(centro 14055 90 960 1035)
    aspetta_uscita 15
    [ "$uscita" -eq 0 ] || fallito "after \"Esci\" the exit status is $uscita, not 0"
    nota "\"Esci\": exit status 0"
}

# opzione LEFT TOP: clicks an option button (position relative to Frame1).
opzione() {
    # shellcheck disable=SC2046
    clic $(centro $((9450 + $1)) $((5310 + $2)) 2490 420)
    sleep 0.3
}

caso_gioco() {
    avvia_xvfb 1280x1024x24
    avvia_programma
    finestra_principale

    scrivi_nome "Mario"
    premi_inizia
    local registro
    registro="$(leggi_registro)"
    grep -qx "# Test eseguito da MARIO" <<<"$registro" ||
        fallito "after typing \"Mario\" and \"Inizia\" the log does not start with \"# Test eseguito da MARIO\"; it reads: $(head -c 300 <<<"$registro")"
    nota "name typed and accepted: log header present"

    # Region exercise: every area once, in index order; exactly one is right for the
    # current question, so one pass solves at least one question.
    local pannello_x pannello_y
    pannello_x=$(px 90) pannello_y=$(px 90)
    mapfile -t regioni < <(nomi_regioni)
    [ "${#regioni[@]}" -eq 21 ] || fallito "read ${#regioni[@]} region names from $procedure, expected 21"
    # a random land pixel of each area's region, read off the drawn map
    "${FUMO_PUNTI_TERRA:-$(dirname "$programma")/tests/punti_terra}" "$RANDOM" >"$tmp/punti_aree" ||
        fallito "no land pixels from punti_terra (set FUMO_PUNTI_TERRA)"
    [ "$(wc -l <"$tmp/punti_aree")" -eq 22 ] || fallito "read $(wc -l <"$tmp/punti_aree") region areas from $disposizione, expected 22"
    ! grep -q -- ' -' "$tmp/punti_aree" || fallito "an area is entirely covered by the areas above it: $(grep -- ' -' "$tmp/punti_aree")"

    opzione 135 225  # OptReg
    : >"$tmp/clic_regioni"
    local i x y
    while read -r i x y; do
        clic $((pannello_x + x)) $((pannello_y + y))
        if [ "$i" -eq 21 ]; then echo "${regioni[15]}"; else echo "${regioni[$i]}"; fi >>"$tmp/clic_regioni"
    done <"$tmp/punti_aree"
    sleep 0.3
    foto regioni
    registro="$(leggi_registro)"
    grep -q "Dov'e la Regione?" <<<"$registro" ||
        fallito "clicking \"Dov'e' la Regione\" wrote no exercise header into the log"
    sed -n 's/^Tentativi \([0-9][0-9]*\) per la regione \(.*\)$/\1 \2/p' <<<"$registro" >"$tmp/risolte_regioni"
    [ -s "$tmp/risolte_regioni" ] ||
        fallito "22 clicks, one on every region area, solved no question: no \"Tentativi N per la regione ...\" line in the log: $(tail -c 400 <<<"$registro")"
    verifica_sequenza "$tmp/clic_regioni" "$tmp/risolte_regioni" "region exercise" ||
        fallito "the log does not match the clicks made (clicks landing on the wrong area?)"
    nota "region exercise: $(wc -l <"$tmp/risolte_regioni") question(s) solved: $(head -n 1 "$tmp/risolte_regioni" | sed 's/^\([0-9]*\) \(.*\)/\2 at attempt \1/') ..."

    # "Cambia esercizio" abandons it and frees the option buttons.
    # shellcheck disable=SC2046
    clic $(centro 12420 6480 2490 420)
    sleep 0.3

    # City exercise: every marker once, in index order.
    mapfile -t citta < <(nomi_citta)
    [ "${#citta[@]}" -eq 107 ] || fallito "read ${#citta[@]} city names from $elenco_citta, expected 107"
    marcatori | awk '{ print $1, $2, $3, 120, 180 }' | punti_liberi alto >"$tmp/punti_marcatori"
    [ "$(wc -l <"$tmp/punti_marcatori")" -eq 107 ] || fallito "read $(wc -l <"$tmp/punti_marcatori") city markers from $disposizione, expected 107"
    ! grep -q -- ' -' "$tmp/punti_marcatori" || fallito "a marker is entirely covered by the markers above it: $(grep -- ' -' "$tmp/punti_marcatori")"

    opzione 2970 697  # OptCitta
    : >"$tmp/clic_citta"
    while read -r i x y; do
        clic $((pannello_x + x)) $((pannello_y + y))
        echo "${citta[$((i - 1))]}" >>"$tmp/clic_citta"
    done <"$tmp/punti_marcatori"
    sleep 0.3
    foto citta
    registro="$(leggi_registro)"
    grep -q "e abbandonato senza risposta esatta!" <<<"$registro" ||
        fallito "\"Cambia esercizio\" wrote no abandonment summary into the log"
    grep -q "Dove di trova la città di?" <<<"$registro" ||
        fallito "clicking \"Dov'e' la Città\" wrote no exercise header into the log"
    sed -n 's/^Tentativi \([0-9][0-9]*\) per la città \(.*\)$/\1 \2/p' <<<"$registro" >"$tmp/risolte_citta"
    [ -s "$tmp/risolte_citta" ] ||
        fallito "107 clicks, one on every city marker, solved no question: no \"Tentativi N per la città ...\" line in the log: $(tail -c 400 <<<"$registro")"
    verifica_sequenza "$tmp/clic_citta" "$tmp/risolte_citta" "city exercise" ||
        fallito "the log does not match the clicks made (clicks landing on the wrong marker?)"
    nota "city exercise: $(wc -l <"$tmp/risolte_citta") question(s) solved: $(head -n 1 "$tmp/risolte_citta" | sed 's/^\([0-9]*\) \(.*\)/\2 at attempt \1/') ..."

    premi_esci
}

caso_nome_corto() {
    avvia_xvfb 1280x1024x24
    avvia_programma
    finestra_principale
    local principale="$finestra" PX="$WX" PY="$WY" PW="$WW" PH="$WH"

    scrivi_nome "Al"
    premi_inizia
    cerca_finestra "Manca il tuo nome!" 0 0 10 ||
        fallito "a two-letter name gave no message box titled \"Manca il tuo nome!\""
    nota "two-letter name: message box \"Manca il tuo nome!\" ${WW}x${WH} at ($WX, $WY)"
    xdo windowfocus --sync "$finestra" 2>/dev/null || true
    xdo key Return || fallito "xdotool could not press Return"
    local fine=$((SECONDS + 10))
    while xdo search --onlyvisible --name '^Manca il tuo nome!$' >/dev/null 2>&1; do
        [ $SECONDS -lt $fine ] || fallito "the refusal box did not close on Return"
        sleep 0.1
    done
    nota "the box closed on Return"

    finestra="$principale" WX="$PX" WY="$PY" WW="$PW" WH="$PH"
    # Refused: the exercise buttons must not be there to click.
    opzione 135 225  # where OptReg would be
    local registro
    registro="$(leggi_registro)"
    ! grep -q "# Test eseguito da" <<<"$registro" ||
        fallito "the refused name still started a game: $(head -c 200 <<<"$registro")"
    ! grep -q "Dov'e la Regione?" <<<"$registro" ||
        fallito "after the refused name a click where \"Dov'e' la Regione\" lies started the exercise"

    # One more letter makes three: accepted.
    # shellcheck disable=SC2046
    clic $(centro 3600 4140 4650 600)
    xdo key End && xdo type --delay 40 "i" || fallito "xdotool could not type"
    premi_inizia
    registro="$(leggi_registro)"
    grep -qx "# Test eseguito da ALI" <<<"$registro" ||
        fallito "the three-letter name \"Ali\" was not accepted: the log reads: $(head -c 300 <<<"$registro")"
    nota "three-letter name accepted: log header \"# Test eseguito da ALI\""
    premi_esci
}

caso_schermo_stretto() {
    avvia_xvfb 800x600x24
    avvia_programma
    cerca_finestra Mappix 0 0 30 || {
        kill -0 "$prog_pid" 2>/dev/null && fallito "no message box titled \"Mappix\" within 30 s"
        aspetta_uscita 5
        fallito "the program ended (status $uscita) without showing a message box"
    }
    [ "$WW" -lt 800 ] && [ "$WH" -lt 600 ] ||
        fallito "on an 800x600 screen a ${WW}x${WH} window appeared instead of a message box"
    nota "message box \"Mappix\" ${WW}x${WH} at ($WX, $WY)"
    foto stretto
    xdo windowfocus --sync "$finestra" 2>/dev/null || true
    xdo key Return || fallito "xdotool could not press Return"
    # Until it ends, the main window must never appear.
    local fine=$((SECONDS + 15)) id
    while kill -0 "$prog_pid" 2>/dev/null && [ $SECONDS -lt $fine ]; do
        for id in $(xdo search --onlyvisible --name '^Mappix$' 2>/dev/null); do
            geometria "$id" && [ "$WW" -eq 1009 ] &&
                fallito "after the refusal the main window appeared"
        done
        sleep 0.1
    done
    aspetta_uscita 5
    [ "$uscita" -ne 0 ] || fallito "after the refusal the exit status is 0: a failure reported as success"
    nota "dismissed with Return: exit status $uscita (non-zero)"
}

case "$caso" in
    gioco) caso_gioco ;;
    nome_corto) caso_nome_corto ;;
    schermo_stretto) caso_schermo_stretto ;;
    *) fallito "unknown case '$caso' (gioco, nome_corto, schermo_stretto)" ;;
esac
nota "passed"
