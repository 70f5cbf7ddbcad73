#!/usr/bin/env bash
# Whole-process figures of the real program under Xvfb: the time from launch to
# the main window mapped, and the resident memory after start-up (VmRSS once
# the window is up, and the peak that /usr/bin/time -v reports at exit).
# Prints the median of N runs (default 7).
# Usage: tools/misura_processo.sh [path/to/mappix] [runs]
set -euo pipefail
program="${1:-build/dev/mappix}"
runs="${2:-7}"
command -v xdotool >/dev/null && command -v Xvfb >/dev/null && [ -x /usr/bin/time ] || {
  echo "needs xdotool, Xvfb and /usr/bin/time (apt-get install xdotool xvfb time)" >&2; exit 2; }

fifo="$(mktemp -u)"; mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
read -r display <"$fifo"; rm -f "$fifo"
export DISPLAY=":$display"
trap 'kill $xvfb 2>/dev/null || true' EXIT

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
starts=(); rss=(); peaks=()
for _ in $(seq "$runs"); do
  report="$(mktemp)"
  t0=$(date +%s%N)
  /usr/bin/time -v -o "$report" "$program" 2>/dev/null &
  timer_pid=$!
  # xdotool's own --sync polls only twice a second: poll every 5 ms instead.
  until xdotool search --onlyvisible --name "^Mappix$" >/dev/null 2>&1; do sleep 0.005; done
  t1=$(date +%s%N)
  pid="$(pgrep -n -P "$timer_pid")"
  sleep 0.5
  rss+=("$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")")
  starts+=("$(( (t1 - t0) / 1000000 ))")
  kill "$pid"
  wait "$timer_pid" || true
  peaks+=("$(awk -F': ' '/Maximum resident/ {print $2}' "$report")")
  rm -f "$report"
done
echo "runs: $runs"
echo "launch to window mapped, median: $(printf '%s\n' "${starts[@]}" | median) ms   (all: ${starts[*]})"
echo "resident memory after start-up, median: $(( $(printf '%s\n' "${rss[@]}" | median | cut -d. -f1) / 1024 )) MiB"
echo "peak resident memory at exit, median: $(( $(printf '%s\n' "${peaks[@]}" | median | cut -d. -f1) / 1024 )) MiB"
