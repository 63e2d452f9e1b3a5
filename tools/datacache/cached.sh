#!/bin/bash
# Makes generated data files once per content of their sources: the results
# are kept in a cache under a hash of the sources and of the command, so a
# second build tree (the sanitizer build, a fresh CI clone on the same
# machine) copies them instead of making them again.
#   cached.sh OUTPUT... -- SOURCE... -- COMMAND...
# COMMAND writes every OUTPUT; an OUTPUT ending in "/" is a folder that
# COMMAND fills, emptied first and kept whole. The sources are every file
# whose content decides the outputs (the tool's own sources among them); the
# command's words count by their file names only, so every build tree shares
# the cache.
set -euo pipefail

usage() {
    echo "usage: cached.sh OUTPUT... -- SOURCE... -- COMMAND..." >&2
    exit 2
}

outputs=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    outputs+=("$1")
    shift
done
[ $# -gt 0 ] && shift || usage
sources=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    sources+=("$1")
    shift
done
[ ${#outputs[@]} -gt 0 ] && [ $# -gt 1 ] || usage
shift

cache=${QUORVEL_DATA_CACHE:-${XDG_CACHE_HOME:-${HOME:-/tmp}/.cache}/quorvel-data}
key=$({
    for source in "${sources[@]}"; do
        basename "$source"
        sha256sum <"$source"
    done
    for word in "$@"; do basename -- "$word"; done
} | sha256sum | cut -c1-32)

kept_name() {
    local output=${1%/}
    echo "$cache/$key-$(basename "$output")$([ "$1" != "$output" ] && echo .tar)"
}

all_kept=true
for output in "${outputs[@]}"; do
    [ -s "$(kept_name "$output")" ] || all_kept=false
done

for output in "${outputs[@]}"; do
    if [ "${output%/}" != "$output" ]; then
        rm -rf "$output"
        mkdir -p "$output"
    else
        mkdir -p "$(dirname "$output")"
    fi
done

if $all_kept; then
    for output in "${outputs[@]}"; do
        if [ "${output%/}" != "$output" ]; then
            tar -xf "$(kept_name "$output")" -C "$output"
        else
            cp "$(kept_name "$output")" "$output"
        fi
    done
    exit 0
fi

"$@"

# A cache that cannot be written only costs the next build its time.
mkdir -p "$cache" 2>/dev/null || exit 0
for output in "${outputs[@]}"; do
    kept=$(kept_name "$output")
    if [ "${output%/}" != "$output" ]; then
        tar -cf "$kept.$$" -C "$output" . 2>/dev/null || continue
    else
        cp "$output" "$kept.$$" 2>/dev/null || continue
    fi
    mv -f "$kept.$$" "$kept"
done
