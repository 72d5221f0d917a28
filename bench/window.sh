#!/usr/bin/env bash
# Times one conversion in the real window under Wine (best of 3 per size).
#   bench/window.sh [LINES...]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j"$(nproc)" --target quenlith_window_bench >/dev/null
QUENLITH_WINEPREFIX=${QUENLITH_WINEPREFIX:-$PWD/build/win64/wineprefix} \
  scripts/wine-run --xvfb build/win64/bench/quenlith_window_bench.exe "$@"
