"""A private X session for driving the real program from outside: its own Xvfb (on a free
display number), an optional window manager, the program itself, real pointer and key input
through xdotool, the windows the program has mapped (xwininfo, xprop) and screenshots
(ImageMagick's import) read as pixels.

Every process started here is remembered by its id and killed in `close()`, which also runs
on SIGINT and SIGTERM; every wait has a bounded timeout.

Python 3 standard library only.
"""

import os
import re
import shutil
import signal
import struct
import subprocess
import tempfile
import time
import zlib


class Failure(Exception):
    """A check that failed; the message says what was seen."""


# ---- pictures --------------------------------------------------------------------------


class Image:
    """An RGB picture: width, height and 3 bytes per pixel, rows top to bottom."""

    def __init__(self, width, height, data):
        self.width, self.height, self.data = width, height, data

    @staticmethod
    def from_ppm(raw):
        # "P6\n<w> <h>\n<max>\n" then the pixels; no comments in what import writes.
        m = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", raw)
        if not m or int(m.group(3)) != 255:
            raise Failure("screenshot is not an 8-bit PPM")
        w, h = int(m.group(1)), int(m.group(2))
        data = raw[m.end():m.end() + w * h * 3]
        if len(data) != w * h * 3:
            raise Failure("screenshot is truncated")
        return Image(w, h, data)

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def crop(self, x, y, w, h):
        x0, y0 = max(0, x), max(0, y)
        x1, y1 = min(self.width, x + w), min(self.height, y + h)
        if x1 <= x0 or y1 <= y0:
            return Image(0, 0, b"")
        rows = [self.data[(r * self.width + x0) * 3:(r * self.width + x1) * 3]
                for r in range(y0, y1)]
        return Image(x1 - x0, y1 - y0, b"".join(rows))

    def pixels(self):
        d = self.data
        for i in range(0, len(d), 3):
            yield d[i], d[i + 1], d[i + 2]

    def ink(self, threshold=110):
        """Pixels darker than `threshold` (mean of the channels): text, frames, animals."""
        return sum(1 for r, g, b in self.pixels() if r + g + b < 3 * threshold)

    def count_not(self, colour, tolerance=12):
        """Pixels that differ from `colour` by more than `tolerance` in some channel."""
        cr, cg, cb = colour
        return sum(1 for r, g, b in self.pixels()
                   if abs(r - cr) > tolerance or abs(g - cg) > tolerance or abs(b - cb) > tolerance)

    def colours(self):
        return len(set(self.pixels()))

    def commonest(self):
        """The colour most pixels have: the background of a crop around a text."""
        counts = {}
        for px in self.pixels():
            counts[px] = counts.get(px, 0) + 1
        return max(counts, key=counts.get) if counts else (0, 0, 0)

    def text_contrast(self):
        """How a text in the crop stands out from its background, as WCAG's contrast ratio
        (1 to 21) between the commonest colour and the colour that differs most from it;
        1 for a crop without a text."""
        ground = self.commonest()
        return max((contrast_ratio(px, ground) for px in set(self.pixels())), default=1.0)

    def differs(self, other):
        """Number of pixels that differ (pictures of another size differ everywhere)."""
        if (self.width, self.height) != (other.width, other.height):
            return max(self.width * self.height, other.width * other.height, 1)
        a, b = self.data, other.data
        return sum(1 for i in range(0, len(a), 3) if a[i:i + 3] != b[i:i + 3])

    def save_png(self, path):
        def chunk(kind, body):
            return (struct.pack(">I", len(body)) + kind + body
                    + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

        stride = self.width * 3
        raw = b"".join(b"\0" + self.data[r * stride:(r + 1) * stride] for r in range(self.height))
        png = (b"\x89PNG\r\n\x1a\n"
               + chunk(b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0))
               + chunk(b"IDAT", zlib.compress(raw, 6)) + chunk(b"IEND", b""))
        with open(path, "wb") as f:
            f.write(png)


def contrast_ratio(a, b):
    """WCAG's contrast ratio of two RGB colours: 1 (the same) to 21 (black and white)."""
    def luminance(rgb):
        def channel(v):
            v /= 255.0
            return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4
        r, g, b = (channel(v) for v in rgb)
        return 0.2126 * r + 0.7152 * g + 0.0722 * b
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


# ---- windows ---------------------------------------------------------------------------


