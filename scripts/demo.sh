#!/usr/bin/env bash
# The demo: installs what is missing, builds, makes a pack's medium and a Wine prefix with the
# game installed under build/demo-world, and starts the installer from the medium.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${KORVANE_BUILD_DIR:-$source_dir/build}

"$source_dir/scripts/setup-deps.sh"
"$source_dir/scripts/build.sh" --target korvane-installer make_demo
"$build_dir/demo/make_demo" "$build_dir/demo-world"

cd "$build_dir/demo-world/medium"
export WINEPREFIX="$build_dir/demo-world/prefix"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: set DISPLAY (or run under xvfb-run) to see the installer." >&2
    exit 1
fi
exec "$build_dir/app/korvane-installer"
