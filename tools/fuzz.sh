#!/usr/bin/env bash
# Builds the update-document fuzz target with clang, libFuzzer and the
# address and undefined-behaviour sanitizers in its own build directory, runs
# it for a bounded time and fails on any finding.
#
#   bash tools/fuzz.sh [seconds]        (default 60; FUZZ_BUILD_DIR to move the build)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}

have_libfuzzer() {
  command -v clang++ >/dev/null 2>&1 || return 1
  local probe
  probe=$(mktemp -d)
  printf '#include <cstddef>\n#include <cstdint>\nextern "C" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }\n' \
    >"$probe/probe.cpp"
  clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" >/dev/null 2>&1
  local status=$?
  rm -rf "$probe"
  return $status
}

if ! have_libfuzzer; then
  echo "fuzz.sh: installing clang and libFuzzer" >&2
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get install -y clang libclang-rt-14-dev
  have_libfuzzer || { echo "fuzz.sh: clang cannot build with -fsanitize=fuzzer" >&2; exit 1; }
fi

cmake -S "$root/tools/fuzz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" --target update_document_fuzz

# The corpus grows in the build directory, starting from the seeds; findings
# land there too, as crash-*, leak-* or timeout-* files.
mkdir -p "$build/corpus"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
"$build/update_document_fuzz" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
  -print_final_stats=1 -artifact_prefix="$build/" "$build/corpus" "$root/tools/fuzz/seeds"
echo "fuzz.sh: no findings in ${seconds} s"
