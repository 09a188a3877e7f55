#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Vexhop need.
# Quick when everything is present; runs apt-get only for what is missing.
set -euo pipefail

PACKAGES=(
  # toolchain and test tools
  build-essential cmake pkg-config clang libclang-rt-14-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # platform libraries
  libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libsdl2-mixer-dev libfluidsynth-dev
  libepoxy-dev libglm-dev zlib1g-dev libpng-dev libfontconfig-dev libfreetype-dev
  # off-screen and virtual displays, software GL
  xvfb xauth libx11-dev libxtst-dev libgl1-mesa-dri libegl-mesa0 libegl1 libegl-dev
  # music and text at run time
  timgm6mb-soundfont fonts-dejavu-core fonts-ipaexfont
)

# One dpkg query for the whole list; a package it does not report as
# installed ("ii") is missing.
installed=$(dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' "${PACKAGES[@]}" 2>/dev/null |
            awk '$1 == "ii" { print $2 }' || true)
missing=()
for pkg in "${PACKAGES[@]}"; do
  if ! grep -qxF "$pkg" <<<"$installed"; then missing+=("$pkg"); fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
