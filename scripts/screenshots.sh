#!/usr/bin/env bash
# Builds the game and takes the README's screenshots on a virtual display: the start window, and the
# game window at 1280x800 and 1920x1080, with the picture beside the text and in the compact layout.
# Writes them into docs/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/build.sh"
store="$(mktemp -d)/screenshots.sqlite"
docs="$root/docs"
mkdir -p "$docs"
replay() { QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1920x1080x24" "$build/bin/brackenhollow-replay" --store "$store"; }
replay <<SCRIPT
start
press W
verb Turn On the
noun1 lamp
press Action
layout together
size 1280x800
shot $docs/window-1280x800.png
size 1920x1080
shot $docs/window-1920x1080.png
layout compact
press Toggle
size 1280x800
shot $docs/compact-1280x800.png
size 1920x1080
shot $docs/compact-1920x1080.png
press Exit
SCRIPT
# Started again, the start window offers to continue where the player left.
replay <<SCRIPT
shot $docs/start-window.png
leave
SCRIPT
rm -rf "$(dirname "$store")"
