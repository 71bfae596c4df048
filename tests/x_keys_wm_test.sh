#!/usr/bin/env bash
# Real keys under a real window manager (openbox): a space bar released
# while "I will lower your wager." opens over the game window is released
# for the game too. After the box and the lowered spin, Tab, "a" and Shift
# start no pull; the space bar still does. The box is transient for the game
# window, not for a hidden leader window.
# Usage: bash tests/x_keys_wm_test.sh <build dir> <source dir>
set -euo pipefail
build=${1:?usage: x_keys_wm_test.sh <build dir> <source dir>}
src=${2:?usage: x_keys_wm_test.sh <build dir> <source dir>}
probe="$build/bin/keys_probe"
[ -x "$probe" ] || { echo "FAIL: $probe not built"; exit 1; }
for tool in Xvfb xdotool xprop openbox; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool missing (tools/deps.sh installs it)"; exit 1; }
done

inner=$(mktemp)
log=$(mktemp)
trap 'rm -f "$inner" "$log"' EXIT
cat >"$inner" <<'INNER'
set -u
probe=$1 log=$2
source "$3"
fail() { echo "FAIL: $*"; echo "--- the game's report:"; cat "$log"; exit 1; }
# Waits until the report has $2 lines matching $1, at most $3 seconds.
wait_for() {
  local deadline=$((SECONDS + $3))
  until [ "$(grep -c -E -- "$1" "$log" || true)" -ge "$2" ]; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.05
  done
}

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null' EXIT
deadline=$((SECONDS + 30))
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
  [ "$SECONDS" -ge "$deadline" ] && fail "openbox did not start"
  sleep 0.1
done

# Bankroll 7 with the wager 10: a pull lowers the wager to 5.
unset QT_QPA_PLATFORM
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
"$probe" 7 3 >"$log" 2>&1 &
pid=$!
wait_for '^ready$' 1 60 || fail "the game did not start"
wait_for_game_window "$pid" || fail "no game window"
focus_game_window "$game_window" || fail "no keyboard focus for the game"

# A player's tap of the space bar with the wager 10 on a bankroll of 7: the
# release comes while "I will lower your wager." opens over the game window.
# A tap so short that the key is up again before the game reads it does not
# pull; a longer one is tried then.
pulled=false
for hold in 0 0.05 0.1 0.2 0.4; do
  xdotool keydown space sleep "$hold" keyup space
  if wait_for '^box$' 1 3; then
    pulled=true
    break
  fi
done
$pulled || fail "no tap of the space bar pulled"
deadline=$((SECONDS + 20))
until box=$(xdotool getwindowfocus 2>/dev/null) && [ "$box" != "$game_window" ]; do
  [ "$SECONDS" -ge "$deadline" ] && fail "the box never had the keyboard"
  sleep 0.05
done
# The box belongs to the game window, so the window manager keeps it there.
owner=$(xprop -id "$box" WM_TRANSIENT_FOR 2>/dev/null | sed -n 's/.*window id # //p')
[ -n "$owner" ] && [ $((owner)) -eq $((game_window)) ] ||
  fail "the box is transient for '${owner:-nothing}', not the game window $game_window"
sleep 0.3
xdotool key Return
wait_for '^pull 7 5$' 1 30 || fail "the lowered pull did not start"
wait_for '^settled' 1 30 || fail "the lowered spin was not paid"
focus_game_window "$game_window" || fail "the game did not get the keyboard back"

# A pull shows itself by the box (the wager is above the bankroll again)
# or by its start.
attempts() { grep -c -E '^(box|pull)' "$log" || true; }
before=$(attempts)
for key in Tab a shift Right; do
  xdotool key "$key"
  sleep 0.5
done
sleep 1
after=$(attempts)
[ "$after" -eq "$before" ] || fail "keys other than the space bar pulled"

# The space bar itself still pulls.
xdotool keydown space
wait_for '^(box|pull)' $((before + 1)) 30 || { xdotool keyup space; fail "the space bar no longer pulls"; }
xdotool keyup space
if [ "$(grep -c '^box$' "$log")" -ge 2 ]; then
  sleep 0.3
  xdotool key Return
fi
wait_for '^pull' 2 30 || fail "the second pull did not start"
wait_for '^settled' 2 30 || fail "the second spin was not paid"

xdotool key --clearmodifiers ctrl+q
wait_for_exit "$pid" 60 || { kill "$pid"; fail "the game did not quit"; }
echo "PASS: only the space bar pulled"; cat "$log"
INNER
source "$src/tools/x_window.sh"
run_in_new_x_server bash "$inner" "$probe" "$log" "$src/tools/x_window.sh"
