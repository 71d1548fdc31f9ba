#!/usr/bin/env bash
# Builds and runs the fuzz targets of a build configured with JUBILO_FUZZ,
# one after the other, each for the same number of seconds:
#
#   scripts/run-fuzzers.sh BUILD_DIR SECONDS TARGET:SEEDS...
#
# TARGET is the CMake target, SEEDS the folder of its committed seed inputs.
# New inputs go to BUILD_DIR/fuzz_corpus/TARGET; the seeds stay as they are.
# A crash leaves its input as TARGET-crash-* in the current directory. A
# target this tree does not have is passed over with a note. Fails when a
# target did not build or found a fault, once every target has had its turn.
set -uo pipefail
build_dir="$1"
seconds="$2"
shift 2
jobs="${JOBS:-$(nproc)}"
failed=()
# Listed once, in full: grep -q quitting early would break ninja's pipe,
# which pipefail counts as a failure.
targets="$(ninja -C "$build_dir" -t targets all 2> /dev/null)"
for entry in "$@"; do
  target="${entry%%:*}"
  seeds="${entry#*:}"
  if ! grep -q "^$target: " <<< "$targets"; then
    echo "== $target: no such target in this tree; passed over"
    continue
  fi
  echo "== $target, $seconds seconds"
  if ! cmake --build "$build_dir" --parallel "$jobs" --target "$target"; then
    failed+=("$target (build)")
    continue
  fi
  program="$(find "$build_dir" -name "$target" -type f -perm -u+x -print -quit)"
  corpus="$build_dir/fuzz_corpus/$target"
  mkdir -p "$corpus"
  folders=("$corpus")
  [ -d "$seeds" ] && folders+=("$seeds")
  if ! "$program" -max_total_time="$seconds" -max_len=16384 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$target-" "${folders[@]}"; then
    failed+=("$target")
  fi
done
if [ "${#failed[@]}" -gt 0 ]; then
  echo "failed: ${failed[*]}"
  exit 1
fi
