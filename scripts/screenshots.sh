#!/usr/bin/env bash
# Builds the game and takes the README's screenshots on a virtual display: the start dialog, and the
# game screen in two rooms, in the graphic and the text view. Writes them into docs/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/build.sh"
command -v xvfb-run > /dev/null || { apt-get install -y -qq xvfb xauth > /dev/null; }
store="$(mktemp -d)/screenshots.sqlite"
docs="$root/docs"
mkdir -p "$docs"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bin/brackenhollow-replay" --store "$store" <<SCRIPT
shot $docs/start-dialog.png
start
shot $docs/bedroom-graphic.png
press W
verb Turn On the
noun1 lamp
press Action
shot $docs/lamp-text.png
press Toggle
shot $docs/lamp-graphic.png
press Exit
SCRIPT
rm -rf "$(dirname "$store")"
