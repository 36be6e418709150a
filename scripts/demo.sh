#!/usr/bin/env bash
# Sets up what is missing, builds, and runs one real hand-off under Wine: a
# stand-in browser window shows a Japanese page title, the tool is started
# with the page's URL, a stand-in target receives the shortcut and keeps a
# folder dialog open for a moment; then the shortcut is gone.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/wine-prefix.sh
source scripts/wine-env.sh

preset=win32
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo "note: this kernel runs no 32-bit code, so the demo uses the 64-bit build of the same source."
  preset=win64
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target sendpage standin_target standin_browser >/dev/null
build=build/$preset

winpath() { echo "Z:$(realpath -m "$1" | tr / '\\')"; }
demo=build/demo
rm -rf "$demo"
mkdir -p "$demo/tool" "$demo/work"
cp "$build/sendpage.exe" "$demo/tool/"
record=$(winpath "$demo/rec")
printf '[Path]\r\nwwwc=%s --record %s --dialog new 3000\r\n' "$(winpath "$build/tests/standin_target.exe")" "$record" \
  > "$demo/tool/sendpage.ini"

title='今日のニュース: 天気/交通 - unDonut'
url='https://example.jp/news/today?id=42'
title_hex=$(printf '%s' "$title" | iconv -f UTF-8 -t CP932 | od -An -tx1 | tr -d ' \n')

echo "1. A stand-in browser window (class WTL:Donut) shows the title: $title"
scripts/wine-run.sh "$build/tests/standin_browser.exe" "$title_hex" 30000 &
browser=$!
sleep 2

echo "2. The browser starts the tool with the page's URL: $url"
(cd "$demo/work" && exec ../../../scripts/wine-run.sh ../tool/sendpage.exe "$url") &
tool=$!

seen=""
while kill -0 "$tool" 2>/dev/null; do
  if [ -z "$seen" ]; then
    seen=$(cd "$demo/work" && ls -- *.url 2>/dev/null || true)
    [ -n "$seen" ] && echo "3. The tool wrote the shortcut into its current directory: $seen"
  fi
  sleep 0.1
done
set +e; wait "$tool"; rc=$?; set -e
kill "$browser" 2>/dev/null || true
wait "$browser" 2>/dev/null || true

if [ ! -f "$demo/rec.cmd" ]; then
  echo "The target program was not started. Exit code: $rc"
  exit 1
fi
echo "4. The target program was started with this command line:"
echo "     $(iconv -f CP932 -t UTF-8 < "$demo/rec.cmd")"
echo "   and read this shortcut (CR LF line ends shown as ⏎):"
iconv -f CP932 -t UTF-8 < "$demo/rec.url" | sed 's/\r$/⏎/; s/^/     /'
echo "5. The target kept its folder dialog (フォルダーの参照) open for 3 seconds; the tool waited."
left=$(cd "$demo/work" && ls -A)
if [ -z "$left" ]; then
  echo "6. After the dialog closed the tool removed the shortcut: nothing is left behind."
else
  echo "6. Left behind in the working folder: $left"
fi
echo "7. The tool ended with exit code $rc."
[ "$rc" -eq 0 ] && [ -z "$left" ]
