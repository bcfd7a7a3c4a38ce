#!/usr/bin/env bash
# Every #include in the program's layered folders (1-framework at the bottom, 4-app on top) must
# name a folder of the same layer or a lower one, and only 1-framework may include Qt.
# Usage: includes_point_down.sh SOURCE_DIR
set -u
cd "$1"
status=0
for file in $(find [1-9]-* -name '*.h' -o -name '*.cpp' | sort); do
  layer=${file%%-*}
  while IFS=: read -r line target; do
    if [ "${target%%-*}" -gt "$layer" ]; then
      echo "$file:$line includes $target, a layer above its own"
      status=1
    fi
  done < <(grep -n -o -E '^#include "[0-9]+-[^"]+"' "$file" | sed -E 's/#include "//; s/"$//')
  if [ "$layer" != 1 ] && grep -q -E '^#include <Q' "$file"; then
    echo "$file includes Qt; only 1-framework may"
    status=1
  fi
done
[ "$status" = 0 ] && echo "includes point down"
exit "$status"
