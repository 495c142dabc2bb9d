#!/usr/bin/env python3
"""Shows the magnifier working without a display of one's own: starts a
virtual display with a stand-in desktop (a few icons and a text editor with
a letter, tests/e2e/DemoDesktop.cpp) and the program, writes DIR/before.png,
holds the trigger key (right Ctrl) with the pointer on the letter, writes
DIR/during.png (the letter's text at 200 percent), releases it, ends the
program through Exit in its tray menu and stops the display.

Usage: demo.py --exe build/win64/VexaMagnifier.exe --out out [--docs docs]
With --docs, half-size copies of the two pictures go there too (the README
shows them).
"""

import argparse
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from harness import (MAGNIFIER_SETTINGS_KEY, Display, HarnessError, Session, Wine, find_pattern_exe,  # noqa: E402
                     imagemagick, release_input, wait_for, xdotool)

DESKTOP_TITLE = "Vexa Demo Desktop"
# On the letter in the editor window: the lens shows its text doubled.
POINTER = (800, 360)


def changed_share(before, after):
    """The share of pixels (sampled every 4th on both axes) that differ."""
    total = differ = 0
    for y in range(0, before.height, 4):
        for x in range(0, before.width, 4):
            total += 1
            if before.pixel(x, y) != after.pixel(x, y):
                differ += 1
    return differ / float(total)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--exe", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--docs", help="also write half-size copies here (demo-before.png, demo-during.png)")
    arguments = parser.parse_args()
    out = Path(arguments.out)
    out.mkdir(parents=True, exist_ok=True)
    desktop_exe = Path(arguments.exe).resolve().parent / "DemoDesktop.exe"
    if not desktop_exe.exists():
        print("demo: %s not found: build the DemoDesktop target" % desktop_exe)
        return 1

    display = Display(1920, 1080)
    wine = Wine()
    try:
        wine.lock()
        wine.kill()
        display.start()
        wine.prepare(display)
        session = Session(arguments.exe, find_pattern_exe(arguments.exe), display, wine)
        release_input(display)
        # The demo shows the stored defaults (right Ctrl, 200 percent) without
        # auto-lock, so that the lens goes with the key.
        wine.reg_delete_key(MAGNIFIER_SETTINGS_KEY)
        wine.reg_add(MAGNIFIER_SETTINGS_KEY, "AutoLock", "REG_DWORD", 0)
        session.read_screen_geometry()
        desktop = wine.start([desktop_exe], "desktop")
        session.processes.append(desktop)
        if not wait_for(lambda: session.x_windows("^%s$" % DESKTOP_TITLE), 20, 0.2):
            raise HarnessError("the demo desktop did not appear")
        process = session.start_program("/STARTUP")
        if session.wait_tray(timeout=30) is None:
            raise HarnessError("the program showed no tray icon")
        window = session.x_windows("^%s$" % DESKTOP_TITLE)[0]
        xdotool(display, ["windowfocus", "--sync", str(window)], check=False, timeout=5)
        session.mouse_move(*POINTER)
        time.sleep(1.0)
        before = session.screenshot()
        before.save_png(out / "before.png")
        print("before.png: the desktop with the letter at its own size")

        session.key_down("Control_R")
        during = wait_for(lambda: (lambda image: image if changed_share(before, image) > 0.5 else None)(
            session.screenshot()), 10, 0.1)
        time.sleep(0.5)  # the first frame may still be drawing
        during = session.screenshot() if during else None
        if during is not None:
            during.save_png(out / "during.png")
            print("during.png: right Ctrl held, the letter at 200 percent around the pointer")
        else:
            print("demo: the lens did not appear within 10 s")
        session.key_up("Control_R")
        time.sleep(1.0)

        session.tray_click(3)
        if not session.choose_last_menu_item():
            raise HarnessError("the tray menu did not open")
        process.wait(timeout=15)
        print("the program ended through Exit (code %s)" % process.returncode)
        session.cleanup()
        if during is not None and arguments.docs:
            docs = Path(arguments.docs)
            docs.mkdir(parents=True, exist_ok=True)
            for name in ("before", "during"):
                subprocess.run([imagemagick("convert"), str(out / (name + ".png")), "-resize", "50%",
                                str(docs / ("demo-%s.png" % name))], check=True, timeout=60)
            print("half-size copies in %s" % docs)
        return 0 if during is not None else 1
    except HarnessError as error:
        print("demo: %s" % error)
        return 1
    finally:
        try:
            wine.kill()
        finally:
            display.stop()


if __name__ == "__main__":
    sys.exit(main())
