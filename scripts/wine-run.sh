#!/bin/bash
# Runs a Windows program of the build in the run's Wine session; Unix paths among its arguments
# become Windows ones.   wine-run.sh PROGRAM.exe ARG...
set -uo pipefail
PROGRAM="$1"; shift
BUILD="$(cd "$(dirname "$PROGRAM")" && pwd)"
export WINEPREFIX="$BUILD/wineprefix" WINEDEBUG=-all LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY="$(cat "$BUILD/display")"
args=()
for a in "$@"; do
  if [[ "$a" == /* ]]; then a="Z:${a//\//\\}"; fi
  args+=("$a")
done
exec wine "$PROGRAM" "${args[@]}"
