#!/usr/bin/env bash
# The built game in a real X server: its window "Jolvane" appears with the
# application's icon and the window class its desktop entry names, Ctrl+Q
# ends it, and it exits with status 0.
# Usage: bash tests/x_smoke_test.sh <build dir> <source dir>
set -euo pipefail
build=${1:?usage: x_smoke_test.sh <build dir> <source dir>}
src=${2:?usage: x_smoke_test.sh <build dir> <source dir>}
exe="$build/bin/jolvane"
[ -x "$exe" ] || { echo "FAIL: $exe not built"; exit 1; }
for tool in Xvfb xdotool xwininfo xprop; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool missing (tools/deps.sh installs it)"; exit 1; }
done

inner=$(mktemp)
log=$(mktemp)
trap 'rm -f "$inner" "$log"' EXIT
cat >"$inner" <<'INNER'
set -u
exe=$1 log=$2 wmclass=$3
source "$4"
start_game "$exe" "$log"
pid=$game_pid
if ! wait_for_game_window "$pid"; then
  echo "FAIL: no game window"
  kill "$pid" 2>/dev/null
  cat "$log"
  exit 1
fi
wid=$game_window
xwininfo -id "$wid" | grep -E 'Width|Height|Map State'
# Docks match the window to its desktop entry by class, and show its icon.
# The properties may be set just after the window shows: look again until
# both are there, at most 20 s.
class_ok=false icon_ok=false
for _ in $(seq 1 200); do
  props=$(xprop -id "$wid" WM_CLASS _NET_WM_ICON 2>/dev/null || true)
  class_ok=false icon_ok=false
  echo "$props" | grep -q "^WM_CLASS(STRING) = .*\"$wmclass\"\$" && class_ok=true
  echo "$props" | grep -q '^_NET_WM_ICON(CARDINAL) = .*Icon (' && icon_ok=true
  $class_ok && $icon_ok && break
  sleep 0.1
done
echo "$props" | grep 'WM_CLASS' || true
$class_ok ||
  { echo "FAIL: WM_CLASS is not the desktop entry's StartupWMClass \"$wmclass\""; kill "$pid"; exit 1; }
$icon_ok || { echo "FAIL: the window carries no _NET_WM_ICON"; kill "$pid"; exit 1; }
# Keys go where the X server has the focus; the game sees the focus change
# before the key, both coming in order over its connection.
focus_game_window "$wid" || { echo "FAIL: the game window takes no focus"; kill "$pid"; exit 1; }
xdotool key --clearmodifiers ctrl+q
if ! wait_for_exit "$pid" 60; then
  echo "FAIL: Ctrl+Q did not end the game within 60 s"
  kill "$pid"
  exit 1
fi
status=0
wait "$pid" || status=$?
cat "$log"
echo "exit status $status"
exit "$status"
INNER
wmclass=$(sed -n 's/^StartupWMClass=//p' "$src/data/example.brenwick.jolvane.desktop")
[ -n "$wmclass" ] || { echo "FAIL: the desktop entry names no StartupWMClass"; exit 1; }
source "$src/tools/x_window.sh"
run_in_new_x_server bash "$inner" "$exe" "$log" "$wmclass" "$src/tools/x_window.sh"
echo "PASS"
