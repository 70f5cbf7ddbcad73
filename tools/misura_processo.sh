#!/usr/bin/env bash
# Start-up of the real program beside the floor (tests/bench/pavimento.cpp: a
# bare Qt Widgets window of the same size with one label, built with the same
# flags) and beside the control (the same floor waiting 200 ms before it shows
# its window), run interleaved under one Xvfb with openbox managing the
# windows, each start in a private D-Bus session. Each start is watched from
# outside by tests/bench/osserva_avvio, an X client that only waits for the X
# server's events: it reads the process's CPU clock (every thread) when the
# window is mapped, when its first frame is painted and 2 s after the map, and
# the resident memory 2 s after the map. When the program is ended the kernel's
# own account of its CPU time (wait4) is a second reading of the last figure.
# Prints every round, the medians, the ratios Mappix / floor (and the median of
# the per-round ratios) and a Markdown table with the machine and its load.
# Usage: tools/misura_processo.sh [build-dir] [rounds] [other-program [its-name]]
#   (default build/dev, 11); another program, when given, is measured in the
#   same rounds: an earlier build of mappix for a before and after from one
#   run (named "Mappix before"), or the lower bound
#   (tests/pavimento_schermo, "Start screen alone").
set -euo pipefail
build="${1:-build/dev}"
rounds="${2:-11}"
prima="${3:-}"
nome_prima="${4:-Mappix before}"
mappix="$build/mappix"
pavimento="$build/tests/pavimento"
controllo="$build/tests/pavimento_lento"
osserva="$build/tests/osserva_avvio"
for p in "$mappix" "$pavimento" "$controllo" "$osserva" ${prima:+"$prima"}; do
  [ -x "$p" ] || { echo "missing $p: cmake --build $build --target mappix pavimento pavimento_lento osserva_avvio (osserva_avvio needs libxcb-damage0-dev)" >&2; exit 2; }
done
for c in Xvfb openbox dbus-run-session xprop; do
  command -v "$c" >/dev/null || { echo "needs $c (apt-get install xvfb openbox dbus x11-utils)" >&2; exit 2; }
done

fifo="$(mktemp -u)"; mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
read -r display <"$fifo"; rm -f "$fifo"
export DISPLAY=":$display"
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm $xvfb 2>/dev/null || true' EXIT
# Waits (before any measuring) until the window manager has taken the screen.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

declare -A figure
# One start: appends "map paint later rss map-wall paint-wall rusage" to $who.
misura() {
  local who="$1" program="$2" line
  line=$(dbus-run-session -- "$osserva" -t 2000 "$program" 2>/dev/null) || {
    echo "round failed for $program" >&2; exit 1; }
  figure[$who]+="$line"$'\n'
}
names=(mappix pavimento controllo)
[ -z "$prima" ] || names+=(prima)
declare -A programma=([mappix]="$mappix" [pavimento]="$pavimento" [controllo]="$controllo"
                      [prima]="$prima")
for i in $(seq "$rounds"); do
  # Rotate which goes first, so none always meets a warmer cache.
  for k in "${!names[@]}"; do
    who="${names[$(((k + i) % ${#names[@]}))]}"
    misura "$who" "${programma[$who]}"
  done
done

