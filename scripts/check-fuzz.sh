#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer) in build-fuzz/ and runs each a few
# seconds from its seeds and dictionary, so that none stops building or
# running unnoticed. Long runs are made by hand (README, Fuzzing).
# Usage: scripts/check-fuzz.sh [SECONDS-PER-TARGET]   (default 3)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-3}

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZAV_BUILD_FUZZ=ON -DZAV_BUILD_GUI=OFF -DZAV_BUILD_TESTS=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)"

# What the runs find goes to a temporary folder, never into the seeds.
found=$(mktemp -d)
trap 'rm -rf "$found"' EXIT
for pair in LoadSheetFuzz:sheet SifFuzz:sif SetFileFuzz:set RecoveryFuzz:recovery SettingsFuzz:settings \
  SiteEntryFuzz:site-entry SiteListingFuzz:site-listing EntryRequestFuzz:entry-request; do
  target=${pair%%:*} kind=${pair#*:}
  mkdir "$found/$kind"
  build-fuzz/"$target" -max_total_time="$seconds" -dict=fuzz/"$kind".dict \
    -artifact_prefix="$found/" "$found/$kind" fuzz/corpus/"$kind" >"$found/$kind.log" 2>&1 ||
    { tail -n 40 "$found/$kind.log" >&2; echo "fuzz check: $target failed" >&2; exit 1; }
done
echo "fuzz check: every fuzz target builds and runs"
