#!/usr/bin/env bash
# Runs a Windows program (32- or 64-bit) under Wine in the project's prefix.
# Exits 77 (a skip for ctest) when the program is 32-bit and this machine's
# kernel cannot run 32-bit code, which 32-bit Wine needs.
set -euo pipefail
here=$(dirname "$0")
source "$here/wine-env.sh"
if [ "$(pe_machine "$1")" = 014c ]; then
  if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo "wine-run: SKIPPED: $1 is 32-bit and this kernel runs no 32-bit code (ia32 emulation off)" >&2
    exit 77
  fi
  WINE_LOADER=/usr/lib/wine/wine
fi
[ -f "$WINEPREFIX/.sendpage-ready" ] || "$here/wine-prefix.sh"
exec "$WINE_LOADER" "$@"
