#!/usr/bin/env bash
# Without the game's registry entry the folder dialog opens by itself after start-up; Cancel
# leaves the user in the main window (the dialog does not come straight back); the select button
# opens it again; the user opens drive C:, picks a folder, makes a new folder inside it through
# the new-folder prompt and confirms; the dialog then stays closed.
# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"
e2e_init folders
command -v xprop >/dev/null || e2e_skip "xprop is not installed"

DIALOG_TITLE="Select Age of Empires.* folder\.\."
DIALOG_SIZE="369x276"
PROMPT_TITLE="Create new folder"
NEW_FOLDER="Korvane Maps"

# The title the window shows, exactly as its _NET_WM_NAME property holds it (UTF-8).
window_title() {
    LC_ALL=C.UTF-8 xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'
}

expect_title() { # window title what
    local shown
    shown=$(window_title "$1")
    [ "$shown" = "$2" ] || e2e_fail "the $3 is titled \"$shown\", not \"$2\""
}

e2e_make_world --no-game-entry
e2e_start
# Past the error box of the missing intro video, to the main window.
e2e_reach_main_window

dialog=$(e2e_wait_window "$DIALOG_TITLE" "$DIALOG_SIZE" 10) ||
    e2e_fail "the folder dialog did not open by itself after start-up"
sleep 0.5
e2e_shot dialog-at-start
# Each window keeps its own title, with nothing appended.
expect_title "$dialog" "Select Age of Empires™ folder.." "folder dialog"
expect_title "$E2E_MAIN" "Korvane Installer" "main window"

# Cancel: the main window comes back and the dialog stays closed.
xdotool windowfocus --sync "$dialog" key Escape 2>/dev/null || xdotool windowfocus "$dialog" key Escape
e2e_wait_gone "$dialog" 5 || e2e_fail "Escape did not close the folder dialog"
sleep 2
[ -z "$(e2e_windows "^$DIALOG_TITLE\$")" ] || e2e_fail "the folder dialog came straight back after Cancel"
e2e_shot main-after-cancel

# The select button (22 x 22 at 456,24 of the main window) opens it again.
e2e_click 467 35
dialog=$(e2e_wait_window "$DIALOG_TITLE" "$DIALOG_SIZE" 10) ||
    e2e_fail "the select button did not open the folder dialog"
sleep 0.5

# The tree has the focus and nothing selected: Home is the Desktop, then My Computer, then the
# first drive, C:. Right opens it; Down selects its first folder.
xdotool windowfocus --sync "$dialog" 2>/dev/null || xdotool windowfocus "$dialog"
xdotool key Home Down Down
sleep 0.3
xdotool key Right
sleep 0.5
e2e_shot dialog-drive-opened
xdotool key Down
sleep 0.3

# New folder: Alt+N; type the name in the prompt and confirm with Enter.
xdotool key alt+n
prompt=$(e2e_wait_window "$PROMPT_TITLE" "" 10) || e2e_fail "the new-folder prompt did not open"
xdotool windowfocus --sync "$prompt" 2>/dev/null || xdotool windowfocus "$prompt"
xdotool type --delay 20 "$NEW_FOLDER"
sleep 0.3
e2e_shot new-folder-prompt
xdotool key Return
e2e_wait_gone "$prompt" 5 || e2e_fail "Enter did not close the new-folder prompt"
sleep 0.5
e2e_shot dialog-new-folder-selected

made=$(find "$E2E_PREFIX/drive_c" -mindepth 2 -maxdepth 2 -type d -name "$NEW_FOLDER" | head -n 1)
[ -n "$made" ] || e2e_fail "the new folder was not made in a folder of drive C:"
e2e_log "made $made"

# Ok (the default button) adopts it; the dialog stays closed afterwards.
xdotool windowfocus --sync "$dialog" 2>/dev/null || xdotool windowfocus "$dialog"
xdotool key Return
e2e_wait_gone "$dialog" 5 || e2e_fail "Enter did not close the folder dialog"
sleep 2
[ -z "$(e2e_windows "^$DIALOG_TITLE\$")" ] || e2e_fail "the folder dialog opened again after a folder was chosen"
e2e_shot main-with-folder

e2e_click 566 35
e2e_wait_exit 5 || e2e_fail "the program did not end within 5 s of the exit button"
e2e_log "passed"
