#!/usr/bin/env bash
# The intro plays at start-up in the middle of a black screen and a key press ends it; then the
# about button opens a box of its own each time, and Enter and Escape close it.
# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"
e2e_init intro-about
command -v convert >/dev/null || e2e_skip "ImageMagick's convert is not installed"

# The red, green and blue of one pixel of a screenshot, as "r g b" from 0 to 255.
pixel() { # file x y
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:
}

is_black() { # file x y
    local r g b
    read -r r g b < <(pixel "$@")
    [ $((r + g + b)) -le 24 ]
}

e2e_make_world
e2e_add_intro 6
e2e_start

intro=$(e2e_wait_window "$E2E_INTRO_TITLE" "" 10) || e2e_fail "no intro at start-up"
read -r screen_width screen_height < <(xdotool getdisplaygeometry)
[ "$(e2e_geometry "$intro")" = "${screen_width}x${screen_height}" ] ||
    e2e_fail "the intro does not cover the screen: $(e2e_geometry "$intro")"
sleep 1.5
e2e_shot intro-playing
shot=$E2E_SHOTS/$E2E_NAME-intro-playing.png

# The video area, 480 x 360 in the middle, shows the picture; all around it is black.
left=$(((screen_width - 480) / 2))
top=$(((screen_height - 360) / 2))
right=$((left + 479))
bottom=$((top + 359))
middle_x=$((screen_width / 2))
middle_y=$((screen_height / 2))
for point in "0 0" "$((screen_width - 1)) $((screen_height - 1))" "$((left - 3)) $middle_y" \
    "$((right + 3)) $middle_y" "$middle_x $((top - 3))" "$middle_x $((bottom + 3))"; do
    # shellcheck disable=SC2086 # the point is two words on purpose
    is_black "$shot" $point || e2e_fail "not black outside the video at $point"
done
for point in "$((left + 4)) $middle_y" "$((right - 4)) $middle_y" "$middle_x $((top + 4))" \
    "$middle_x $((bottom - 4))"; do
    # shellcheck disable=SC2086
    is_black "$shot" $point && e2e_fail "no picture inside the video area at $point"
done

xdotool windowfocus --sync "$intro" key space 2>/dev/null || xdotool windowfocus "$intro" key space
e2e_wait_gone "$intro" 5 || e2e_fail "the intro did not close on a key press"
e2e_wait_main_window 10
if e2e_dismiss_error_boxes; then
    e2e_fail "an error box came up at start"
fi

# The about tool button of the top panel: 22 x 22 at 523,24. Each click opens a new box.
for closing_key in Return Escape; do
    e2e_click 534 35
    about=$(e2e_wait_window "About program" "" 5) || e2e_fail "no about box"
    sleep 0.3
    e2e_shot "about-$closing_key"
    xdotool windowfocus --sync "$about" key "$closing_key" 2>/dev/null ||
        xdotool windowfocus "$about" key "$closing_key"
    e2e_wait_gone "$about" 5 || e2e_fail "the about box did not close on $closing_key"
done

e2e_click 566 35
e2e_wait_exit 5 || e2e_fail "the program did not end within 5 s of the exit button"
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit status $E2E_STATUS"
e2e_log "passed"
