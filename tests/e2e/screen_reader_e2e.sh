#!/usr/bin/env bash
# A 1,000-file installation with a listener on the accessibility bus, as a screen reader keeps
# one: the run's status line, bars and free-space line reach it at most 10 times a second, the
# duplicate prompt's question within a second of its showing, and "Ready." within a second of
# the run's end. Runs in a D-Bus session of its own, with the accessibility bus it starts.
if [ -z "${KORVANE_E2E_OWN_BUS:-}" ]; then
    command -v dbus-run-session >/dev/null || { echo "dbus-run-session is not installed"; exit 77; }
    KORVANE_E2E_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "$0")/e2e_lib.sh"
e2e_init screen_reader
/usr/bin/python3 -c "import pyatspi" 2>/dev/null || e2e_skip "python3-pyatspi is not installed"
e2e_make_world
game="$E2E_PREFIX/drive_c/Program Files/Microsoft Games/Age of Empires/SCENARIO"
[ -f "$game/Salamis.scn" ] || e2e_fail "the demo game holds no Salamis.scn"
head -c $((1000 * 4096)) /dev/urandom |
    split -b 4K -d -a 3 --additional-suffix=.scn - "$E2E_MEDIUM/HISTSCR/Zebra Race "
all=$(find "$E2E_MEDIUM/HISTSCR" -maxdepth 1 -type f | wc -l)

events=$E2E_WORLD/events.tsv
: >"$E2E_WORLD/listener.out"
/usr/bin/python3 "$(dirname "$0")/atspi_listener.py" "" "$events" >"$E2E_WORLD/listener.out" 2>&1 &
listener=$!
for _ in $(seq 100); do grep -q listening "$E2E_WORLD/listener.out" && break; sleep 0.1; done
grep -q listening "$E2E_WORLD/listener.out" || e2e_fail "the listener did not start"

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
e2e_start
e2e_reach_main_window
copied() { find "$game" -maxdepth 1 -type f ! -name '.*' | wc -l; }
xdotool key space # the list has the focus: its current row ticked
sleep 1
e2e_click 69 366 # Check all
sleep 1
started=$(date +%s.%N)
e2e_click 123 409 # Begin installation...
prompt=$(e2e_wait_window "Duplicated scenario file warning" "" 30) || e2e_fail "no duplicate prompt"
prompted=$(date +%s.%N)
sleep 1.5
e2e_shot prompt
xdotool mousemove --window "$prompt" 239 97 click 1 # Overwrite file
deadline=$((SECONDS + 60))
until [ "$(copied)" -ge "$all" ]; do
    [ $SECONDS -le $deadline ] || e2e_fail "only $(copied) of $all files copied"
    sleep 0.02
done
ended=$(date +%s.%N)
sleep 2
e2e_shot ready
kill "$listener"
wait "$listener" || true

/usr/bin/python3 - "$events" "$started" "$prompted" "$ended" <<'PY' || e2e_fail "what the listener heard is wrong (above)"
import sys
path, started, prompted, ended = sys.argv[1], *map(float, sys.argv[2:])
lines = [l.rstrip("\n").split("\t", 3) for l in open(path)]
heard = [(float(t), kind, source, data) for t, kind, source, data in lines]
run_roles = ("progress bar|", "status bar|", "label|")
run_kinds = ("object:property-change:accessible-value", "object:value-changed",
             "object:text-changed", "object:property-change:accessible-name")
# A text replaced is told as its deletion and its insertion: one report.
reports = [t for t, kind, source, _ in heard
           if started <= t <= ended + 1 and kind.startswith(run_kinds) and source.startswith(run_roles)
           and kind != "object:text-changed:delete"]
busiest = max((sum(1 for u in reports if t <= u < t + 1) for t in reports), default=0)
# Only Space changes the current row's tick: "Check all" finds it ticked already.
tick = [t for t, kind, source, _ in heard
        if kind == "object:state-changed:checked" and source.startswith("table cell|")]
focused_row = [t for t, kind, source, _ in heard if kind == "focus:" and source.startswith("table cell|")]
question = [t for t, kind, _, data in heard if kind.startswith("window:activate") and "Salamis" in data]
# The run's end: the start button comes back, told at once, as the window shows "Ready.".
end = [t for t, kind, source, _ in heard if t >= prompted and
       kind.startswith("object:state-changed:enabled") and "Begin installation" in source]
ready = [t for t, kind, source, data in heard
         if t >= prompted and source.startswith("status bar|") and "Ready." in data]
ended = end[0] if end else ended
print("run reports: %d, at most %d in a second" % (len(reports), busiest))
print("the current row's tick heard: %s, the current row focused: %s" % (bool(tick), bool(focused_row)))
print("question heard %s s after the prompt showed" % (question and round(question[0] - prompted, 2)))
print("Ready. heard %s s after the run's end" % (ready and round(ready[0] - ended, 2)))
failed = (not tick or not focused_row or busiest > 10 or not question or question[0] - prompted > 1 or not end or not ready
          or ready[0] - ended > 1)
if failed:
    for line in lines[-40:]:
        print("  " + "\t".join(line))
sys.exit(1 if failed else 0)
PY
e2e_log "passed"
