#!/usr/bin/env bash
# Builds the game and a bare Qt Widgets window of the same size, measures both
# in one run under one X server (Xvfb), and prints one table side by side.
#
#   bash bench/run.sh [build dir]        (default: build-bench, a Release build)
#
# Figures: start-up (process start to the window mapped, median of RUNS),
# resident memory 1 s after start, CPU per second over 10 s of idling (the game
# after one spin, when its 100 ms reel tick runs for ever), CPU during a
# win-sound wait, and in real time the error of each reel stop against 1800,
# 2800 and 3800 ms after the pull.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$src/build-bench}
RUNS=${RUNS:-10}
SPINS=${SPINS:-10}

cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DJOLVANE_TESTS=OFF >/dev/null
cmake --build "$build" --target jolvane bench_baseline launch_until_mapped bench_driver >/dev/null

inner=$(mktemp)
trap 'rm -f "$inner"' EXIT
cat >"$inner" <<'INNER'
set -euo pipefail
bin=$1 runs=$2 spins=$3
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
hz=$(getconf CLK_TCK)

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss_kb() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }

# Sets ms and pid: the program started and its window mapped. A run that
# printed nothing (the program or the launcher could not reach the X server)
# ends the benchmark instead of counting as an empty figure.
launch() {
  ms='' pid=''
  read -r ms pid < <("$bin/launch_until_mapped" "$1" "$2" 2>/dev/null) || true
  if [ -z "$pid" ]; then
    echo "bench: $2 did not map its window" >&2
    exit 1
  fi
}
# The program is not this shell's child (the launcher forked it): wait until
# it is gone, so that the next run starts on a quiet server.
stop() {
  kill "$1" 2>/dev/null || true
  local i state
  for i in $(seq 250); do
    state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 0
    if [ -z "$state" ] || [ "$state" = Z ]; then return 0; fi  # gone, or not yet reaped
    sleep 0.02
  done
}

# start-up and memory: title program
startup() {
  local title=$1 prog=$2 ms pid
  for _ in $(seq "$runs"); do
    launch "$title" "$prog"
    sleep 1
    echo "$ms $(rss_kb "$pid")"
    stop "$pid"
  done
}
# CPU % of one core over 10 s; "spin" first pulls the game's handle once.
idle_cpu() {
  local title=$1 prog=$2 spin=$3 ms pid wid t0 t1
  launch "$title" "$prog"
  sleep 1
  if [ "$spin" = spin ]; then
    wid=$(xdotool search --name "^$title\$" | head -n1)
    # The handle: x 351-393, y 117-266 of the content, under the menu bar.
    xdotool mousemove --window "$wid" 372 210 click 1
    sleep 9   # the spin, and a win sound if it won
  fi
  t0=$(cpu_ticks "$pid"); sleep 10; t1=$(cpu_ticks "$pid")
  stop "$pid"
  awk -v d=$((t1 - t0)) -v hz="$hz" 'BEGIN {printf "%.2f", 100 * d / hz / 10}'
}

game_start=$(startup Jolvane "$bin/jolvane")
base_start=$(startup Baseline "$bin/bench_baseline")
g_ms=$(awk '{print $1}' <<<"$game_start" | median); b_ms=$(awk '{print $1}' <<<"$base_start" | median)
g_kb=$(awk '{print $2}' <<<"$game_start" | median); b_kb=$(awk '{print $2}' <<<"$base_start" | median)
g_idle=$(idle_cpu Jolvane "$bin/jolvane" spin); b_idle=$(idle_cpu Baseline "$bin/bench_baseline" none)
drv=$("$bin/bench_driver" "$spins" 2>/dev/null)
stops=$(grep '^stops' <<<"$drv")
err() { awk -v c="$1" -v want="$2" '{e = $c - want; if (e < 0) e = -e; if (e > m) m = e; s += e} END {printf "%.2f / %.2f", s / NR, m}' <<<"$stops"; }
read -r _ _ w1 c1 < <(grep '^soundwait first' <<<"$drv")
read -r _ _ w2 c2 < <(grep '^soundwait again' <<<"$drv")

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {if (b > 0) printf "%.2f", a / b; else print "-"}'; }
printf '%-44s %14s %14s %8s %s\n' "figure" "game" "baseline" "ratio" "goal"
printf '%-44s %14s %14s %8s %s\n' "start-up to window mapped, ms (median of $runs)" "$g_ms" "$b_ms" "$(ratio "$g_ms" "$b_ms")" "<= 1.3x"
printf '%-44s %14s %14s %8s %s\n' "resident memory 1 s after start, KiB" "$g_kb" "$b_kb" "$(ratio "$g_kb" "$b_kb")" "<= 1.5x"
printf '%-44s %14s %14s %8s %s\n' "idle CPU over 10 s (game after a spin), %" "$g_idle" "$b_idle" "-" "<= 1%"
printf '%-44s %14s %14s %8s %s\n' "CPU during jackpot wait (first play), %" "$(awk -v c="$c1" -v w="$w1" 'BEGIN {printf "%.2f", 100*c/w}')" "-" "-" "<= 2%"
printf '%-44s %14s %14s %8s %s\n' "CPU during jackpot wait (again), %" "$(awk -v c="$c2" -v w="$w2" 'BEGIN {printf "%.2f", 100*c/w}')" "-" "-" "<= 2%"
printf '%-44s %14s %14s %8s %s\n' "reel 1 stop error, ms (mean / max of $spins)" "$(err 2 1800)" "-" "-" "<= 20"
printf '%-44s %14s %14s %8s %s\n' "reel 2 stop error, ms (mean / max)" "$(err 3 2800)" "-" "-" "<= 20"
printf '%-44s %14s %14s %8s %s\n' "reel 3 stop error, ms (mean / max)" "$(err 4 3800)" "-" "-" "<= 20"
INNER
# -noreset: without it the server resets whenever its last client leaves,
# and a program that connects during the reset is refused (ECONNRESET),
# which lost runs.
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$inner" "$build/bin" "$RUNS" "$SPINS"
