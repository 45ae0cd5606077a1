#!/usr/bin/env bash
# The game in three prefixes: a Lutris game, a Steam game with its app manifest, and a game added
# to Steam as a non-Steam game (its compatdata folder named by the shortcut's app id in
# shortcuts.vdf). The list of prefixes names each as its front-end names the game: the user
# finds each by typing the first letters of its name, and the scenarios go into that prefix.
# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"
e2e_init prefix_names
e2e_make_world
e2e_add_intro 1
home=$E2E_WORLD/home
steam=$home/.local/share/Steam
game="drive_c/Program Files/Microsoft Games/Age of Empires/SCENARIO"
mkdir -p "$home/Games" "$home/.local/share/lutris/games" "$steam/steamapps/compatdata/221380" \
    "$steam/steamapps/compatdata/3123456789" "$steam/userdata/42/config"
rm -f "$E2E_PREFIX/$game"/*
cp -R "$E2E_PREFIX" "$home/Games/kings"
cp -R "$E2E_PREFIX" "$steam/steamapps/compatdata/221380/pfx"
cp -R "$E2E_PREFIX" "$steam/steamapps/compatdata/3123456789/pfx"
printf 'name: Kings of the Nile\ngame:\n  prefix: %s/Games/kings\n' "$home" \
    >"$home/.local/share/lutris/games/kings-1.yml"
printf '"AppState"\n{\n\t"appid"\t\t"221380"\n\t"name"\t\t"Bronze Age Empires"\n}\n' \
    >"$steam/steamapps/appmanifest_221380.acf"
# Steam's binary KeyValues: type, zero-ended key, value; 0 opens a map and 8 closes it.
/usr/bin/python3 - "$steam/userdata/42/config/shortcuts.vdf" <<'PYTHON' ||
import struct, sys
entry = (b"\x02appid\x00" + struct.pack("<I", 3123456789) + b"\x01AppName\x00Rise of Rome\x00"
         + b"\x01Exe\x00\"C:\\empires.exe\"\x00\x00tags\x00\x08")
open(sys.argv[1], "wb").write(b"\x00shortcuts\x00\x000\x00" + entry + b"\x08\x08\x08")
PYTHON
    e2e_fail "shortcuts.vdf could not be written"

# Started in the pack's folder without WINEPREFIX: the prefix search runs and asks.
pick_by_name() { # first letters of the name, prefix folder, key to an entry that is not it
    (
        cd "$E2E_MEDIUM"
        unset QT_QPA_PLATFORM WINEPREFIX XDG_DATA_HOME XDG_CONFIG_HOME
        HOME=$home exec "$E2E_INSTALL"
    ) >"$E2E_LOG" 2>&1 &
    E2E_PID=$!
    local list
    list=$(e2e_wait_window "$E2E_TITLE" "440x220" 15) || e2e_fail "no list of prefixes"
    sleep 0.5
    # From another entry, so that the name alone leads to it.
    xdotool windowfocus --sync "$list" key "$3" 2>/dev/null || xdotool windowfocus "$list" key "$3"
    xdotool type --delay 50 "$1"
    sleep 0.3
    e2e_shot "list-$1"
    xdotool key Return
    e2e_reach_main_window
    [ "$E2E_ERROR_BOXES" -eq 0 ] || e2e_fail "an error box came up at start"
    e2e_click 69 366 # Check all
    sleep 0.5
    e2e_click 123 409 # Begin installation...
    local deadline=$((SECONDS + 20)) source
    for source in "$E2E_MEDIUM"/HISTSCR/*; do
        until cmp -s "$source" "$2/$game/$(basename "$source")"; do
            [ $SECONDS -le $deadline ] || e2e_fail "\"$1\" did not pick $2"
            sleep 0.1
        done
    done
    e2e_click 566 35 # Exit
    e2e_wait_exit 5 || e2e_fail "the program did not end"
    [ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit status $E2E_STATUS"
    rm -f "$2/$game"/*
    e2e_log "\"$1\" picked $2"
}

pick_by_name "Rise" "$steam/steamapps/compatdata/3123456789/pfx" Home
pick_by_name "Bronze" "$steam/steamapps/compatdata/221380/pfx" End
pick_by_name "Kings" "$home/Games/kings" End
e2e_log "passed"
