#!/usr/bin/env python3
"""Shows the magnifier working without a display of one's own: starts a
virtual display, the pattern window and the program, writes DIR/before.png,
holds the trigger key (right Ctrl), writes DIR/during.png, releases it, ends
the program through Exit in its tray menu and stops the display.

Usage: demo.py --exe build/win64/VexaMagnifier.exe --out out
"""

import argparse
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from harness import (MAGNIFIER_SETTINGS_KEY, Display, HarnessError, Session, Wine, find_pattern_exe,  # noqa: E402
                     is_identity, measure_view, release_input, wait_for)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--exe", required=True)
    parser.add_argument("--out", required=True)
    arguments = parser.parse_args()
    out = Path(arguments.out)
    out.mkdir(parents=True, exist_ok=True)

    display = Display(1920, 1080)
    wine = Wine()
    try:
        wine.lock()
        wine.kill()
        display.start()
        wine.prepare(display)
        session = Session(arguments.exe, find_pattern_exe(arguments.exe), display, wine)
        release_input(display)
        # The demo shows the stored defaults: right Ctrl, 200 percent, auto-lock.
        wine.reg_delete_key(MAGNIFIER_SETTINGS_KEY)
        session.start_pattern()
        process = session.start_program("/STARTUP")
        if session.wait_tray(timeout=30) is None:
            raise HarnessError("the program showed no tray icon")
        session.focus_pattern()
        session.mouse_move(700, 400)
        session.screenshot().save_png(out / "before.png")
        print("before.png: the desktop with the pattern at its own place")

        session.key_down("Control_R")
        view = wait_for(lambda: (lambda v: v if v and v.scale_x > 1.5 else None)(session.view()), 10, 0.05)
        session.screenshot().save_png(out / "during.png")
        print("during.png: right Ctrl held, %s" % (view or "no lens seen"))
        session.key_up("Control_R")
        time.sleep(0.5)
        # With auto-lock the lens stays after the release; Escape hides it.
        after = measure_view(session.screenshot())
        if after is None or not is_identity(after):
            session.tap("Escape")
        time.sleep(0.5)

        session.tray_click(3)
        if not session.choose_last_menu_item():
            raise HarnessError("the tray menu did not open")
        process.wait(timeout=15)
        print("the program ended through Exit (code %s)" % process.returncode)
        session.cleanup()
        return 0 if view else 1
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
