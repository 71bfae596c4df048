#!/usr/bin/env bash
# The folders include one another only as the picture in docs/DEVELOPING.md
# ("The folders, and which may include which") shows: Qt only in rt/; rt/ never
# includes the program; the program includes only rt's public headers
# (rt/<name>.h, not rt/core/, rt/plugins/ or rt/testing/); each folder of the
# program includes only the folders below it, but for two reaches up: game/
# shows app/menubar1.h, and update/ and about/ read the version from app/app.h.
# Only app/ includes app/startup.h. tests/, tools/ and bench/ are not checked.
# Prints every include that breaks a rule as file:line: what and why.
# Usage: bash tests/dependencies_test.sh <build dir> <source dir>
set -euo pipefail
src=${2:?usage: dependencies_test.sh <build dir> <source dir>}
src=$(cd "$src" && pwd)
if [ ! -d "$src/rt" ] || [ ! -d "$src/app" ]; then
  echo "FAIL: $src holds no rt/ and app/"
  exit 1
fi

program_folders=(app game media update about layout)
rt_public='^rt/[^/]+$'
qt_header='<(Q[^>]*|q[^/>]*\.h)>'
quoted='"([^"]+)"'

# What each folder of the program may include besides rt/<name>.h: a folder
# (ending in /) or one file.
declare -A allowed=(
  [layout]="layout/"
  [media]="media/"
  [game]="layout/ media/ game/ app/menubar1.h"
  [update]="layout/ update/ app/app.h"
  [about]="layout/ about/ app/app.h"
  [app]="app/ game/ media/ update/ about/ layout/"
)

# The path from the source root that a quoted include names: one beside the
# including file, else one from the root (the include path of every target).
resolve() {
  local dir=$1 name=$2
  if [ -e "$src/$dir/$name" ]; then
    realpath -m --relative-to="$src" "$src/$dir/$name"
  elif [[ $name == *..* ]]; then
    realpath -m --relative-to="$src" "$src/$name"
  else
    echo "$name"
  fi
}

# Prints why `target` may not be included from `folder`, or nothing if it may.
why_not() {
  local folder=$1 target=$2
  if [ "$target" = app/startup.h ] && [ "$folder" != app ]; then
    echo "only app/ starts the program; the windows and rt/ never include app/startup.h"
    return
  fi
  if [ "$folder" = rt ]; then
    # rt's own files, and the files its build generates beside them (*.moc).
    [[ $target == rt/* || ( $target != */* && $target != ..* ) ]] && return
    echo "rt/ is the runtime below the program: it includes only rt/"
    return
  fi
  if [[ $target == rt/* ]]; then
    [[ $target =~ $rt_public ]] && return
    echo "the program includes only rt's public headers rt/<name>.h, not rt's internals"
    return
  fi
  local entry
  for entry in ${allowed[$folder]}; do
    if [[ $entry == */ && $target == "$entry"* ]] || [ "$target" = "$entry" ]; then
      return
    fi
  done
  echo "$folder/ may include only rt/<name>.h and: ${allowed[$folder]}"
}

violations=0
checked=0
while IFS= read -r hit; do
  file=${hit%%:*}
  rest=${hit#*:}
  line=${rest%%:*}
  text=${rest#*:}
  folder=${file%%/*}
  checked=$((checked + 1))
  if [[ $text =~ $qt_header ]]; then
    if [ "$folder" != rt ]; then
      echo "$file:$line: includes <${BASH_REMATCH[1]}>: Qt headers only in rt/, the program is written against rt/"
      violations=$((violations + 1))
    fi
  elif [[ $text =~ $quoted ]]; then
    target=$(resolve "$(dirname "$file")" "${BASH_REMATCH[1]}")
    reason=$(why_not "$folder" "$target")
    if [ -n "$reason" ]; then
      echo "$file:$line: includes \"$target\": $reason"
      violations=$((violations + 1))
    fi
  fi
done < <(
  cd "$src" &&
    grep -rnHE '^[[:space:]]*#[[:space:]]*include[[:space:]]*("|<[Qq])' \
      --include='*.h' --include='*.hpp' --include='*.cpp' --include='*.cc' \
      rt "${program_folders[@]}"
)

[ "$checked" -gt 0 ] || { echo "FAIL: no includes found under $src"; exit 1; }
if [ "$violations" -gt 0 ]; then
  echo "FAIL: $violations include(s) break the folder rules (docs/DEVELOPING.md)"
  exit 1
fi
echo "PASS: $checked includes follow the folder rules"
