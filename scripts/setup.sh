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

# Runs a command with a display: the current one, or a private Xvfb that is
# stopped by its process id afterwards.
quorvel_with_display() {
    if [ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1; then
        "$@"
        return
    fi
    local n=$((90 + RANDOM % 400))
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1920x1200x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    local xvfb_pid=$!
    local tries=0
    until DISPLAY=":$n" xdotool getdisplaygeometry >/dev/null 2>&1; do
        tries=$((tries + 1))
        if [ $tries -gt 100 ] || ! kill -0 $xvfb_pid 2>/dev/null; then
            echo "Xvfb did not start on :$n" >&2
            kill $xvfb_pid 2>/dev/null
            return 1
        fi
        sleep 0.1
    done
    local status=0
    DISPLAY=":$n" "$@" || status=$?
    kill $xvfb_pid 2>/dev/null
    wait $xvfb_pid 2>/dev/null
    return $status
}
