#!/usr/bin/env bash
# Fails when a C++ source differs from what clang-format makes of it with
# the project's .clang-format, and prints the files and their first
# differences. `scripts/check-format.sh --fix` formats them in place.
set -uo pipefail
fix=false
if [ "${1:-}" = "--fix" ]; then
  fix=true
  shift
fi
root="$(cd "${1:-$(dirname "$0")/..}" && pwd)" || exit 2
cd "$root" || exit 2
mapfile -t folders < <(grep -v '^#' scripts/source-folders)
mapfile -t files < <(find "${folders[@]}" \
  \( -name '*.cpp' -o -name '*.h' \) -not -path '*/fuzz_corpus/*' | sort)
if $fix; then
  clang-format -i --style=file "${files[@]}"
  exit 0
fi
bad=0
for f in "${files[@]}"; do
  if ! clang-format --style=file "$f" | diff -q "$f" - > /dev/null; then
    bad=$((bad + 1))
    echo "$f: not formatted as .clang-format says; first differences:"
    clang-format --style=file "$f" | diff "$f" - | head -8
  fi
done
echo "${#files[@]} files read, $bad not formatted"
[ "$bad" -eq 0 ]
