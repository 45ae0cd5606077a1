#!/usr/bin/python3
"""Listens on the accessibility bus as a screen reader does and writes one line per event of the
program it is given: the time, the event, the role and name of its source, and what it carries.

    atspi_listener.py <program name> <log file>

It runs until it is sent SIGTERM, then writes what it heard; a line "listening" on standard
output says it has registered. A source's role and name are those it has at the end.
"""
import signal
import sys
import time

import pyatspi

# The events a screen reader follows.
FOLLOWED = ["object:", "window:", "focus:"]


def describe(source):
    try:
        return "%s|%s" % (source.getRoleName(), source.name)
    except Exception:  # a source gone meanwhile
        return "?|?"


def texts_below(window):
    """The names of the labels in a window, as a screen reader reads a dialog that opens."""
    found = []
    stack = [window]
    while stack and len(found) < 50:
        node = stack.pop()
        try:
            if node.getRoleName() == "label" and node.name:
                found.append(node.name)
            stack.extend(node[i] for i in range(node.childCount))
        except Exception:
            continue
    return " / ".join(found)


def main():
    program, log_path = sys.argv[1], sys.argv[2]  # program "" follows every program
    log = open(log_path, "w", buffering=1)

    heard = []  # described once the listening ends, so that a flood is taken as it comes

    def record(event):
        now = time.time()
        if program:
            try:
                application = event.host_application.name if event.host_application else ""
            except Exception:
                application = ""
            if application != program:
                return
        data = event.any_data
        if event.type.startswith("window:activate"):
            data = texts_below(event.source)
        heard.append((now, event.type, event.source, data))

    def write():
        for now, kind, source, data in heard:
            if hasattr(data, "name"):
                data = describe(data)
            fields = (kind, describe(source), str(data))
            flat = [field.replace("\t", " ").replace("\n", " ") for field in fields]
            log.write("%.3f\t%s\n" % (now, "\t".join(flat)))
        log.close()

    pyatspi.Registry.registerEventListener(record, *FOLLOWED)
    signal.signal(signal.SIGTERM, lambda *_: pyatspi.Registry.stop())
    print("listening", flush=True)
    pyatspi.Registry.start()
    write()


if __name__ == "__main__":
    main()
