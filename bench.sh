#!/bin/bash
# Builds the program and measures it under Wine: start-up against a minimal dialog program with the
# same template and manifest, readings and casts, memory, objects and size. Writes build/bench.md.
#   ./bench.sh [STARTS [REPEATS]]   (25 alternating pairs of starts, 1000 readings and casts)
# Where 32-bit code is only emulated it measures the 64-bit build of the same sources, which runs
# natively; TORVANE_BENCH_32=1 measures the shipped 32-bit executable there too.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")" && pwd)"
"$ROOT/scripts/setup.sh"
"$ROOT/scripts/build.sh"
WIN="$ROOT/build/win"
BENCH="$WIN"
DRIVER="$WIN/e2e.exe"
if "$ROOT/scripts/emulated.sh"; then
  DRIVER="$ROOT/build/win64/e2e.exe"
  [ "${TORVANE_BENCH_32:-}" = 1 ] || BENCH="$ROOT/build/win64"
fi
export TORVANE_XVFB=1 TORVANE_BENCH_STARTS="${1:-25}" TORVANE_BENCH_REPEATS="${2:-1000}"
trap '"$ROOT/scripts/wine-session.sh" stop "$WIN"' EXIT
"$ROOT/scripts/wine-session.sh" start "$WIN"
{
  echo "Measured $(date -u +%Y-%m-%d) on $(nproc) cores of $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs),"
  echo "$(. /etc/os-release && echo "$PRETTY_NAME"), $(wine --version 2>/dev/null), $(basename "$BENCH") build$( "$ROOT/scripts/emulated.sh" && echo ', 32-bit code under qemu-i386 emulation here')."
  echo
  "$ROOT/scripts/wine-run.sh" "$DRIVER" bench "$BENCH/torvane.exe" "$ROOT/resources/figures" | tr -d '\r'
} | tee "$ROOT/build/bench.md"
