#!/usr/bin/env bash
# Smoke test of the window on real screen sizes: the built program on its own
# Xvfb with openbox as window manager (so the window has a frame), driven with
# real X input events.
#
#   schermi.sh <program> <case>
#
# Cases:
#   WxH            a screen of that size: the window and its frame lie inside the
#                  screen, the layout is scaled only where it must be, and clicks on
#                  the farthest controls reach them: the lowest and the rightmost
#                  markers, the log's scroll bar, then "Esci" (exit status 0).
#   partita        1024x600: "Dov'e' la Città" played to its end by clicking markers.
#   senza_schermo  no display at all, then a display that does not answer: one line on
#                  standard error and exit status 1, nothing else.
# If SCHERMI_FOTO names a directory, screenshots of the start screen and the city
# map are saved there.
# "A && B || fallito" is meant: fallito runs when either test fails, and exits.
# "clic $(centro ...)" splits the "x y" pair on purpose.
# shellcheck disable=SC2015,SC2046
set -uo pipefail

programma="${1:-}"
caso="${2:-}"
LIMITE_PROGRAMMA=420  # seconds the program may live, whatever happens

fallito() {
    echo "schermi [$caso]: FAILED: $*" >&2
    if [ -n "${tmp:-}" ] && [ -s "$tmp/programma.log" ]; then
        echo "--- program output ---" >&2
        tail -n 20 "$tmp/programma.log" >&2
    fi
    exit 1
}
nota() { echo "schermi [$caso] ${SECONDS}s: $*"; }

[ -n "$programma" ] && [ -n "$caso" ] || {
    echo "usage: schermi.sh <program> <WxH|partita|senza_schermo>" >&2
    exit 2
}
[ -x "$programma" ] || fallito "program '$programma' not found or not executable"

tmp="$(mktemp -d /tmp/schermi.XXXXXX)"
xvfb_pid="" wm_pid="" prog_pid=""

termina() {
    if [ -n "$1" ] && kill -0 "$1" 2>/dev/null; then
        kill "$1" 2>/dev/null
        wait "$1" 2>/dev/null
    fi
}
pulisci() {
    termina "$prog_pid"
    termina "$wm_pid"
    termina "$xvfb_pid"
    rm -rf "$tmp"
}
trap pulisci EXIT
trap 'fallito "interrupted"' INT TERM

# index left top name: the city markers' places on the city map panel (twips from
# the panel's top left corner; each marker cell is 120 x 180 twips, its dot in the centre).
MARCATORI="
1 1095 1980 Torino
2 1545 1755 Novara
3 945 2700 Cuneo
4 1620 2340 Alessandria
5 1395 2520 Asti
6 1260 1710 Biella
7 1440 2025 Vercelli
8 1530 1305 Verbano-Cusio-Ossola
9 2070 1800 Milano
10 2340 1575 Bergamo
11 2880 1665 Brescia
12 1980 1530 Como
13 2610 2025 Cremona
14 2250 1350 Lecco
15 2340 1890 Lodi
16 3240 2160 Mantova
17 2025 2070 Pavia
18 2520 1215 Sondrio
19 1755 1440 Varese
20 3555 1215 Trento
21 3600 855 Bolzano
22 5355 1665 Trieste
23 5040 1260 Udine
24 4680 1305 Pordenone
25 5175 1440 Gorizia
26 4320 1890 Venezia
27 4275 1215 Belluno
28 4095 1935 Padova
29 4005 2160 Rovigo
30 4320 1665 Treviso
31 3420 1800 Verona
32 4050 1665 Vicenza
33 3645 2610 Bologna
34 3870 2430 Ferrara
35 4140 2970 Forli'
36 3330 2565 Modena
37 2880 2430 Parma
38 2565 2250 Piacenza
39 4185 2745 Ravenna
40 3150 2520 Reggio Emilia
41 4275 3105 Cesena
42 4455 3015 Rimini
43 4455 3240 San Marino
44 1935 2790 Genova
45 1260 3150 Imperia
46 2475 3015 La Spezia
47 1485 2880 Savona
48 3780 3510 Firenze
49 4005 3645 Arezzo
50 3555 4275 Grosseto
51 2970 3735 Livorno
52 3105 3330 Lucca
53 2790 3060 Massa
54 2970 3510 Pisa
55 3330 3240 Pistoia
56 3735 3285 Prato
57 3690 3870 Siena
58 2655 2925 Carrara
59 4590 4320 Terni
60 5175 3465 Ancona
61 5265 4095 Ascoli Piceno
62 5175 3780 Macerata
63 4635 3420 Urbino
64 4815 3285 Pesaro
65 4410 5085 Roma
66 5130 5310 Frosinone
67 4860 5355 Latina
68 4770 4635 Rieti
69 4185 4680 Viterbo
70 5265 4635 L'Aquila
71 5715 4770 Chieti
72 5715 4545 Pescara
73 5400 4365 Teramo
74 6120 5265 Campobasso
75 5805 5265 Isernia
76 5760 5940 Napoli
77 6210 5940 Avellino
78 6165 5715 Benevento
79 6165 6165 Salerno
80 5895 5715 Caserta
81 6930 6165 Potenza
82 7425 6255 Matera
83 7560 5715 Bari
84 8415 6210 Brindisi
85 6750 5490 Foggia
86 8685 6570 Lecce
87 7920 6345 Taranto
88 7470 7650 Catanzaro
89 7245 7425 Cosenza
90 7830 7515 Crotone
91 6795 8505 Reggio Calabria
92 7200 7920 Vibo Valentia
93 5130 8460 Palermo
94 5220 9180 Agrigento
95 5625 9090 Caltanissetta
96 6345 8955 Catania
97 5850 8955 Enna
98 6660 8460 Messina
99 6030 9495 Ragusa
100 6435 9360 Siracusa
101 4500 8595 Trapani
102 1980 7470 Cagliari
103 2070 6480 Nuoro
104 1710 6885 Oristano
105 1665 6120 Sassari
106 720 1620 Aosta
107 4410 3915 Perugia
"

