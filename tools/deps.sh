#!/usr/bin/env bash
# Installs those of the Debian 12 packages the project needs that are not
# there yet.
#
#   bash tools/deps.sh game    what building and running the game takes
#   bash tools/deps.sh         that, and what the tests, the benchmark and
#                              the tools take
#
# Safe to run again. Installing takes root: as root it runs apt-get, as
# anyone else sudo apt-get, and without sudo it says so and stops. With
# every package already there it installs nothing and needs no root.
set -euo pipefail

game=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-multimedia-dev libgl-dev
  # Qt's CMake files look for it with every configure (Qt6::GuiPrivate
  # links it) and say "Could NOT find XKB" without it.
  libxkbcommon-dev
  # The X server's own key state (rt/core/keyboard.cpp).
  libxcb1-dev
  # The faces the game's texts are measured for (rt/core/fonts.cpp).
  fonts-dejavu-core fonts-urw-base35
)
tests=(
  libgtest-dev
  # Qt's platform headers: the tests' stand-in for a screen reader switches
  # Qt's accessibility on there (tests/support/screen_reader.cpp).
  qt6-base-private-dev
  # The benchmark's launcher watches the X server itself.
  libx11-dev
  # The scripted checks in a real X server, and their window manager.
  xvfb xauth x11-utils x11-apps xdotool openbox python3
  # Validators of the installed desktop entry and metainfo.
  appstream desktop-file-utils
)

case "${1:-}" in
  game) packages=("${game[@]}") ;;
  "") packages=("${game[@]}" "${tests[@]}") ;;
  *)
    echo "usage: bash tools/deps.sh [game]" >&2
    exit 2
    ;;
esac

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
