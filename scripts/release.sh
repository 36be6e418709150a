#!/usr/bin/env bash
# Builds the release executable and packs it with its documents:
#   dist/sendpage-<version>-<arch>.zip
# Usage: scripts/release.sh [win32|win64]
#   win32 (the default) is the shipped 32-bit build; win64 packs the same
#   files around the 64-bit build, for machines that run no 32-bit code.
#   DIST_DIR=<folder> puts the zip elsewhere than dist/.
# The build is the preset's MinSizeRel configuration without the tests, in
# build/release-<arch>: stripped and statically linked, so the zip needs
# nothing but the system's own DLLs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

arch=${1:-win32}
case $arch in
  win32) machine=i386 ;;
  win64) machine=x86_64 ;;
  *) echo "usage: $0 [win32|win64]" >&2; exit 2 ;;
esac
dist=${DIST_DIR:-$root/dist}

scripts/setup.sh

build=$root/build/release-$arch
mkdir -p "$build"
# One build at a time in this folder (a test may pack while you do).
exec 8>"$build.lock"
flock 8
cmake --preset "$arch" -B "$build" -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build "$build" --target sendpage

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || { echo "release: no project version in $build/CMakeCache.txt" >&2; exit 1; }
exe=$build/sendpage.exe

echo "== release: checking $exe"
python3 tests/package/check_exe.py --version "$version" --machine "$machine" --stripped "$exe"

name=sendpage-$version
stage=$build/stage
rm -rf "$stage"
mkdir -p "$stage/$name/docs"
cp "$exe" "$stage/$name/sendpage.exe"
# Text files get Windows line ends: they are read on Windows, in Notepad too.
to_crlf() { sed 's/\r$//; s/$/\r/' "$1" > "$2"; }
to_crlf res/sendpage.sample.ini "$stage/$name/sendpage.ini.sample"
to_crlf LICENSE "$stage/$name/LICENSE.txt"
to_crlf README.md "$stage/$name/README.md"
to_crlf README.en.md "$stage/$name/README.en.md"
cp docs/error-box.png docs/main-form.png "$stage/$name/docs/"

# The same sources give the same zip: fixed timestamps, no extra fields,
# entries in a fixed order.
stamp=$(git log -1 --format=%ct 2>/dev/null || date +%s)
find "$stage" -exec touch -h -d "@$stamp" {} +
mkdir -p "$dist"
zip_file=$dist/$name-$arch.zip
rm -f "$zip_file"
(cd "$stage" && find "$name" -print | LC_ALL=C sort | TZ=UTC zip -X -q -D "$zip_file" -@)

echo "== release: $zip_file"
unzip -l "$zip_file"
