#!/bin/bash
# Regenerates docs/screenshot.png, the README's picture of the dialog after a reading of 1-2-3, from
# the real program under Wine: the picture the high-DPI test takes at 100%.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/setup.sh"
"$ROOT/scripts/build.sh"
WIN="$ROOT/build/win"
export TORVANE_XVFB=1
trap '"$ROOT/scripts/wine-session.sh" stop "$WIN"' EXIT
"$ROOT/scripts/wine-session.sh" start "$WIN"
"$ROOT/tests/e2e/high_dpi.sh" "$WIN" "$ROOT/resources/figures"
mkdir -p "$ROOT/docs"
cp "$WIN/dialog-96dpi.png" "$ROOT/docs/screenshot.png"
echo "Updated $ROOT/docs/screenshot.png"
