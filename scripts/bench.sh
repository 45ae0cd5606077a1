#!/usr/bin/env bash
# Builds and runs the benchmarks (bench/) on an Xvfb X server; each prints its own figures. The
# installation and "Check all" run twice: as they are, and with the accessibility bus on and a
# listener on it, as a screen reader's user has them. Arguments go to every benchmark (a number
# of rounds).
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
# An optimised build of its own, so that the figures are those of the program as shipped.
export KORVANE_BUILD_DIR=${KORVANE_BUILD_DIR:-$source_dir/build-release}
export CMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE:-Release}
build_dir=$KORVANE_BUILD_DIR
benchmarks=(bench_install bench_startup bench_tree)

"$source_dir/scripts/setup-deps.sh"
"$source_dir/scripts/build.sh" --target "${benchmarks[@]}" bench_screen_reader

export KORVANE_SHARED=${KORVANE_SHARED:-$source_dir/../shared}
on_screen=(xvfb-run -a -s "-screen 0 1024x768x24")
for bench in "${benchmarks[@]}"; do
    echo "== $bench"
    "${on_screen[@]}" "$build_dir/bench/$bench" "$@"
done
echo "== bench_install, with the accessibility bus"
dbus-run-session -- "$build_dir/bench/bench_screen_reader" \
    "${on_screen[@]}" "$build_dir/bench/bench_install" "$@"
