#!/usr/bin/env bash
# Installs from Debian whatever of the build and test tools is missing.
# Usage: scripts/install-deps.sh [extra-package ...]
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libgtest-dev libbenchmark-dev
  clang libclang-rt-dev
  libwxgtk3.2-dev libgtk-3-dev
  xvfb xauth xdg-utils openbox xdotool
  poppler-utils fonts-dejavu-core
  desktop-file-utils appstream dpkg-dev file shared-mime-info groff-base
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
