#!/usr/bin/env bash
# Set-up, build and run every test: headless (offscreen), and the game window's own tests on a
# virtual X server (Xvfb) started for the run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
cd "${BUILD_DIR:-$root/build}"
xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp" ctest --output-on-failure -j "$(nproc)"
