#!/usr/bin/env bash
# Installs what the build needs, builds the application in build/ and starts
# it; arguments go to the application. BUILD_DIR, JOBS and CMAKE_ARGS
# override the defaults.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"
jobs="${JOBS:-$(nproc)}"
./scripts/install-deps.sh build
if [ ! -f "$build/CMakeCache.txt" ]; then
  # CMAKE_ARGS is a list of options, split on spaces on purpose.
  # shellcheck disable=SC2086
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${CMAKE_ARGS:-}
fi
cmake --build "$build" --target wandrel -j "$jobs"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
  echo "note: no display; try xvfb-run -a $build/src/app/wandrel" >&2
fi
exec "$build/src/app/wandrel" "$@"
