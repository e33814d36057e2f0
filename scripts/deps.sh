#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the game, its tests and its tools need.
# Runs apt-get only for what is missing; uses sudo when not root.
set -euo pipefail

packages=(
  build-essential cmake make pkg-config clang-format
  qt6-base-dev qt6-svg-dev libgl-dev libsdl2-dev
  qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xdotool imagemagick x11-utils openbox
  desktop-file-utils appstream lintian man-db
  gnubg
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q || true
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
