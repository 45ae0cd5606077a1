#!/usr/bin/env bash
# Two whole installations as a user makes them. First "Crazy scenarios", picked in the type
# selector, with a bulk of extra files so that the run lasts long enough for a screenshot of its
# progress: "Check all", "Begin installation...". Then back to "Historical scenarios", "Check
# all", "Begin installation..." and "Overwrite file" for the pack file the game already holds.
# Afterwards the game's SCENARIO folder holds both types' files, each byte for byte the pack's.
# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"
e2e_init install
e2e_make_world
e2e_add_intro 4
game="$E2E_PREFIX/drive_c/Program Files/Microsoft Games/Age of Empires/SCENARIO"
[ -f "$game/Salamis.scn" ] || e2e_fail "the demo game holds no Salamis.scn"
# 1,000 files of 200 KB, listed after the demo's own crazy scenarios, each with a description
# where the game keeps it (from byte 20 to a zero byte).
head -c $((1000 * 200 * 1024)) /dev/urandom |
    split -b 200K -d -a 3 --additional-suffix=.scn - "$E2E_MEDIUM/CRAZYSCR/Zebra Race "
perl -e 'for (@ARGV) {
    my ($heat) = /(\d+)\.scn$/;
    open(my $file, "+<:raw", $_) or die "$_: $!";
    seek($file, 20, 0);
    print $file "Zebra Race, heat $heat\r\n\r\nA bulk file of the test pack.\0";
}' "$E2E_MEDIUM"/CRAZYSCR/Zebra\ Race\ *.scn

# Files in the game folder, without the run's hidden temporary file.
copied() { find "$game" -maxdepth 1 -type f ! -name '.*' | wc -l; }
pack_files() { find "$E2E_MEDIUM/$1" -maxdepth 1 -type f | wc -l; }
wait_for_copies() { # count seconds what
    local deadline=$((SECONDS + $2))
    until [ "$(copied)" -ge "$1" ]; do
        [ $SECONDS -le $deadline ] || e2e_fail "$3: $(copied) of $1 files after $2 s"
        sleep 0.05
    done
}
# Opens the type selector with a click and moves through its list with the keyboard.
pick_type() { # keys...
    e2e_click 203 89 # the type selector
    sleep 0.5
    xdotool key "$@" Return
    sleep 0.5
}

e2e_start
e2e_reach_main_window
[ "$E2E_ERROR_BOXES" -eq 0 ] || e2e_fail "an error box came up at start"
sleep 0.5
e2e_shot list

pick_type Down # Crazy scenarios
e2e_shot crazy-list
e2e_click 69 366 # Check all
sleep 0.5
e2e_shot crazy-ticked
e2e_click 123 409 # Begin installation...
all_crazy=$(($(pack_files CRAZYSCR) + 1)) # and the Salamis.scn that was there
wait_for_copies 50 30 "the crazy scenarios' run did not start"
e2e_shot progress
if [ "$(copied)" -lt "$all_crazy" ]; then
    e2e_log "progress shown with $(copied) of $all_crazy files in place"
else
    e2e_log "the run ended before its progress could be shown"
fi
wait_for_copies "$all_crazy" 120 "the crazy scenarios were not all copied"
sleep 0.5
e2e_dismiss_error_boxes && e2e_fail "an error box came up during the first installation"
e2e_shot crazy-finished

pick_type Up # back to Historical scenarios
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

all=$((all_crazy - 1 + $(pack_files HISTSCR)))
wait_for_copies "$all" 20 "the historical scenarios were not all copied"
sleep 0.5
e2e_shot finished
e2e_dismiss_error_boxes && e2e_fail "an error box came up during the second installation"

[ "$(copied)" -eq "$all" ] || e2e_fail "$(copied) files in the game folder, not $all"
for source in "$E2E_MEDIUM"/HISTSCR/* "$E2E_MEDIUM"/CRAZYSCR/*; do
    cmp -s "$source" "$game/$(basename "$source")" ||
        e2e_fail "$(basename "$source") differs from the pack's"
done
[ "$(find "$game" -name '.*' | wc -l)" -eq 0 ] || e2e_fail "a temporary file was left behind"

e2e_click 566 35 # Exit
e2e_wait_exit 5 || e2e_fail "the program did not end"
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit status $E2E_STATUS"
e2e_log "passed"
