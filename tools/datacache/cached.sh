#!/bin/bash
# Makes a generated data file once per content of its sources: the result is
# kept in a cache under the hash of the sources, so a second build tree (the
# sanitizer build, a fresh CI clone on the same machine) copies it instead
# of rendering it again.
#   cached.sh OUTPUT SOURCE... -- COMMAND...
# COMMAND writes OUTPUT; the sources are every file whose content decides it.
set -euo pipefail

output=$1
shift
sources=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    sources+=("$1")
    shift
done
if [ $# -lt 2 ]; then
    echo "usage: cached.sh OUTPUT SOURCE... -- COMMAND..." >&2
    exit 2
fi
shift

cache=${QUORVEL_DATA_CACHE:-${XDG_CACHE_HOME:-${HOME:-/tmp}/.cache}/quorvel-data}
key=$(for source in "${sources[@]}"; do basename "$source"; sha256sum < "$source"; done | sha256sum | cut -c1-32)
kept=$cache/$key-$(basename "$output")

mkdir -p "$(dirname "$output")"
if [ -s "$kept" ]; then
    cp "$kept" "$output"
    exit 0
fi
"$@"
# A cache that cannot be written only costs the next build its time.
if mkdir -p "$cache" 2>/dev/null && cp "$output" "$kept.$$" 2>/dev/null; then
    mv -f "$kept.$$" "$kept"
fi