# --- the X server and the window manager --------------------------------------

source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
avvia_schermo() {
    for strumento in Xvfb openbox xdotool xclip xwininfo xprop import timeout awk; do
        command -v "$strumento" >/dev/null || fallito "'$strumento' is not installed (tools/setup.sh installs it)"
    done
    SW="${1%x*}" SH="${1#*x}"
    avvia_xvfb_in "$tmp" "${1}x24" -noreset
    local fine
    openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
    wm_pid=$!
    fine=$((SECONDS + 20))
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        kill -0 "$wm_pid" 2>/dev/null || fallito "openbox did not start: $(tail -n 5 "$tmp/openbox.log")"
        [ $SECONDS -lt $fine ] || fallito "openbox did not take the screen within 20 s"
        sleep 0.1
    done
    nota "Xvfb ${1} on $DISPLAY with openbox"
}

xdo() { timeout 20 xdotool "$@"; }

avvia_programma() {
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
}

# misura ID: the client area's absolute place and size, and the frame's extents
# as the window manager gives them; "X Y W H left right top bottom".
misura() {
    local x y w h estensioni
    eval "$(xwininfo -id "$1" 2>/dev/null | awk -F: '
        /Absolute upper-left X/ { print "x=" $2+0 } /Absolute upper-left Y/ { print "y=" $2+0 }
        /^ *Width/ { print "w=" $2+0 } /^ *Height/ { print "h=" $2+0 }')"
    estensioni="$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ,)"
    [ -n "${x:-}" ] && [ -n "$estensioni" ] || return 1
    echo "$x $y $w $h $estensioni"
}

# finestra_stabile: the main window once the window manager has framed it and it
# has stopped moving; sets $finestra, WX WY WW WH (client) and FL FR FT FB (frame).
finestra_stabile() {
    local fine=$((SECONDS + 30)) prima="" adesso="" stabile=0 id
    while [ $SECONDS -lt $fine ]; do
        kill -0 "$prog_pid" 2>/dev/null || fallito "the program ended before showing its window"
        id="$(xdo search --onlyvisible --name '^Mappix$' 2>/dev/null | head -n 1)"
        if [ -n "$id" ] && adesso="$(misura "$id")"; then
            if [ "$adesso" = "$prima" ]; then
                stabile=$((stabile + 1))
                if [ $stabile -ge 3 ]; then
                    read -r WX WY WW WH FL FR FT FB <<<"$adesso"
                    return 0
                fi
            else
                stabile=0
            fi
            prima="$adesso"
        fi
        sleep 0.3
    done
    fallito "no framed, settled window titled \"Mappix\" within 30 s (last: ${adesso:-none})"
}

# The window's scale is its width against the design's 1009 pixels; a place in
# twips becomes pixels as the window computes it, rounded to the nearest.
px() { awk -v t="$1" -v w="$WW" 'BEGIN { printf "%d", t * w / 1009 / 15 + 0.5 }'; }

