#!/bin/bash
# Renders an SVG drawing to a square PNG and makes it a sprite texture.
#   svg2pvr.sh MKSPRITE DRAWING.svg SIZE OUTPUT.pvr
set -euo pipefail
if [ $# -ne 4 ]; then
    echo "usage: svg2pvr.sh MKSPRITE DRAWING.svg SIZE OUTPUT.pvr" >&2
    exit 2
fi
png=$(mktemp --suffix=.png)
trap 'rm -f "$png"' EXIT
rsvg-convert -w "$3" -h "$3" -o "$png" "$2"
"$1" "$png" "$4"
