#!/usr/bin/env bash
# Installs the built game into a temporary prefix and starts the installed
# copy through its <prefix>/bin link in a real X server: it must find its
# pictures in <prefix>/lib/jolvane/Resources. As a check on the check, the
# same copy started with its Resources folder moved away must show no pictures.
# Usage: bash tests/install_test.sh <build dir> <source dir>
set -euo pipefail
build=${1:?usage: install_test.sh <build dir> <source dir>}
src=${2:?usage: install_test.sh <build dir> <source dir>}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
[ -L "$prefix/bin/jolvane" ] || fail "<prefix>/bin/jolvane is not a link"
[ -x "$prefix/lib/jolvane/bin/jolvane" ] || fail "no <prefix>/lib/jolvane/bin/jolvane"
media=$(find "$prefix/lib/jolvane/Resources" -type f | wc -l)
[ "$media" -eq 16 ] || fail "Resources holds $media files, not 16"
desktop="$prefix/share/applications/example.brenwick.jolvane.desktop"
metainfo="$prefix/share/metainfo/example.brenwick.jolvane.metainfo.xml"
grep -qx 'Categories=Game;' "$desktop" || fail "desktop entry without Categories=Game;"
desktop-file-validate "$desktop" || fail "desktop entry rejected"
appstreamcli validate --no-net "$metainfo" >/dev/null || fail "metainfo rejected: $(appstreamcli validate --no-net "$metainfo")"
for size in 16 24 32 48 64 128 256; do
  [ -f "$prefix/share/icons/hicolor/${size}x${size}/apps/jolvane.png" ] || fail "no ${size}px icon"
done

inner=$(mktemp)
trap 'rm -rf "$prefix" "$inner"' EXIT
cat >"$inner" <<'INNER'
set -eu
exe=$1 expect=$2
source "$3"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
cd /   # the media are found from the executable, not the working folder
start_game "$exe" "$log"
pid=$game_pid
if ! wait_for_game_window "$pid"; then
  echo "FAIL: no game window"
  kill "$pid" 2>/dev/null || true
  cat "$log"
  exit 1
fi
wid=$game_window
# Share of coloured (not white, not grey) pixels in the handle and in the
# three middle reel cells, in content coordinates below the menu bar. The
# pictures may take a while to reach the screen of a loaded machine: look
# again each second until they are there, at most 20 s. The game without
# its pictures is looked at once, after a second.
for _ in $(seq 1 20); do
  sleep 1
  shares=$(xwd -id "$wid" -silent | python3 -c '
import struct, sys
d = sys.stdin.buffer.read()
h = struct.unpack(">25I", d[:100])
size, w, hgt, order, bpp, bpl, ncol, wh = h[0], h[4], h[5], h[7], h[11], h[12], h[19], h[21]
pix = d[size + 12 * ncol:]
top = wh - 567   # the menu bar sits above the 567-pixel content
def px(x, y):
    o = (y + top) * bpl + x * (bpp // 8)
    v = pix[o:o + 4]
    return (v[2], v[1], v[0]) if order == 0 else (v[1], v[2], v[3])
def share(x0, y0, x1, y1):
    n = c = 0
    for y in range(y0, y1):
        for x in range(x0, x1):
            r, g, b = px(x, y)
            n += 1
            c += max(r, g, b) - min(r, g, b) > 40
    return c / n
print("%.3f %.3f" % (share(351, 117, 394, 267), share(92, 212, 325, 275)))
')
  read -r handle reels <<<"$shares"
  awk -v a="$handle" -v b="$reels" 'BEGIN {exit !(a > 0.05 && b > 0.05)}' && break
  [ "$expect" = pictures ] || break
done
focus_game_window "$wid" && xdotool key --clearmodifiers ctrl+q
wait_for_exit "$pid" 5 || kill "$pid" 2>/dev/null || true
echo "coloured share: handle $handle, middle reel cells $reels (expect $expect)"
if [ "$expect" = pictures ]; then
  awk -v a="$handle" -v b="$reels" 'BEGIN {exit !(a > 0.05 && b > 0.05)}'
else
  awk -v a="$handle" -v b="$reels" 'BEGIN {exit !(a < 0.01 && b < 0.01)}'
fi
INNER
source "$src/tools/x_window.sh"
run_in_new_x_server bash "$inner" "$prefix/bin/jolvane" pictures "$src/tools/x_window.sh" ||
  fail "the installed game shows no pictures"
mv "$prefix/lib/jolvane/Resources" "$prefix/lib/jolvane/Resources.away"
run_in_new_x_server bash "$inner" "$prefix/bin/jolvane" none "$src/tools/x_window.sh" ||
  fail "the check does not tell a game without its pictures"
echo "PASS"
