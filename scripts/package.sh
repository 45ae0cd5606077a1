#!/usr/bin/env bash
# Makes the Debian package: an optimised build of the program alone in build-package/ (or
# $KORVANE_BUILD_DIR), then a .deb from it with CPack. The build's output goes to standard error;
# the last line on standard output is the .deb's path.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${KORVANE_BUILD_DIR:-$source_dir/build-package}
cd "$source_dir" # dpkg-buildflags maps the current folder out of the debugging paths

"$source_dir/scripts/setup-deps.sh" >&2

# Debian's hardening (stack protector, fortified functions, read-only relocations, immediate
# binding), as Debian's own tools build a package; CMake reads no CPPFLAGS, so they join CXXFLAGS.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS

cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF >&2
cmake --build "$build_dir" >&2
log=$(cd "$build_dir" && cpack -G DEB)
echo "$log" >&2
deb=$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' <<<"$log")
[ -f "$deb" ] || { echo "CPack made no package" >&2; exit 1; }
echo "$deb"
