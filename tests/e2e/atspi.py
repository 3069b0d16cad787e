"""The accessibility bus for one run of the program: a private D-Bus session with the AT-SPI
bus launcher on it, the program told to speak AT-SPI, and what a screen reader would see read
by atspi_probe.py (pyatspi) under Debian's own python3, whichever python runs the tests.

Python 3 standard library only; every process is started through the X session, which
remembers it, and stopped here first, gently, so that the buses it started go with it.
"""

import contextlib
import json
import os
import signal
import subprocess
import time

from xharness import Failure, wait_until

PYTHON = "/usr/bin/python3"  # Debian's, with python3-pyatspi
PROBE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "atspi_probe.py")
LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
APP_NAME = "Tarnwick"


def collapsed(text):
    return " ".join(text.split())


def announcements(events):
    """The texts that recorded events tell a screen reader to speak, whitespace collapsed: a
    notification that becomes showing (Qt before 6.8) or an announcement event, which carries
    its text as its data (QAccessibleAnnouncementEvent, Qt 6.8 on)."""
    said = []
    for e in events:
        if (e["type"] == "object:state-changed:showing" and e["detail1"] == 1
                and e["role"] == "notification"):
            said.append(collapsed(e["name"]))
        elif e["type"] == "object:announcement":
            said.append(collapsed(e["data"]))
    return said


class AtspiBus:
    def __init__(self, session):
        self.s = session
        self.procs = []
        log = open(os.path.join(session.workdir, "dbus.log"), "wb")
        bus = session.spawn("dbus-daemon", ["dbus-daemon", "--session", "--nofork",
                                            "--print-address=1"],
                            env=session.env, stdout=subprocess.PIPE, stderr=log)
        self.procs.append(bus)
        address = bus.stdout.readline().decode().strip()
        if not address:
            raise Failure("the private D-Bus session did not start (see %s)" % log.name)
        self.env = dict(session.env, DBUS_SESSION_BUS_ADDRESS=address,
                        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.procs.append(session.spawn("at-spi-bus-launcher",
                                        [LAUNCHER, "--launch-immediately"], env=self.env,
                                        stdout=log, stderr=log))
        wait_until(lambda: self.tree_of_desktop_ok(), 10, "the AT-SPI registry")

    def tree_of_desktop_ok(self):
        r = subprocess.run([PYTHON, "-c", "import pyatspi; pyatspi.Registry.getDesktop(0)"],
                           env=self.env, capture_output=True, timeout=10)
        return r.returncode == 0

    def tree(self):
        """The program's accessible tree: dicts of depth, role, name, description, checked,
        showing and labelled_by, in document order; [] while it is not on the bus."""
        r = subprocess.run([PYTHON, PROBE, "tree", APP_NAME], env=self.env,
                           capture_output=True, text=True, timeout=20)
        if r.returncode != 0:
            raise Failure("reading the AT-SPI tree failed: %s" % r.stderr.strip()[-800:])
        return json.loads(r.stdout) or []

    def words(self, field, offsets):
        """The word at each offset ("caret": the cursor) of the program's showing text field
        of that accessible name, as [text, start, end] each; a program that does not answer
        fails the run."""
        try:
            r = subprocess.run([PYTHON, PROBE, "words", APP_NAME, field] + [str(o) for o in offsets],
                               env=self.env, capture_output=True, text=True, timeout=20)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not answer the word question about field %r over "
                          "AT-SPI within 20 s" % field)
        if r.returncode != 0:  # its last line tells, such as "Did not receive a reply"
            raise Failure("asking field %r for words over AT-SPI failed: %s"
                          % (field, (r.stderr.strip().splitlines() or [""])[-1][-800:]))
        return json.loads(r.stdout)

    def window_nodes(self, window):
        """The showing nodes inside the program's window of that accessible name."""
        nodes, inside = [], False
        for n in self.tree():
            if n["depth"] == 1:
                inside = n["name"] == window
            if inside and n["showing"]:
                nodes.append(n)
        return nodes

    def label_texts(self, window):
        """The texts of the showing labels inside the window, whitespace collapsed."""
        return [collapsed(n["name"]) for n in self.window_nodes(window) if n["role"] == "label"]

    def wait_node(self, window, what, match, timeout=5.0):
        """Waits until a showing node inside the window matches; returns it."""
        found = []

        def seen():
            found[:] = [n for n in self.window_nodes(window) if match(n)]
            return found

        wait_until(seen, timeout, what)
        return found[0]

    @contextlib.contextmanager
    def recording(self):
        """Records the program's AT-SPI events during the body: yields a list that is filled
        (dicts of type, role, name, detail1, data) once the body is done."""
        events = []
        p = subprocess.Popen([PYTHON, PROBE, "record", APP_NAME], env=self.env,
                             stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                             stderr=subprocess.PIPE, text=True)
        try:
            if p.stdout.readline().strip() != "ready":
                raise Failure("the AT-SPI recorder did not start: %s" % p.stderr.read()[-800:])
            yield events
            time.sleep(0.5)  # events still on their way over the bus
        finally:
            try:
                out, _ = p.communicate(timeout=10)  # closing its input ends the recording
                events += json.loads(out.strip().splitlines()[-1]) if out.strip() else []
            except subprocess.TimeoutExpired:
                p.kill()
                p.communicate()

    def close(self):
        for p in reversed(self.procs):
            if p.poll() is None:
                p.send_signal(signal.SIGTERM)
                try:
                    p.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    p.kill()
