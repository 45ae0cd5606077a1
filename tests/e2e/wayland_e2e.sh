#!/usr/bin/env bash
# On Wayland (weston's headless back end and Qt's Wayland plugin), the intro asks the compositor
# for full screen and gets the whole output, and a dialog kept over its owner names the owner as
# its parent, as the program's duplicate prompt does. Read from the protocol's own log
# (WAYLAND_DEBUG). Skipped where weston or the plugin is not installed.
# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"
command -v weston >/dev/null || e2e_skip "weston is not installed"
plugin_dir=$(qtpaths6 --plugin-dir 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
[ -e "$plugin_dir/platforms/libqwayland-generic.so" ] || e2e_skip "qt6-wayland is not installed"
e2e_init wayland
e2e_make_world
e2e_add_intro 2

export XDG_RUNTIME_DIR=$E2E_WORLD/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --socket=wayland-e2e --width=1280 --height=800 \
    >"$E2E_WORLD/weston.log" 2>&1 &
weston_pid=$!
trap 'kill "$weston_pid" 2>/dev/null; e2e_cleanup' EXIT
for _ in $(seq 50); do
    [ -S "$XDG_RUNTIME_DIR/wayland-e2e" ] && break
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/wayland-e2e" ] || e2e_fail "weston did not start: $(cat "$E2E_WORLD/weston.log")"
export WAYLAND_DISPLAY=wayland-e2e WAYLAND_DEBUG=1

# The program plays its intro, which ends by itself, and shows its main window.
protocol=$E2E_WORLD/program.wayland
(
    cd "$E2E_MEDIUM"
    WINEPREFIX=$E2E_PREFIX QT_QPA_PLATFORM=wayland exec "$E2E_INSTALL"
) >"$protocol" 2>&1 &
E2E_PID=$!
deadline=$((SECONDS + 30))
until grep -q 'set_title("Korvane Installer")' "$protocol"; do
    e2e_running || e2e_fail "the program ended on Wayland: $(grep -v '^\[' "$protocol")"
    [ $SECONDS -le $deadline ] || e2e_fail "no main window on Wayland within 30 s"
    sleep 0.2
done
kill "$E2E_PID"
e2e_wait_exit 5 || e2e_fail "the program did not end"
intro=$(sed -n 's/.*-> \(xdg_toplevel@[0-9]*\)\.set_title("Intro animation").*/\1/p' "$protocol" |
    head -n 1)
[ -n "$intro" ] || e2e_fail "no intro window on Wayland"
grep -E " -> $intro\.set_fullscreen\(" "$protocol" >&2 ||
    e2e_fail "the intro did not ask for full screen"
grep -E "[^>] $intro\.configure\(1280, 800," "$protocol" >&2 ||
    e2e_fail "the intro was not given the whole output"

# A dialog made before its owner, kept over it, shows as the owner's child.
protocol=$E2E_WORLD/dialog.wayland
QT_QPA_PLATFORM=wayland "$E2E_BUILD/tests/platform/tst_dialog_look" \
    dialogIsKeptOverItsOwner:"first showing" >"$protocol" 2>&1 ||
    e2e_fail "the dialog test failed on Wayland: $(grep -v '^\[' "$protocol")"
grep -E " -> xdg_toplevel@[0-9]+\.set_parent\(xdg_toplevel@[0-9]+\)" "$protocol" >&2 ||
    e2e_fail "the dialog did not name its owner as its parent"
e2e_log "passed"
