#!/bin/bash
# Regenerates the README's pictures from the shipped torvane.exe under Wine at 96 DPI, after a
# reading of 1-2-3: docs/screenshot.png under Simplified Chinese (code page 936), and
# docs/languages.png, the same dialog under four system languages side by side.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/setup.sh"
"$ROOT/scripts/build.sh"
WIN="$ROOT/build/win"
DRIVER="$WIN/e2e.exe"
# Where 32-bit code is emulated, a native 64-bit driver; the program stays the shipped one.
if "$ROOT/scripts/emulated.sh"; then DRIVER="$ROOT/build/win64/e2e.exe"; fi
export TORVANE_XVFB=1
trap '"$ROOT/scripts/wine-session.sh" stop "$WIN"' EXIT
"$ROOT/scripts/wine-session.sh" start "$WIN"
FONT=/usr/share/fonts/truetype/arphic/uming.ttc
tiles=()
for entry in zh_CN.UTF-8:936:简体中文 zh_TW.UTF-8:950:繁體中文 ja_JP.UTF-8:932:日本語 en_US.UTF-8:1252:English; do
  IFS=: read -r locale cp name <<< "$entry"
  shot="$WIN/dialog-$cp.png"
  TORVANE_LOCALE=$locale "$ROOT/scripts/capture-dialog.sh" "$DRIVER" "$WIN/torvane.exe" 96 "$shot"
  # A caption under each picture: the system language and its ANSI code page.
  convert "$shot" -background white -font "$FONT" -pointsize 14 label:"$name  (code page $cp)" \
          -gravity center -append "$WIN/tile-$cp.png"
  tiles+=("$WIN/tile-$cp.png")
done
mkdir -p "$ROOT/docs"
cp "$WIN/dialog-936.png" "$ROOT/docs/screenshot.png"
convert "${tiles[@]}" -background white -splice 12x0 +append -chop 12x0 "$ROOT/docs/languages.png"
echo "Updated $ROOT/docs/screenshot.png and $ROOT/docs/languages.png"
