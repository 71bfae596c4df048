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
for tool in xvfb-run xdotool xwininfo xprop; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool missing (tools/deps.sh installs it)"; exit 1; }
done

inner=$(mktemp)
log=$(mktemp)
trap 'rm -f "$inner" "$log"' EXIT
cat >"$inner" <<'INNER'
set -u
exe=$1 log=$2 wmclass=$3
unset QT_QPA_PLATFORM
# In a sanitizer build, no leak check at the exit of the real-X run: LeakSanitizer's
# tracer can crash while Qt's display threads wind down (the suites check leaks).
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
"$exe" >"$log" 2>&1 &
pid=$!
wid=""
for _ in $(seq 1 200); do
  wid=$(xdotool search --onlyvisible --name '^Jolvane$' 2>/dev/null | head -n1 || true)
  [ -n "$wid" ] && break
  kill -0 "$pid" 2>/dev/null || { echo "FAIL: the game ended before showing its window"; cat "$log"; exit 1; }
  sleep 0.1
done
[ -n "$wid" ] || { echo "FAIL: no window titled Jolvane within 20 s"; kill "$pid"; exit 1; }
xwininfo -id "$wid" | grep -E 'Width|Height|Map State'
# Docks match the window to its desktop entry by class, and show its icon.
props=$(xprop -id "$wid" WM_CLASS _NET_WM_ICON)
echo "$props" | grep 'WM_CLASS'
echo "$props" | grep -q "^WM_CLASS(STRING) = .*\"$wmclass\"\$" ||
  { echo "FAIL: WM_CLASS is not the desktop entry's StartupWMClass \"$wmclass\""; kill "$pid"; exit 1; }
echo "$props" | grep -q '^_NET_WM_ICON(CARDINAL) = .*Icon (' ||
  { echo "FAIL: the window carries no _NET_WM_ICON"; kill "$pid"; exit 1; }
xdotool windowfocus --sync "$wid" 2>/dev/null || true
sleep 0.3
xdotool key --clearmodifiers ctrl+q
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "FAIL: Ctrl+Q did not end the game within 10 s"
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
xvfb-run -a -s "-screen 0 1024x768x24" bash "$inner" "$exe" "$log" "$wmclass"
echo "PASS"
