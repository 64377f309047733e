#!/usr/bin/env bash
# Builds everything and runs every test: the normal build (with the window's
# tests under a virtual display), its installation, then the unit tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer: the core's, the
# command line's and the window's sheet document's, which needs no display;
# the benchmarks and the fuzz targets are built and the fuzz targets run
# briefly; last, the Windows program is built and tested under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
# The benchmarks, the core's and the window's, build here too (not run), so
# that they cannot rot.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZAV_BUILD_BENCH=ON >/dev/null
cmake --build build -j"$jobs"
# The window tests run under their own virtual display, one process per test.
# -noreset keeps the display from resetting each time its last client leaves,
# which would slow down every test that starts next.
(cd build && xvfb-run -a -n $((100 + RANDOM % 400)) -s "-screen 0 1280x1024x24 -noreset" \
  ctest --output-on-failure -j"$jobs")
# The build installed into a temporary prefix, packaged, and run from there.
scripts/check-install.sh build

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DZAV_SANITIZE=ON -DZAV_BUILD_GUI=OFF \
  >/dev/null
cmake --build build-sanitize -j"$jobs"
(cd build-sanitize && ctest --output-on-failure -j"$jobs")

# The fuzz targets build with clang and run a few seconds each.
scripts/check-fuzz.sh 3

# The Windows program, cross-built from the same sources (its libraries from
# the cache when an earlier run made them) and tested under Wine against this
# build's command-line tool.
scripts/build-windows.sh
scripts/test-windows.sh build
