#!/usr/bin/env bash
# Installs from Debian whatever of the build and test tools is missing.
# Usage: scripts/install-deps.sh [extra-package ...]
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libgtest-dev libbenchmark-dev
  clang libclang-rt-dev
  libwxgtk3.2-dev libgtk-3-dev wx3.2-i18n
  libcurl4-openssl-dev libsecret-1-dev openssh-server openssh-client apache2-bin python3-pyftpdlib
  python3-botocore
  libcpp-httplib-dev libqrencode-dev nlohmann-json3-dev libboost1.81-dev
  chromium nodejs
  xvfb xauth xdg-utils openbox xdotool locales
  poppler-utils fonts-dejavu-core
  desktop-file-utils appstream dpkg-dev file shared-mime-info groff-base lintian
  g++-mingw-w64-x86-64-posix googletest wine wine64 nsis zip imagemagick x11-utils curl python3
  "$@"
)

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The browser test drives chromium with puppeteer-core from npm: Debian's npm
# where node came without one.
if ! command -v npm >/dev/null; then
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get install -y -qq --no-install-recommends npm
fi

# The tests write files and pages under a French locale (decimal comma).
locale -a | grep -qx 'fr_FR.utf8' || $sudo localedef -i fr_FR -f UTF-8 fr_FR.UTF-8
