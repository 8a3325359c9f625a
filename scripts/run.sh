#!/usr/bin/env bash
# Installs what is missing, builds, and starts orba on the bundled example quiz.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=${ORBA_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBA_BUILD_TESTS=OFF -DORBA_BUILD_BENCH=OFF
cmake --build "$build" -j"$(nproc)"
quiz=${1:-examples/earth-science.txt}
case "$quiz" in /*) ;; *) quiz="$PWD/$quiz" ;; esac
exec "$build/bin/orba" "$quiz"
