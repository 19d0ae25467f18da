#!/usr/bin/env bash
# Set-up, build the game and its pictures (no tests or benchmarks) and start it. Arguments go to the
# game (brackenhollow --help lists them).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh" -DBUILD_TESTING=OFF
exec "${BUILD_DIR:-$root/build}/bin/brackenhollow" "$@"
