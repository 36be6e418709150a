#!/usr/bin/env bash
# Sets up what is missing, builds every configuration and runs every test.
# Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/wine-prefix.sh

status=0
for preset in win64 win32 native; do
  echo "== $preset: build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
for preset in win64 win32 native; do
  echo "== $preset: tests"
  ctest --preset "$preset" || status=1
done
# Each fuzz target for a bounded time, from its committed seeds.
scripts/fuzz.sh 30 || status=1
exit $status
