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
  --std=c++20 --library=qt --suppress=missingIncludeSystem -Igazetteer -Iplay -Iwindow -Itests \
  "${units[@]}"

echo "== clang-tidy =="
printf '%s\n' "${units[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet 2>&1 \
  | grep -v -E '^[0-9]+ warnings? generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter' \
  | tee /tmp/mappix-clang-tidy.log
! grep -q -E 'warning:|error:' /tmp/mappix-clang-tidy.log
echo "lint: clean"
