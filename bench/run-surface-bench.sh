#!/bin/sh
# Builds the Windows tree and runs the design surface's benchmark under Wine on
# a virtual display: a table of milliseconds for 50, 500 and 2,000 controls.
# ROUNDS (default 3) rounds per size, the best of each measure.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
ninja -C build/win -j "${JOBS:-2}" wk_surface_bench >/dev/null
export WINEPREFIX="$PWD/build/win/wineprefix"
scripts/with-display.sh scripts/wine-run.sh build/win/bench/win/wk_surface_bench.exe "${ROUNDS:-3}"
