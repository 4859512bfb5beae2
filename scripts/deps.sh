#!/usr/bin/env bash
# Installs the Debian packages the game, its data generators and its tests need,
# asking apt only for what is missing. Safe to rerun. With --package, also what
# scripts/package.sh needs beyond that to check the package it makes.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git python3 ccache
  libsdl2-dev libopenal-dev libopenal1 libvorbis-dev libogg-dev
  libpng-dev zlib1g-dev libjpeg-dev libfreetype-dev libgl-dev libgl1-mesa-dri
  libx11-dev libcairo2-dev fonts-comfortaa fonts-lobstertwo
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool xfonts-base x11-apps imagemagick sox
  appstream desktop-file-utils
  dpkg-dev file man-db
)
if [ "${1:-}" = --package ]; then packages+=(lintian); fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
