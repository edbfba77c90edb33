#!/bin/bash
# The release again, from the same sources in a folder of another depth, later and under another time
# zone: torvane.exe, the zip and SHA256SUMS must be the very same bytes as the first build's.
#   check_reproducible.sh SOURCE_ROOT WIN_BUILD
set -uo pipefail
ROOT="$1" FIRST="$2" AGAIN="$2/reproduced/once/more"
rm -rf "$FIRST/reproduced"
export TZ=Asia/Taipei
cmake -S "$ROOT" -B "$AGAIN" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw.cmake" -DMINGW_PROCESSOR=i686 \
      -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 1
cmake --build "$AGAIN" -j2 --target dist >/dev/null || exit 1
failures=0
for name in torvane.exe "$(cd "$FIRST" && ls torvane-*.zip)" SHA256SUMS; do
  cmp "$FIRST/$name" "$AGAIN/$name" || failures=$((failures + 1))
done
[ "$failures" -eq 0 ] && rm -rf "$FIRST/reproduced" && echo "the same bytes from both builds"
[ "$failures" -eq 0 ]
