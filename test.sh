#!/usr/bin/env bash
# Installs what is missing, builds the game and its tests, and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
