#!/usr/bin/env bash
# Runs the benchmarks of the real window (build/dev/tests/prestazioni) and
# prints README's performance table in Markdown: the medians of N repetitions,
# what one iteration does, the ratio of a click with a 100,000-line log to the
# same click with an empty one, and the machine it ran on.
# Usage: tools/tabella_prestazioni.sh [build-dir] [repetitions]   (default build/dev, 5)
set -euo pipefail
build="${1:-build/dev}"
reps="${2:-5}"
csv="$(QT_QPA_PLATFORM=offscreen "$build/tests/prestazioni" --benchmark_repetitions="$reps" \
  --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null)"
cpu_model="$(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo)"
echo "Machine: $(nproc) cores, ${cpu_model:-unknown CPU}, load average $(cut -d' ' -f1-3 /proc/loadavg) at the end, $(basename "$build") build; medians of $reps repetitions."
echo
echo "| Benchmark | What one iteration does | Wall | CPU |"
echo "|---|---|---|---|"
awk -F',' '
  /_median"?,/ {
    name = $1; gsub(/"/, "", name); sub(/_median$/, "", name)
    label = $8; gsub(/"/, "", label); sub(/^per iteration: /, "", label)
    printf "| %s | %s | %.4g %s | %.4g %s |\n", name, label, $3, $5, $4, $5
    wall[name] = $3; cpu[name] = $4
  }
  END {
    a = "ClicGiusto/righe:100000"; b = "ClicGiusto/righe:0"
    if ((a in cpu) && (b in cpu) && cpu[b] > 0)
      printf "\nOne right answer with a 100,000-line log / with an empty log: %.2f (CPU), %.2f (wall).\n", cpu[a] / cpu[b], wall[a] / wall[b]
  }' <<<"$csv"
