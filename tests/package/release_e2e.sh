#!/usr/bin/env bash
# Packs the release zip with scripts/release.sh, checks what it holds, then
# unpacks it and runs the packaged sendpage.exe once under Wine, end to end:
# a stand-in target configured in sendpage.ini must receive the quoted path
# of the shortcut as its last argument and be able to copy the shortcut
# while it exists; afterwards the shortcut is gone and the exit code is 0.
#
# The shipped package is 32-bit. Where this machine cannot run 32-bit code,
# the 32-bit zip is checked for its contents only, and the same run is made
# with the equivalent 64-bit zip; the output says so.
# Usage: release_e2e.sh <project version>
set -euo pipefail
version=${1:?usage: $0 <project version>}
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/wine-env.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

expected_entries() {
  printf '%s\n' LICENSE.txt README.en.md README.md docs/error-box.png docs/main-form.png \
    sendpage.exe sendpage.ini.sample | sed "s|^|sendpage-$version/|"
}

# Packs the zip for one architecture and checks its listing and executable.
pack() {
  local arch=$1 machine=$2 zip
  DIST_DIR=$work/dist "$root/scripts/release.sh" "$arch" > "$work/release-$arch.log" 2>&1 \
    || { cat "$work/release-$arch.log"; fail "scripts/release.sh $arch failed"; }
  zip=$work/dist/sendpage-$version-$arch.zip
  [ -f "$zip" ] || fail "no $zip"
  diff <(expected_entries) <(unzip -Z1 "$zip" | LC_ALL=C sort) \
    || fail "$arch zip holds other files than expected (diff above)"
  echo "ok:   $(basename "$zip") holds exactly: $(expected_entries | tr '\n' ' ')"
  rm -rf "$work/unpacked-$arch"
  unzip -q "$zip" -d "$work/unpacked-$arch"
  local exe=$work/unpacked-$arch/sendpage-$version/sendpage.exe
  [ "$(pe_machine "$exe")" = "$machine" ] || fail "$arch sendpage.exe has machine $(pe_machine "$exe")"
  cmp -s <(sed 's/\r$//' "$work/unpacked-$arch/sendpage-$version/sendpage.ini.sample") "$root/res/sendpage.sample.ini" \
    || fail "sendpage.ini.sample differs from res/sendpage.sample.ini"
  grep -q $'\r$' "$work/unpacked-$arch/sendpage-$version/sendpage.ini.sample" \
    || fail "sendpage.ini.sample has no Windows line ends"
  echo "ok:   $arch sendpage.exe is PE machine $machine; the sample INI is there with CR LF"
}

# Windows form of a path on this machine (the prefix maps Z: to /).
winpath() { printf 'Z:%s' "${1//\//\\}"; }

# Runs the unpacked package of one architecture once, end to end.
run_package() {
  local arch=$1 gxx=$2
  local app=$work/unpacked-$arch/sendpage-$version
  local target=$work/target-$arch/recording_target.exe
  mkdir -p "$work/target-$arch"
  "$gxx" -std=c++20 -Wall -Wextra -Werror -O2 -mwindows -static \
    -o "$target" "$root/tests/package/RecordingTarget.cpp"

  # The configuration beside the packaged executable names the stand-in.
  local wwwc
  wwwc=$(winpath "$target")
  printf '[Path]\r\nwwwc=%s\r\n' "$wwwc" > "$app/sendpage.ini"

  local run=$work/run-$arch url='http://example.com/search?q=sendpage&lang=ja'
  mkdir -p "$run"
  local rc=0
  (cd "$run" && timeout 120 "$root/scripts/wine-run.sh" "$app/sendpage.exe" "$url") || rc=$?
  [ "$rc" -eq 0 ] || fail "packaged sendpage.exe ($arch) exited with $rc (124 = hung, e.g. on an error box)"
  echo "ok:   packaged sendpage.exe ($arch) exited with 0"

  [ -f "$run/target-cmdline.txt" ] || fail "the target was not started (no target-cmdline.txt)"
  local got want
  got=$(cat "$run/target-cmdline.txt")
  want="$wwwc \"$(winpath "$run")\\.url\""
  [ "$got" = "$want" ] || fail "target command line: got [$got], want [$want]"
  echo "ok:   the target got: $got"

  [ -f "$run/target-copy.url" ] || fail "the target could not copy the shortcut while it ran"
  cmp -s "$run/target-copy.url" <(printf '[InternetShortcut]\r\nURL=%s\r\n' "$url") \
    || fail "the shortcut the target copied is not the two-line Internet Shortcut for $url: $(od -c "$run/target-copy.url" | head -5)"
  echo "ok:   the shortcut existed while the target ran and held URL=$url"

  [ ! -e "$run/.url" ] || fail "the shortcut $run/.url is still there after the run"
  echo "ok:   the shortcut is gone after the run"
}

pack win32 014c
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  run_package win32 i686-w64-mingw32-g++-posix
else
  echo "NOTE: this machine's kernel runs no 32-bit code (/usr/lib/wine/wine cannot start)."
  echo "NOTE: the shipped win32 zip was checked for its contents only; running the"
  echo "NOTE: equivalent win64 zip (same files, 64-bit build) end to end instead."
  pack win64 8664
  run_package win64 x86_64-w64-mingw32-g++-posix
fi
echo "release package check passed"
