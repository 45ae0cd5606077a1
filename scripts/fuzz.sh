#!/usr/bin/env bash
# Fuzzes one target (registry, description, game_folder, host_name, collation, vdf, binary_vdf,
# heroic, yaml, mount_table, drive_label) or all of them, each for the given number of seconds,
# with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer in a clang build of its own
# (build-fuzz/). It
# starts from the committed seeds (fuzz/corpus/<target>), keeps what it finds in
# build-fuzz/corpus/<target> and writes each crashing input to build-fuzz/crashes/. Needs clang
# (Debian package clang).
#
#   scripts/fuzz.sh <target|all> <seconds>
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${KORVANE_FUZZ_BUILD_DIR:-$source_dir/build-fuzz}
targets=(registry description game_folder host_name collation vdf binary_vdf heroic yaml
    mount_table drive_label)
if [ $# -ne 2 ]; then
    echo "usage: $0 <target|all> <seconds>; targets: ${targets[*]}" >&2
    exit 2
fi
[ "$1" = all ] || targets=("$1")

"$source_dir/scripts/setup-deps.sh"
CXX=${CXX:-clang++} cmake -S "$source_dir" -B "$build_dir" -G Ninja -DKORVANE_FUZZ=ON \
    -DKORVANE_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build_dir" --target "${targets[@]/#/fuzz_}"

export LSAN_OPTIONS="suppressions=$source_dir/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
mkdir -p "$build_dir/crashes"
for target in "${targets[@]}"; do
    mkdir -p "$build_dir/corpus/$target"
    "$build_dir/fuzz/fuzz_$target" -max_total_time="$2" \
        -artifact_prefix="$build_dir/crashes/$target-" \
        "$build_dir/corpus/$target" "$source_dir/fuzz/corpus/$target"
done
