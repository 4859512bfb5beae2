#!/usr/bin/env bash
# Tests may write only inside temporary folders of their own. Before the tests run
# this takes stock of the source tree (through git) and of the build folder; after
# them it names anything new and fails.
#   stray_files.sh snapshot|check <source dir> <build dir> <state file>
set -euo pipefail
mode=$1 source=$2 build=$3 state=$4

inventory() {
  git -C "$source" status --porcelain --ignored=matching --untracked-files=all 2>/dev/null | sed 's/^/source: /' || true
  # CTest keeps its own records under Testing/.
  (cd "$build" && find . -path ./Testing -prune -o -print) | sed 's/^/build: /'
}

case $mode in
  snapshot)
    mkdir -p "$(dirname "$state")"
    inventory | LC_ALL=C sort >"$state"
    ;;
  check)
    [ -f "$state" ] || { echo "no snapshot at $state" >&2; exit 1; }
    stray=$(inventory | LC_ALL=C sort | LC_ALL=C comm -13 "$state" -)
    rm -f "$state"
    if [ -n "$stray" ]; then
      echo "Files left behind by the tests:"
      echo "$stray"
      exit 1
    fi
    ;;
  *) echo "usage: $0 snapshot|check <source> <build> <state>" >&2; exit 2 ;;
esac
