#!/usr/bin/env bash
# Sets up a Debian machine, builds Quorvel and runs every test.
# test.sh [build-dir [cmake arguments...]]: the sanitizer build uses another
# folder and -DNORV_SANITIZE=ON.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
quorvel_install_packages
build="${1:-$QUORVEL_ROOT/build}"
[ $# -gt 0 ] && shift
quorvel_build "$build" "$@"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
export ASAN_OPTIONS="${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$QUORVEL_ROOT/.ci/lsan.supp:print_suppressions=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
# The window tests play the real game under a shared software renderer, one
# on each private display; one that loses a race with a busy machine gets a
# second run, and a fault that is really there fails both.
quorvel_with_test_displays ctest --test-dir "$build" --output-on-failure --parallel "${QUORVEL_JOBS:-$(nproc)}" --timeout 600 \
    --repeat until-pass:2
