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
# Until the game itself is built, start the newest program there is.
newest="$(ls -t "$bin" 2>/dev/null | head -n 1 || true)"
if [ -z "$newest" ]; then
    echo "Quorvel is built, but there is no program to start yet."
    exit 0
fi
echo "The game is not complete yet; starting $newest, the newest program."
exec "$bin/$newest" "$@"
