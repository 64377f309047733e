#!/usr/bin/env bash
# Builds the program and starts it; arguments go to the program (a sheet file
# to open, for example).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
if [ -x build/src/gui/zavscore ]; then
  exec build/src/gui/zavscore "$@"
fi
# Until the window is built, show the scores of the example heat.
exec build/zavscore-cli scores "${1:-examples/heat-4-teams.score}"
