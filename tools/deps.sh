#!/usr/bin/env bash
# Installs the Debian 12 packages that the build and the tests need and are
# not there yet. Safe to run again. Installing takes root: as root it runs
# apt-get, as anyone else sudo apt-get, and without sudo it says so and
# stops. With every package already there it installs nothing and needs no
# root.
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
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null) || status=""
  [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -gt 0 ] || exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "tools/deps.sh installs Debian packages (${missing[*]}): run it as root or with sudo" >&2
    exit 1
  fi
  as_root=(sudo)
fi
"${as_root[@]}" apt-get update -qq
# Through env: sudo would drop the variable from apt-get's environment.
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