# centro LEFT TOP WIDTH HEIGHT (twips, in the window): "x y", the centre in pixels.
centro() {
    local l t r b
    l=$(px "$1") t=$(px "$2") r=$(px $(($1 + $3))) b=$(px $(($2 + $4)))
    echo "$(((l + r) / 2)) $(((t + b) / 2))"
}

clic() {
    xdo mousemove --sync $((WX + $1)) $((WY + $2)) click 1 || fallito "xdotool could not click at ($1, $2)"
}

# Controls of the window (twips in the client area).
clic_esci() { clic $(centro 14055 90 960 1035); }
clic_inizia() { clic $(centro 6525 4950 1230 1050); sleep 0.3; }
clic_citta() { clic $(centro $((9450 + 2970)) $((5310 + 697)) 2490 420); sleep 0.3; }
clic_cambia() { clic $(centro 12420 6480 2490 420); sleep 0.3; }

scrivi_nome() {
    clic $(centro 3600 4140 4650 600)
    xdo type --delay 30 "$1" || fallito "xdotool could not type the name"
}

# leggi_registro: the log Text1 read through the UI: click into it, select all, copy.
leggi_registro() {
    clic $(centro 9450 8100 4800 2085)
    xdo key --clearmodifiers ctrl+a ctrl+c || fallito "xdotool could not press ctrl+a ctrl+c"
    sleep 0.3
    timeout 5 xclip -o -selection clipboard 2>/dev/null | tr -d '\r'
}

# punto_marcatore I: "x y" in the client area where a click reaches marker I: its
# dot if no later marker (they lie on top) covers it, else the nearest point that
# none does.
punto_marcatore() {
    awk -v i="$1" -v w="$WW" -v pannello=90 '
        function px(t) { return int(t * w / 1009 / 15 + 0.5) }
        NF >= 3 && $1 ~ /^[0-9]+$/ { o = px(pannello); L[$1] = o + px($2); T[$1] = o + px($3)
                                     R[$1] = L[$1] + px(120); B[$1] = T[$1] + px(180) }
        function coperto(x, y,   j) {
            for (j in L) if (j + 0 > i + 0 && x >= L[j] && x < R[j] && y >= T[j] && y < B[j]) return 1
            return 0
        }
        END {
            cx = int((L[i] + R[i]) / 2); cy = int((T[i] + B[i]) / 2)
            for (r = 0; r < 12; r++)
                for (dx = -r; dx <= r; dx++)
                    for (dy = -r; dy <= r; dy++) {
                        if (dx != -r && dx != r && dy != -r && dy != r) continue
                        x = cx + dx; y = cy + dy
                        if (x < L[i] || x >= R[i] || y < T[i] || y >= B[i]) continue
                        if (!coperto(x, y)) { print x, y; exit }
                    }
            print "-"
        }' <<<"$MARCATORI"
}
nome_marcatore() { awk -v i="$1" '$1 == i { $1 = $2 = $3 = ""; sub(/^ +/, ""); print }' <<<"$MARCATORI"; }

# --- cases --------------------------------------------------------------------

