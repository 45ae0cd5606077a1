#!/usr/bin/env bash
# The main window follows the desktop's scale, on a screen of its own large enough for 2x: Xft.dpi
# (as GNOME and KDE set it on X11) and QT_SCALE_FACTOR grow the whole window alike, the two
# together count once, and a window that would not fit is cut down to the screen. At 2x the
# window is the 1x window drawn with twice the pixels: halved, it matches the 1x screenshot, and
# the gauge's figures are smoothed.
# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"
screen_width=2560
screen_height=1600
if [ -z "${E2E_SCALE_SCREEN:-}" ]; then
    command -v xvfb-run >/dev/null || e2e_skip "xvfb-run is not installed"
    E2E_SCALE_SCREEN=1 exec xvfb-run -a -s "-screen 0 ${screen_width}x${screen_height}x24" \
        bash "$0"
fi
command -v xrdb >/dev/null || e2e_skip "xrdb is not installed"
e2e_init scale
e2e_make_world

# name, Xft.dpi, environment, the main window's size (the largest the screen holds when cut)
rows=(
    "1x 96 - 632x453"
    "1.5x 144 - 948x680"
    "2x 192 - 1264x906"
    "factor-2 96 QT_SCALE_FACTOR=2 1264x906"
    "factor-2-and-192-dpi 192 QT_SCALE_FACTOR=2 1264x906"
    "factor-2-and-font-dpi-192 96 QT_SCALE_FACTOR=2,QT_FONT_DPI=192 1264x906"
    "4x-cut 384 - 2528x${screen_height}"
)
for row in "${rows[@]}"; do
    read -r name dpi environment size <<<"$row"
    echo "Xft.dpi: $dpi" | xrdb -nocpp -load -
    E2E_MAIN_SIZE=$size
    unset QT_SCALE_FACTOR QT_FONT_DPI
    # shellcheck disable=SC2086 # the row's assignments, one word each
    [ "$environment" = - ] || export ${environment//,/ }
    e2e_start
    e2e_reach_main_window
    read -r x y < <(xwininfo -id "$E2E_MAIN" | sed -n 's/^ *Absolute upper-left [XY]: *//p' |
        paste -sd ' ')
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] || e2e_fail "$name: the window starts off the screen at $x,$y"
    import -window "$E2E_MAIN" "$E2E_WORLD/$name.png"
    cp "$E2E_WORLD/$name.png" "$E2E_SHOTS/scale-$name.png"
    kill "$E2E_PID"
    e2e_wait_exit 5 || e2e_fail "$name: the program did not end"
    e2e_log "$name: $size at $x,$y"
done

# Text at 192 dpi in a layout scaled by 2 would show here, as would pictures or lines out of place.
convert "$E2E_WORLD/2x.png" -filter box -resize 50% "$E2E_WORLD/2x-halved.png"
difference=$(compare -metric RMSE "$E2E_WORLD/1x.png" "$E2E_WORLD/2x-halved.png" null: 2>&1 || true)
difference=$(sed 's/.*(\(.*\))/\1/' <<<"$difference")
e2e_log "2x halved against 1x: RMSE $difference"
awk -v d="$difference" 'BEGIN { exit !(d < 0.08) }' ||
    e2e_fail "the 2x window halved differs from the 1x one by $difference"
# The gauge's "0%" (centred at 458,409 at 1x): drawn in black on white alone at 1x, where
# smoothing would blur figures so small; smoothed at 2x, where jagged edges would show as steps.
colours() { convert "$E2E_WORLD/$1.png" -crop "$2" -format %k info:; }
[ "$(colours 1x 30x16+443+401)" -eq 2 ] || e2e_fail "the gauge's figures are smoothed at 1x"
[ "$(colours 2x 60x32+886+802)" -gt 2 ] || e2e_fail "the gauge's figures are jagged at 2x"
e2e_log "passed"
