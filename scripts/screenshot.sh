#!/bin/bash
# Regenerates docs/screenshot.png, the README's picture of the dialog, from the real program.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
env -u DISPLAY "$ROOT/run.sh"
mkdir -p "$ROOT/docs"
cp "$ROOT/build/screenshot.png" "$ROOT/docs/screenshot.png"
echo "Updated $ROOT/docs/screenshot.png"
