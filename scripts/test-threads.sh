#!/usr/bin/env bash
# Builds the tests that drive an installation run, on its worker and through the main window,
# with ThreadSanitizer into build-tsan/ (or $KORVANE_TSAN_BUILD_DIR) and runs them under Xvfb. A
# race whose accesses lie in the program's own code fails its test. Qt, GLib, GStreamer and D-Bus
# are not built with ThreadSanitizer, and Qt's cross-thread calls wait on futexes it cannot see:
# their races are suppressed by library in tests/tsan.supp, and the program marks its own
# hand-offs through Qt's queue (platform/ThreadHandOff.h). Arguments go to ctest.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${KORVANE_TSAN_BUILD_DIR:-$source_dir/build-tsan}
tests=(tst_install_run tst_main_form tst_main_form_folder)

"$source_dir/scripts/setup-deps.sh"
# GCC's flow analysis, changed by the instrumentation, takes moved-from Qt values for
# uninitialised ones in Qt's own headers.
cmake -S "$source_dir" -B "$build_dir" -G Ninja -DKORVANE_BENCHMARKS=OFF -DKORVANE_WERROR=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=thread -fno-omit-frame-pointer -O1 -g -Wno-maybe-uninitialized" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread"
cmake --build "$build_dir" --target "${tests[@]}"

export TSAN_OPTIONS="suppressions=$source_dir/tests/tsan.supp:halt_on_error=1:second_deadlock_stack=1"
regex=$(IFS='|'; echo "^(${tests[*]})\$")
exec xvfb-run -a -s "-screen 0 1024x768x24" \
    ctest --test-dir "$build_dir" --output-on-failure -R "$regex" "$@"
