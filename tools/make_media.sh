#!/usr/bin/env bash
# Builds our media generator and regenerates, from scratch, the sixteen pictures and sounds in
# resources/ and the application icon in data/icons/hicolor/ of this source tree.
#
#   tools/make_media.sh [--build DIR] [--sheet FILE.png]
#
# --build: where to build the generator on its own (default: a temporary folder, removed after).
# --sheet: also write a review sheet: every picture enlarged three times, the reels and handle
#          as the game window shows them, and the icon at every size.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
build="" sheet=()
while [ $# -gt 0 ]; do
  case $1 in
    --build) build=$2; shift 2 ;;
    --sheet) sheet=(--sheet "$(realpath -m "$2")"); shift 2 ;;
    *) echo "usage: $0 [--build DIR] [--sheet FILE.png]" >&2; exit 2 ;;
  esac
done
if [ -z "$build" ]; then
  build=$(mktemp -d)
  trap 'rm -rf "$build"' EXIT
fi
cmake -S "$src/tools/media_generator" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target media_generator
rm -rf "$src/resources" "$src/data/icons/hicolor"
"$build/media_generator" "$src" "${sheet[@]}"
echo "resources/: $(ls "$src/resources" | wc -l) files; icons in data/icons/hicolor/"
