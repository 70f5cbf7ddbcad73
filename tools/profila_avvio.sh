#!/usr/bin/env bash
# Instructions the real program and the floor (tests/bench/pavimento.cpp)
# execute from exec until their window is mapped and idle, counted by
# valgrind's callgrind under Xvfb: repeatable on a busy machine, where CPU
# times are not. Prints both totals, their ratio and, for Mappix, the
# functions of the program's own code that cost most (inclusive).
# Usage: tools/profila_avvio.sh [build-dir]   (default build/dev)
set -euo pipefail
build="${1:-build/dev}"
command -v valgrind >/dev/null && command -v xdotool >/dev/null && command -v Xvfb >/dev/null || {
  echo "needs valgrind, xdotool and Xvfb (apt-get install valgrind xdotool xvfb)" >&2; exit 2; }
out="$(mktemp -d)"

fifo="$(mktemp -u)"; mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
read -r display <"$fifo"; rm -f "$fifo"
export DISPLAY=":$display"
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$out"' EXIT

# Counts one program until its window is mapped and a second has passed.
conta() {
  local program="$1" title="$2" name="$3" pid
  valgrind --tool=callgrind --callgrind-out-file="$out/$name" "$program" >"$out/$name.log" 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { tail "$out/$name.log" >&2; exit 1; }
    sleep 0.1
  done
  sleep 1
  kill "$pid"; wait "$pid" 2>/dev/null || true
  awk '/^totals:/ {print $2}' "$out/$name"
}

mappix=$(conta "$build/mappix" Mappix mappix)
pavimento=$(conta "$build/tests/pavimento" Pavimento pavimento)
echo "instructions to the window mapped and idle: Mappix $mappix, floor $pavimento," \
  "ratio $(awk -v a="$mappix" -v b="$pavimento" 'BEGIN {printf "%.2f", a / b}')"
echo "Mappix's own functions, inclusive instructions:"
callgrind_annotate --inclusive=yes "$out/mappix" 2>/dev/null | grep 'mappix::' | head -n 25
