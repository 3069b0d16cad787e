#!/usr/bin/python3
"""What a screen reader sees of the program, read over AT-SPI with pyatspi (Debian's
python3-pyatspi; run by Debian's own python3). The bus comes from the environment.

    atspi_probe.py tree APP     the accessible tree of the application named APP, as JSON
    atspi_probe.py record APP   prints "ready", then records the application's events until
                                its standard input closes, and prints them as JSON
    atspi_probe.py words APP NAME OFFSET...
                                the word at each offset ("caret": the cursor) of the showing
                                text field named NAME, as JSON [text, start, end] each
"""

import json
import sys

import pyatspi
from gi.repository import GLib

MAX_NODES = 2000


def application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and (app.name or "").lower() == name.lower():
            return app
    return None


def node(acc, depth):
    states = acc.getState()
    labelled_by = []
    for rel in acc.getRelationSet():
        if rel.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            labelled_by += [rel.getTarget(i).name for i in range(rel.getNTargets())]
    return {"depth": depth, "role": acc.getRoleName(), "name": acc.name or "",
            "description": acc.description or "",
            "checked": states.contains(pyatspi.STATE_CHECKED),
            "showing": states.contains(pyatspi.STATE_SHOWING), "labelled_by": labelled_by}


def tree(name):
    app = application(name)
    if app is None:
        return None
    out, stack = [], [(app, 0)]
    while stack and len(out) < MAX_NODES:
        acc, depth = stack.pop()
        try:
            out.append(node(acc, depth))
            stack += [(acc.getChildAtIndex(i), depth + 1)
                      for i in reversed(range(acc.childCount))]
        except Exception:  # an object that went away while it was read
            continue
    return out


def showing_field(acc, name, depth=0):
    """The showing text field of that name under acc, or None."""
    if depth > 12:
        return None
    try:
        if (acc.getRoleName() == "text" and acc.name == name
                and acc.getState().contains(pyatspi.STATE_SHOWING)):
            return acc
        for i in range(acc.childCount):
            found = showing_field(acc.getChildAtIndex(i), name, depth + 1)
            if found is not None:
                return found
    except Exception:  # an object that went away while it was read
        pass
    return None


def words(name, field_name, offsets):
    app = application(name)
    field = showing_field(app, field_name) if app is not None else None
    if field is None:
        return None
    text = field.queryText()
    answers = []
    for offset in offsets:
        at = text.caretOffset if offset == "caret" else int(offset)
        answers.append(list(text.getTextAtOffset(at, pyatspi.TEXT_BOUNDARY_WORD_START)))
    return answers


def record(name):
    events = []

    def seen(event):
        try:
            app = event.host_application
            if app is None or (app.name or "").lower() != name.lower():
                return
            source = event.source
            events.append({"type": event.type, "role": source.getRoleName() if source else "",
                           "name": (source.name or "") if source else "",
                           "detail1": event.detail1, "data": str(event.any_data)})
        except Exception:
            pass

    def stdin_closed(*_):
        pyatspi.Registry.stop()
        return False

    # The events that tell a screen reader to speak are also asked for by name, for a program
    # that sends only what is asked for; a name this AT-SPI does not know is accepted unused.
    pyatspi.Registry.registerEventListener(seen, "object", "window",
                                           "object:state-changed:showing", "object:announcement")
    GLib.io_add_watch(sys.stdin.fileno(), GLib.IO_IN | GLib.IO_HUP, stdin_closed)
    print("ready", flush=True)
    pyatspi.Registry.start()
    print(json.dumps(events), flush=True)


def main():
    command, name = sys.argv[1], sys.argv[2]
    if command == "tree":
        print(json.dumps(tree(name)))
    elif command == "record":
        record(name)
    elif command == "words":
        print(json.dumps(words(name, sys.argv[3], sys.argv[4:])))
    return 0


if __name__ == "__main__":
    sys.exit(main())
