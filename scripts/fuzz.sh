#!/usr/bin/env bash
# Fuzzes the file readers with libFuzzer (Debian's clang, AddressSanitizer and
# UndefinedBehaviorSanitizer).
#   scripts/fuzz.sh [reader[,reader...]|all] [seconds]
# Builds the harnesses of tests/fuzz into build-fuzz/ and runs the readers
# named, or every reader, for the given time each (default: all, 60 seconds),
# with 2 GiB of memory and 10 seconds per input at most. New inputs go to
# build-fuzz/corpus/<reader>/; a crash, leak, timeout or out-of-memory input
# is saved as tests/fuzz/regressions/<reader>/<kind>-<hash>, which every build's
# CTest then replays. FUZZ_JOBS runs that many readers at once (default 1).
set -euo pipefail
source "$(dirname "$0")/setup.sh"

reader="${1:-all}"
seconds="${2:-60}"
build="$QUORVEL_ROOT/build-fuzz"
fuzz_dir="$QUORVEL_ROOT/tests/fuzz"

# Debian's clang with the libFuzzer runtime.
if ! command -v clang++ >/dev/null || ! dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q 'install ok installed'; then
    sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends clang libclang-rt-14-dev
fi
quorvel_install_packages

readers() {
    sed -n 's/^quorvel_fuzz_harness(\([a-z0-9_]*\).*/\1/p' "$fuzz_dir/CMakeLists.txt"
}
if [ "$reader" = all ]; then
    targets=($(readers))
else
    IFS=, read -r -a targets <<<"$reader"
    for name in "${targets[@]}"; do
        readers | grep -qx "$name" || { echo "no harness for '$name'; readers: $(readers | tr '\n' ' ')" >&2; exit 2; }
    done
fi

CC=clang CXX=clang++ cmake -S "$QUORVEL_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNORV_FUZZ=ON >/dev/null
cmake --build "$build" --parallel "${QUORVEL_JOBS:-$(nproc)}" --target fuzz_seed_corpus "${targets[@]/#/fuzz_}"

# The seeds a harness's CTest replays. Those the data build makes come from
# the normal build/ when it has them; the fuzzing build makes no data.
seeds_of() {
    local path
    for path in $(ctest --test-dir "$build" -N -V -R "^fuzz\.$1\$" | sed -n 's/^[0-9]*: Test command: [^ ]* //p' | tr -d '"'); do
        if [ -e "$path" ]; then
            echo "$path"
        elif [ -e "${path/#$build/$QUORVEL_ROOT/build}" ]; then
            echo "${path/#$build/$QUORVEL_ROOT/build}"
        fi
    done
}

# One reader: its seeds are the folders and files its CTest replays.
fuzz_one() {
    local name="$1"
    local corpus="$build/corpus/$name" regressions="$fuzz_dir/regressions/$name"
    local log="$build/logs/$name.log"
    mkdir -p "$corpus" "$regressions" "$build/logs"
    # libFuzzer reads folders: single seed files join the working corpus.
    local seeds=() seed
    for seed in $(seeds_of "$name"); do
        if [ -d "$seed" ]; then
            seeds+=("$seed")
        else
            cp "$seed" "$corpus/"
        fi
    done
    local status=0
    (
        cd "$build/fuzz"
        ./fuzz_$name "$corpus" "${seeds[@]}" -max_total_time="$seconds" -rss_limit_mb=2048 -malloc_limit_mb=2048 \
            -timeout=10 -max_len=65536 -print_final_stats=1 -artifact_prefix="$regressions/" \
            >"$log" 2>&1
    ) || status=$?
    local execs
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    if [ $status -eq 0 ]; then
        echo "$name: clean, ${execs:-?} executions"
    else
        echo "$name: FOUND A FAULT after ${execs:-?} executions (see $log; the input is in $regressions)"
    fi
    return $status
}

fuzz_all() {
    printf '%s\n' "${targets[@]}" | xargs -P "${FUZZ_JOBS:-1}" -I{} bash -c 'fuzz_one "$@"' _ {}
}

export -f fuzz_one seeds_of
export build fuzz_dir seconds QUORVEL_ROOT
# The texture loader's harness needs a display; sound goes nowhere; the
# system libraries' own leaks are CI's known ones.
export SDL_AUDIODRIVER=dummy
export LSAN_OPTIONS="suppressions=$QUORVEL_ROOT/.ci/lsan.supp:print_suppressions=0"
quorvel_with_display fuzz_all
