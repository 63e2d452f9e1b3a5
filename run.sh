#!/usr/bin/env bash
# Sets up a Debian machine, builds Quorvel and its data, and starts the game.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
quorvel_install_packages
quorvel_build "$QUORVEL_ROOT/build"

exec "$QUORVEL_ROOT/build/bin/quorvel" "$@"
