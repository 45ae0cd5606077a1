#!/usr/bin/env bash
# A whole installation as a user makes one: the first type's list, "Check all", "Begin
# installation...", "Overwrite file" for the pack file the game already holds; then every file
# in the game's SCENARIO folder is byte for byte the pack's.
# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"
e2e_init install
e2e_make_world
e2e_add_intro 4
game="$E2E_PREFIX/drive_c/Program Files/Microsoft Games/Age of Empires/SCENARIO"
[ -f "$game/Salamis.scn" ] || e2e_fail "the demo game holds no Salamis.scn"
e2e_start
e2e_reach_main_window
[ "$E2E_ERROR_BOXES" -eq 0 ] || e2e_fail "an error box came up at start"
sleep 0.5
e2e_shot list

e2e_click 69 366 # Check all
sleep 0.5
e2e_shot ticked
e2e_click 123 409 # Begin installation...

prompt=$(e2e_wait_window "Duplicated scenario file warning" "480x154" 15) ||
    e2e_fail "no duplicate prompt for Salamis.scn"
sleep 0.5
e2e_shot prompt
# Overwrite file: 105 x 25 at 187,85 of the prompt.
xdotool mousemove --window "$prompt" 239 97 click 1
e2e_wait_gone "$prompt" 5 || e2e_fail "the prompt did not close"

deadline=$((SECONDS + 20))
until [ "$(find "$E2E_MEDIUM/HISTSCR" -type f | wc -l)" -eq "$(find "$game" -type f | wc -l)" ]; do
    [ $SECONDS -le $deadline ] || e2e_fail "the files were not all copied"
    sleep 0.2
done
sleep 0.5
e2e_shot finished
e2e_dismiss_error_boxes && e2e_fail "an error box came up during the installation"

for source in "$E2E_MEDIUM"/HISTSCR/*; do
    cmp -s "$source" "$game/$(basename "$source")" ||
        e2e_fail "$(basename "$source") differs from the pack's"
done
[ "$(find "$game" -name '.*' | wc -l)" -eq 0 ] || e2e_fail "a temporary file was left behind"

e2e_click 566 35 # Exit
e2e_wait_exit 5 || e2e_fail "the program did not end"
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit status $E2E_STATUS"
e2e_log "passed"
