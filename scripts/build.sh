#!/usr/bin/env bash
# Configures and builds the project into build/ (or $KORVANE_BUILD_DIR); arguments go to
# `cmake --build` (e.g. --target korvane-installer). $CMAKE_BUILD_TYPE, when set, picks the build
# type; KORVANE_WERROR=ON makes warnings errors.
# Used by the other scripts; run scripts/setup-deps.sh first on a new machine.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${KORVANE_BUILD_DIR:-$source_dir/build}
configure=(-S "$source_dir" -B "$build_dir" -G Ninja)
if [ -n "${CMAKE_BUILD_TYPE:-}" ]; then
    configure+=(-DCMAKE_BUILD_TYPE="$CMAKE_BUILD_TYPE")
fi
if [ -n "${KORVANE_WERROR:-}" ]; then
    configure+=(-DKORVANE_WERROR="$KORVANE_WERROR")
fi
cmake "${configure[@]}"
cmake --build "$build_dir" "$@"
