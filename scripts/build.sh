#!/bin/bash
# Builds the Windows executable (build/win) and, with --with-tests, the host tests (build/host).
# Where 32-bit code runs only under emulation, also a 64-bit build of the same sources (build/win64),
# which Wine runs natively: the end-to-end bulk, the benchmark and the pictures' driver use it. The
# tests check the 64-bit executable's header on every machine.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
windows() {  # windows FOLDER PROCESSOR TARGET...
  local dir="$1" cpu="$2"; shift 2
  cmake -S "$ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw.cmake" -DMINGW_PROCESSOR="$cpu" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$dir" -j2 --target "$@"
}
windows "$ROOT/build/win" i686 all dist
E2E="$ROOT/build/win"
if "$ROOT/scripts/emulated.sh"; then
  E2E="$ROOT/build/win64"
  windows "$E2E" x86_64 torvane e2e minimal_dialog
elif [ "${1:-}" = "--with-tests" ]; then
  windows "$ROOT/build/win64" x86_64 torvane  # only for the check of its header
fi
if [ "${1:-}" = "--with-tests" ]; then
  cmake -S "$ROOT" -B "$ROOT/build/host" -DWIN_BUILD="$ROOT/build/win" -DE2E_BUILD="$E2E" \
        -DWIN64_BUILD="$ROOT/build/win64" >/dev/null
  cmake --build "$ROOT/build/host" -j2
fi
