#!/usr/bin/env bash
# Builds and runs the benchmarks (bench/) on an Xvfb X server; each prints its own figures. The
# installation and "Check all" run as they are and with the accessibility bus on and a listener
# on it, as a screen reader's user has them, each with the files on the disk and in memory.
# Arguments go to every benchmark (a number of rounds).
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
# An optimised build of its own, so that the figures are those of the program as shipped.
export KORVANE_BUILD_DIR=${KORVANE_BUILD_DIR:-$source_dir/build-release}
export CMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE:-Release}
build_dir=$KORVANE_BUILD_DIR

"$source_dir/scripts/setup-deps.sh"
"$source_dir/scripts/build.sh" --target bench_install bench_startup bench_tree bench_screen_reader

export KORVANE_SHARED=${KORVANE_SHARED:-$source_dir/../shared}
on_screen=(xvfb-run -a -s "-screen 0 1024x768x24")
with_bus=(dbus-run-session -- "$build_dir/bench/bench_screen_reader")
# The installation once with its files on the disk (the temporary folder), where the disk's own
# costs weigh in, and once in memory, where only the program's own do.
in_memory=()
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    in_memory=(env TMPDIR=/dev/shm)
fi
echo "== bench_install, files in ${TMPDIR:-/tmp}"
"${on_screen[@]}" "$build_dir/bench/bench_install" "$@"
if [ ${#in_memory[@]} -gt 0 ]; then
    echo "== bench_install, files in memory (/dev/shm)"
    "${in_memory[@]}" "${on_screen[@]}" "$build_dir/bench/bench_install" "$@"
fi
for bench in bench_startup bench_tree; do
    echo "== $bench"
    "${on_screen[@]}" "$build_dir/bench/$bench" "$@"
done
echo "== bench_install with the accessibility bus, files in ${TMPDIR:-/tmp}"
"${with_bus[@]}" "${on_screen[@]}" "$build_dir/bench/bench_install" "$@"
if [ ${#in_memory[@]} -gt 0 ]; then
    echo "== bench_install with the accessibility bus, files in memory (/dev/shm)"
    "${in_memory[@]}" "${with_bus[@]}" "${on_screen[@]}" "$build_dir/bench/bench_install" "$@"
fi
