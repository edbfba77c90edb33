#!/bin/bash
# Builds torvane.exe and opens it under Wine. Without a display it opens on a virtual one, shows a
# reading, saves a screenshot to build/screenshot.png and closes it again.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")" && pwd)"
"$ROOT/scripts/setup.sh"
"$ROOT/scripts/build.sh"
WIN="$ROOT/build/win"
if [ -n "${DISPLAY:-}" ]; then
  "$ROOT/scripts/wine-session.sh" start "$WIN"
  "$ROOT/scripts/wine-run.sh" "$WIN/torvane.exe" || true
  "$ROOT/scripts/wine-session.sh" stop "$WIN"
  exit 0
fi
trap '"$ROOT/scripts/wine-session.sh" stop "$WIN"' EXIT
"$ROOT/scripts/wine-session.sh" start "$WIN"
"$ROOT/scripts/wine-run.sh" "$WIN/e2e.exe" show "$WIN/torvane.exe" "$ROOT/resources/figures"
export DISPLAY="$(cat "$WIN/display")"
# Without a window manager the dialog is a bare X window: crop the screen to it.
GEOMETRY="$(xwininfo -root -tree | grep -m1 '"VeskTorvane' | grep -o '[0-9]*x[0-9]*+-*[0-9]*+-*[0-9]*' | head -1)"
import -window root -crop "${GEOMETRY:-400x400+0+0}" +repage "$ROOT/build/screenshot.png"
"$ROOT/scripts/wine-run.sh" "$WIN/e2e.exe" close "$WIN/torvane.exe" "$ROOT/resources/figures"
echo "Screenshot of the dialog with a reading: $ROOT/build/screenshot.png"
