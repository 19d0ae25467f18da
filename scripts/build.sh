#!/usr/bin/env bash
# Set-up and build into ./build (or $BUILD_DIR): everything, tests and benchmarks included. Further
# arguments go to CMake's configure step (scripts/play.sh passes -DBUILD_TESTING=OFF).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON "$@" > /dev/null
cmake --build "$build" -j "$(nproc)"
