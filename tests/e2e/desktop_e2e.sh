#!/usr/bin/env bash
# Started as from a desktop menu: in $HOME, without WINEPREFIX, offered another medium that holds
# Windows software but no pack. The game lies in a Lutris-style prefix under ~/Games and the pack
# on a medium mounted under /media/<user>; the program finds both by itself, and "Check all", "Begin installation..." and "Overwrite file" put the pack's
# historical scenarios into the game, byte for byte.
# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"
# The medium is a tmpfs, mounted in a mount namespace of the test's own.
e2e_own_mounts
e2e_init desktop
e2e_make_world
e2e_add_intro 2
[ -d /media ] && mount -t tmpfs tmpfs /media || e2e_skip "no tmpfs can be mounted on /media"
medium=/media/$(id -un)/KORVANE
mkdir -p "$medium" && mount -t tmpfs tmpfs "$medium" && cp -R "$E2E_MEDIUM"/. "$medium" ||
    e2e_fail "the medium could not be made"
other=/media/$(id -un)/DRIVERS
mkdir -p "$other" && touch "$other/setup.exe" || e2e_fail "the other medium could not be made"
home=$E2E_WORLD/home
mkdir -p "$home/Games"
mv "$E2E_PREFIX" "$home/Games/age-of-empires"
game="$home/Games/age-of-empires/drive_c/Program Files/Microsoft Games/Age of Empires/SCENARIO"

e2e_start_from_home "$home" "$other/setup.exe"
e2e_reach_main_window
[ "$E2E_ERROR_BOXES" -eq 0 ] || e2e_fail "an error box came up at start"
[ -f "$E2E_SHOTS/desktop-intro.png" ] || e2e_fail "the intro on the medium did not play"
sleep 0.5
e2e_shot main-window

e2e_click 69 366 # Check all
sleep 0.5
e2e_click 123 409 # Begin installation...
prompt=$(e2e_wait_window "Duplicated scenario file warning" "480x154" 15) ||
    e2e_fail "no duplicate prompt for the file the game holds already"
# The main window's dialog, which the desktop places over it (on Wayland too: set_parent).
xprop -id "$prompt" WM_TRANSIENT_FOR | grep -q "$(printf '0x%x' "$E2E_MAIN")\$" ||
    e2e_fail "the prompt is not the main window's dialog: $(xprop -id "$prompt" WM_TRANSIENT_FOR)"
xdotool mousemove --window "$prompt" 239 97 click 1 # Overwrite file
e2e_wait_gone "$prompt" 5 || e2e_fail "the prompt did not close"
deadline=$((SECONDS + 20))
for source in "$medium"/HISTSCR/*; do
    until cmp -s "$source" "$game/$(basename "$source")"; do
        [ $SECONDS -le $deadline ] || e2e_fail "$(basename "$source") did not arrive whole"
        sleep 0.1
    done
done
sleep 0.5
e2e_shot finished
e2e_dismiss_error_boxes && e2e_fail "an error box came up during the installation"

e2e_click 566 35 # Exit
e2e_wait_exit 5 || e2e_fail "the program did not end"
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit status $E2E_STATUS"
e2e_log "passed"
