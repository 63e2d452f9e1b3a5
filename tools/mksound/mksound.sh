#!/bin/bash
# mksound: renders a sound recipe into a WAV file in the game's mixer format
# (44100 Hz, 16-bit, stereo), peak-normalised, with soft edges.
#   mksound.sh RECIPE OUTPUT.wav
#
# A recipe is a short bash script built from these steps, each making a
# named mono layer; the layer named "sound" is the result:
#   layer NAME EFFECTS...     sox's synth and effects from silence
#   shape NAME EFFECTS...     more effects on an existing layer
#   mix NAME LAYER[@GAIN]...  layers played together (gain in dB)
#   join NAME LAYER...        layers one after the other
# A recipe may set "level" (dBFS of the peak, -1 by default) for sounds
# that should sit quieter than the rest. A layer whose filters would clip
# turns its synth down first ("vol 0.5" after the synth).
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: mksound.sh RECIPE OUTPUT.wav" >&2
    exit 2
fi
recipe=$1
output=$2
rate=44100
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

layer() {
    local name=$1
    shift
    sox -n -r $rate -c 1 -e float -b 32 "$work/$name.wav" "$@"
}

shape() {
    local name=$1
    shift
    sox "$work/$name.wav" "$work/$name.next.wav" "$@"
    mv "$work/$name.next.wav" "$work/$name.wav"
}

mix() {
    local name=$1
    shift
    local inputs=()
    # Each layer is scaled by the number mixed so the sum never clips; the
    # result is normalised at the end anyway.
    local count=$#
    for part in "$@"; do
        local gain=0
        if [[ $part == *@* ]]; then
            gain=${part#*@}
            part=${part%@*}
        fi
        inputs+=(-v "$(awk "BEGIN { print 10 ^ ($gain / 20) / $count }")" "$work/$part.wav")
    done
    if [ ${#inputs[@]} -eq 3 ]; then
        sox "${inputs[@]}" "$work/$name.next.wav"
    else
        sox -m "${inputs[@]}" "$work/$name.next.wav"
    fi
    mv "$work/$name.next.wav" "$work/$name.wav"
}

join() {
    local name=$1
    shift
    local inputs=()
    for part in "$@"; do
        inputs+=("$work/$part.wav")
    done
    if [ ${#inputs[@]} -eq 1 ]; then
        cp "${inputs[0]}" "$work/$name.next.wav"
    else
        sox "${inputs[@]}" "$work/$name.next.wav"
    fi
    mv "$work/$name.next.wav" "$work/$name.wav"
}

level=-1
# shellcheck source=/dev/null
source "$recipe"
if [ ! -s "$work/sound.wav" ]; then
    echo "$recipe: the recipe makes no layer named sound" >&2
    exit 1
fi
mkdir -p "$(dirname "$output")"
# Soft edges keep the start and end from clicking.
sox "$work/sound.wav" -r $rate -c 2 -e signed -b 16 "$output" \
    gain -n "$level" fade t 0.002 -0 0.015