# The window with its frame on the screen, the scale it took, the farthest clicks.
caso_schermo() {
    avvia_schermo "$1"
    avvia_programma
    finestra_stabile
    local fx=$((WX - FL)) fy=$((WY - FT)) fw=$((WW + FL + FR)) fh=$((WH + FT + FB))
    nota "window ${WW}x${WH} at ($WX, $WY); frame ${fw}x${fh} at ($fx, $fy)"
    [ $fx -ge 0 ] && [ $fy -ge 0 ] && [ $((fx + fw)) -le "$SW" ] && [ $((fy + fh)) -le "$SH" ] ||
        fallito "the frame (${fw}x${fh} at $fx,$fy) does not lie inside the ${SW}x${SH} screen"
    if [ $((1009 + FL + FR)) -le "$SW" ] && [ $((689 + FT + FB)) -le "$SH" ]; then
        [ "$WW" -eq 1009 ] && [ "$WH" -eq 689 ] ||
            fallito "the screen holds the whole window, yet it is ${WW}x${WH}, not 1009x689"
    else
        # Scaled uniformly, and no smaller than it needs to be: one side fills the screen.
        local alto
        alto=$(px 10335)
        [ $((WH - alto)) -ge -1 ] && [ $((WH - alto)) -le 1 ] ||
            fallito "${WW}x${WH} is not the 1009x689 design scaled uniformly"
        [ $((SW - fw)) -le 2 ] || [ $((SH - fh)) -le 2 ] ||
            fallito "scaled to ${WW}x${WH} although ${SW}x${SH} has room for more"
    fi
    [ -z "${SCHERMI_FOTO:-}" ] || import -window root "$SCHERMI_FOTO/schermo-$1.png"

    scrivi_nome "Anna"
    clic_inizia
    clic_citta
    [ -z "${SCHERMI_FOTO:-}" ] || import -window root "$SCHERMI_FOTO/schermo-$1-citta.png"
    # Four wrong or right clicks on the farthest markers: the lowest (Ragusa,
    # Siracusa), the rightmost (Lecce) and the last (Perugia). Each one reached
    # counts as an attempt; abandoning then logs the attempts made.
    local i punto
    for i in 99 100 86 107; do
        punto="$(punto_marcatore $i)"
        [ "$punto" != "-" ] || fallito "marker $i is covered by later markers at this scale"
        read -r x y <<<"$punto"
        clic "$x" "$y"
    done
    clic_cambia
    local registro contati
    registro="$(leggi_registro)"
    contati="$(awk '/^Tentativi [0-9]+ per la città / { n += $2 }
                    /Tentativi [0-9]+ per la citta. di .*/ { for (k = 1; k <= NF; k++) if ($k == "Tentativi") n += $(k + 1) - 1 }
                    END { print n + 0 }' <<<"$registro")"
    [ "$contati" -eq 4 ] ||
        fallito "4 clicks on the farthest markers made $contati attempts; the log reads: $(tail -c 500 <<<"$registro")"
    nota "the lowest, rightmost and last markers took their clicks"

    # The log's scroll bar: its up arrow moves the text, seen as a change on screen.
    local sx sy prima dopo testo
    sx=$(($(px $((9450 + 5550))) - 7)) sy=$(($(px 8100) + 7))
    # the text only, not the scroll bar, which changes under the pointer by itself
    testo="$((sx - 12 - $(px 9450)))x$(($(px 10185) - $(px 8100) - 20))+$((WX + $(px 9450) + 2))+$((WY + $(px 8100) + 2))"
    prima="$(import -window root -crop "$testo" rgb:- 2>/dev/null | md5sum)"
    # One move, then the clicks: "mousemove --sync" to where the pointer already is
    # waits for a motion that never comes.
    xdo mousemove --sync $((WX + sx)) $((WY + sy)) click --repeat 6 --delay 60 1 ||
        fallito "xdotool could not click the scroll bar"
    sleep 0.3
    dopo="$(import -window root -crop "$testo" rgb:- 2>/dev/null | md5sum)"
    [ "$prima" != "$dopo" ] || fallito "clicks on the log's scroll bar at ($sx, $sy) did not scroll it"
    nota "the log's scroll bar took its clicks"

    clic_esci
    aspetta_uscita 15
    [ "$uscita" -eq 0 ] || fallito "after \"Esci\" the exit status is $uscita, not 0"
    nota "\"Esci\" reached: exit status 0"
}

