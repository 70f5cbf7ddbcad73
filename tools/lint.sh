#!/usr/bin/env bash
# clang-format, cppcheck and clang-tidy on the project's own code.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/dev}"
mapfile -t sources < <(git ls-files -- '*.cpp' '*.h')
mapfile -t units < <(git ls-files -- '*.cpp')

echo "== clang-format =="
clang-format --dry-run -Werror "${sources[@]}"

echo "== cppcheck =="
cppcheck --quiet --enable=warning,performance,portability --error-exitcode=1 --inline-suppr \
  --std=c++20 --library=qt --library=googletest --suppress=missingIncludeSystem -Igazetteer -Iplay -Iwindow -Iwindow/accesso -Iwindow/mappa -Itests \
  "${units[@]}"

echo "== clang-tidy =="
log="$(mktemp)"
status=0
printf '%s\n' "${units[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet >"$log" 2>&1 \
  || status=$?
grep -v -E '^[0-9]+ warnings? generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter' "$log" || true
rm -f "$log"
[ "$status" -eq 0 ] || { echo "clang-tidy found problems" >&2; exit 1; }
echo "lint: clean"
