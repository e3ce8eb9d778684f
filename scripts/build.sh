#!/usr/bin/env bash
# Configures and builds into build/ (Release with debug info). Extra arguments go to cmake.
# Developers and CI build with warnings as errors; a plain cmake build only reports them.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${BUILD_DIR:-build}"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
  -DKRATTLE_WERROR=ON "$@" >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)"
