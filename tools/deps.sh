#!/usr/bin/env bash
# Installs the Debian 12 packages that the build and the tests need.
# Safe to run again; uses sudo when not run as root.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-multimedia-dev libgl-dev libx11-dev
  libgtest-dev
  xvfb xauth x11-utils x11-apps xdotool python3 fonts-dejavu-core fonts-urw-base35
  appstream desktop-file-utils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
