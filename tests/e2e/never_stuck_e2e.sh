#!/usr/bin/env bash
# Started as from a desktop menu on a machine that holds what real machines hold: the pack on a
# medium under /media/<user> beside a network mount that no longer answers, Steam's library list
# a named pipe in one Steam folder and naming a library on that mount in another, and a stale
# ~/.wine whose system.reg is a sparse file of 2 GB. The program shows a window within 5 s,
# says what it waits for, passes the mount over, finds the game and the pack, and ends on Exit
# while a look at the mount is still held.
# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"
e2e_own_mounts
e2e_init never_stuck
[ -c /dev/fuse ] && /usr/bin/python3 -c "import fusepy" 2>/dev/null ||
    e2e_skip "FUSE or python3-fusepy is missing"
e2e_make_world
e2e_add_intro 1
[ -d /media ] && mount -t tmpfs tmpfs /media || e2e_skip "no tmpfs can be mounted on /media"
user=$(id -un)
medium=/media/$user/KORVANE
mkdir -p "$medium" && mount -t tmpfs tmpfs "$medium" && cp -R "$E2E_MEDIUM"/. "$medium" ||
    e2e_fail "the medium could not be made"
stalled=/media/$user/S3
server=""
start_server() {
    mkdir -p "$stalled"
    /usr/bin/python3 "$(dirname "$0")/../support/stalled_mount.py" "$stalled" &
    server=$!
    for _ in $(seq 50); do grep -q " $stalled " /proc/self/mountinfo && return 0; sleep 0.1; done
    e2e_fail "the stalled mount could not be made"
}
# Its end fails the looks it holds, which then let the program end.
stop_server() {
    kill -9 "$server" 2>/dev/null || true
    umount -l "$stalled" 2>/dev/null || true
}
trap 'stop_server; e2e_cleanup' EXIT
start_server

home=$E2E_WORLD/home
mkdir -p "$home/Games" "$home/.local/share/Steam/steamapps" "$home/.steam/steam/steamapps"
mv "$E2E_PREFIX" "$home/Games/age-of-empires"
mkfifo "$home/.local/share/Steam/steamapps/libraryfolders.vdf"
printf '"libraryfolders"\n{\n\t"1"\n\t{\n\t\t"path"\t\t"%s"\n\t}\n}\n' "$stalled" \
    >"$home/.steam/steam/steamapps/libraryfolders.vdf"
"$E2E_MAKE_DEMO" --no-intro --no-game-entry "$E2E_WORLD/stale" >/dev/null ||
    e2e_fail "make_demo could not make the stale prefix"
mv "$E2E_WORLD/stale/prefix" "$home/.wine"
truncate -s 2G "$home/.wine/system.reg"

started=$SECONDS
e2e_start_from_home "$home"
notice=$(e2e_wait_window "$E2E_TITLE" "" 5) || e2e_fail "no window within 5 s"
e2e_log "first window after $((SECONDS - started)) s"
[ "$(e2e_geometry "$notice")" != "$E2E_MAIN_SIZE" ] || e2e_fail "no notice of the wait"
sleep 0.3
e2e_shot waiting
e2e_wait_gone "$notice" 15 || e2e_fail "the notice stayed"
e2e_reach_main_window
[ "$E2E_ERROR_BOXES" -eq 0 ] || e2e_fail "an error box came up at start"
grep -q "$stalled.* did not answer in time and is passed over" "$E2E_LOG" ||
    e2e_fail "the mount passed over was not named"
sleep 0.5
e2e_shot main-window
[ "$(readlink "/proc/$E2E_PID/cwd")" = "$medium" ] || e2e_fail "the pack on the medium was not taken"

e2e_click 566 35 # Exit
e2e_wait_gone "$E2E_MAIN" 5 || e2e_fail "the main window stayed after Exit"
stop_server
e2e_wait_exit 10 || e2e_fail "the program did not end once the mount was gone"
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit status $E2E_STATUS"

# Started again, the user gives up while the program waits: it ends quietly, status 0.
start_server
e2e_start_from_home "$home"
notice=$(e2e_wait_window "$E2E_TITLE" "" 5) || e2e_fail "no notice the second time"
xdotool windowfocus --sync "$notice" key Escape 2>/dev/null || xdotool windowfocus "$notice" key Escape
e2e_wait_gone "$notice" 5 || e2e_fail "Esc did not close the notice"
stop_server
e2e_wait_exit 10 || e2e_fail "the program did not end after Esc"
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit status $E2E_STATUS after Esc"
e2e_log "passed"
