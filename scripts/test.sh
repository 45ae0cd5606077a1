#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test in one ctest run under Xvfb: the unit and
# window tests set Qt's offscreen platform for themselves, the end-to-end tests (label e2e) drive
# the real program on the X server, which has no window manager.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${KORVANE_BUILD_DIR:-$source_dir/build}

"$source_dir/scripts/setup-deps.sh"
# A warning fails the build here, as in CI.
KORVANE_WERROR=ON "$source_dir/scripts/build.sh"

exec xvfb-run -a -s "-screen 0 1024x768x24" \
    ctest --test-dir "$build_dir" --output-on-failure "$@"
