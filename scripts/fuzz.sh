#!/bin/bash
# Runs each fuzzer for longer than the tests do: scripts/fuzz.sh [MINUTES each, default 10].
# Both run at once, one per core. What they find stays in build/host/fuzz/NAME/ (corpus/ grows
# from run to run and feeds the tests' short runs; crash-* files are inputs that failed).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
MINUTES="${1:-10}"
BUILD="$ROOT/build/host"
"$ROOT/scripts/setup.sh"
cmake -S "$ROOT" -B "$BUILD" >/dev/null
cmake --build "$BUILD" -j2 --target fuzz_setting_value fuzz_module_path
names=(setting_value module_path)
pids=()
for name in "${names[@]}"; do
  work="$BUILD/fuzz/$name"
  mkdir -p "$work/corpus"
  "$BUILD/fuzz/fuzz_$name" -max_total_time=$((MINUTES * 60)) -max_len=300 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$work/" "$work/corpus" "$ROOT/tests/fuzz/corpus/$name" >"$work/fuzz.log" 2>&1 &
  pids+=($!)
done
failed=0
for i in "${!names[@]}"; do
  name="${names[$i]}"
  if wait "${pids[$i]}"; then
    echo "$name: no failure; last status: $(grep -E '^#[0-9]+' "$BUILD/fuzz/$name/fuzz.log" | tail -n 1)"
  else
    failed=1
    echo "$name: FAILED, see $BUILD/fuzz/$name/fuzz.log"
    grep -E 'failed:|ERROR|Test unit written' "$BUILD/fuzz/$name/fuzz.log" || true
  fi
done
exit $failed
