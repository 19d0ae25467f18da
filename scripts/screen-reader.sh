#!/usr/bin/env bash
# Plays a few steps of a first session with the Orca screen reader listening, on a virtual display,
# and prints what Orca said and which accessibility events the game sent: focus on the Verb list, an
# arrow changing the verb, Action and its answer, walking into the kitchen. Needs xvfb, openbox,
# xdotool, orca and at-spi2-core (scripts/setup.sh installs only at-spi2-core: this is a
# developer's tool, not a test). Usage: scripts/screen-reader.sh [GAME] [OUTPUT-FOLDER]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
game="$(realpath "${1:-${BUILD_DIR:-$root/build}/bin/brackenhollow}")"
out="$(realpath -m "${2:-$(mktemp -d)}")"
mkdir -p "$out"
if [ -z "${SCREEN_READER_INNER:-}" ]; then
  SCREEN_READER_INNER=1 exec dbus-run-session -- "$0" "$game" "$out"
fi

pids=()
cleanup() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; }
trap cleanup EXIT

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
export DISPLAY="$display"
sleep 1
openbox >/dev/null 2>&1 & pids+=($!)
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & pids+=($!)
sleep 1
export HOME="$out/home" XDG_CONFIG_HOME="$out/home/config" XDG_DATA_HOME="$out/home/data"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME/brackenhollow"
# The pictures, when the game's folder has none (a build without them): PICTURES=folder.
[ -n "${PICTURES:-}" ] && ln -s "$(realpath "$PICTURES")" "$XDG_DATA_HOME/brackenhollow/pictures"
orca --replace --debug-file="$out/orca.log" >/dev/null 2>&1 & orca_pid=$! && pids+=($!)
sleep 4

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$game" --store "$out/store.sqlite" >"$out/game.txt" 2>&1 & pids+=($!)
sleep 4
# Marks carry the time, so they sort into Orca's log between the events they stand before.
mark() { printf '%s - === %s\n' "$(date +%H:%M:%S.%6N)" "$1" >>"$out/marks.txt"; }
key() { xdotool key --delay 200 "$@"; sleep 2; }
mark "start window: Return starts a new game; the focus lands on the Verb list"
key Return
sleep 2
mark "Down: the next verb"
key Down
mark "Down: the verb Look at; Tab, Down: the first object; Return: Action"
key Down
key Tab
key Down
key Return
mark "Ctrl+Left: walk west"
key ctrl+Left
mark "Ctrl+Up: into the kitchen"
key ctrl+Up
sleep 4
mark "end"
# Orca is busy with the last events for a while; its log is whole once it has quit.
sleep 4
kill "$orca_pid" 2>/dev/null || true
sleep 2
# One entry a line: a text of several lines continues on lines without a time.
awk '/^[0-9][0-9]:[0-9][0-9]:/ { if (entry != "") print entry; entry = $0; next } { sub(/^ +/, " "); entry = entry $0 }
     END { if (entry != "") print entry }' "$out/orca.log" >"$out/orca-entries.txt"
echo "--- The game's events, as Orca received them:"
grep -E "^[0-9:.]+ - EVENT MANAGER: [a-z:-]+ for .* in \[application \| brackenhollow\]" "$out/orca-entries.txt" |
  sed -e 's/EVENT MANAGER: //' -e 's/ in \[application | brackenhollow\]//' | cat - "$out/marks.txt" | sort |
  cut -c18-220
echo "--- Orca said:"
grep -E "^[0-9:.]+ - SPEECH OUTPUT" "$out/orca-entries.txt" | sed -e 's/SPEECH OUTPUT: //' -e "s/'{'established.*$/'/" |
  cat - "$out/marks.txt" | sort | cut -c18-400
echo "(logs in $out)"
