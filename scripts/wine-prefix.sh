#!/usr/bin/env bash
# Creates the project's Wine prefix once: initialised, with the null
# graphics driver, and the server idle before tests run in parallel.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ ! -f "$WINEPREFIX/.sendpage-ready" ]; then
  echo "wine-prefix: creating $WINEPREFIX" >&2
  rm -rf "$WINEPREFIX"
  "$WINE_LOADER" wineboot --init >/dev/null 2>&1 || true
  "$WINE_LOADER" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  "$WINESERVER" -w
  touch "$WINEPREFIX/.sendpage-ready"
fi
