#!/usr/bin/env bash
# The layers hold: no file under platform/ or search/ includes a Qt GUI or widget header, the fuzz
# replays load no Qt GUI or widget library, and platform links Qt Core alone.
# Usage: check_layers.sh <source dir> <platform's link libraries, one a line> <fuzz build dir>
#        <Qt's GUI and widget header folders>...
set -uo pipefail
source_dir=$1 platform_links=$2 fuzz_dir=$3
shift 3
[ $# -gt 0 ] || { echo "no Qt GUI header folder given"; exit 1; }
failed=0

gui_headers=$(find "$@" -maxdepth 1 -type f -printf '%f\n' | sort -u)
included=$(grep -rhoE '^\s*#\s*include\s*[<"][^>"]+' "$source_dir/platform" "$source_dir/search" |
    sed -E 's/.*[<"]//; s#.*/##' | sort -u)
if offending=$(comm -12 <(echo "$gui_headers") <(echo "$included") | grep .); then
    echo "GUI headers included under platform/ or search/:" $offending
    failed=1
fi

replays=0
for replay in "$fuzz_dir"/replay_*; do
    [ -f "$replay" ] || continue
    replays=$((replays + 1))
    if ldd "$replay" | grep -E 'libQt6(Gui|Widgets)'; then
        echo "$replay loads a Qt GUI library"
        failed=1
    fi
done
[ "$replays" -gt 0 ] || { echo "no fuzz replay in $fuzz_dir"; failed=1; }

if grep -vx 'Qt6::Core' "$platform_links"; then
    echo "platform links more than Qt Core (above)"
    failed=1
fi
exit $failed
