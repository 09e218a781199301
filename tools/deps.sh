#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test; does nothing when all are there.
set -euo pipefail

packages=(cmake g++ make qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6multimedia6 gstreamer1.0-plugins-base
          gstreamer1.0-plugins-good fonts-dejavu-core libgl-dev locales vorbis-tools qt6-l10n-tools qt6-tools-dev
          "$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
