#!/usr/bin/env bash
# Installs the built game into a scratch prefix and checks it as a user would meet it: the exact file
# list, both validators, the command line without a display, and the installed game finding its
# pictures away from the build folder (and saying where it looked when they are missing).
# Usage: test-install.sh BUILD_FOLDER SOURCE_FOLDER ICON_SIZES (separated by ';')
set -uo pipefail
build="$(cd "$1" && pwd)"
source="$(cd "$2" && pwd)"
IFS=';' read -r -a iconSizes <<< "$3"
[ "${#iconSizes[@]}" -gt 0 ] || { echo "FAIL: no icon sizes given"; exit 1; }
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/usr"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Everything a desktop program runs with and no display in reach.
headless() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$scratch/home" \
  XDG_DATA_HOME="$scratch/home/data" XDG_DATA_DIRS="$scratch/no-data" XDG_RUNTIME_DIR="$scratch" "$@"; }

cmake --install "$build" --prefix "$prefix" > /dev/null || { echo "FAIL: cmake --install"; exit 1; }
cmake --install "$build" --prefix "$prefix" --component replay > /dev/null || fail "installing the replay driver"
cd "$scratch" || exit 1

# --- The file list: exactly these, besides the pictures.
pictures="share/brackenhollow/pictures"
metainfo="$prefix/share/metainfo/org.brackenhollow.brackenhollow.metainfo.xml"
expected="bin/brackenhollow
bin/brackenhollow-replay
share/applications/brackenhollow.desktop
share/man/man6/brackenhollow.6.gz
${metainfo#"$prefix/"}"
for size in "${iconSizes[@]}"; do
  expected+=$'\n'"share/icons/hicolor/${size}x${size}/apps/brackenhollow.png"
done
actual="$(cd "$prefix" && find . -type f ! -path "./$pictures/*" | sed 's|^\./||' | LC_ALL=C sort)"
expected="$(echo "$expected" | LC_ALL=C sort)"
[ "$actual" = "$expected" ] || fail "installed files differ from the list:"$'\n'"$(diff <(echo "$expected") <(echo "$actual"))"
builtPictures="$(cd "$build/bin" && find . -maxdepth 1 \( -name '*.gif' -o -name '*.hotspots.json' \) | LC_ALL=C sort)"
installedPictures="$(cd "$prefix/$pictures" 2>/dev/null && find . -type f | LC_ALL=C sort)"
[ -n "$builtPictures" ] || fail "the build folder holds no pictures"
[ "$builtPictures" = "$installedPictures" ] || fail "installed pictures differ from the built ones"
folders="$(cd "$prefix/$pictures" 2>/dev/null && find . -mindepth 1 -type d)"
[ -z "$folders" ] || fail "the picture folder holds folders: $folders"
for size in "${iconSizes[@]}"; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/brackenhollow.png"
  [ -f "$icon" ] || continue
  read -r -a header <<< "$(od -An -tu1 -j16 -N8 "$icon")"
  width=$(( (header[0] << 24) + (header[1] << 16) + (header[2] << 8) + header[3] ))
  height=$(( (header[4] << 24) + (header[5] << 16) + (header[6] << 8) + header[7] ))
  [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "icon for ${size}x${size} is ${width}x${height}"
done

# --- Validators on the installed files, and the screenshots the metadata names exist in docs/.
desktop-file-validate "$prefix/share/applications/brackenhollow.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --pedantic "$metainfo" > validate.log 2>&1 \
  || fail "appstreamcli validate: $(cat validate.log)"
# The tree check also matches the metadata with the desktop entry and the icons.
appstreamcli validate-tree --no-net --pedantic "$prefix/.." > validate.log 2>&1 || fail "appstreamcli validate-tree: $(cat validate.log)"
for shot in $(grep -o '[^/]*\.png</image>' "$metainfo" | sed 's|</image>||'); do
  [ -f "$source/docs/$shot" ] || fail "metadata names screenshot $shot, which docs/ lacks"
done
grep -q "version=\"$(headless "$prefix/bin/brackenhollow" --version | awk '{print $2}')\"" \
  "$metainfo" || fail "metadata's release is not the program's version"
man_warnings="$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man6/brackenhollow.6.gz" 2>&1 > /dev/null)"
[ -z "$man_warnings" ] || fail "manual page warnings: $man_warnings"

# --- The command line answers without a display and without a window.
help="$(headless "$prefix/bin/brackenhollow" --help 2>&1)" || fail "--help failed: $help"
for option in --help --version --store --paths; do
  grep -q -- "$option" <<< "$help" || fail "--help does not list $option"
done
headless "$prefix/bin/brackenhollow" --help-all > /dev/null 2>&1 || fail "--help-all did not answer without a display"
version="$(headless "$prefix/bin/brackenhollow" --version 2>&1)" || fail "--version failed: $version"
grep -qx "brackenhollow [0-9][0-9.]*" <<< "$version" || fail "--version printed: $version"
mistake="$(headless "$prefix/bin/brackenhollow" --store 2>&1)" && fail "--store without a file was accepted"
grep -q -- "--store" <<< "$mistake" || fail "--store without a file, without a display, printed: $mistake"
# Options the window system reads pass through to it; unknown ones are reported once it is reached.
headless "$prefix/bin/brackenhollow" -platform offscreen --paths > /dev/null || fail "-platform was not passed on"
mistake="$(headless env QT_QPA_PLATFORM=offscreen "$prefix/bin/brackenhollow" --no-such-option 2>&1)" \
  && fail "an unknown option was accepted"
grep -q "no-such-option" <<< "$mistake" || fail "an unknown option was reported as: $mistake"
mistake="$(headless "$prefix/bin/brackenhollow" --no-such-option 2>&1)"
[ $? -eq 1 ] || fail "an unknown option without a display did not end with status 1: $mistake"
grep -q "no-such-option" <<< "$mistake" || fail "an unknown option without a display was reported as: $mistake"

# --- The installed game finds its pictures from its own folder, away from the build folder.
paths="$(headless "$prefix/bin/brackenhollow" --paths)" || fail "--paths found no pictures: $paths"
grep -qx "pictures: $prefix/$pictures/" <<< "$paths" || fail "--paths printed: $paths"
play='start
show
press Exit'
transcript="$(headless env QT_QPA_PLATFORM=offscreen "$prefix/bin/brackenhollow-replay" --store "$scratch/game.sqlite" <<< "$play")"
grep -qx "picture-file found" <<< "$transcript" || fail "installed game shows no picture: $transcript"
grep -q "^box " <<< "$transcript" && fail "installed game told the player: $transcript"

# --- A lone copy of the executable finds the pictures only through the data folders, and otherwise
# says once where it looked.
mkdir -p lone
cp "$prefix/bin/brackenhollow" "$prefix/bin/brackenhollow-replay" lone/
lonely="$(headless lone/brackenhollow --paths)" && fail "a lone copy claims pictures: $lonely"
for folder in "$scratch/lone/" "$scratch/$pictures/" "$scratch/home/data/brackenhollow/pictures/" \
              "$scratch/no-data/brackenhollow/pictures/"; do
  grep -qx "$folder" <<< "$lonely" || fail "a lone copy does not name $folder among: $lonely"
done
transcript="$(headless env QT_QPA_PLATFORM=offscreen lone/brackenhollow-replay --store "$scratch/game.sqlite" <<< "$play")"
[ "$(grep -c "^box The game's pictures were not found" <<< "$transcript")" = 1 ] \
  || fail "a lone copy did not say once that the pictures are missing: $transcript"
grep -qx "picture-file missing" <<< "$transcript" || fail "a lone copy claims a picture: $transcript"
through_data="$(headless env XDG_DATA_DIRS="$prefix/share" lone/brackenhollow --paths)" \
  || fail "a lone copy does not look in the data folders: $through_data"
grep -qx "pictures: $prefix/$pictures/" <<< "$through_data" || fail "--paths printed: $through_data"

[ "$failures" = 0 ] && echo "installed game checked: $(wc -l <<< "$installedPictures") pictures"
exit $(( failures > 0 ))
