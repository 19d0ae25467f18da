#!/usr/bin/env bash
# Packs the built game with cpack -G DEB into a scratch folder and checks the package: it holds
# exactly what cmake --install installs (under /usr), its dependencies were found from the
# executable's libraries, and the executable is stripped.
# Usage: test-package.sh BUILD_FOLDER
set -uo pipefail
build="$(cd "$1" && pwd)"
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

mkdir -p "$scratch/unpacked"
dpkg-deb -x "$deb" "$scratch/unpacked"
file "$scratch/unpacked/usr/bin/brackenhollow" | grep -q ", stripped" || fail "the packed executable is not stripped"

[ "$failures" = 0 ] && echo "package checked: $(basename "$deb"), $(wc -l <<< "$packed") files"
exit $(( failures > 0 ))
