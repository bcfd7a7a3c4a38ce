#!/usr/bin/env bash
# Remakes docs/*.png: each window and the Edit menu at 1x and 2x, after the worked example has been computed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake --build --preset default --target screenshots >/dev/null
mkdir -p "$root/docs"
tool="$root/build/default/bin/screenshots"
QT_QPA_PLATFORM=offscreen "$tool" "$root/docs"
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 "$tool" "$root/docs" @2x
ls "$root"/docs/*.png
