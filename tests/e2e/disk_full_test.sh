#!/usr/bin/env bash
# Runs the full-disk case: a folder whose ".url" is a link to /dev/full.
# Usage: disk_full_test.sh E2E_TESTS_EXE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
ln -s /dev/full "$folder/.url"
export SENDPAGE_DISK_FULL_DIR="Z:$(echo "$folder" | tr / '\\')"
"$here/../../scripts/wine-run.sh" "$1" --gtest_filter=FailureE2E.DiskFull
