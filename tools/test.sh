#!/usr/bin/env bash
# Sets up and builds everything, checks style and lint, runs the whole suite
# under AddressSanitizer and UndefinedBehaviorSanitizer, builds the Debian
# package twice and checks it (reproducible, lintian, autopkgtest), and last
# runs the whole suite on the warnings-as-errors build.
set -euo pipefail
cd "$(dirname "$0")/.."
export MAPPIX_SETUP_TESTS=1
jobs="$(nproc)"

bash tools/setup.sh ci
bash tools/lint.sh build/ci

echo "== sanitizers =="
bash tools/setup.sh asan-ubsan
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --preset asan-ubsan --parallel "$jobs" --label-exclude lungo

echo "== package =="
bash tools/controlla_pacchetto.sh

echo "== tests =="
ctest --preset ci --parallel "$jobs"
