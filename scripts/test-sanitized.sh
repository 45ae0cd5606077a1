#!/usr/bin/env bash
# Builds the program's libraries and tests with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-asan/ (or $KORVANE_ASAN_BUILD_DIR) and runs every test but the end-to-end ones and
# the package's (which makes an optimised build of its own) under Xvfb. Any finding fails its
# test: a memory error, undefined behaviour, or a leak of our own; leaks inside the system's
# libraries (PulseAudio, GLib, fontconfig...) are suppressed by tests/lsan.supp. Arguments go to
# ctest.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${KORVANE_ASAN_BUILD_DIR:-$source_dir/build-asan}
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined"

"$source_dir/scripts/setup-deps.sh"
cmake -S "$source_dir" -B "$build_dir" -G Ninja -DKORVANE_BENCHMARKS=OFF -DKORVANE_WERROR=ON \
    -DCMAKE_CXX_FLAGS="$sanitizers -fno-omit-frame-pointer -O1 -g" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitizers"
cmake --build "$build_dir"

# Whole stacks for every allocation, so that a leak is told by who made it (the system libraries
# have no frame pointers to walk), not suppressed for passing through an allocator.
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:fast_unwind_on_malloc=0
export LSAN_OPTIONS="suppressions=$source_dir/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
exec xvfb-run -a -s "-screen 0 1024x768x24" \
    ctest --test-dir "$build_dir" --output-on-failure -LE "e2e|package" "$@"
