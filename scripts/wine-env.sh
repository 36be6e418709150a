# Sourced: the environment every Wine run of the project uses. A prefix of
# the project's own, the null display driver (no X needed), and the
# Japanese locale, so that the ANSI code page is 932.
SENDPAGE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${SENDPAGE_WINEPREFIX:-$SENDPAGE_ROOT/build/wineprefix}
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer prompts: the tool needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
WINE_LOADER=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=/usr/lib/wine/wineserver

# The machine field of a PE file's header, as 4 hex digits (014c is i386).
pe_machine() {
  local offset
  offset=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  od -An -tx2 -j$((offset + 4)) -N2 "$1" | tr -d ' '
}
