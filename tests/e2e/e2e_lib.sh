# shellcheck shell=bash
# End-to-end helpers, sourced by the tests in this folder. Each test makes a world of its own (a
# Wine prefix and a pack medium from make_demo), starts the real korvane-installer program on the current X
# display (the tests run under xvfb-run, without a window manager), drives it with xdotool and
# saves screenshots under <build>/e2e-shots/.
#
#   source e2e_lib.sh
#   e2e_init startup                  # name of the test, used for screenshots
#   e2e_make_world [make_demo options]
#   e2e_start                         # starts the program from the medium with WINEPREFIX set
#   e2e_reach_main_window             # past the intro and any error box; sets E2E_MAIN and
#                                     # E2E_ERROR_BOXES (how many error boxes it answered)
#   e2e_click 566 35                  # a click at window coordinates of the main window
#   e2e_close_box "$window"           # as a window manager's close box
#   e2e_shot main-window
#   e2e_wait_exit 5 || e2e_fail "..."

set -euo pipefail

E2E_TITLE="Korvane Installer"
E2E_INTRO_TITLE="Intro animation"
E2E_MAIN_SIZE="632x453"
E2E_PID=""
E2E_MAIN=""
E2E_ERROR_BOXES=0
E2E_STATUS="" # the exit status e2e_wait_exit saw, for the tests
export E2E_STATUS E2E_ERROR_BOXES

e2e_log() { echo "[e2e $E2E_NAME] $*" >&2; }

# Exit code 77 tells ctest the test was skipped.
e2e_skip() {
    e2e_log "skipped: $*"
    exit 77
}

# Runs the calling script again in a mount namespace of its own, where it may mount what it needs
# (a tmpfs on /media, a medium); skips it where none can be made. Call before e2e_init.
e2e_own_mounts() {
    [ -n "${E2E_OWN_MOUNTS:-}" ] && return 0
    unshare -m --propagation private true 2>/dev/null || {
        echo "no mount namespace can be made here: skipped"
        exit 77
    }
    E2E_OWN_MOUNTS=1 exec unshare -m --propagation private bash "$0"
}

# Starts the program as a desktop menu does: in the home folder given, without WINEPREFIX and the
# XDG folders, with the arguments given.
e2e_start_from_home() { # home [arguments...]
    local home=$1
    shift
    (
        cd "$home"
        unset QT_QPA_PLATFORM WINEPREFIX XDG_DATA_HOME XDG_CONFIG_HOME
        HOME=$home exec "$E2E_INSTALL" "$@"
    ) >"$E2E_LOG" 2>&1 &
    E2E_PID=$!
    e2e_log "started korvane-installer (pid $E2E_PID) from $home"
}

e2e_init() {
    E2E_NAME=$1
    E2E_BUILD=${KORVANE_BUILD_DIR:?KORVANE_BUILD_DIR names the build folder}
    E2E_INSTALL=$E2E_BUILD/app/korvane-installer
    E2E_MAKE_DEMO=$E2E_BUILD/demo/make_demo
    E2E_SHOTS=$E2E_BUILD/e2e-shots
    [ -n "${DISPLAY:-}" ] || e2e_skip "no X display (run the tests under xvfb-run)"
    for tool in xdotool import xwininfo; do
        command -v "$tool" >/dev/null || e2e_skip "$tool is not installed"
    done
    [ -x "$E2E_INSTALL" ] || e2e_fail "the program is not built: $E2E_INSTALL"
    [ -x "$E2E_MAKE_DEMO" ] || e2e_fail "make_demo is not built: $E2E_MAKE_DEMO"
    mkdir -p "$E2E_SHOTS"
    rm -f "$E2E_SHOTS/$E2E_NAME"-*.png # a screenshot seen later is one of this run
    E2E_WORLD=$(mktemp -d "${TMPDIR:-/tmp}/korvane-e2e.XXXXXX")
    E2E_LOG=$E2E_WORLD/install.log
    # The program records its runs there, not in the home of whoever runs the tests.
    export XDG_STATE_HOME=$E2E_WORLD/state
    trap e2e_cleanup EXIT
    # The X server resets whenever its last client leaves, and refuses a program that comes in
    # the meantime: a client of the test's own stays connected while it runs.
    xprop -root -spy >/dev/null 2>&1 &
    E2E_X_HOLDER=$!
}

