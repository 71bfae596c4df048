#!/usr/bin/env bash
# tools/deps.sh as a user who is not root: with a package missing and no
# sudo, it says in one line that it installs Debian packages and must run as
# root or with sudo, and fails; with sudo, it installs through sudo; with
# nothing missing, it succeeds without asking for root. Nothing is really
# installed: dpkg-query, apt-get, sudo and id are stand-ins on a PATH of
# their own, which record what they were asked.
# Usage: bash tests/deps_test.sh <build dir> <source dir>
set -euo pipefail
src=${2:?usage: deps_test.sh <build dir> <source dir>}
deps="$src/tools/deps.sh"
[ -f "$deps" ] || { echo "FAIL: no $deps"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash=$(command -v bash)

# A PATH with the few real commands a shell script may reach for, and the
# stand-ins; no sudo unless a case puts one there.
make_bin() {
  local bin=$1 tool
  mkdir -p "$bin"
  for tool in cat grep sed tr sort head tail env; do
    ln -s "$(command -v "$tool")" "$bin/$tool"
  done
  # Reports every package installed but those named in $MISSING.
  cat >"$bin/dpkg-query" <<'EOF'
#!/bin/sh
for p; do :; done
case " $MISSING " in
  *" $p "*) echo "dpkg-query: no packages found matching $p" >&2; exit 1 ;;
esac
printf 'install ok installed'
EOF
  cat >"$bin/apt-get" <<'EOF'
#!/bin/sh
echo "apt-get $*" >>"$CALLS"
EOF
  cat >"$bin/id" <<'EOF'
#!/bin/sh
[ "$1" = -u ] && echo "$FAKE_UID"
EOF
  chmod +x "$bin/dpkg-query" "$bin/apt-get" "$bin/id"
}

with_sudo() {
  cat >"$1/sudo" <<'EOF'
#!/bin/sh
echo "sudo $*" >>"$CALLS"
exec "$@"
EOF
  chmod +x "$1/sudo"
}

fail=0
check() {
  if eval "$2"; then
    echo "ok: $1"
  else
    echo "FAIL: $1"
    echo "  status $status; stderr:"
    sed 's/^/    /' "$case_dir/err"
    echo "  calls:"
    sed 's/^/    /' "$case_dir/calls"
    fail=1
  fi
}

# run <case> <uid> <missing packages> <sudo: yes|no> [deps.sh arguments]
run() {
  case_dir="$work/$1"
  local uid=$2 missing=$3 sudo=$4
  shift 4
  make_bin "$case_dir/bin"
  [ "$sudo" = yes ] && with_sudo "$case_dir/bin"
  : >"$case_dir/calls"
  status=0
  env -i PATH="$case_dir/bin" FAKE_UID="$uid" MISSING="$missing" CALLS="$case_dir/calls" \
    "$bash" "$deps" "$@" >"$case_dir/out" 2>"$case_dir/err" || status=$?
}

run no-sudo 1000 "qt6-base-dev" no
check "not root, no sudo, a package missing: fails, not with 127 (command not found)" \
  '[ "$status" -ne 0 ] && [ "$status" -ne 127 ]'
check "not root, no sudo: one line on stderr, nothing on stdout" \
  '[ "$(wc -l <"$case_dir/err")" -eq 1 ] && [ ! -s "$case_dir/out" ]'
check "not root, no sudo: the line says Debian packages, root and sudo" \
  'grep -q "Debian packages" "$case_dir/err" && grep -qw root "$case_dir/err" && grep -qw sudo "$case_dir/err"'
check "not root, no sudo: the line names the missing package" 'grep -qw qt6-base-dev "$case_dir/err"'
check "not root, no sudo: apt-get is never run" '[ ! -s "$case_dir/calls" ]'

run game-no-sudo 1000 "qt6-base-dev" no game
check "the game's set-up, not root, no sudo, Qt missing: fails in one line" \
  '[ "$status" -ne 0 ] && [ "$(wc -l <"$case_dir/err")" -eq 1 ] && [ ! -s "$case_dir/calls" ]'

run all-there 1000 "" no
check "not root, no sudo, every package there: succeeds silently, installs nothing" \
  '[ "$status" -eq 0 ] && [ ! -s "$case_dir/err" ] && [ ! -s "$case_dir/out" ] && [ ! -s "$case_dir/calls" ]'

run with-sudo 1000 "qt6-base-dev" yes
check "not root, with sudo: installs just the missing package through sudo" \
  '[ "$status" -eq 0 ] && grep -q "^sudo .*apt-get update" "$case_dir/calls" && grep -q "^sudo .*apt-get install .* qt6-base-dev$" "$case_dir/calls"'

# The stand-ins themselves: as root, the same missing package is installed
# with apt-get directly, so the cases above see deps.sh's own choices.
run root 0 "qt6-base-dev" no
check "root: installs the missing package with apt-get, and only it" \
  '[ "$status" -eq 0 ] && grep -q "^apt-get install .* qt6-base-dev$" "$case_dir/calls" && ! grep -q sudo "$case_dir/calls"'

[ "$fail" -eq 0 ] && echo PASS
exit "$fail"
