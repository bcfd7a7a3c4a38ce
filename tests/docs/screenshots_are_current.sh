#!/usr/bin/env bash
# The windows and the open Edit menu, drawn after the worked example at 1x and 2x, are pixel for
# pixel the README's screenshots in docs/: a caption, field, picture, menu bar or line of the
# help text drawn elsewhere or otherwise fails here. After a change meant to be seen, remake
# them with tools/make-screenshots.sh and look at them.
# Usage: screenshots_are_current.sh SCREENSHOTS_TOOL DOCS_DIR OUT_DIR
set -euo pipefail
tool=$1 docs=$2 out=$3
rm -rf "$out"
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen "$tool" "$out"
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 "$tool" "$out" @2x
status=0
for documented in "$docs"/*.png; do
  name=$(basename "$documented")
  cmp -s "$documented" "$out/$name" || { echo "FAIL: $name is drawn otherwise: see $out/$name"; status=1; }
done
exit $status
