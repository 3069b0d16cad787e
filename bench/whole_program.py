#!/usr/bin/env python3
"""Whole-program figures, the ones a user feels:

  start-up   from exec of the real tarnwick binary to its main window mapped on Xvfb,
             median of 5 runs (budget 300 ms);
  memory     resident set size once the main window, the scenario dialog and the splash
             are shown (budget 80 MB), and over a headless run of 100,000 days of the
             main window's timer action the RSS at 1,000, 10,000 and 100,000 days (each
             within 2 MB of the first);
  a day      on the X display with its painting done at once: mean and 99th percentile
             over 1,000 days (budget: mean 1 ms).

    python3 bench/whole_program.py --build build [--out build/bench/whole_program.md]

Prints each figure with its budget and the machine's core count, writes them as a Markdown
table to --out, and exits 1 when a figure is over its budget.
"""

import argparse
import os
import re
import select
import statistics
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from xharness import Failure, XSession  # noqa: E402

MAIN_SIZE = (663, None)  # width; the height includes the menu bar
SHOWN_AT_START = 3  # the main window, the scenario dialog and the splash


def startup_run(session, binary):
    """One start: milliseconds from exec to the main window's MapNotify, and the RSS in kB
    once the three start-up windows are mapped."""
    watcher = subprocess.Popen(["xev", "-root", "-event", "substructure"], env=session.env,
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, bufsize=0)
    try:
        time.sleep(0.3)  # xev has selected the events before the program starts
        sizes, mapped = {}, []
        t0 = time.monotonic()
        prog = subprocess.Popen([binary], env=session.env, cwd=os.path.dirname(binary),
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        main_ms = None
        buf = b""
        deadline = t0 + 10
        try:
            while len(mapped) < SHOWN_AT_START:
                if time.monotonic() > deadline:
                    raise Failure("the program mapped %d of its %d start-up windows in 10 s"
                                  % (len(mapped), SHOWN_AT_START))
                ready, _, _ = select.select([watcher.stdout], [], [], 0.05)
                if not ready:
                    continue
                now = time.monotonic()
                buf += os.read(watcher.stdout.fileno(), 65536)
                *events, buf = buf.split(b"\n\n")
                for e in events:
                    text = e.decode(errors="replace")
                    c = re.search(r"CreateNotify.*?window (0x[0-9a-f]+), \(-?\d+,-?\d+\), "
                                  r"width (\d+), height (\d+)", text, re.S)
                    if c:
                        sizes[c.group(1)] = (int(c.group(2)), int(c.group(3)))
                    m = re.search(r"MapNotify.*?window (0x[0-9a-f]+), override NO", text, re.S)
                    if m and sizes.get(m.group(1), (0, 0))[0] > 1:
                        mapped.append(m.group(1))
                        if main_ms is None and sizes[m.group(1)][0] == MAIN_SIZE[0]:
                            main_ms = (now - t0) * 1000
            time.sleep(0.5)  # the three windows painted
            with open("/proc/%d/status" % prog.pid) as f:
                rss = int(re.search(r"VmRSS:\s*(\d+)", f.read()).group(1))
        finally:
            prog.kill()
            prog.wait(timeout=5)
        if main_ms is None:
            raise Failure("no 663-pixel-wide main window among the mapped windows")
        return main_ms, rss
    finally:
        watcher.kill()
        watcher.wait(timeout=5)


def run_bench(argv, env, timeout):
    r = subprocess.run(argv, env=env, capture_output=True, timeout=timeout, text=True)
    if r.returncode != 0:
        raise Failure("%s failed:\n%s" % (" ".join(argv), r.stderr))
    return r.stdout


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--build", default="build", help="the build folder (RelWithDebInfo)")
    ap.add_argument("--out", help="write the figures as a Markdown table to this file")
    args = ap.parse_args()
    binary = os.path.abspath(os.path.join(args.build, "app", "tarnwick"))
    bench = os.path.abspath(os.path.join(args.build, "bench", "xvfb_day_bench"))
    for f in (binary, bench):
        if not os.access(f, os.X_OK):
            print("whole_program: %s is missing; build first" % f)
            return 1

    cores = os.cpu_count()
    rows = []  # (figure, value, budget, ok)
    work = os.path.join(os.path.abspath(args.build), "bench", "whole_program")
    print("Whole-program figures on %d cores (%s)" % (cores, binary), flush=True)
    # No window manager: the program's windows map straight onto the root window.
    session = XSession(work, width=1280, height=1024, window_manager=False)
    try:
        runs = [startup_run(session, binary) for _ in range(5)]
        ms = [r[0] for r in runs]
        rss = [r[1] for r in runs]
        start_ms = statistics.median(ms)
        rows.append(("start-up to the main window mapped (median of 5)", "%.0f ms" % start_ms,
                     "300 ms", start_ms <= 300))
        print("  start-up runs: %s ms" % ", ".join("%.0f" % v for v in ms), flush=True)
        rss_mb = max(rss) / 1024
        rows.append(("RSS with the three start-up windows shown (largest of 5)",
                     "%.1f MB" % rss_mb, "80 MB", rss_mb <= 80))

        out = run_bench([bench, "display", "1000"], session.env, timeout=120)
        fig = dict(re.findall(r"^(\w+) ([\d.]+)$", out, re.M))
        mean_ms, p99_ms = float(fig["day_mean_us"]) / 1000, float(fig["day_p99_us"]) / 1000
        rows.append(("a day on the X display, painted (mean of 1,000)", "%.3f ms" % mean_ms,
                     "1 ms", mean_ms <= 1.0))
        rows.append(("a day on the X display, painted (99th percentile)", "%.3f ms" % p99_ms,
                     "-", True))
        print("  display run: %s" % " ".join("%s=%s" % kv for kv in fig.items()), flush=True)
    finally:
        session.close()

    env = dict(session.env, QT_QPA_PLATFORM="offscreen")
    env.pop("DISPLAY", None)
    out = run_bench([bench, "memory", "100000"], env, timeout=600)
    soak = [(int(d), int(kb)) for d, kb in re.findall(r"^rss_kb_at_day (\d+) (\d+)", out, re.M)]
    first = soak[0][1]
    for day, kb in soak:
        drift = (kb - first) / 1024
        rows.append(("RSS after %s headless days" % format(day, ","),
                     "%.1f MB (%+.2f MB)" % (kb / 1024, drift), "first +- 2 MB",
                     abs(kb - first) <= 2048))

    width = max(len(r[0]) for r in rows)
    print()
    for name, value, budget, ok in rows:
        print("  %-*s  %-20s budget %-14s %s" % (width, name, value, budget,
                                                 "ok" if ok else "OVER BUDGET"))
    table = ["| figure | measured | budget |", "|---|---|---|"]
    table += ["| %s | %s | %s |" % (n, v, b) for n, v, b, _ in rows]
    table.append("")
    table.append("Measured on %d cores with `make bench` (`python3 bench/whole_program.py "
                 "--build %s`)." % (cores, args.build))
    if args.out:
        os.makedirs(os.path.dirname(os.path.abspath(args.out)), exist_ok=True)
        with open(args.out, "w") as f:
            f.write("\n".join(table) + "\n")
        print("\n  written to %s" % args.out)
    return 0 if all(r[3] for r in rows) else 1


if __name__ == "__main__":
    try:
        sys.exit(main())
    except Failure as e:
        print("whole_program FAILED: %s" % e)
        sys.exit(1)
