#!/usr/bin/env bash
# Makes the Debian package with scripts/package.sh and checks it as a distribution would: the
# desktop entry with desktop-file-validate (which says nothing of a good one), the metainfo and
# its launchable with appstreamcli, the whole package with lintian. Lists its control fields and
# contents into the log.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
for tool in dpkg-deb desktop-file-validate appstreamcli lintian; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed" >&2; exit 77; }
done

deb=$("$source_dir/scripts/package.sh" | tail -n 1)
dpkg-deb -I "$deb"
dpkg-deb -c "$deb"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

failed=0
complaints=$(desktop-file-validate "$root"/usr/share/applications/*.desktop 2>&1) || true
[ -z "$complaints" ] || { echo "desktop-file-validate: $complaints"; failed=1; }
appstreamcli validate-tree --no-net --pedantic "$root" || failed=1
lintian --fail-on error --display-info "$deb" || failed=1
# Only the program and its desktop files: no test, demo, benchmark or library.
stray=$(dpkg-deb -c "$deb" | awk '/^-/ {print $6}' |
    grep -Ev '^\./usr/(bin/korvane-installer|share/(applications|icons|metainfo|man|doc)/.*)$' || true)
[ -z "$stray" ] || { echo "files the program does not need: $stray"; failed=1; }
exit $failed
