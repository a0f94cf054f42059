#!/usr/bin/env bash
# Installs what the build and the tests need, builds in build/ and runs the
# whole suite with CTest. BUILD_DIR, JOBS and CMAKE_ARGS override the defaults.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"
jobs="${JOBS:-$(nproc)}"
./scripts/install-deps.sh build test
if [ ! -f "$build/CMakeCache.txt" ]; then
  # CMAKE_ARGS is a list of options, split on spaces on purpose.
  # shellcheck disable=SC2086
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${CMAKE_ARGS:-}
fi
cmake --build "$build" -j "$jobs"
ctest --test-dir "$build" --output-on-failure -j "$jobs"
