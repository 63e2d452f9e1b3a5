#!/bin/bash
# The data cache: two build trees make a file once; several outputs and a
# folder come back whole; a changed source or command word makes it again.
#   DataCacheTest.sh <cached.sh>
set -euo pipefail
cached=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QUORVEL_DATA_CACHE=$work/cache
runs=$work/runs
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# A tool that counts its runs and writes what it was given.
tool() {
    echo run >>"$runs"
    local out=$1 words=$2
    shift 2
    mkdir -p "$out"
    echo "$words $(cat "$work/source")" >"$out/a.txt"
    echo "second" >"$out/b.txt"
}
export -f tool
export runs work
count() { [ -f "$runs" ] && wc -l <"$runs" || echo 0; }

echo one >"$work/source"
# Outputs in the same place of each tree: only the file names count.
for tree in build build-asan; do
    bash "$cached" "$work/$tree/out/a.txt" "$work/$tree/out/b.txt" -- "$work/source" -- bash -c 'tool "$0" "$1"' \
        "$work/$tree/out" size1
done
[ "$(count)" = 1 ] || fail "two trees ran the tool $(count) times"
[ "$(cat "$work/build-asan/out/a.txt")" = "size1 one" ] || fail "the copy differs: $(cat "$work/build-asan/out/a.txt")"
[ "$(cat "$work/build-asan/out/b.txt")" = "second" ] || fail "the second output was not kept"

bash "$cached" "$work/build/out/a.txt" "$work/build/out/b.txt" -- "$work/source" -- bash -c 'tool "$0" "$1"' \
    "$work/build/out" size2
[ "$(count)" = 2 ] || fail "another command word did not make the file again"
echo two >"$work/source"
bash "$cached" "$work/build/out/a.txt" "$work/build/out/b.txt" -- "$work/source" -- bash -c 'tool "$0" "$1"' \
    "$work/build/out" size1
[ "$(count)" = 3 ] || fail "a changed source did not make the file again"
[ "$(cat "$work/build/out/a.txt")" = "size1 two" ] || fail "stale output: $(cat "$work/build/out/a.txt")"

# A folder: emptied first, kept whole, restored whole in another tree.
mkdir -p "$work/tree1/folder" && touch "$work/tree1/folder/left-over"
for tree in tree1 tree2; do
    bash "$cached" "$work/$tree/folder/" -- "$work/source" -- bash -c 'tool "$0" "$1"' "$work/$tree/folder" whole
done
[ "$(count)" = 4 ] || fail "the folder was made $(count) times in all"
[ ! -e "$work/tree1/folder/left-over" ] || fail "the folder was not emptied"
[ "$(ls "$work/tree2/folder" | tr '\n' ' ')" = "a.txt b.txt " ] || fail "the folder came back as: $(ls "$work/tree2/folder")"

# A cache that cannot be written still makes the file.
QUORVEL_DATA_CACHE=/proc/no-cache bash "$cached" "$work/build/out/a.txt" -- "$work/source" -- bash -c 'tool "$0" "$1"' \
    "$work/build/out" fresh
[ "$(cat "$work/build/out/a.txt")" = "fresh two" ] || fail "an unwritable cache stopped the tool"
echo "data cache: every case held"
