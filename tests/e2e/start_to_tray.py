#!/usr/bin/env python3
"""One start-time sample: starts a program under Wine (with "/startup") on
the X display in $DISPLAY, waits until its tray icon shows (Wine's tray
window is mapped), prints the seconds from start to icon, then ends every
Wine process and warms the server again for the next sample.

With --runs, it is its own driver: it starts a virtual display, takes the
samples of the programs in turn (A B A B ...) after one warm-up each, and
prints each program's median and the ratio of the medians to the first
program's; compare the magnifier with TrayOnly.exe (the least program that
shows a tray icon, same toolchain and flags).

Usage: start_to_tray.py PROGRAM.exe                    (one sample on $DISPLAY)
       start_to_tray.py --runs 7 PROGRAM.exe OTHER.exe...
"""

import os
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from harness import Display, Wine  # noqa: E402


class ExistingDisplay:
    def __init__(self, name):
        self.name = name

    def environment(self):
        return dict(os.environ, DISPLAY=self.name)


def sample(wine, program):
    """Seconds from start to tray icon, or None; leaves a warm server."""
    started = time.monotonic()
    wine.start([program, "/startup"], "start-to-tray")
    # Polled every 20 ms: xdotool's own --sync looks only every half second.
    found = False
    while not found and time.monotonic() - started < 60:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Wine System Tray$"],
                               env=wine.environment(), stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL).returncode == 0
        if not found:
            time.sleep(0.02)
    elapsed = time.monotonic() - started
    wine.kill()
    wine._call(["wineserver", "-p"], timeout=60, check=False)
    wine._call(["wine", "cmd", "/c", "exit"], timeout=120, check=False)
    return elapsed if found else None


def drive(runs, programs):
    display = Display(1920, 1080)
    wine = Wine()
    wine.lock()
    try:
        wine.kill()
        display.start()
        wine.prepare(display)
        times = {program: [] for program in programs}
        for program in programs:
            sample(wine, program)  # warm-up: file cache, first-start work
        for _ in range(runs):
            for program in programs:
                times[program].append(sample(wine, program))
    finally:
        try:
            wine.kill()
        finally:
            display.stop()
    base = None
    for program in programs:
        values = sorted(value for value in times[program] if value is not None)
        if len(values) < runs:
            print("%s: the tray icon did not show in %d of %d runs" % (program, runs - len(values), runs))
            return 1
        median = values[len(values) // 2]
        base = base or median
        print("%-22s start to tray icon: median %.3f s (min %.3f, max %.3f), %.2f x the first" % (
            Path(program).name, median, values[0], values[-1], median / base))
    return 0


def main():
    arguments = sys.argv[1:]
    if len(arguments) >= 3 and arguments[0] == "--runs":
        return drive(int(arguments[1]), arguments[2:])
    if len(arguments) != 1 or "DISPLAY" not in os.environ:
        print(__doc__)
        return 2
    wine = Wine()
    wine.lock()
    wine.display = ExistingDisplay(os.environ["DISPLAY"])
    elapsed = sample(wine, arguments[0])
    print("start-to-tray %s %s" % (Path(arguments[0]).name, "%.3f" % elapsed if elapsed else "no tray icon"))
    return 0 if elapsed else 1


if __name__ == "__main__":
    sys.exit(main())
