# The game's window in a real X server, for the scripts that start the game
# there (tests/x_smoke_test.sh, tests/install_test.sh, tools/screenshot.sh).
# Source it inside the X session; it needs xdotool.
#
#   start_game "$exe" "$log"; pid=$game_pid
#   wait_for_game_window "$pid" || exit 1   # sets game_window
#   focus_game_window "$game_window" || exit 1
#   xdotool key --clearmodifiers ctrl+q
#   wait_for_exit "$pid" 60 || { echo "still running"; kill "$pid"; }
#
# The bounds are generous: on a busy machine a sanitizer build may take many
# seconds to show its window. They only end a wait that has gone wrong.

# Starts the game $1 on this X display in the background, its output to the
# file $2 if given; its process id in game_pid.
start_game() {
  unset QT_QPA_PLATFORM
  # In a sanitizer build, no leak check at the exit of the real-X run: LeakSanitizer's
  # tracer can crash while Qt's display threads wind down (the suites check leaks).
  export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
  if [ $# -ge 2 ]; then
    "$1" >"$2" 2>&1 &
  else
    "$1" &
  fi
  game_pid=$!
}

# The id of the visible window titled "Jolvane", once it is there, in
# game_window. Fails, saying why on stderr, when the game (process $1) ends
# first or shows no such window within $2 seconds (60 unless given).
wait_for_game_window() {
  local pid=$1 seconds=${2:-60}
  local deadline=$((SECONDS + seconds))
  game_window=""
  while :; do
    game_window=$(xdotool search --onlyvisible --name '^Jolvane$' 2>/dev/null | head -n1 || true)
    [ -n "$game_window" ] && return 0
    if ! kill -0 "$pid" 2>/dev/null; then
      echo "the game (process $pid) ended before showing its window" >&2
      return 1
    fi
    if [ "$SECONDS" -ge "$deadline" ]; then
      echo "no window titled Jolvane within $seconds s (the game, process $pid, still runs)" >&2
      return 1
    fi
    sleep 0.1
  done
}

# Gives window $1 the keyboard focus and waits until the X server reports it
# there, so that keys sent next reach the game. Fails, saying so on stderr,
# after $2 seconds (20 unless given).
focus_game_window() {
  local wid=$1 seconds=${2:-20}
  local deadline=$((SECONDS + seconds))
  while :; do
    timeout 5 xdotool windowfocus --sync "$wid" 2>/dev/null || true
    [ "$(xdotool getwindowfocus 2>/dev/null || true)" = "$wid" ] && return 0
    if [ "$SECONDS" -ge "$deadline" ]; then
      echo "window $wid did not get the keyboard focus within $seconds s" >&2
      return 1
    fi
    sleep 0.1
  done
}

# Waits until process $1 has ended, at most $2 seconds; fails if it still runs.
wait_for_exit() {
  local pid=$1 seconds=$2
  local deadline=$((SECONDS + seconds))
  while kill -0 "$pid" 2>/dev/null; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.1
  done
  return 0
}
