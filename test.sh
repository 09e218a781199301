#!/usr/bin/env bash
# Installs what is missing, builds the game and its tests, and runs every test headless: once in an
# optimised build and once under AddressSanitizer and UndefinedBehaviorSanitizer, failing on any report.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh xvfb xauth openbox xdotool # the end-to-end test drives the real program
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== Release build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Sanitizer build"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=None -DTK_SANITIZE=ON -DCMAKE_CXX_FLAGS="-O1 -g1" >/dev/null
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=0:exitcode=23
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ctest --test-dir build-asan --output-on-failure -j"$jobs"
