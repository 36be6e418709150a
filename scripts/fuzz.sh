#!/usr/bin/env bash
# Builds the native configuration and runs every fuzz target for the given
# number of seconds each (default 300), starting from its committed seeds.
# New inputs go to a scratch copy under build/, so the tree stays clean;
# a crash leaves its input in build/fuzz/artifacts/. Exits non-zero when
# any target fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}

cmake --preset native >/dev/null
cmake --build --preset native

targets=$(sed -n '/^set(SENDPAGE_FUZZ_TARGETS/,/)/p' fuzz/CMakeLists.txt | grep -o 'fuzz_[a-z_]*')
work=build/fuzz
mkdir -p "$work/artifacts"
status=0
for target in $targets; do
  scratch="$work/corpus/$target"
  rm -rf "$scratch"
  mkdir -p "$scratch"
  cp fuzz/corpus/"$target"/* "$scratch"/
  options=(-max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/artifacts/$target-")
  [ -f fuzz/dict/"$target".dict ] && options+=(-dict=fuzz/dict/"$target".dict)
  echo "== fuzz: $target for ${seconds}s"
  if build/native/fuzz/"$target" "${options[@]}" "$scratch" >"$work/$target.log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$target.log")
    echo "   ok: $runs executions, corpus $(ls "$scratch" | wc -l) inputs"
  else
    echo "   FAILED: see $work/$target.log" >&2
    tail -40 "$work/$target.log" >&2
    status=1
  fi
done
exit $status
