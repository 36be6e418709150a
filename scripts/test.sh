#!/usr/bin/env bash
# Sets up what is missing, builds every configuration and runs every test.
# Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/wine-prefix.sh

status=0
for preset in win64 win32; do
  echo "== $preset: build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
for preset in win64 win32; do
  echo "== $preset: tests"
  ctest --preset "$preset" || status=1
done
exit $status
