#!/bin/bash
# Plays the game in a virtual X server and grabs the window mid-spin and after
# a win: play_shots.sh <build dir> [output folder] [seed]
# (default output: docs/screenshots of the source tree).
set -euo pipefail
build=${1:?usage: play_shots.sh <build dir> [output folder] [seed]}
here=$(cd "$(dirname "$0")" && pwd)
out=${2:-$here/../../docs/screenshots}
seed=${3:-4}
mkdir -p "$out"
exec xvfb-run -a -s "-screen 0 800x700x24" "$build/bin/play_shots" "$out" "$seed"
