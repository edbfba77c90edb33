#!/bin/bash
# The dialog at 100% and 200%: the driver checks its layout and leaves it open after a reading; the
# screen's picture of it (build/win/dialog-DPIdpi.png) must be twice as large at 200% and show the
# text of every button.   high_dpi.sh BUILD FIGURES
set -uo pipefail
WIN="$1"; FIGURES="$2"
RUN="$(dirname "$0")/../../scripts/wine-run.sh"
export DISPLAY="$(cat "$WIN/display")"
dialog() { xwininfo -root -tree | grep -m1 '"VeskTorvane' | grep -o '[0-9]*x[0-9]*+-*[0-9]*+-*[0-9]*' | head -1; }
fail=0
declare -A width
for dpi in 96 192; do
  # To a file: the program left open holds on to the driver's output, and a pipe would wait for it.
  TORVANE_DPI=$dpi "$RUN" "$WIN/e2e.exe" show_dpi "$WIN/torvane.exe" "$FIGURES" > "$WIN/show-dpi.txt" || fail=1
  out="$(tr -d '\r' < "$WIN/show-dpi.txt")"
  echo "$out"
  geometry="$(dialog)"
  shot="$WIN/dialog-${dpi}dpi.png"
  # Without a window manager the dialog's X window is its client area.
  import -window root -crop "${geometry:-1x1+0+0}" +repage "$shot"
  width[$dpi]="${geometry%%x*}"
  while read -r _ x y w h; do
    ink="$(convert "$shot" -crop "$((w - 8))x$((h - 8))+$((x + 4))+$((y + 4))" +repage -colorspace Gray \
           -threshold 50% -negate -format '%[fx:int(mean*w*h)]' info:)"
    if [ "${ink:-0}" -lt 20 ]; then echo "FAIL: no text on the button at $x,$y at $dpi dpi"; fail=1; fi
  done < <(grep '^button' <<< "$out")
  "$RUN" "$WIN/e2e.exe" close "$WIN/torvane.exe" "$FIGURES" >/dev/null
  for i in $(seq 120); do [ -z "$(dialog)" ] && break; sleep 1; done
done
echo "dialog width: ${width[96]:-none} at 96 dpi, ${width[192]:-none} at 192 dpi"
if [ -z "${width[96]}" ] || [ -z "${width[192]}" ] ||
   [ $((width[192] * 10)) -lt $((width[96] * 18)) ] || [ $((width[192] * 10)) -gt $((width[96] * 22)) ]; then
  echo "FAIL: the dialog is not drawn at twice the size at 200%"; fail=1
fi
exit $fail
