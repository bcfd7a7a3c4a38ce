#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG into packaging/icons/.
# Needs rsvg-convert (Debian package "librsvg2-bin"). The PNGs are committed, so the
# build needs no SVG renderer; run this again after editing the SVG.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ICONS="$ROOT/packaging/icons"
SVG="$ICONS/mireldantholm.svg"

command -v rsvg-convert >/dev/null || { echo "rsvg-convert is needed (Debian: librsvg2-bin)" >&2; exit 1; }

# The sizes installed into the hicolor theme (packaging/CMakeLists.txt lists the same).
for size in 48 128 256; do
    rsvg-convert --width "$size" --height "$size" --format png "$SVG" --output "$ICONS/mireldantholm-$size.png"
done
ls -l "$ICONS"/*.png