e2e_cleanup() {
    local status=$?
    if e2e_running; then
        kill "$E2E_PID" 2>/dev/null || true
        sleep 0.5
        kill -9 "$E2E_PID" 2>/dev/null || true
    fi
    [ -n "${E2E_X_HOLDER:-}" ] && kill "$E2E_X_HOLDER" 2>/dev/null
    [ -n "${E2E_WORLD:-}" ] && rm -rf "$E2E_WORLD"
    exit $status
}

# Reports the failure with a screenshot and the program's output, then ends the test.
e2e_fail() {
    e2e_log "FAILED: $*"
    if [ -n "${E2E_SHOTS:-}" ] && [ -n "${DISPLAY:-}" ]; then
        e2e_shot failure || true
    fi
    if [ -n "${E2E_LOG:-}" ] && [ -s "$E2E_LOG" ]; then
        e2e_log "program output:"
        sed 's/^/    /' "$E2E_LOG" >&2
    fi
    exit 1
}

# Makes the demo medium and prefix in this test's world; options go to make_demo.
e2e_make_world() {
    "$E2E_MAKE_DEMO" --no-intro "$@" "$E2E_WORLD/demo" >/dev/null ||
        e2e_fail "make_demo failed"
    E2E_MEDIUM=$E2E_WORLD/demo/medium
    E2E_PREFIX=$E2E_WORLD/demo/prefix
}

# Puts a short intro video on the medium (make_demo's, 2 seconds).
e2e_add_intro() {
    "$E2E_MAKE_DEMO" --intro-seconds "${1:-2}" "$E2E_WORLD/intro" >/dev/null ||
        e2e_fail "make_demo could not make the intro"
    mv "$E2E_WORLD/intro/medium/Intro.avi" "$E2E_MEDIUM/Intro.avi"
    rm -rf "$E2E_WORLD/intro"
}

e2e_start() {
    (
        cd "$E2E_MEDIUM"
        unset QT_QPA_PLATFORM
        export WINEPREFIX=$E2E_PREFIX
        exec "$E2E_INSTALL"
    ) >"$E2E_LOG" 2>&1 &
    E2E_PID=$!
    e2e_log "started korvane-installer (pid $E2E_PID)"
}

e2e_running() {
    [ -n "$E2E_PID" ] && kill -0 "$E2E_PID" 2>/dev/null
}

# Visible windows of the program whose name matches an extended regular expression.
e2e_windows() {
    xdotool search --all --onlyvisible --pid "$E2E_PID" --name "$1" 2>/dev/null || true
}

e2e_geometry() { # window -> WxH
    xdotool getwindowgeometry "$1" 2>/dev/null | sed -n 's/^ *Geometry: //p'
}

# Waits until a visible window of the program matches name (and size, when given); prints its id.
e2e_wait_window() { # name [size] [seconds]
    local name=$1 size=${2:-} seconds=${3:-15} deadline window
    deadline=$((SECONDS + seconds))
    while [ $SECONDS -le $deadline ]; do
        e2e_running || e2e_fail "the program ended while waiting for \"$name\""
        for window in $(e2e_windows "^$name\$"); do
            if [ -z "$size" ] || [ "$(e2e_geometry "$window")" = "$size" ]; then
                echo "$window"
                return 0
            fi
        done
        sleep 0.2
    done
    return 1
}

e2e_wait_gone() { # window [seconds]
    local deadline=$((SECONDS + ${2:-10}))
    while [ $SECONDS -le $deadline ]; do
        xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable' || return 0
        sleep 0.2
    done
    return 1
}

