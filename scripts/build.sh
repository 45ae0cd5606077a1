#!/usr/bin/env bash
# Configures and builds the whole project into build/ (or $KORVANE_BUILD_DIR). Used by the other
# scripts; run scripts/setup-deps.sh first on a new machine.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${KORVANE_BUILD_DIR:-$source_dir/build}
cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE="${CMAKE_BUILD_TYPE:-RelWithDebInfo}"
cmake --build "$build_dir" "$@"
