#!/usr/bin/env bash
# Runs every benchmark program of a build headless.
set -euo pipefail
build_dir="${1:-build}"
export QT_QPA_PLATFORM=offscreen
shopt -s nullglob
for program in "$build_dir"/bench/*; do
  [ -f "$program" ] && [ -x "$program" ] || continue
  echo "== $(basename "$program")"
  "$program" --benchmark_counters_tabular=true
done