median() { sort -g | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
# col WHO N: the N-th figure of every round of WHO, one a line.
col() { printf '%s' "${figure[$1]}" | awk -v n="$2" 'NF {print $n}'; }
med() { col "$1" "$2" | median; }
ms() { awk -v v="$(med "$1" "$2")" 'BEGIN {printf "%.1f", v / 1000}'; }
mib() { awk -v v="$(med "$1" "$2")" 'BEGIN {printf "%.2f", v / 1024}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
ratio3() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.3f", a / b}'; }
# Median over rounds of Mappix's figure N divided by the floor's of the same round.
# per_round N [WHO]: median over rounds of WHO's (default Mappix's) figure N
# divided by the floor's of the same round.
per_round() { paste <(col "${2:-mappix}" "$1") <(col pavimento "$1") | awk '{print $1 / $2}' |
  median | awk -v f="${3:-%.2f}" '{printf f, $1}'; }
diff_ms() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%+.1f", a - b}'; }

echo "rounds: $rounds of each, interleaved; per start: CPU µs at map, at first paint, 2 s after map; RSS KiB; wall µs to map, to first paint; CPU µs by wait4"
for who in "${names[@]}"; do
  printf '%s' "${figure[$who]}" | sed "s/^/$who: /"
done
for who in "${names[@]}"; do
  declare "${who}_map=$(ms "$who" 1)" "${who}_paint=$(ms "$who" 2)" "${who}_later=$(ms "$who" 3)"
  declare "${who}_rss=$(mib "$who" 4)" "${who}_wmap=$(ms "$who" 5)" "${who}_wpaint=$(ms "$who" 6)"
done
# The second reading: wait4's CPU time less the clock read 2 s after the map,
# the program's work between the reading and its end (mostly its exit).
secondo=$(for who in "${names[@]}"; do
  paste <(col "$who" 7) <(col "$who" 3) | awk '{print ($1 - $2) / 1000}'; done | median)
secondo_max=$(for who in "${names[@]}"; do
  paste <(col "$who" 7) <(col "$who" 3) | awk '{d = ($1 - $2) / 1000; print d < 0 ? -d : d}'; done |
  sort -g | tail -n 1)

cpu_model="$(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo)"
qt="$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)"
echo
echo "$(date -u '+%Y-%m-%d %H:%M UTC'); machine: $(nproc) cores, ${cpu_model:-unknown CPU}, load average $(cut -d' ' -f1-3 /proc/loadavg) at the end, Qt $qt, $(basename "$build") build; medians of $rounds interleaved rounds under Xvfb with openbox."
echo
cols=(mappix)
[ -z "$prima" ] || cols+=(prima)
label() { case $1 in mappix) echo "Mappix" ;; prima) echo "$nome_prima" ;; esac; }
header="| What | Floor |"; rule="|---|---|"
for c in "${cols[@]}"; do header+=" $(label "$c") | $(label "$c") / floor |"; rule+="---|---|"; done
echo "$header Control (floor + 200 ms sleep) | Control − floor |"
echo "$rule---|---|"
# riga TITLE FIGURE-NUMBER SUFFIX UNIT: one row of the table.
riga() {
  local title="$1" n="$2" s="$3" unit="$4" line c v pv cv
  pv=$(eval echo "\$pavimento_$s")
  line="| $title | $pv $unit |"
  for c in "${cols[@]}"; do
    v=$(eval echo "\$${c}_$s")
    if [ "$unit" = MiB ]; then
      line+=" $v $unit | $(ratio3 "$v" "$pv"); $(per_round "$n" "$c" %.3f) |"
    else
      line+=" $v $unit | $(ratio "$v" "$pv"); $(per_round "$n" "$c") |"
    fi
  done
  cv=$(eval echo "\$controllo_$s")
  if [ "$unit" = MiB ]; then line+=" $cv $unit | |"; else line+=" $cv $unit | $(diff_ms "$cv" "$pv") ms |"; fi
  echo "$line"
}
riga "wall time from exec to the window mapped" 5 wmap ms
riga "wall time from exec to the first paint" 6 wpaint ms
riga "CPU time from exec to the window mapped" 1 map ms
riga "CPU time from exec to the first paint" 2 paint ms
riga "CPU time 2 s after the map" 3 later ms
riga "resident memory 2 s after the map" 4 rss MiB
echo
echo "Ratios: of the medians; then the median of the per-round ratios."
echo
echo "Second reading: the kernel's CPU time at the end (wait4) less the clock read 2 s after the map, median $(printf "%.1f" "$secondo") ms, largest $(printf "%.1f" "$secondo_max") ms."
