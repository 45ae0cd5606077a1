#!/usr/bin/env bash
# Every catalogue holds a finished translation of every text of today's sources: lupdate, run on
# copies of the catalogues, finds no new text and keeps none the sources have lost.
# check_catalogues.sh SOURCE_DIR LUPDATE
set -euo pipefail
source_dir=$1
lupdate=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source_dir"/translations/*.ts "$work"/
cd "$source_dir"
"$lupdate" -locations none app catalogue extras folders platform search ui -ts "$work"/*.ts >/dev/null 2>&1
failed=0
for catalogue in "$work"/*.ts; do
    left=$(grep -c -E 'type="(unfinished|vanished|obsolete)"' "$catalogue" || true)
    if [ "$left" -ne 0 ]; then
        echo "$(basename "$catalogue"): $left texts unfinished or no longer in the sources"
        failed=1
    fi
done
exit $failed
