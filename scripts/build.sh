#!/bin/bash
# Builds the Windows executable (build/win) and the host tests (build/host).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
cmake -S "$ROOT" -B "$ROOT/build/win" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$ROOT/build/win" -j2 --target all dist
if [ "${1:-}" = "--with-tests" ]; then
  cmake -S "$ROOT" -B "$ROOT/build/host" -DWIN_BUILD="$ROOT/build/win" >/dev/null
  cmake --build "$ROOT/build/host" -j2
fi
