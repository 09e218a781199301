#!/usr/bin/env bash
# Builds the game in Release in build-package/ and makes the Debian package; prints the .deb path.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh dpkg-dev file
build=build-package
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DTK_BUILD_TESTS=OFF -DTK_DEBIAN_GAMES_LAYOUT=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
# Stale packages from an earlier version would be mistaken for this one.
rm -f "$build"/tamvelkviz_*.deb
if ! log=$(cd "$build" && cpack -G DEB 2>&1); then
  echo "$log" >&2
  exit 1
fi
deb=$(ls "$build"/tamvelkviz_*.deb)
realpath "$deb"
