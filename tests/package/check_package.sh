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
# Only the program, its catalogues and its desktop files: no test, demo, benchmark or library.
stray=$(dpkg-deb -c "$deb" | awk '/^-/ {print $6}' |
    grep -Ev '^\./usr/(bin/korvane-installer|share/(applications|icons|metainfo|man|doc|korvane-installer/translations)/.*)$' || true)
[ -z "$stray" ] || { echo "files the program does not need: $stray"; failed=1; }
# A catalogue for each language of the sources, and the desktop entry in each of them.
for catalogue in "$source_dir"/translations/*.ts; do
    language=$(basename "$catalogue" .ts)
    language=${language#korvane-installer_}
    [ -s "$root/usr/share/korvane-installer/translations/korvane-installer_$language.qm" ] ||
        { echo "no catalogue for $language"; failed=1; }
    grep -q "^Comment\[$language\]=" "$root"/usr/share/applications/korvane-installer.desktop ||
        { echo "the desktop entry has no comment in $language"; failed=1; }
done
exit $failed
