#!/bin/bash
# Builds the program and measures it under Wine: start-up against a minimal dialog program,
# readings and casts, memory, objects and size. Writes the table to build/bench.md.
#   ./bench.sh [STARTS [REPEATS]]   (20 starts of each program, 1000 readings and casts)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")" && pwd)"
"$ROOT/scripts/setup.sh"
"$ROOT/scripts/build.sh"
WIN="$ROOT/build/win"
export TORVANE_XVFB=1 TORVANE_BENCH_STARTS="${1:-20}" TORVANE_BENCH_REPEATS="${2:-1000}"
trap '"$ROOT/scripts/wine-session.sh" stop "$WIN"' EXIT
"$ROOT/scripts/wine-session.sh" start "$WIN"
{
  echo "Measured $(date -u +%Y-%m-%d) on $(nproc) cores of $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs),"
  echo "$(. /etc/os-release && echo "$PRETTY_NAME"), $(wine --version 2>/dev/null)$( [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ] && echo ', 32-bit code under qemu-i386 emulation')."
  echo
  "$ROOT/scripts/wine-run.sh" "$WIN/e2e.exe" bench "$WIN/torvane.exe" "$ROOT/resources/figures" | tr -d '\r'
} | tee "$ROOT/build/bench.md"
