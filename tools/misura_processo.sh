#!/usr/bin/env bash
# Start-up of the real program beside the floor (tests/bench/pavimento.cpp: a
# bare Qt Widgets window of the same size with one label, built with the same
# flags), run interleaved under one Xvfb so that both meet the same load:
#   - CPU time (user + system, every thread) from exec to the window mapped,
#     read as soon as a 5 ms poll sees the window;
#   - CPU time 2 s after start, when start-up and the first paint are over;
#   - resident memory (VmRSS) 2 s after start.
# Prints the medians, the ratios Mappix / floor and the same as a Markdown
# table with the machine it ran on.
# Usage: tools/misura_processo.sh [build-dir] [runs]   (default build/dev, 11)
set -euo pipefail
build="${1:-build/dev}"
runs="${2:-11}"
mappix="$build/mappix"
pavimento="$build/tests/pavimento"
for p in "$mappix" "$pavimento"; do
  [ -x "$p" ] || { echo "missing $p: cmake --build $build --target mappix pavimento" >&2; exit 2; }
done
command -v xdotool >/dev/null && command -v Xvfb >/dev/null || {
  echo "needs xdotool and Xvfb (apt-get install xdotool xvfb)" >&2; exit 2; }

fifo="$(mktemp -u)"; mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
read -r display <"$fifo"; rm -f "$fifo"
export DISPLAY=":$display"
trap 'kill $xvfb 2>/dev/null || true' EXIT

# CPU nanoseconds of every live thread of a process.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{s += $1} END {print s + 0}'; }

# One start: prints "cpu-ms-to-mapped cpu-ms-at-2s rss-kib".
misura() {
  local program="$1" title="$2" pid t0 mapped cpu2 rss
  t0=$(date +%s%N)
  "$program" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do sleep 0.005; done
  mapped=$(cpu_ns "$pid")
  sleep "$(awk -v t0="$t0" -v now="$(date +%s%N)" 'BEGIN {s = 2 - (now - t0) / 1e9; print (s > 0 ? s : 0)}')"
  cpu2=$(cpu_ns "$pid")
  rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$((mapped / 1000)) $((cpu2 / 1000)) $rss"
}

median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

declare -a m_map m_cpu m_rss p_map p_cpu p_rss
for i in $(seq "$runs"); do
  # Alternate which goes first, so neither always meets a warmer cache.
  if ((i % 2)); then order=(mappix pavimento); else order=(pavimento mappix); fi
  for who in "${order[@]}"; do
    if [ "$who" = mappix ]; then
      read -r a b c < <(misura "$mappix" Mappix); m_map+=("$a"); m_cpu+=("$b"); m_rss+=("$c")
    else
      read -r a b c < <(misura "$pavimento" Pavimento); p_map+=("$a"); p_cpu+=("$b"); p_rss+=("$c")
    fi
  done
done

ms() { printf '%s\n' "$@" | median | awk '{printf "%.1f", $1 / 1000}'; }
mib() { printf '%s\n' "$@" | median | awk '{printf "%.1f", $1 / 1024}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
mm=$(ms "${m_map[@]}"); pm=$(ms "${p_map[@]}")
mc=$(ms "${m_cpu[@]}"); pc=$(ms "${p_cpu[@]}")
mr=$(mib "${m_rss[@]}"); pr=$(mib "${p_rss[@]}")

echo "runs: $runs each, interleaved"
echo "Mappix CPU µs to mapped (all): ${m_map[*]}"
echo "floor  CPU µs to mapped (all): ${p_map[*]}"
cpu_model="$(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo)"
qt="$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)"
echo
echo "Machine: $(nproc) cores, ${cpu_model:-unknown CPU}, load average $(cut -d' ' -f1-3 /proc/loadavg) at the end, Qt $qt, $(basename "$build") build; medians of $runs interleaved runs under Xvfb."
echo
echo "| What | Mappix | Floor | Mappix / floor |"
echo "|---|---|---|---|"
echo "| CPU time from exec to the window mapped | $mm ms | $pm ms | $(ratio "$mm" "$pm") |"
echo "| CPU time 2 s after start (start-up and first paint) | $mc ms | $pc ms | $(ratio "$mc" "$pc") |"
echo "| resident memory 2 s after start | $mr MiB | $pr MiB | $(ratio "$mr" "$pr") |"
