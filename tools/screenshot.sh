#!/usr/bin/env bash
# Takes a PNG of the game window under Xvfb.
# Usage: tools/screenshot.sh [-b <build dir>] <out.png> [xdotool command ...]
#   The optional xdotool commands run once the window is up, before the shot;
#   "%W" in them stands for the game window, e.g.
#   tools/screenshot.sh shot.png key space sleep 2.5
#   tools/screenshot.sh shot.png mousemove --window %W 372 200 click 1 sleep 4
# Not run by the tests. Installs ImageMagick (for "import") when it is missing.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
build="$src/build"
if [ "${1:-}" = "-b" ]; then build=$2; shift 2; fi
out=${1:?usage: screenshot.sh [-b <build dir>] <out.png> [xdotool command ...]}
shift
exe="$build/bin/jolvane"
[ -x "$exe" ] || { echo "$exe is not built" >&2; exit 1; }
if ! command -v import >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends imagemagick
fi
mkdir -p "$(dirname "$out")"
out=$(cd "$(dirname "$out")" && pwd)/$(basename "$out")

inner=$(mktemp)
trap 'rm -f "$inner"' EXIT
cat >"$inner" <<'INNER'
set -eu
exe=$1 out=$2
source "$3"
shift 3
start_game "$exe"
pid=$game_pid
wait_for_game_window "$pid" || { kill "$pid" 2>/dev/null; exit 1; }
wid=$game_window
focus_game_window "$wid" || true
sleep 0.5
if [ $# -gt 0 ]; then
  args=()
  for a in "$@"; do args+=("${a//%W/$wid}"); done
  xdotool "${args[@]}"
fi
sleep 0.3
import -window "$wid" "$out"
xdotool key --clearmodifiers ctrl+q
wait "$pid" || true
INNER
source "$src/tools/x_window.sh"
run_in_new_x_server bash "$inner" "$exe" "$out" "$src/tools/x_window.sh" "$@"
echo "$out"
