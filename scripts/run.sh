#!/usr/bin/env bash
# Builds the program with its window and starts it; arguments go to the
# program (a sheet file to open, for example). The command-line tool is built
# too, so that the README's examples work after it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZAV_BUILD_GUI=ON >/dev/null
cmake --build build -j"$(nproc)" --target zavscore zavscore-cli
exec build/src/gui/zavscore "$@"
