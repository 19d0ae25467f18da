#!/usr/bin/env bash
# Packs the built game with cpack -G DEB into a scratch folder and checks the package: it holds
# exactly what cmake --install installs (under /usr, the game in /usr/games), its dependencies were
# found from the executable's libraries, the executable is stripped, the changelog names this
# release, and lintian reports no error.
# Usage: test-package.sh BUILD_FOLDER CHANGELOG VERSION RELEASE_DATE (YYYY-MM-DD)
set -uo pipefail
build="$(cd "$1" && pwd)"
changelog="$2"
version="$3"
releaseDate="$4"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cpack -G DEB -B "$scratch/package" --config "$build/CPackConfig.cmake" > "$scratch/cpack.log" 2>&1 \
  || { echo "FAIL: cpack: $(cat "$scratch/cpack.log")"; exit 1; }
debs=("$scratch"/package/brackenhollow_*.deb)
[ "${#debs[@]}" = 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single brackenhollow_*.deb: ${debs[*]}"; exit 1; }
deb="${debs[0]}"

cmake --install "$build" --prefix "$scratch/usr" > /dev/null || fail "cmake --install"
installed="$(cd "$scratch" && find usr -type f | LC_ALL=C sort)"
packed="$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | LC_ALL=C sort)"
[ "$installed" = "$packed" ] || fail "package and install differ:"$'\n'"$(diff <(echo "$installed") <(echo "$packed"))"

depends="$(dpkg-deb -f "$deb" Depends)"
for library in libqt6widgets6 libqt6gui6 libqt6core6 libqt6texttospeech6 libsqlite3-0 libc6; do
  grep -q "\b$library\b" <<< "$depends" || fail "Depends lacks $library: $depends"
done
grep -q "qt6-speech-speechd-plugin" <<< "$(dpkg-deb -f "$deb" Recommends)" || fail "Recommends lacks the speech plugin"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section is not games"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"

mkdir -p "$scratch/unpacked"
dpkg-deb -x "$deb" "$scratch/unpacked"
file "$scratch/unpacked/usr/games/brackenhollow" | grep -q ", stripped" || fail "the packed executable is not stripped"
# Unpacked anywhere, the game in games/ finds the pictures the package put under share/.
paths="$(env -u DISPLAY -u WAYLAND_DISPLAY HOME="$scratch" XDG_DATA_HOME="$scratch/data" XDG_DATA_DIRS="$scratch/none" \
         "$scratch/unpacked/usr/games/brackenhollow" --paths 2>&1)" || fail "the packed game finds no pictures: $paths"
grep -qx "pictures: $scratch/unpacked/usr/share/brackenhollow/pictures/" <<< "$paths" \
  || fail "the packed game takes its pictures from elsewhere: $paths"

# The changelog's newest entry is this release, on its day; the packed one is the same text.
[ "$(dpkg-parsechangelog -l "$changelog" -S Version)" = "$version" ] || fail "the changelog's newest entry is not $version"
entryDate="$(date -u -d "$(dpkg-parsechangelog -l "$changelog" -S Date)" +%F)" || fail "the changelog's date is unreadable"
[ "$entryDate" = "$releaseDate" ] || fail "the changelog's newest entry is dated $entryDate, the release $releaseDate"
zcmp "$scratch/unpacked/usr/share/doc/brackenhollow/changelog.gz" "$changelog" > /dev/null 2>&1 \
  || fail "the packed changelog differs from $changelog"

# Lintian's errors fail the test, and so do its warnings: an accepted one is overridden with a reason
# in the package itself. Run as root, lintian only warns about that.
allowRoot=()
[ "$(id -u)" -ne 0 ] || allowRoot=(--allow-root)
lintian "${allowRoot[@]}" --fail-on error,warning --no-tag-display-limit "$deb" > "$scratch/lintian.log" 2>&1 \
  || fail "lintian:"$'\n'"$(cat "$scratch/lintian.log")"

[ "$failures" = 0 ] && echo "package checked: $(basename "$deb"), $(wc -l <<< "$packed") files"
exit $(( failures > 0 ))
