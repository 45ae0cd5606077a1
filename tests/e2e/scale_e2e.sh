#!/usr/bin/env bash
# On a 2560 x 1600 screen of its own, the main window follows Xft.dpi and QT_SCALE_FACTOR (the two
# together count once), is cut down to the screen when too large, and at 2x is the 1x window
# with twice the pixels (text at 192 dpi in it differs by 0.24 halved), its gauge's text smoothed.
# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"
[ -n "${E2E_SCALE_SCREEN:-}" ] || E2E_SCALE_SCREEN=1 exec xvfb-run -a -s "-screen 0 2560x1600x24" bash "$0"
e2e_init scale
e2e_make_world
for row in "1x 96 - 632x453" "1.5x 144 - 948x680" "2x 192 - 1264x906" "4x 384 - 2528x1600" \
    "factor 96 QT_SCALE_FACTOR=2 1264x906" "both 192 QT_SCALE_FACTOR=2,QT_FONT_DPI=192 1264x906"; do
    read -r name dpi environment E2E_MAIN_SIZE <<<"$row"
    echo "Xft.dpi: $dpi" | xrdb -nocpp -load -
    unset QT_SCALE_FACTOR QT_FONT_DPI
    # shellcheck disable=SC2086 # the row's assignments, a word each
    [ "$environment" = - ] || export ${environment//,/ }
    e2e_start
    e2e_reach_main_window # of the row's size, else it fails
    xwininfo -id "$E2E_MAIN" | grep -q 'upper-left .: *-' && e2e_fail "$name: off the screen"
    import -window "$E2E_MAIN" "$E2E_SHOTS/scale-$name.png"
    kill "$E2E_PID" && e2e_wait_exit 5
done
convert "$E2E_SHOTS/scale-2x.png" -filter box -resize 50% "$E2E_WORLD/halved.png"
difference=$(compare -metric RMSE "$E2E_SHOTS/scale-1x.png" "$E2E_WORLD/halved.png" null: 2>&1 || :)
awk -v d="${difference#*(}" 'BEGIN { exit !(d + 0 < 0.08) }' || e2e_fail "2x halved is off by $difference"
colours() { convert "$E2E_SHOTS/scale-$1.png" -crop "$2" -format %k info:; }
[ "$(colours 1x 30x16+443+401)" -eq 2 ] || e2e_fail "the gauge's 0% is smoothed at 1x"
[ "$(colours 2x 60x32+886+802)" -gt 2 ] || e2e_fail "the gauge's 0% is jagged at 2x"
e2e_log "passed"
