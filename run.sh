#!/usr/bin/env bash
# Sets up a Debian machine, builds Quorvel and its data, and starts the game.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
quorvel_install_packages
quorvel_build "$QUORVEL_ROOT/build"

bin="$QUORVEL_ROOT/build/bin"
if [ -x "$bin/quorvel" ]; then
    exec "$bin/quorvel" "$@"
fi
# Until the game itself is built, start the application shell's demo.
if [ -x "$bin/quorvel-shell" ]; then
    echo "The game is not complete yet; starting quorvel-shell, the newest runnable program."
    exec "$bin/quorvel-shell" "$@"
fi
echo "Quorvel is built, but there is no program to start yet."