class Win:
    """One top-level X window of the program as xwininfo sees it."""

    def __init__(self, wid, name, x, y, w, h, override):
        self.id, self.name = wid, name
        self.x, self.y, self.w, self.h = x, y, w, h
        self.override = override

    def __repr__(self):
        return "%s %r %dx%d+%d+%d%s" % (self.id, self.name, self.w, self.h, self.x, self.y,
                                         " (popup)" if self.override else "")


def wait_until(condition, timeout, what, poll=0.05):
    """Polls `condition` until it returns something true; fails after `timeout` seconds."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise Failure("timed out after %.1f s waiting for %s" % (timeout, what))
        time.sleep(poll)


class XSession:
    def __init__(self, workdir, width=1600, height=1200, window_manager=True):
        self.workdir = workdir
        os.makedirs(workdir, exist_ok=True)
        self.procs = []  # (name, Popen), killed in reverse order by close()
        self.runtime_dir = tempfile.mkdtemp(prefix="tarnwick-e2e-rt-")
        os.chmod(self.runtime_dir, 0o700)
        self._old_handlers = {}
        for sig in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
            self._old_handlers[sig] = signal.signal(sig, self._on_signal)
        self.display = self._start_xvfb(width, height)
        self.env = self.program_env()
        self.wm = None
        if window_manager:
            self._start_wm()

    # -- processes

    def _on_signal(self, signum, frame):
        self.close()
        raise SystemExit(128 + signum)

    def spawn(self, name, argv, **kw):
        p = subprocess.Popen(argv, **kw)
        self.procs.append((name, p))
        return p

    def _start_xvfb(self, width, height):
        # -displayfd: Xvfb takes the first free display number itself and tells it to us.
        r, w = os.pipe()
        log = open(os.path.join(self.workdir, "xvfb.log"), "wb")
        self.xvfb = self.spawn("Xvfb", ["Xvfb", "-displayfd", str(w), "-screen", "0",
                                        "%dx%dx24" % (width, height), "-nolisten", "tcp",
                                        "-noreset"],
                               pass_fds=(w,), stdout=log, stderr=log)
        os.close(w)
        got = b""
        deadline = time.monotonic() + 10
        while not got.endswith(b"\n"):
            if time.monotonic() > deadline or self.xvfb.poll() is not None:
                raise Failure("Xvfb did not start (see %s)" % log.name)
            import select
            ready, _, _ = select.select([r], [], [], 0.2)
            if ready:
                chunk = os.read(r, 16)
                if not chunk:
                    raise Failure("Xvfb did not report a display number")
                got += chunk
        os.close(r)
        return ":" + got.decode().strip()

    def program_env(self):
        env = dict(os.environ)
        for k in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                  "SESSION_MANAGER", "DBUS_SESSION_BUS_ADDRESS"):
            env.pop(k, None)
        env.update(DISPLAY=self.display, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=self.runtime_dir,
                   LANG="C.UTF-8", LC_ALL="C.UTF-8")
        return env

    def _start_wm(self):
        log = open(os.path.join(self.workdir, "openbox.log"), "wb")
        self.wm = self.spawn("openbox", ["openbox", "--sm-disable"], env=self.env,
                             stdout=log, stderr=log)
        wait_until(lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in
                   self.x(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False),
                   10, "the window manager")

    def close(self):
        for name, p in reversed(self.procs):
            if p.poll() is None:
                try:
                    p.kill()
                except ProcessLookupError:
                    pass
                try:
                    p.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    pass
        self.procs = []
        shutil.rmtree(self.runtime_dir, ignore_errors=True)
        for sig, old in self._old_handlers.items():
            signal.signal(sig, old)
        self._old_handlers = {}

    def x(self, argv, check=True, timeout=10, input=None):
        """Runs an X client on our display; returns its standard output as text."""
        try:
            r = subprocess.run(argv, env=self.env, capture_output=True, timeout=timeout,
                               input=input)
        except subprocess.TimeoutExpired:
            raise Failure("%s did not finish within %d s" % (argv[0], timeout))
        if check and r.returncode != 0:
            raise Failure("%s failed: %s" % (" ".join(argv), r.stderr.decode(errors="replace")))
        return r.stdout.decode(errors="replace")

    # -- input, all of it real X events through the XTEST extension

    def xdo(self, *args):
        self.x(["xdotool"] + [str(a) for a in args])

    def move(self, x, y):
        self.xdo("mousemove", int(x), int(y))

    def click(self, x, y, button=1):
        self.xdo("mousemove", int(x), int(y), "sleep", "0.05", "click", button)

    def key(self, *keys):
        self.xdo("key", "--delay", "30", *keys)

    def type(self, text):
        self.xdo("type", "--delay", "3" if len(text) > 20 else "8", text)

    def drag(self, x0, y0, x1, y1, steps=12, hold=None):
        """Press at (x0, y0), move in steps to (x1, y1); `hold` runs before the release."""
        self.xdo("mousemove", int(x0), int(y0), "sleep", "0.05", "mousedown", 1)
        time.sleep(0.15)
        for k in range(1, steps + 1):
            self.move(x0 + (x1 - x0) * k / steps, y0 + (y1 - y0) * k / steps)
            time.sleep(0.03)
        time.sleep(0.15)
        if hold:
            hold()
        self.xdo("mouseup", 1)

    def set_clipboard(self, text):
        """Owns the clipboard with `text` (as a copy from another program would)."""
        p = self.spawn("xclip", ["xclip", "-quiet", "-selection", "clipboard"], env=self.env,
                       stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        p.stdin.write(text.encode())
        p.stdin.close()
        time.sleep(0.2)
        return p

    # -- what can be seen

    def capture(self):
        raw = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], env=self.env,
                             capture_output=True, timeout=15).stdout
        return Image.from_ppm(raw)

    def windows(self, pid):
        """The program's mapped top-level windows (popups included), bottom to top."""
        # With no pattern the search yields just the windows that carry the program's pid.
        out = self.x(["xdotool", "search", "--pid", str(pid)], check=False)
        found = []
        for wid in out.split():
            info = self.x(["xwininfo", "-id", wid], check=False)
            if "IsViewable" not in info:
                continue
            val = lambda key: int(re.search(key + r":\s*(-?\d+)", info).group(1))
            override = re.search(r"Override Redirect State:\s*yes", info) is not None
            # The window's own name, not the frame's: xwininfo prints it in quotes.
            m = re.search(r'Window id: \S+ (?:"(.*)"|\(has no name\))', info)
            name = m.group(1) if m and m.group(1) is not None else ""
            w = Win(wid, name, val("Absolute upper-left X"), val("Absolute upper-left Y"),
                    val("Width"), val("Height"), override)
            if w.w <= 1 or w.h <= 1:
                continue  # the toolkit's own helper windows
            found.append(w)
        order = self.stacking()
        found.sort(key=lambda w: order.index(int(w.id)) if int(w.id) in order else -1)
        return found

    def stacking(self):
        out = self.x(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"], check=False)
        return [int(v, 16) for v in re.findall(r"0x[0-9a-f]+", out)]

    def active_window(self):
        out = self.x(["xprop", "-root", "_NET_ACTIVE_WINDOW"], check=False)
        m = re.search(r"0x[0-9a-f]+", out)
        return int(m.group(0), 16) if m else 0

    def prop(self, wid, name):
        return self.x(["xprop", "-id", str(wid), name], check=False)

    def frame_of(self, wid):
        """The window manager's frame around a client window (the client itself without one)."""
        root = None
        cur = str(wid)
        for _ in range(10):
            info = self.x(["xwininfo", "-children", "-id", cur], check=False)
            m = re.search(r"Root window id: (0x[0-9a-f]+)", info)
            p = re.search(r"Parent window id: (0x[0-9a-f]+)", info)
            if not m or not p:
                break
            root = m.group(1)
            if p.group(1) == root:
                return cur
            cur = p.group(1)
        return cur

    def geometry(self, wid):
        info = self.x(["xwininfo", "-id", str(wid)], check=False)
        g = lambda key: int(re.search(key + r":\s*(-?\d+)", info).group(1))
        return g("Absolute upper-left X"), g("Absolute upper-left Y"), g("Width"), g("Height")

    def close_box(self, wid):
        """Screen point of the close button in the frame's title bar (the rightmost button)."""
        frame = self.frame_of(wid)
        fx, fy, fw, fh = self.geometry(frame)
        tree = self.x(["xwininfo", "-tree", "-id", frame], check=False)
        best = None
        for m in re.finditer(r"(0x[0-9a-f]+) [^\n]*?(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+)",
                             tree):
            w, h, ax, ay = int(m.group(2)), int(m.group(3)), int(m.group(4)), int(m.group(5))
            if 8 <= w <= 24 and w == h and ay - fy < 24 and (best is None or ax > best[0]):
                best = (ax, ay, w, h)
        if not best:
            raise Failure("no close button found in the frame of window %s" % wid)
        return best[0] + best[2] // 2, best[1] + best[3] // 2
