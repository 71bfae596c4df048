#!/usr/bin/env bash
# Started where no display can be opened, the game says so in one line on
# stderr and exits with status 1 (the window system plugins would abort).
# Usage: bash tests/no_display_test.sh <build dir> <source dir>
set -uo pipefail
build=${1:?usage: no_display_test.sh <build dir> <source dir>}
exe="$build/bin/jolvane"
[ -x "$exe" ] || { echo "FAIL: $exe not built"; exit 1; }
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
fail=0
# case name | environment settings (env's own arguments)
while IFS='|' read -r name settings; do
  # shellcheck disable=SC2086
  timeout 60 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $settings "$exe" >"$out" 2>"$err"
  status=$?
  lines=$(wc -l <"$err")
  if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] || [ -s "$out" ] ||
    ! grep -q '^Jolvane: could not open a display' "$err"; then
    echo "FAIL: $name: status $status, $lines lines on stderr:"
    cat "$err" "$out"
    fail=1
  else
    echo "ok: $name: $(cat "$err")"
  fi
done <<'CASES'
no display at all|
X11 asked for, none named|QT_QPA_PLATFORM=xcb
Wayland then X11 asked for, none named|QT_QPA_PLATFORM=wayland;xcb XDG_RUNTIME_DIR=/nonexistent
a display named where no server runs|DISPLAY=:987
CASES
# The offscreen platform needs no display: the game starts and runs on.
timeout 3 env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen "$exe" >"$out" 2>"$err"
status=$?
if [ "$status" -ne 124 ]; then
  echo "FAIL: offscreen: ended with status $status before it was stopped:"
  cat "$err"
  fail=1
else
  echo "ok: offscreen: still running after 3 s"
fi
[ "$fail" -eq 0 ] && echo PASS
exit "$fail"
