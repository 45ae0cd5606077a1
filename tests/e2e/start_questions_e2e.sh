#!/usr/bin/env bash
# The questions before the main window never leave the user stranded: Cancel, Esc and the close
# box in the pack's folder dialog, in the list of packs and in the list of prefixes each end the
# program at once, status 0, with no other window. With one pack on this user's media and others
# in a second user's media folder and deeper in /mnt, the program takes this user's unasked.
# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"
e2e_own_mounts
e2e_init start_questions
e2e_make_world
e2e_add_intro 1
for root in /media /mnt; do
    [ -d $root ] && mount -t tmpfs tmpfs $root || e2e_skip "no tmpfs can be mounted on $root"
done
[ ! -d /run/media ] || mount -t tmpfs tmpfs /run/media || e2e_skip "no tmpfs on /run/media"
user=$(id -un)
home=$E2E_WORLD/home
mkdir -p "$home"

# A tmpfs at the folder, holding a copy of the pack.
mount_pack() { # folder
    mkdir -p "$1" && mount -t tmpfs tmpfs "$1" && cp -R "$E2E_MEDIUM"/. "$1" ||
        e2e_fail "no pack could be mounted on $1"
}

# Started from the menu: in the home folder, the prefix named or searched for.
start_from_menu() { # [WINEPREFIX]
    (
        cd "$home"
        unset QT_QPA_PLATFORM WINEPREFIX XDG_DATA_HOME XDG_CONFIG_HOME
        [ -z "${1:-}" ] || export WINEPREFIX=$1
        HOME=$home exec "$E2E_INSTALL"
    ) >"$E2E_LOG" 2>&1 &
    E2E_PID=$!
}

# The question's window gives up the start one way: it ends the program, status 0, and no
# window of the program shows meanwhile but the question.
give_up() { # title size way what
    local window
    window=$(e2e_wait_window "$1" "$2" 15) || e2e_fail "no $4"
    sleep 0.5
    e2e_shot "$4-$3"
    case $3 in
    cancel)
        local width height
        read -r width height < <(e2e_geometry "$window" | tr x ' ')
        # The Cancel button: the list's at the bottom right, the folder dialog's at the right
        # above the sentence on what to pick.
        if [ "$2" = "$CHOICE_SIZE" ]; then
            xdotool mousemove --window "$window" 390 196 click 1
        else
            xdotool mousemove --window "$window" $((width - 50)) $((height - 58)) click 1
        fi
        ;;
    esc) xdotool windowfocus --sync "$window" key Escape 2>/dev/null ||
        xdotool windowfocus "$window" key Escape ;;
    close) e2e_close_box "$window" ;;
    esac
    local deadline=$((SECONDS + 10)) other
    while e2e_running && [ $SECONDS -le $deadline ]; do
        for other in $(e2e_windows "."); do
            [ "$other" = "$window" ] || e2e_fail "after $3 in the $4: $(xdotool getwindowname "$other")"
        done
        sleep 0.05
    done
    e2e_wait_exit 0 || e2e_fail "$3 in the $4 did not end the program"
    [ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit status $E2E_STATUS after $3 in the $4"
    grep -q "was not found" "$E2E_LOG" && e2e_fail "the intro's error came after $3 in the $4"
    e2e_log "$3 in the $4: ended, status 0"
}

CHOICE_SIZE=440x220

# No pack anywhere: the folder dialog asks.
for way in cancel esc close; do
    start_from_menu "$E2E_PREFIX"
    give_up "Where is the scenario pack\\?" "" "$way" "pack-folder-dialog"
done

# Two packs on this user's media: the list of packs asks.
mount_pack "/media/$user/KORVANE"
mount_pack "/media/$user/KORVANE2"
for way in cancel esc close; do
    start_from_menu "$E2E_PREFIX"
    give_up "$E2E_TITLE" "$CHOICE_SIZE" "$way" "pack-list"
done
umount "/media/$user/KORVANE2"
rmdir "/media/$user/KORVANE2"

# The game in two prefixes, the pack on the medium: the list of prefixes asks.
mkdir -p "$home/Games" "$home/.cxoffice"
cp -R "$E2E_PREFIX" "$home/Games/age-of-empires"
cp -R "$E2E_PREFIX" "$home/.cxoffice/AoE"
for way in cancel esc close; do
    start_from_menu
    give_up "$E2E_TITLE" "$CHOICE_SIZE" "$way" "prefix-list"
done
rm -rf "$home/.cxoffice"

# This user's pack beside a second user's and one deep in /mnt: taken without asking.
mount_pack /media/someone-else/KORVANE
[ ! -d /run/media ] || mount_pack /run/media/someone-else/KORVANE
mkdir -p /mnt/deep && mount_pack /mnt/deep/KORVANE
start_from_menu
e2e_reach_main_window
[ "$E2E_ERROR_BOXES" -eq 0 ] || e2e_fail "an error box came up at start"
[ "$(readlink "/proc/$E2E_PID/cwd")" = "/media/$user/KORVANE" ] ||
    e2e_fail "this user's pack was not taken: $(readlink "/proc/$E2E_PID/cwd")"
e2e_shot main-window
e2e_click 566 35 # Exit
e2e_wait_exit 5 || e2e_fail "the program did not end"
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit status $E2E_STATUS"
e2e_log "passed"
