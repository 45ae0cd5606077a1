#!/usr/bin/env bash
# Builds and runs the benchmarks (bench/) on an Xvfb X server; each prints its own figures.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
# An optimised build of its own, so that the figures are those of the program as shipped.
export KORVANE_BUILD_DIR=${KORVANE_BUILD_DIR:-$source_dir/build-release}
export CMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE:-Release}
build_dir=$KORVANE_BUILD_DIR

"$source_dir/scripts/setup-deps.sh"
"$source_dir/scripts/build.sh"

export KORVANE_SHARED=${KORVANE_SHARED:-$source_dir/../shared}
for bench in "$build_dir"/bench/bench_*; do
    [ -x "$bench" ] || continue
    echo "== $(basename "$bench")"
    xvfb-run -a -s "-screen 0 1024x768x24" "$bench"
done