# "Dov'e' la Città" to its end: click every marker not yet solved, in index order,
# until the log closes the exercise. A right click solves the question and draws
# the next; the log tells which cities were solved.
caso_partita() {
    avvia_schermo 1024x600
    avvia_programma
    finestra_stabile
    nota "window ${WW}x${WH} at ($WX, $WY)"
    local i x y punto
    : >"$tmp/punti"
    for i in $(seq 1 107); do
        punto="$(punto_marcatore "$i")"
        [ "$punto" != "-" ] || fallito "marker $i is covered by later markers at this scale"
        read -r x y <<<"$punto"
        echo "$i $((WX + x)) $((WY + y))" >>"$tmp/punti"
    done
    scrivi_nome "Anna"
    clic_inizia
    clic_citta
    local giro=0 registro risolte=0 prima=-1 comandi
    : >"$tmp/risolte"
    : >"$tmp/cliccati"
    while :; do
        giro=$((giro + 1))
        [ $giro -le 200 ] || fallito "200 rounds of clicks did not finish the exercise ($risolte solved)"
        # After a round that solved nothing (a question asked again) every marker is clicked.
        # One xdotool for the whole round; each click waits for the pointer to arrive
        # ("--sync", so no click lands on the way) and "click --delay 5" keeps it quick.
        # The round starts away from every marker: a move to where the pointer already
        # is would wait for ever.
        awk -v tutti=$((risolte == prima)) -v fatti="$(tr '\n' ' ' <"$tmp/risolte")" '
            BEGIN { n = split(fatti, f, " "); for (k = 1; k <= n; k++) fatto[f[k]] = 1 }
            tutti || !($1 in fatto)' "$tmp/punti" >"$tmp/giro"
        prima=$risolte
        cut -d' ' -f1 "$tmp/giro" >>"$tmp/cliccati"
        comandi="mousemove $WX $WY $(awk '{ printf "mousemove --sync %d %d click --delay 5 1 ", $2, $3 }' "$tmp/giro")"
        # shellcheck disable=SC2086
        xdo $comandi || fallito "xdotool could not click the markers"
        sleep 0.3
        registro="$(leggi_registro)"
        grep -q "^Terminate le 107 domande sulle province" <<<"$registro" && break
        sed -n 's/^Tentativi [0-9][0-9]* per la città //p' <<<"$registro" | while read -r nome; do
            awk -v n="$nome" '{ i = $1; $1 = $2 = $3 = ""; sub(/^ +/, ""); if ($0 == n) print i }' <<<"$MARCATORI"
        done | sort -u >"$tmp/risolte"
        risolte=$(grep -c . "$tmp/risolte")
    done
    local righe
    righe=$(grep -c '^Tentativi [0-9][0-9]* per la città ' <<<"$registro")
    # Every solved city was clicked, in the order of the log: after the click that
    # solved the previous question there is a click on its marker. (The attempt
    # counts are not compared: at this pace X drops the odd click, see the note.)
    sed -n 's/^Tentativi \([0-9][0-9]*\) per la città \(.*\)$/\1 \2/p' <<<"$registro" |
        awk -v elenco="$MARCATORI" '
            BEGIN { n = split(elenco, r, "\n")
                    for (k = 1; k <= n; k++) if (split(r[k], c, " ") >= 4) {
                        i = c[1]; sub(/^ *[0-9]+ +[0-9]+ +[0-9]+ +/, "", r[k]); nome[i] = r[k] } }
            FNR == NR { clic[++m] = nome[$1]; next }
            { citta = $0; sub(/^[0-9]+ /, "", citta); tentativi += $1
              for (j = p + 1; j <= m && clic[j] != citta; j++) ;
              if (j > m) { print "\"" $0 "\" solved, but its marker was not clicked after click " p; exit 1 }
              p = j }
            END { printf "%d clicks made, %d attempts counted\n", m, tentativi }' "$tmp/cliccati" - >"$tmp/errore" ||
        fallito "the log does not match the clicks made (a click on the wrong marker?): $(cat "$tmp/errore")"
    [ "$righe" -eq 107 ] || fallito "the exercise closed after $righe solved questions, not 107"
    grep -q "^Punteggio di fine esercizio: " <<<"$registro" ||
        fallito "the closed exercise has no score line: $(tail -c 400 <<<"$registro")"
    nota "\"Dov'e' la Città\" played to its end in $giro rounds: 107 questions solved, $(grep '^Punteggio di fine' <<<"$registro"); $(cat "$tmp/errore")"
    clic_esci
    aspetta_uscita 15
    [ "$uscita" -eq 0 ] || fallito "after \"Esci\" the exit status is $uscita, not 0"
}

# senza_schermo_con ENV...: runs the program with that environment; it must print
# one line on standard error, nothing on standard output, and end with status 1.
senza_schermo_con() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" LC_ALL=C.UTF-8 \
        timeout -k 5 30 "$programma" >"$tmp/out" 2>"$tmp/err"
    uscita=$?
    [ "$uscita" -eq 1 ] || fallito "with $* the exit status is $uscita, not 1: $(head -c 400 "$tmp/err")"
    [ ! -s "$tmp/out" ] || fallito "with $* something went to standard output: $(head -c 200 "$tmp/out")"
    [ "$(wc -l <"$tmp/err")" -eq 1 ] ||
        fallito "with $* standard error holds $(wc -l <"$tmp/err") lines, not one: $(head -c 400 "$tmp/err")"
    grep -q '^Mappix: .*schermo' "$tmp/err" || fallito "with $* the line is not the program's own: $(cat "$tmp/err")"
    nota "with $*: \"$(cat "$tmp/err")\", status 1"
}

caso_senza_schermo() {
    senza_schermo_con
    # A display named but not there: no server listens on a display number this high.
    senza_schermo_con DISPLAY=:5999
    senza_schermo_con DISPLAY= QT_QPA_PLATFORM=xcb
}

case "$caso" in
    partita) caso_partita ;;
    senza_schermo) caso_senza_schermo ;;
    [0-9]*x[0-9]*) caso_schermo "$caso" ;;
    *) fallito "unknown case '$caso' (WxH, partita, senza_schermo)" ;;
esac
nota "passed"
