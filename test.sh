#!/bin/bash
# Builds everything and runs every test: host unit tests, then the program end to end under Wine.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")" && pwd)"
"$ROOT/scripts/setup.sh"
"$ROOT/scripts/build.sh" --with-tests
cd "$ROOT/build/host"
export TORVANE_XVFB=1  # tests always use their own virtual display
ctest --output-on-failure
