# The game in a real X server, for the scripts that start it there
# (tests/x_smoke_test.sh, tests/install_test.sh, tools/screenshot.sh). Source
# it; it needs Xvfb and xdotool.
#
#   run_in_new_x_server bash inner.sh ...    # and in inner.sh:
#   start_game "$exe" "$log"; pid=$game_pid
#   wait_for_game_window "$pid" || exit 1   # sets game_window
#   focus_game_window "$game_window" || exit 1
#   xdotool key --clearmodifiers ctrl+q
#   wait_for_exit "$pid" 60 || { echo "still running"; kill "$pid"; }
#
# The bounds are generous: on a busy machine a sanitizer build may take many
# seconds to show its window. They only end a wait that has gone wrong.

# Runs a command with DISPLAY set to an X server of its own (Xvfb, 1024x768,
# 24 bits, local connections only), started for it and stopped after it;
# returns the command's status. The server takes a free display itself
# (-displayfd), so runs side by side, from this suite or another, never share
# one, as two `xvfb-run -a` started together can (seen: the game found no
# display).
run_in_new_x_server() {
  local dir xpid status=0
  local deadline=$((SECONDS + 60))
  dir=$(mktemp -d)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/display" 2>"$dir/log" &
  xpid=$!
  # The display's number comes once the server takes connections.
  until grep -q '^[0-9][0-9]*$' "$dir/display" 2>/dev/null; do
    if ! kill -0 "$xpid" 2>/dev/null || [ "$SECONDS" -ge "$deadline" ]; then
      echo "Xvfb did not start:" >&2
      cat "$dir/log" >&2
      kill "$xpid" 2>/dev/null
      rm -rf "$dir"
      return 1
    fi
    sleep 0.1
  done
  DISPLAY=":$(head -n1 "$dir/display")" "$@" || status=$?
  kill "$xpid" 2>/dev/null
  wait "$xpid" 2>/dev/null || true
  rm -rf "$dir"
  return "$status"
}

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
