#!/usr/bin/env bash
# Takes the README's pictures from the real program, under Xvfb with Wine's
# X11 display driver (in a virtual desktop, so that Wine draws the window
# frames itself):
#   docs/error-box.png  the error box when the shortcut cannot be written
#                       (a folder named ".url" stands in the working folder;
#                       with no browser window that is the shortcut's name,
#                       and creating it fails with "access denied")
#   docs/main-form.png  the empty main form that stays open after OK
# Uses the shipped 32-bit build where this machine runs 32-bit code, the
# 64-bit build otherwise. Its own Wine prefix: build/wineprefix-x11.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh

if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  arch=win32
else
  arch=win64
  echo "screenshots: NOTE: this kernel runs no 32-bit code; taking the pictures with the 64-bit build"
fi
build=$root/build/release-$arch
mkdir -p "$build"
(
  flock 8
  cmake --preset "$arch" -B "$build" -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
  cmake --build "$build" --target sendpage
) 8>"$build.lock"
exe=$build/sendpage.exe

fc-list :lang=ja family | grep -q . \
  || { echo "screenshots: no Japanese font found by fontconfig (fonts-ipafont-gothic)" >&2; exit 1; }

export SENDPAGE_WINEPREFIX=${SENDPAGE_WINEPREFIX:-$root/build/wineprefix-x11}
source scripts/wine-env.sh
[ "$arch" = win32 ] && WINE_LOADER=/usr/lib/wine/wine

work=$(mktemp -d)
xvfb_pid=
wine_pid=
cleanup() {
  [ -n "$wine_pid" ] && kill "$wine_pid" 2>/dev/null || true
  "$WINESERVER" -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "screenshots: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display")

# A prefix of its own with the X11 driver (the project's prefix uses the
# null driver). Debian's Wine does not find its own fonts here, so the
# caption buttons' Marlett and the dialog font Tahoma are copied in.
if [ ! -f "$WINEPREFIX/.sendpage-x11-ready" ]; then
  echo "screenshots: creating $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  "$WINE_LOADER" wineboot --init >/dev/null 2>&1 || true
  "$WINESERVER" -w
  cp /usr/share/wine/fonts/marlett.ttf /usr/share/wine/fonts/tahoma.ttf \
     /usr/share/wine/fonts/tahomabd.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  touch "$WINEPREFIX/.sendpage-x11-ready"
fi

# Trimmed bounding box of what differs from the desktop's corner colour.
frame() { import -window root "$work/frame.png"; convert "$work/frame.png" -format '%@' info: 2>/dev/null; }
# Waits until something of at least 100x50 is on screen, other than the
# box given, and it has stopped changing.
wait_for_window() {
  local not=$1 last= box
  for _ in $(seq 120); do
    box=$(frame)
    local w=${box%%x*} rest=${box#*x}
    local h=${rest%%+*}
    if [ "$w" -ge 100 ] && [ "$h" -ge 50 ] && [ "$box" != "$not" ] && [ "$box" = "$last" ]; then
      sleep 1
      echo "$box"
      return 0
    fi
    last=$box
    sleep 0.5
  done
  echo "screenshots: timed out waiting for a window (last box $box)" >&2
  return 1
}
# Saves the screen cut to the window with a margin of desktop around it.
save() {
  import -window root "$work/shot.png"
  local bg
  bg=$(convert "$work/shot.png" -format '%[pixel:p{0,0}]' info:)
  convert "$work/shot.png" -trim +repage -bordercolor "$bg" -border 16 "$1"
  echo "screenshots: wrote $1 ($(identify -format '%wx%h' "$1"))"
}

mkdir "$work/run" "$work/run/.url"
(cd "$work/run" && exec "$WINE_LOADER" explorer /desktop=sendpage,800x600 \
   "Z:${exe//\//\\}" "http://example.com/") &
wine_pid=$!

mkdir -p docs
box=$(wait_for_window none)
save docs/error-box.png

# Enter goes to the virtual desktop, where the box has the keyboard focus.
xdotool key Return
wait_for_window "$box" >/dev/null
save docs/main-form.png

# The form stays open until closed; closing it ends the program.
xdotool key alt+F4
for _ in $(seq 40); do kill -0 "$wine_pid" 2>/dev/null || break; sleep 0.25; done
if kill -0 "$wine_pid" 2>/dev/null; then
  echo "screenshots: NOTE: the program did not end after Alt+F4; stopped it"
else
  wine_pid=
  echo "screenshots: the program ended when its form was closed"
fi
