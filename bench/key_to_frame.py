#!/usr/bin/env python3
"""Key press to first lens frame, as the end-to-end harness sees it.

Runs VexaMagnifier.exe under Wine on a virtual display (auto-lock off, right
Ctrl trigger) over the pattern window. Each run sends the key press straight
through XTest and then reads a small screen patch with XGetImage in a tight
loop until it changes (first lens frame) and until it shows what the lens
must show there (first correct frame). For comparison it times plain
screenshots: XGetImage of the whole screen (alone and with the conversion the
harness does) and `import -window root`. Prints medians.

Usage: key_to_frame.py --exe build/win64/VexaMagnifier.exe [--runs 15]
"""

import argparse
import statistics
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))

from harness import (CELL, MAGNIFIER_SETTINGS_KEY, Display, HarnessError, Session, Wine, decode,  # noqa: E402
                     expected_lens_mapping, find_pattern_exe, imagemagick, release_input, wait_for)

PATCH = 16  # side of the probed screen patch, pixels


def milliseconds(values):
    return "median %.1f ms (min %.1f, max %.1f, n=%d)" % (statistics.median(values) * 1000, min(values) * 1000,
                                                         max(values) * 1000, len(values))


def time_screenshots(session, count):
    x = session.x
    width, height = x.screen_size()
    raw, converted, imported = [], [], []
    for _ in range(count):
        started = time.perf_counter()
        image = x.xlib.XGetImage(x.display, x.root, 0, 0, width, height, x.ALL_PLANES, x.ZPIXMAP)
        raw.append(time.perf_counter() - started)
        x.xlib.XDestroyImage(image)
        started = time.perf_counter()
        x.screenshot()
        converted.append(time.perf_counter() - started)
        started = time.perf_counter()
        subprocess.run([imagemagick("import"), "-window", "root", "ppm:-"], env=session.display.environment(),
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60)
        imported.append(time.perf_counter() - started)
    return raw, converted, imported


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--exe", required=True)
    parser.add_argument("--runs", type=int, default=15)
    arguments = parser.parse_args()

    display = Display(1920, 1080)
    wine = Wine()
    try:
        wine.lock()
        wine.kill()
        display.start()
        wine.prepare(display)
        session = Session(arguments.exe, find_pattern_exe(arguments.exe), display, wine)
        x = display.x
        if x.xtest is None:
            raise HarnessError("XTest is not available")
        release_input(display)
        wine.reg_delete_key(MAGNIFIER_SETTINGS_KEY)
        wine.reg_add(MAGNIFIER_SETTINGS_KEY, "AutoLock", "REG_DWORD", 0)
        session.start_pattern()
        session.start_program("/STARTUP")
        if session.wait_tray(timeout=30) is None:
            raise HarnessError("the program showed no tray icon")

        cursor = (960, 540)
        # Probe where the 2x lens shows the centre of a cell other than the one
        # the desktop shows there: both pictures decode unambiguously.
        _, _, source_left, source_top = expected_lens_mapping(session.virtual, session.to_windows(*cursor), 200)
        target = ((cursor[0] + 150) // CELL * CELL + CELL // 2, (cursor[1] + 100) // CELL * CELL + CELL // 2)
        centre = ((target[0] - source_left) * 2, (target[1] - source_top) * 2)
        probe = (centre[0] - PATCH // 2, centre[1] - PATCH // 2)
        lens_cell = decode(*session.screenshot().pixel(*target))
        desktop_cell = decode(*session.last_image.pixel(*centre))
        if lens_cell is None or desktop_cell is None or desktop_cell == lens_cell:
            raise HarnessError("no usable probe point")

        def patch():
            return x.screenshot(probe[0], probe[1], PATCH, PATCH)

        first_frames, correct_frames = [], []
        for run in range(arguments.runs):
            session.focus_pattern()
            session.mouse_move(*cursor)
            # The lens of the previous run must be gone (hiding can take Wine
            # up to 2 s without a window manager).
            if not wait_for(lambda: decode(*patch().pixel(*centre)) == desktop_cell, 10, 0.05):
                raise HarnessError("the lens did not go away after run %d (probe shows %s, windows %s)" % (
                    run, decode(*patch().pixel(*centre)), session.program_windows()))
            time.sleep(0.3)
            baseline = patch().rgb
            first = correct = None
            started = time.perf_counter()
            x.fake_key("Control_R", True)
            deadline = started + 5
            while time.perf_counter() < deadline:
                image = patch()
                now = time.perf_counter()
                if first is None and image.rgb != baseline:
                    first = now - started
                if decode(*image.pixel(*centre)) == lens_cell:
                    correct = now - started
                    break
                # A pause keeps the probe from starving the X server, which
                # also serves Wine's drawing.
                time.sleep(0.002)
            # Held on like a person would: a release within a few tens of
            # milliseconds of the lens's activation can be lost while the X
            # focus moves, and the lens would then wait for it for good.
            time.sleep(0.5)
            x.fake_key("Control_R", False)
            if first is not None:
                first_frames.append(first)
            if correct is not None:
                correct_frames.append(correct)
        release_input(display)

        print("key_to_frame: %d runs, 1920x1080, zoom 200 %%" % arguments.runs)
        if first_frames:
            print("  key press -> first changed frame:  %s" % milliseconds(first_frames))
        if correct_frames:
            print("  key press -> first correct frame:  %s" % milliseconds(correct_frames))
        if not correct_frames:
            print("  the lens never showed the expected picture")
        raw, converted, imported = time_screenshots(session, 10)
        print("  plain screenshot, XGetImage 1920x1080:          %s" % milliseconds(raw))
        print("  plain screenshot, XGetImage + RGB conversion:   %s" % milliseconds(converted))
        print("  plain screenshot, import -window root (PPM):    %s" % milliseconds(imported))
        session.cleanup()
        return 0 if correct_frames else 1
    except HarnessError as error:
        print("key_to_frame: %s" % error)
        return 1
    finally:
        try:
            wine.kill()
        finally:
            display.stop()


if __name__ == "__main__":
    sys.exit(main())
