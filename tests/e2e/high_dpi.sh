#!/bin/bash
# The dialog at 100% and 200%: laid out inside its client area with every button's text fitting (the
# driver), and drawn twice as large at 200% with text on every button (the screen's picture,
# build/win/dialog-DPIdpi.png).   high_dpi.sh BUILD   (BUILD holds the driver and the program)
set -uo pipefail
BUILD="$1"
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
fail=0
declare -A width
for dpi in 96 192; do
  out="$("$ROOT/scripts/capture-dialog.sh" "$BUILD/e2e.exe" "$BUILD/torvane.exe" $dpi "$ROOT/build/win/dialog-${dpi}dpi.png")" || fail=1
  echo "$out"
  size="$(grep '^picture' <<< "$out" | cut -d' ' -f2)"
  width[$dpi]="${size%%x*}"
done
echo "dialog width: ${width[96]:-none} at 96 dpi, ${width[192]:-none} at 192 dpi"
if [ -z "${width[96]}" ] || [ -z "${width[192]}" ] ||
   [ $((width[192] * 10)) -lt $((width[96] * 18)) ] || [ $((width[192] * 10)) -gt $((width[96] * 22)) ]; then
  echo "FAIL: the dialog is not drawn at twice the size at 200%"; fail=1
fi
exit $fail
