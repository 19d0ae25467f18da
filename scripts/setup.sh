#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need, when any is missing.
set -euo pipefail

# qt6-speech-dev needs qt6-declarative-dev for a header it includes; the speechd plugin and
# speech-dispatcher give View → Read Aloud its voice; dbus and at-spi2-core carry the screen reader
# events the window tests count.
packages=(cmake g++ make pkgconf qt6-base-dev libsqlite3-dev libgif-dev libimagequant-dev libgtest-dev libbenchmark-dev sqlite3 fonts-dejavu-core
          desktop-file-utils appstream dpkg-dev file man-db lintian xvfb xauth
          qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin speech-dispatcher dbus at-spi2-core)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_prefix=()
  [ "$(id -u)" -eq 0 ] || sudo_prefix=(sudo)
  "${sudo_prefix[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_prefix[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
