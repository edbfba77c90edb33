#!/bin/bash
# Runs a Windows program, of whichever build, in the run's Wine session (build/win); Unix paths among
# its arguments become Windows ones. TORVANE_LOCALE sets the system language Wine gives it
# (zh_CN.UTF-8 if unset).
#   wine-run.sh PROGRAM.exe ARG...
set -uo pipefail
PROGRAM="$1"; shift
SESSION="$(cd "$(dirname "$0")/.." && pwd)/build/win"
. "$(dirname "$0")/wine-env.sh"
export DISPLAY="$(cat "$SESSION/display")"
args=()
for a in "$@"; do
  if [[ "$a" == /* ]]; then a="Z:${a//\//\\}"; fi
  args+=("$a")
done
# A 64-bit program goes straight to the 64-bit loader (which the 32-bit one would start anyway).
pe="$(od -An -tu4 -j60 -N4 "$PROGRAM" | tr -d ' ')"
if [ "$(od -An -tx2 -j$((pe + 4)) -N2 "$PROGRAM" | tr -d ' ')" = 8664 ]; then
  exec /usr/lib/wine/wine64 "$PROGRAM" "${args[@]}"
fi
exec wine "$PROGRAM" "${args[@]}"
