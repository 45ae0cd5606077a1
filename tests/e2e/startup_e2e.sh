#!/usr/bin/env bash
# The program starts on the demo, finds the game folder by itself, and ends by its exit button.
# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"
e2e_init startup
e2e_make_world
e2e_add_intro 4
e2e_start
e2e_reach_main_window
[ "$E2E_ERROR_BOXES" -eq 0 ] || e2e_fail "an error box came up at start"
[ -f "$E2E_SHOTS/startup-intro.png" ] || e2e_fail "the intro did not play"
e2e_shot main-window

# The exit tool button of the top panel: 22 x 22 at 555,24.
e2e_click 566 35
e2e_wait_exit 5 || e2e_fail "the program did not end within 5 s of the exit button"
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit status $E2E_STATUS"
e2e_log "passed"
