#!/bin/bash
# Shows the dialog after a reading of 1-2-3 at a DPI, under the system language TORVANE_LOCALE;
# the driver checks its layout, the screen's picture of it goes to OUT.png and must show text on
# every button; then it is closed. Prints the driver's lines (client size, buttons).
#   capture-dialog.sh DRIVER.exe PROGRAM.exe DPI OUT.png   (in a running Wine session)
set -uo pipefail
DRIVER="$1"; EXE="$2"; DPI="$3"; SHOT="$4"
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
WIN="$ROOT/build/win"
RUN="$ROOT/scripts/wine-run.sh"
FIGURES="$ROOT/resources/figures"
export DISPLAY="$(cat "$WIN/display")"
dialog() { xwininfo -root -tree | grep -m1 '"VeskTorvane' | grep -o '[0-9]*x[0-9]*+-*[0-9]*+-*[0-9]*' | head -1; }
fail=0
# To a file: the program left open holds on to the driver's output, and a pipe would wait for it.
TORVANE_DPI=$DPI "$RUN" "$DRIVER" show_dpi "$EXE" "$FIGURES" > "$SHOT.txt" || fail=1
out="$(tr -d '\r' < "$SHOT.txt")"
rm -f "$SHOT.txt"
echo "$out"
geometry="$(dialog)"
# Without a window manager the dialog's X window is its client area.
import -window root -crop "${geometry:-1x1+0+0}" +repage "$SHOT"
while read -r _ x y w h; do
  ink="$(convert "$SHOT" -crop "$((w - 8))x$((h - 8))+$((x + 4))+$((y + 4))" +repage -colorspace Gray \
         -threshold 50% -negate -format '%[fx:int(mean*w*h)]' info:)"
  if [ "${ink:-0}" -lt 20 ]; then echo "FAIL: no text on the button at $x,$y at $DPI dpi"; fail=1; fi
done < <(grep '^button' <<< "$out")
"$RUN" "$DRIVER" close "$EXE" "$FIGURES" >/dev/null
for i in $(seq 120); do [ -z "$(dialog)" ] && break; sleep 1; done
echo "picture ${geometry%%+*}"
exit $fail
