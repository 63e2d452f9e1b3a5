#!/bin/bash
# Renders a score with mkmusic and encodes it as Ogg Vorbis.
#   mkogg.sh MKMUSIC SCORE OUTPUT.ogg
set -euo pipefail
if [ $# -ne 3 ]; then
    echo "usage: mkogg.sh MKMUSIC SCORE OUTPUT.ogg" >&2
    exit 2
fi
wav=$(mktemp --suffix=.wav)
trap 'rm -f "$wav"' EXIT
"$1" "$2" "$wav"
oggenc -Q -q 4 -o "$3" "$wav"
