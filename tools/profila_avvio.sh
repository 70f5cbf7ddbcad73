#!/usr/bin/env bash
# Instructions the real program and the floor (tests/bench/pavimento.cpp)
# execute from exec until they ask the X server to map their window (the end
# of QXcbWindow::show, where callgrind writes its first dump), counted by
# valgrind's callgrind under Xvfb: repeatable on a busy machine, where CPU
# times are not. Prints both counts, their ratio and, for Mappix, the
# functions of the program's own code that cost most (inclusive).
# Usage: tools/profila_avvio.sh [build-dir]   (default build/dev); MAPPIX_PROFILO=prefix
# keeps both profiles as prefix.mappix and prefix.pavimento.
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

# Counts one program until it maps its window; waits for the map to be seen.
conta() {
  local program="$1" title="$2" name="$3" pid
  valgrind --tool=callgrind --dump-after='QXcbWindow::show*' \
    --callgrind-out-file="$out/$name" "$program" >"$out/$name.log" 2>&1 &
  pid=$!
  until [ -s "$out/$name.1" ] && xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { tail "$out/$name.log" >&2; exit 1; }
    sleep 0.1
  done
  kill "$pid"; wait "$pid" 2>/dev/null || true
  awk '/^totals:/ {print $2}' "$out/$name.1"
}

mappix=$(conta "$build/mappix" Mappix mappix)
pavimento=$(conta "$build/tests/pavimento" Pavimento pavimento)
echo "instructions to the window mapped: Mappix $mappix, floor $pavimento," \
  "ratio $(awk -v a="$mappix" -v b="$pavimento" 'BEGIN {printf "%.2f", a / b}')"
echo "of which building the window (FinestraCitta's constructor, inclusive):" \
  "$(callgrind_annotate --inclusive=yes "$out/mappix.1" 2>/dev/null |
     awk '/FinestraCitta::FinestraCitta\(/ {gsub(",", "", $1); print $1; exit}')"
echo "font lookups (QFontDatabasePrivate::findFont, inclusive): Mappix" \
  "$(callgrind_annotate --inclusive=yes "$out/mappix.1" 2>/dev/null |
     awk '/QFontDatabasePrivate::findFont/ {gsub(",", "", $1); print $1; exit}'), floor" \
  "$(callgrind_annotate --inclusive=yes "$out/pavimento.1" 2>/dev/null |
     awk '/QFontDatabasePrivate::findFont/ {gsub(",", "", $1); print $1; exit}')"
if [ -n "${MAPPIX_PROFILO:-}" ]; then
  cp "$out/mappix.1" "$MAPPIX_PROFILO.mappix"; cp "$out/pavimento.1" "$MAPPIX_PROFILO.pavimento"
fi
echo "Mappix's own functions, inclusive instructions:"
callgrind_annotate --inclusive=yes "$out/mappix.1" 2>/dev/null | grep 'mappix::' | head -n 25 || true
