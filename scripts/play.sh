#!/usr/bin/env bash
# Set-up, build and start the game.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh"
exec "${BUILD_DIR:-$root/build}/bin/brackenhollow" "$@"