# When the intro plays, takes a screenshot of it and ends it with a click on the video. A short
# intro may end by itself at any step; a window gone is an intro passed.
e2e_pass_intro() { # [seconds to wait for it]
    local intro
    intro=$(e2e_wait_window "$E2E_INTRO_TITLE" "" "${1:-5}") || return 0
    sleep 0.5
    e2e_shot intro
    local width height
    read -r width height < <(e2e_geometry "$intro" | tr x ' ') || return 0
    xdotool mousemove --window "$intro" $((width / 2)) $((height / 2)) click 1 2>/dev/null || true
    e2e_wait_gone "$intro" 10 || e2e_fail "the intro did not close on a click"
}

# Error boxes carry the program's title but not the main window's size. Takes a screenshot of
# each and answers it with Enter; returns 1 when there was none.
e2e_dismiss_error_boxes() {
    local window found=1
    for window in $(e2e_windows "^$E2E_TITLE\$"); do
        [ "$(e2e_geometry "$window")" = "$E2E_MAIN_SIZE" ] && continue
        found=0
        E2E_ERROR_BOXES=$((E2E_ERROR_BOXES + 1))
        e2e_shot "error-box-$E2E_ERROR_BOXES"
        xdotool windowfocus --sync "$window" key Return 2>/dev/null ||
            xdotool windowfocus "$window" key Return
        e2e_wait_gone "$window" 5 || e2e_fail "the error box did not close"
    done
    return $found
}

e2e_wait_main_window() { # [seconds]
    E2E_MAIN=$(e2e_wait_window "$E2E_TITLE" "$E2E_MAIN_SIZE" "${1:-20}") ||
        e2e_fail "no main window of $E2E_MAIN_SIZE"
    e2e_log "main window $E2E_MAIN"
}

# A left click at x,y in the main window's client coordinates.
e2e_click() {
    xdotool mousemove --window "$E2E_MAIN" "$1" "$2" click 1
}

# The window's close box, as a window manager would press it (WM_DELETE_WINDOW).
e2e_close_box() { # window
    "$E2E_BUILD/tests/e2e/e2e_close_window" "$1" || e2e_fail "no close request could be sent"
}

e2e_key() {
    xdotool windowfocus "$E2E_MAIN" key "$@"
}

e2e_shot() {
    local file=$E2E_SHOTS/$E2E_NAME-$1.png
    import -window root "$file"
    e2e_log "screenshot $file"
}

# Waits for the program to end; E2E_STATUS is its exit status. Returns 1 on time-out.
e2e_wait_exit() { # [seconds]
    local deadline=$((SECONDS + ${1:-5}))
    while [ $SECONDS -le $deadline ]; do
        if ! e2e_running; then
            wait "$E2E_PID" && E2E_STATUS=0 || E2E_STATUS=$?
            E2E_PID=""
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# From start-up to the main window, whatever comes first: the intro (ended by a click), error
# boxes (answered, counted in E2E_ERROR_BOXES), then the main window with nothing over it.
e2e_reach_main_window() { # [seconds]
    local deadline=$((SECONDS + ${1:-30})) intro
    while [ $SECONDS -le $deadline ]; do
        e2e_running || e2e_fail "the program ended before its main window showed"
        intro=$(e2e_windows "^$E2E_INTRO_TITLE\$" | head -n 1)
        if [ -n "$intro" ]; then
            e2e_pass_intro 1
            continue
        fi
        if e2e_dismiss_error_boxes; then
            continue
        fi
        if E2E_MAIN=$(e2e_wait_window "$E2E_TITLE" "$E2E_MAIN_SIZE" 0); then
            # Give a box that opens on activation its moment, then look once more.
            sleep 0.5
            e2e_dismiss_error_boxes || { e2e_log "main window $E2E_MAIN"; return 0; }
            continue
        fi
        sleep 0.2
    done
    e2e_fail "no main window within the time"
}
