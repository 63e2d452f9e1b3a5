# Shared set-up of run.sh, test.sh and CI: install missing Debian packages,
# then configure and build one build tree. Sourced, not run.

QUORVEL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

quorvel_packages() {
    grep -v '^\s*#' "$QUORVEL_ROOT/deps/debian-packages.txt" | tr -s ' \n' '\n' | grep -v '^$'
}

# Installs only the packages that are missing, so a second run is quick.
quorvel_install_packages() {
    local missing=()
    local pkg
    for pkg in $(quorvel_packages); do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing Debian packages: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# quorvel_build <build-dir> [extra cmake arguments...]; QUORVEL_JOBS limits the
# parallel jobs (default: every core), for machines that run several builds.
quorvel_build() {
    local dir="$1"; shift
    cmake -S "$QUORVEL_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" --parallel "${QUORVEL_JOBS:-$(nproc)}"
}

# Starts a private Xvfb on a free display number and waits until it answers;
# sets xvfb_display and xvfb_pid, by which the caller stops it. Another
# Xvfb taking the number first makes it try the next.
quorvel_start_xvfb() {
    local n=$((90 + RANDOM % 400)) attempt tries
    for ((attempt = 0; attempt < 5; attempt++)); do
        while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
        Xvfb ":$n" -screen 0 1920x1200x24 -nolisten tcp -noreset >/dev/null 2>&1 &
        xvfb_pid=$!
        xvfb_display=":$n"
        for ((tries = 0; tries < 100; tries++)); do
            DISPLAY=":$n" xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
        n=$((n + 1))
    done
    echo "Xvfb did not start" >&2
    return 1
}

# Runs a command with a display: the current one, or a private Xvfb that is
# stopped by its process id afterwards.
quorvel_with_display() {
    if [ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1; then
        "$@"
        return
    fi
    local xvfb_display xvfb_pid
    quorvel_start_xvfb || return 1
    local status=0
    DISPLAY="$xvfb_display" "$@" || status=$?
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    return $status
}

# Runs the test command with the displays ctest shares out among the display
# tests, one test on each (cmake/TestDisplays.cmake.in): the ones listed in
# QUORVEL_TEST_DISPLAYS, or QUORVEL_TEST_DISPLAY_COUNT (2) private Xvfbs,
# stopped by their process ids afterwards, also when the command fails or
# is interrupted.
quorvel_with_test_displays() (
    [ -n "${QUORVEL_TEST_DISPLAYS:-}" ] && exec "$@"
    pids=()
    displays=()
    trap 'kill "${pids[@]}" 2>/dev/null' EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    for ((i = 0; i < ${QUORVEL_TEST_DISPLAY_COUNT:-2}; i++)); do
        quorvel_start_xvfb || exit 1
        pids+=("$xvfb_pid")
        displays+=("$xvfb_display")
    done
    export QUORVEL_TEST_DISPLAYS="${displays[*]}" DISPLAY="${displays[0]}"
    "$@"
)
