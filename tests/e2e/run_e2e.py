#!/usr/bin/env python3
"""End-to-end scenarios of the real VexaMagnifier.exe under Wine on a virtual
X display: real X key presses and mouse moves (xdotool), checked by
screenshots of the position-coded pattern (tests/e2e/PatternWindow.cpp) that
the lens must show enlarged, by the cursor image (XFixes), by the windows
the program shows and by its process.

Usage: run_e2e.py --exe build/win64/VexaMagnifier.exe [-k NAME]... [--list]

Prints one line per scenario and a summary line; exits non-zero when a
scenario failed. Screenshots of failures go to build/e2e-artifacts/.
"""

import argparse
import os
import signal
import subprocess
import sys
import time
import traceback
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import harness  # noqa: E402
import netns  # noqa: E402
import update_scenarios  # noqa: E402
from harness import (BUILD, MAGNIFIER_SETTINGS_KEY, SCHEMES, TRAY_STRIP, TWO_MONITORS, Display,  # noqa: E402
                     Failure, HarnessError, Session, Wine, count, edge_thickness, expected_lens_mapping,
                     frame_faults, glyph_faults, ink_box, is_identity, measure_view, near, opened_pages, store_skins,
                     wait_for)

SCENARIO_TIMEOUT = 150  # seconds; a scenario normally needs 10 to 40
# Wine without a window manager takes the screen image of a hidden window
# away up to 2 s after the hiding: "still shown" is judged after this long.
HIDE_LATENCY = 2.5
ARTIFACTS = BUILD / "e2e-artifacts"

SCENARIOS = []


def scenario(name, display="single"):
    def register(function):
        SCENARIOS.append((name, display, function))
        return function
    return register


class Magnifier(Session):
    """A session with the checks that are about the magnifier."""

    scenario_name = "scenario"

    def settings(self, **values):
        """Replaces the stored magnifier settings by these (none: defaults);
        the language is the system's again."""
        self.wine.reg_delete_key(MAGNIFIER_SETTINGS_KEY)
        self.wine.reg_delete_key(MAGNIFIER_SETTINGS_KEY.rsplit("\\", 1)[0] + "\\Language")
        for name, value in values.items():
            if isinstance(value, bool) or isinstance(value, int):
                self.wine.reg_add(MAGNIFIER_SETTINGS_KEY, name, "REG_DWORD", int(value))
            else:
                self.wine.reg_add(MAGNIFIER_SETTINGS_KEY, name, "REG_SZ", value)

    def launch(self, *arguments):
        """Starts the program with the pattern behind it and waits until it
        has finished starting; answers the process."""
        if self.pattern is None:
            self.start_pattern()
        else:
            self.focus_pattern()
        mark = self.pattern_log_mark()
        process = self.start_program(*arguments)
        if self.wait_tray(timeout=30) is None:
            raise Failure("no tray icon within 30 s of the start%s" % self._exit_note(process))
        self.wait_started(process, mark)
        return process

    def _exit_note(self, process):
        code = process.poll()
        return "" if code is None else " (the process ended with code %d)" % code

    def stop_program(self, process):
        """Ends the program (its process, by id) before another start."""
        process.terminate()
        try:
            process.wait(timeout=10)
        except Exception:
            process.kill()
            process.wait(timeout=5)
        self.processes.remove(process)

    def pattern_log_mark(self):
        """The present end of the pattern window's log (its key and activation
        messages)."""
        path = self.wine.log_dir / "pattern.log"
        return path.stat().st_size if path.exists() else 0

    def pattern_deactivated_since(self, mark):
        """The pattern window lost the activation after the mark."""
        path = self.wine.log_dir / "pattern.log"
        if not path.exists():
            return False
        with open(path, "rb") as log_file:
            log_file.seek(mark)
            return b"activate 0" in log_file.read()

    def wait_started(self, process, mark, timeout=20):
        """Waits until the program has finished its start. Its last visible
        step shows and activates the lens window once and hides it again,
        which takes the activation from the pattern window (the tray icon
        comes earlier, and a copy that ran before may have left one). Hiding
        a window costs Wine up to 2 s without a window manager, and only then
        does the polling start: keys pressed before that are lost, so the
        pattern window takes the keyboard back only afterwards."""
        if wait_for(lambda: self.pattern_deactivated_since(mark), timeout, 0.05) is None:
            self.fail("the program's start did not activate its lens window within %d s%s"
                      % (timeout, self._exit_note(process)))
        time.sleep(2.5)
        self.settle_focus()

    def settle_focus(self, tries=10):
        """Gives the pattern window the keyboard until it keeps it for a
        moment (a window of the program may still be taking it)."""
        for _ in range(tries):
            mark = self.pattern_log_mark()
            self.focus_pattern()
            time.sleep(0.4)
            if not self.pattern_deactivated_since(mark):
                return
        raise HarnessError("the pattern window does not keep the keyboard focus")

    def cancel_menu_mode(self, keys):
        """An Alt key pressed and let go alone puts the focused window into
        menu mode; Escape ends it before the next combination."""
        if keys and all(key.startswith("Alt") for key in keys):
            self.tap("Escape")

    def ready_for_keys(self, x, y):
        """Cursor to (x, y), keyboard focus to the pattern window."""
        self.focus_pattern()
        self.mouse_move(x, y)

    def fail(self, reason, tag="failure"):
        """Fails the scenario, keeping the screenshot and telling which windows
        of the program existed at that moment."""
        path = self.save("%s-%s" % (self.scenario_name, tag))
        try:
            windows = self.program_windows(visible_only=False, children=True)
        except HarnessError:
            windows = "unknown"
        raise Failure("%s [screenshot %s] [program windows: %s]" % (reason, path.relative_to(BUILD.parent), windows))

    def wait_lens(self, zoom, cursor, what, timeout=5.0, region=None):
        """Waits until the screen shows the lens at `zoom` percent around the X
        point `cursor` (the source rectangle centred on it and clamped at the
        snapshot's edges); answers the View, fails with what was seen."""
        windows_cursor = self.to_windows(*cursor)
        scale_x, scale_y, source_left, source_top = expected_lens_mapping(self.virtual, windows_cursor, zoom)
        seen = [None]

        def matches():
            view = self.view(region)
            seen[0] = view
            if (view and abs(view.scale_x / scale_x - 1) < 0.025 and abs(view.scale_y / scale_y - 1) < 0.025
                    and abs(view.offset_x - source_left) <= 6 and abs(view.offset_y - source_top) <= 6):
                return view
            return None

        view = wait_for(matches, timeout, 0.03)
        if view is None:
            self.fail("%s: expected the lens at %.2fx showing source (%d,%d) at the top-left, saw %s" % (
                what, scale_x, source_left, source_top, seen[0] or "no pattern view"))
        return view

    def wait_desktop(self, what, timeout=5.0):
        """Waits until the screen shows the pattern at its own place (no lens)."""
        region = (0, 0, self.display.width, self.display.height - TRAY_STRIP)
        seen = [None]

        def matches():
            view = self.view(region)
            seen[0] = view
            return view if view and is_identity(view) else None

        if wait_for(matches, timeout, 0.05) is None:
            self.fail("%s: expected the desktop (pattern at 1x in place), saw %s" % (what, seen[0] or "no pattern"))

    def expect_lens_stays(self, zoom, cursor, what, duration):
        """The lens is still there after `duration` seconds."""
        time.sleep(duration)
        self.wait_lens(zoom, cursor, what, timeout=0.5)

    def expect_cursor(self, hidden, what):
        # The X server updates the cursor image when the pointer enters another
        # window; give it a moment.
        if wait_for(lambda: self.cursor_hidden() == hidden, 3, 0.05) is None:
            self.fail("%s: expected the cursor %s" % (what, "hidden" if hidden else "visible"))

    def wait_exit(self, process, timeout, what):
        try:
            return process.wait(timeout=timeout)
        except Exception:
            self.fail("%s: the process still runs after %d s" % (what, timeout))


# --- scenarios ------------------------------------------------------------------------

@scenario("pattern_analysis", display="none")
def pattern_analysis(m):
    """The screenshot analysis itself: pictures of the pattern enlarged by
    ImageMagick (2x box, 4x and 2.3x smoothed, like HALFTONE) are measured at
    their true scale and origin; a picture with two scales is refused."""
    pattern = harness.pattern_image(1920, 1080)
    cases = [
        ("1x", pattern, (1.0, 1.0, 0, 0)),
        ("2x box", harness.transformed(pattern, "-crop", "960x540+480+270", "+repage", "-scale", "200%"),
         (2.0, 2.0, 480, 270)),
        ("4x triangle", harness.transformed(pattern, "-crop", "480x270+100+60", "+repage", "-filter", "Triangle",
                                            "-resize", "400%"), (4.0, 4.0, 100, 60)),
        ("2.3x", harness.transformed(pattern, "-crop", "834x469+543+306", "+repage", "-filter", "Triangle",
                                     "-resize", "1920x1080!"), (1920 / 834.0, 1080 / 469.0, 543, 306)),
    ]
    for name, image, (scale_x, scale_y, left, top) in cases:
        view = measure_view(image)
        if (view is None or abs(view.scale_x - scale_x) > 0.01 or abs(view.scale_y - scale_y) > 0.01
                or abs(view.offset_x - left) > 1 or abs(view.offset_y - top) > 1):
            raise Failure("%s: measured %s, expected scale %.3f x %.3f from (%d,%d)" % (
                name, view, scale_x, scale_y, left, top))
    doubled = cases[1][1]
    row_bytes = 1920 * 3
    mixed = harness.Image(1920, 1080, b"".join(
        doubled.rgb[y * row_bytes:y * row_bytes + row_bytes // 2] + pattern.rgb[y * row_bytes + row_bytes // 2:
                                                                                (y + 1) * row_bytes]
        for y in range(1080)))
    if measure_view(mixed) is not None:
        raise Failure("a picture that is half 2x and half 1x was measured as one view: %s" % measure_view(mixed))
    if measure_view(harness.Image(1920, 1080, bytes(1920 * 1080 * 3))) is not None:
        raise Failure("a black picture was measured as a view")


@scenario("hold_shows_2x")
def hold_shows_2x(m):
    """Without auto-lock the lens is there exactly while right Ctrl is held:
    2x around the cursor, cursor hidden, panning with the mouse."""
    m.settings(AutoLock=0)
    m.launch("/STARTUP")
    m.ready_for_keys(700, 400)
    m.expect_cursor(False, "before the key")
    m.key_down("Control_R")
    m.wait_lens(200, (700, 400), "right Ctrl held")
    m.expect_cursor(True, "lens shown")
    m.mouse_move(1300, 650)
    m.wait_lens(200, (1300, 650), "mouse moved while held")
    m.expect_lens_stays(200, (1300, 650), "still held", 0.5)
    m.key_up("Control_R")
    m.wait_desktop("right Ctrl released")
    m.expect_cursor(False, "lens hidden")


@scenario("autolock")
def autolock(m):
    """With auto-lock (the default) the lens stays after the release and goes
    away on the same key, on Escape, on a left click after the activation
    grace second (one within it keeps the lens), and at once on a right click,
    grace or not."""
    m.settings()
    m.launch("/STARTUP")
    centre = (960, 540)
    m.ready_for_keys(*centre)
    m.tap("Control_R")
    m.wait_lens(200, centre, "right Ctrl pressed and released")
    # Also past the release of the lens's own activation click.
    m.expect_lens_stays(200, centre, "after the release", HIDE_LATENCY)
    m.tap("Control_R")
    m.wait_desktop("right Ctrl pressed again")

    m.ready_for_keys(*centre)
    m.tap("Control_R")
    m.wait_lens(200, centre, "shown again")
    m.tap("Escape")
    m.wait_desktop("Escape")

    # The left click right after the lens appeared falls within the grace
    # second of the lens's own activation click; one after it does not.
    m.ready_for_keys(*centre)
    m.tap("Control_R")
    probe = (660, 390, 1260, 690)
    m.wait_lens(200, centre, "shown for the click test", region=probe)
    shown_at = time.monotonic()
    m.click(1)
    clicked_after = time.monotonic() - shown_at
    if clicked_after > 0.8:
        raise HarnessError("the early click came %.2f s after the lens appeared: too late to test" % clicked_after)
    # A hidden window leaves the screen only up to 2 s later under Wine
    # without a window manager: look after that.
    m.expect_lens_stays(200, centre, "left click %.2f s after the lens appeared" % clicked_after,
                        HIDE_LATENCY)
    m.click(1)
    m.wait_desktop("left click %.1f s after the lens appeared" % (time.monotonic() - shown_at))

    # A right click hides at once, even within the grace second.
    m.ready_for_keys(*centre)
    m.tap("Control_R")
    m.wait_lens(200, centre, "shown for the right click", region=probe)
    shown_at = time.monotonic()
    m.click(3)
    clicked_after = time.monotonic() - shown_at
    if clicked_after > 0.8:
        raise HarnessError("the right click came %.2f s after the lens appeared: too late to test" % clicked_after)
    m.wait_desktop("right click %.2f s after the lens appeared" % clicked_after)


@scenario("is_on_off")
def is_on_off(m):
    """IsOn stored as 0: the trigger shows nothing, a tray click still shows
    the lens, and with auto-lock the trigger still hides it. Without
    auto-lock a tray-shown lens stays while the trigger is held, Escape
    counts only once the trigger is up, and letting go hides it."""
    m.settings(IsOn=0)
    process = m.launch("/STARTUP")
    centre = (960, 540)
    m.ready_for_keys(*centre)
    m.key_down("Control_R")
    time.sleep(1.0)
    m.wait_desktop("right Ctrl held with IsOn 0", timeout=0.5)
    m.key_up("Control_R")
    icon = m.wait_tray()
    m.tray_click(1)
    m.wait_lens(200, icon, "tray icon clicked with IsOn 0")
    m.mouse_move(*centre)
    m.wait_lens(200, centre, "mouse moved over the tray-shown lens")
    m.focus_pattern()
    m.tap("Control_R")
    m.wait_desktop("right Ctrl pressed on the tray-shown lens")

    m.stop_program(process)
    m.settings(IsOn=0, AutoLock=0)
    m.launch("/STARTUP")
    m.ready_for_keys(*centre)
    m.key_down("Control_R")
    m.tray_click(1)
    m.wait_lens(200, icon, "tray icon clicked with right Ctrl held and auto-lock off")
    m.mouse_move(*centre)
    m.focus_pattern()
    m.tap("Escape")
    m.expect_lens_stays(200, centre, "Escape pressed while right Ctrl is held", HIDE_LATENCY)
    m.key_up("Control_R")
    m.wait_desktop("right Ctrl let go without auto-lock")


# Each trigger row: its stored name, keys that make it, combinations that
# lack one of its keys, and a combination with a key too many.
KEY_ROWS = [
    ("RCtrl", ["Control_R"], [["Control_L"]], []),
    ("RAlt", ["Alt_R"], [["Alt_L"]], []),
    ("Ctrl", ["Control_L"], [["Shift_L", "Alt_L"]], [["Control_L", "Shift_L"]]),
    ("CtrlShift", ["Control_R", "Shift_L"], [["Control_L"], ["Shift_R"]], []),
    ("CtrlAlt", ["Control_L", "Alt_R"], [["Control_R"], ["Alt_L"]], []),
    ("CtrlShiftAlt", ["Control_R", "Shift_R", "Alt_L"], [["Control_L", "Shift_L"], ["Control_L", "Alt_R"]],
     []),
]


@scenario("key_rows")
def key_rows(m):
    """Each of the six stored key types shows the lens with its own keys and
    not with a combination that lacks one of them (left Ctrl for RCtrl, left
    Alt for RAlt, Ctrl alone for CtrlShift...); keys beyond the row do not
    matter (Ctrl+Shift shows the Ctrl row). One display and pattern for all
    six starts."""
    centre = (960, 540)
    process = None
    for name, keys, lacking, supersets in KEY_ROWS:
        if process is not None:
            m.stop_program(process)
        harness.log("key row %s: settings" % name)
        m.settings(KeyType=name, AutoLock=0)
        process = m.launch("/STARTUP")
        harness.log("key row %s: started" % name)
        for combination in lacking:
            m.ready_for_keys(*centre)
            m.key_down(*combination)
            time.sleep(0.8)
            m.wait_desktop("%s held with the %s trigger" % ("+".join(combination), name), timeout=0.3)
            m.key_up(*reversed(combination))
            m.cancel_menu_mode(combination)
            harness.log("key row %s: %s checked" % (name, combination))
        for combination in [keys] + supersets:
            m.ready_for_keys(*centre)
            m.key_down(*combination)
            m.wait_lens(200, centre, "%s held with the %s trigger" % ("+".join(combination), name))
            m.key_up(*reversed(combination))
            m.wait_desktop("%s released with the %s trigger" % ("+".join(combination), name))
            m.cancel_menu_mode(combination)
            harness.log("key row %s: %s checked" % (name, combination))


@scenario("wheel_and_corners")
def wheel_and_corners(m):
    """A wheel step forward grows the zoom by 1.15, backward shrinks it by
    0.85; at a screen corner the view stops at the snapshot's edge."""
    m.settings()
    m.launch("/STARTUP")
    centre = (960, 540)
    m.ready_for_keys(*centre)
    m.tap("Control_R")
    m.wait_lens(200, centre, "locked lens")
    m.click(4)
    m.wait_lens(230, centre, "one wheel step forward (200 -> 230)")
    m.click(5)
    m.wait_lens(195, centre, "one wheel step back (230 -> 195)")
    m.mouse_move(0, 0)
    m.wait_lens(195, (0, 0), "cursor in the top-left corner")
    m.mouse_move(m.display.width - 1, 0)
    m.wait_lens(195, (m.display.width - 1, 0), "cursor in the top-right corner")
    m.tap("Escape")
    m.wait_desktop("Escape")
    # The next showing starts again from the stored level.
    m.ready_for_keys(*centre)
    m.tap("Control_R")
    m.wait_lens(200, centre, "shown again after a wheel change")
    m.tap("Escape")
    m.wait_desktop("Escape")


@scenario("single_instance")
def single_instance(m):
    """A second start from the same file ends at once without any window;
    the first copy keeps running and working."""
    m.settings(AutoLock=0)
    first = m.launch("/STARTUP")
    before = {window.handle for window in m.program_windows()}
    started = time.monotonic()
    second = m.start_program("/STARTUP")
    try:
        code = second.wait(timeout=15)
    except Exception:
        m.fail("the second copy still runs after 15 s")
    took = time.monotonic() - started
    after = [window for window in m.program_windows() if window.handle not in before]
    if after:
        m.fail("the second copy left windows: %s" % after)
    if first.poll() is not None:
        m.fail("the first copy ended (code %s) when the second started" % first.poll())
    harness.log("second copy ended with code %s after %.2f s" % (code, took))
    m.ready_for_keys(960, 540)
    m.key_down("Control_R")
    m.wait_lens(200, (960, 540), "the first copy still shows the lens")
    m.key_up("Control_R")
    m.wait_desktop("released")


@scenario("simultaneous_starts")
def simultaneous_starts(m):
    """Two copies started at the same moment leave exactly one running, and
    that one works."""
    m.settings(AutoLock=0)
    m.start_pattern()
    copies = [m.start_program("/STARTUP"), m.start_program("/STARTUP")]
    if m.wait_tray(timeout=30) is None:
        m.fail("no tray icon within 30 s of the two starts")
    deadline = time.monotonic() + 15
    while time.monotonic() < deadline and all(copy.poll() is None for copy in copies):
        time.sleep(0.1)
    time.sleep(2)
    running = [copy for copy in copies if copy.poll() is None]
    if len(running) != 1:
        m.fail("%d copies run after two simultaneous starts" % len(running))
    m.ready_for_keys(960, 540)
    m.key_down("Control_R")
    m.wait_lens(200, (960, 540), "the remaining copy shows the lens")
    m.key_up("Control_R")
    m.wait_desktop("released")


def find_hint(m):
    caption = m.exe.stem
    return [window for window in m.program_windows() if window.class_name == "#32770" and window.title == caption]


@scenario("startup_hint")
def startup_hint(m):
    """A start with "/STARTUP" or "-StartUp" shows no usage hint; a start
    without arguments shows it (a standard message box captioned with the
    program's file name), and the lens works while it is open."""
    m.settings(AutoLock=0)
    for argument in ("/STARTUP", "-StartUp"):
        process = m.launch(argument)
        time.sleep(2.0)
        hints = find_hint(m)
        if hints:
            m.fail("a start with %s showed the hint %s" % (argument, hints))
        process.terminate()
        process.wait(timeout=10)
        m.cleanup()
        m.wine.prepare(m.display)
    m.start_pattern()
    process = m.start_program()
    hints = wait_for(lambda: find_hint(m), 30, 0.3)
    if not hints:
        m.fail("a start without arguments showed no hint box (class #32770, caption %r); windows: %s"
               % (m.exe.stem, m.program_windows()) + m._exit_note(process))
    # The box takes the focus as it opens; the pattern window takes it back.
    m.settle_focus()
    m.ready_for_keys(960, 540)
    m.key_down("Control_R")
    m.wait_lens(200, (960, 540), "lens while the hint is open")
    m.key_up("Control_R")
    m.wait_desktop("released while the hint is open")
    # Dismiss the box with Return, as a user would.
    ids = m.x_windows("^%s$" % m.exe.stem)
    if ids:
        harness.xdotool(m.display, ["windowactivate", "--sync", str(ids[0])], check=False, timeout=5)
        harness.xdotool(m.display, ["key", "--window", str(ids[0]), "Return"], check=False)
    if wait_for(lambda: not find_hint(m), 10, 0.3) is None:
        m.fail("the hint box did not close on Return")
    if process.poll() is not None:
        m.fail("the program ended when the hint was closed")


@scenario("tray_click")
def tray_click(m):
    """A left click on the tray icon shows the lens (with auto-lock it stays);
    it pans with the mouse and the first left click hides it."""
    m.settings()
    m.launch("/STARTUP")
    icon = m.wait_tray()
    m.tray_click(1)
    m.wait_lens(200, icon, "tray icon clicked")
    m.expect_cursor(True, "lens shown by the tray")
    m.mouse_move(960, 540)
    m.wait_lens(200, (960, 540), "mouse moved over the tray-shown lens")
    time.sleep(0.3)
    m.click(1)
    m.wait_desktop("left click on the tray-shown lens")


@scenario("stored_key_and_zoom")
def stored_key_and_zoom(m):
    """Stored KeyType "CtrlShift" and MagnificationLevel 400 are honoured:
    right Ctrl alone shows nothing, Ctrl+Shift shows a 4x view."""
    m.settings(KeyType="CtrlShift", MagnificationLevel=400)
    m.launch("/STARTUP")
    centre = (960, 540)
    m.ready_for_keys(*centre)
    m.key_down("Control_R")
    time.sleep(1.0)
    m.wait_desktop("right Ctrl alone with the Ctrl+Shift trigger", timeout=0.5)
    m.key_up("Control_R")
    m.ready_for_keys(*centre)
    m.key_down("Control_L", "Shift_L")
    m.wait_lens(400, centre, "Ctrl+Shift held")
    m.key_up("Shift_L", "Control_L")
    m.expect_lens_stays(400, centre, "auto-lock after the release", 0.5)
    m.tap("Escape")
    m.wait_desktop("Escape")


@scenario("two_monitors", display="dual")
def two_monitors(m):
    """Two monitors, the second left of the primary (virtual origin -1280,0):
    the lens covers both and shows the right region for a cursor on the left
    monitor."""
    if m.read_screen_geometry() != (-1280, 0, 3200, 1080):
        raise HarnessError("Wine reports the virtual screen %s, not (-1280, 0, 3200, 1080)" % (m.virtual,))
    m.settings(AutoLock=0)
    m.launch("/STARTUP")
    cursor = (400, 500)  # X point on the left monitor: Windows (-880, 500)
    m.ready_for_keys(*cursor)
    m.key_down("Control_R")
    m.wait_lens(200, cursor, "right Ctrl held with the cursor on the left monitor")
    left = measure_view(m.screenshot(), (0, 0, 1280, 1024))
    right = measure_view(m.last_image, (1280, 0, 3200, 1080))
    expected = expected_lens_mapping(m.virtual, m.to_windows(*cursor), 200)
    for name, view in (("left", left), ("primary", right)):
        if (view is None or abs(view.scale_x - expected[0]) > 0.05 or abs(view.offset_x - expected[2]) > 6
                or abs(view.offset_y - expected[3]) > 6):
            m.fail("the %s monitor does not show the lens view: %s" % (name, view))
    m.mouse_move(2400, 300)
    m.wait_lens(200, (2400, 300), "cursor moved to the primary monitor")
    m.key_up("Control_R")
    m.wait_desktop("released")


@scenario("exit_from_tray_menu")
def exit_from_tray_menu(m):
    """Exit, the last item of the tray menu, ends the process; the cursor is
    visible afterwards."""
    m.settings()
    process = m.launch("/STARTUP")
    m.ready_for_keys(960, 540)
    m.tap("Control_R")
    m.wait_lens(200, (960, 540), "lens before the exit")
    m.tap("Escape")
    m.wait_desktop("Escape")
    m.tray_click(3)
    if not m.choose_last_menu_item():
        m.fail("the tray menu did not open on a right click")
    m.wait_exit(process, 15, "Exit chosen")
    m.mouse_move(900, 500)
    m.mouse_move(960, 540)
    m.expect_cursor(False, "after the exit")


# --- the tray menu ------------------------------------------------------------------------------

# The entries of the tray menu and its submenus, as the harness clicks them:
# 'i' an item, '>' a submenu, 's' a separator.
ROOT = "isi>>sis>>si"
TURN, AUTO_LOCK, KEY, ZOOM, BOOT, LANGUAGE, ABOUT, EXIT = 0, 2, 3, 4, 6, 8, 9, 11
KEYS = "iiiiii"
ZOOMS = "iiiiiii"
LANGUAGES = "i" * 40 + "si"
GERMAN, TRANSLATE = 13, 41
ABOUT_ENTRIES = "isiisisi"
LANGUAGE_KEY = MAGNIFIER_SETTINGS_KEY.rsplit("\\", 1)[0] + "\\Language"
SOFTWARE_PAGE = 2


def expect_setting(m, name, kind, data, what):
    stored = wait_for(lambda: m.wine.reg_query_typed(MAGNIFIER_SETTINGS_KEY, name) == (kind, data)
                      and (kind, data), 5, 0.3)
    if not stored:
        m.fail("%s: expected %s = %s %s, found %s" % (what, name, kind, data,
                                                      m.wine.reg_query_typed(MAGNIFIER_SETTINGS_KEY, name)))


def restart(m, process):
    """Ends the program as a user would (Exit in its menu) and starts it again."""
    m.choose_menu_path((ROOT, EXIT))
    m.wait_exit(process, 15, "Exit chosen")
    return m.launch("/STARTUP")


def boot_shortcut(m):
    return m.wine.startup_folder() / ("%s 1.19.lnk" % "Vexa Magnifier")


@scenario("menu_first_run")
def menu_first_run(m):
    """With nothing stored the tray menu opens above the icon with the
    whole tree: Turn and Auto-lock marked, Start on System Boot not, the key
    mark on right Ctrl and the zoom mark on 200 %."""
    m.settings()
    shortcut = boot_shortcut(m)
    if shortcut.exists():
        shortcut.unlink()
    m.launch("/STARTUP")
    icon = m.wait_tray()
    menu = m.open_tray_menu()
    m.save("menu-first-run", m.screenshot())
    if m.to_x(menu.left, menu.bottom)[1] > icon[1] + 2:
        m.fail("the tray menu does not open above the pointer: %s, pointer at %s" % (menu, icon))
    marks = m.menu_marks(menu, ROOT)
    expected = [True, False, True, False, False, False, False, False, False, False, False, False]
    if marks != expected:
        m.fail("root marks %s, expected %s" % (marks, expected))
    keys = m.click_menu_entry(menu, ROOT, KEY)
    m.save("menu-first-run-keys", m.screenshot())
    if m.menu_marks(keys, KEYS) != [True] + [False] * 5:
        m.fail("key marks %s: expected only right Ctrl" % m.menu_marks(keys, KEYS))
    zooms = m.click_menu_entry(menu, ROOT, ZOOM)
    m.save("menu-first-run-zoom", m.screenshot())
    if m.menu_marks(zooms, ZOOMS) != [False, False, True, False, False, False, False]:
        m.fail("zoom marks %s: expected only 200 %%" % m.menu_marks(zooms, ZOOMS))
    m.close_menus()


@scenario("menu_zoom_400")
def menu_zoom_400(m):
    """Zoom -> 400 % stores MagnificationLevel 400 at once; the next showing
    is 4x."""
    m.settings()
    m.launch("/STARTUP")
    m.choose_menu_path((ROOT, ZOOM), (ZOOMS, 5))
    m.wait_menus_closed()
    expect_setting(m, "MagnificationLevel", "REG_DWORD", "0x190", "zoom 400 % chosen")
    m.ready_for_keys(960, 540)
    m.tap("Control_R")
    m.wait_lens(400, (960, 540), "right Ctrl after choosing 400 %")
    m.tap("Escape")
    m.wait_desktop("Escape")


@scenario("menu_key_ctrl_shift")
def menu_key_ctrl_shift(m):
    """Key -> Ctrl+Shift stores "CtrlShift"; right Ctrl alone no longer shows
    the lens, Ctrl+Shift does."""
    m.settings(AutoLock=0)
    m.launch("/STARTUP")
    m.choose_menu_path((ROOT, KEY), (KEYS, 3))
    m.wait_menus_closed()
    expect_setting(m, "KeyType", "REG_SZ", "CtrlShift", "Ctrl+Shift chosen")
    m.ready_for_keys(960, 540)
    m.key_down("Control_R")
    time.sleep(1.0)
    m.wait_desktop("right Ctrl alone after choosing Ctrl+Shift", timeout=0.5)
    m.key_up("Control_R")
    m.ready_for_keys(960, 540)
    m.key_down("Control_L", "Shift_L")
    m.wait_lens(200, (960, 540), "Ctrl+Shift held")
    m.key_up("Shift_L", "Control_L")
    m.wait_desktop("Ctrl+Shift released")


@scenario("menu_turn_off")
def menu_turn_off(m):
    """Turn off: IsOn 0, the trigger is ignored; after a restart the item
    reads "Turn On" without its mark; turned on again it reads "Turn Off"
    with its mark."""
    m.settings()
    process = m.launch("/STARTUP")
    menu = m.open_tray_menu()
    turn_on = m.menu_picture(menu, ROOT)
    m.click_menu_entry(menu, ROOT, TURN)
    m.wait_menus_closed()
    expect_setting(m, "IsOn", "REG_DWORD", "0x0", "turned off")
    m.ready_for_keys(960, 540)
    m.key_down("Control_R")
    time.sleep(1.0)
    m.wait_desktop("right Ctrl while turned off", timeout=0.5)
    m.key_up("Control_R")
    process = restart(m, process)
    menu = m.open_tray_menu()
    m.save("menu-turned-off", m.screenshot())
    if m.menu_marks(menu, ROOT)[TURN]:
        m.fail("the Turn item is marked after a restart while off")
    rows = m.menu_rows(menu, ROOT)
    if not same_text(m, menu, rows[TURN], turn_on):
        m.fail("the Turn item does not read as at the first start (\"Turn On\") after a restart")
    m.click_menu_entry(menu, ROOT, TURN)
    m.wait_menus_closed()
    expect_setting(m, "IsOn", "REG_DWORD", "0x1", "turned on again")
    menu = m.open_tray_menu()
    m.save("menu-turned-on-again", m.screenshot())
    if not m.menu_marks(menu, ROOT)[TURN]:
        m.fail("the Turn item has no mark after turning on again")
    if same_text(m, menu, m.menu_rows(menu, ROOT)[TURN], turn_on):
        m.fail("the Turn item still reads \"Turn On\" after turning on again")
    m.close_menus()
    m.ready_for_keys(960, 540)
    m.tap("Control_R")
    m.wait_lens(200, (960, 540), "right Ctrl after turning on again")
    m.tap("Escape")
    m.wait_desktop("Escape")


def same_text(m, menu, row, picture):
    """Whether the text part of a menu row looks as in an earlier picture of
    a menu of the same width (marks and arrows left out)."""
    width, height, rgb = picture
    now_width, _, now_rgb = m.menu_picture(menu, ROOT)
    if now_width != width:
        return False
    top = row[0] - m.to_x(menu.left, menu.top)[1]
    for y in range(top, row[1] - m.to_x(menu.left, menu.top)[1]):
        start = (y * width + 22) * 3
        end = (y * width + width - 30) * 3
        if rgb[start:end] != now_rgb[start:end]:
            return False
    return True


@scenario("menu_autolock_off")
def menu_autolock_off(m):
    """Auto-lock off from the menu: stored at once; a hold shows the lens and
    the release hides it."""
    m.settings()
    m.launch("/STARTUP")
    m.choose_menu_path((ROOT, AUTO_LOCK))
    m.wait_menus_closed()
    expect_setting(m, "AutoLock", "REG_DWORD", "0x0", "auto-lock turned off")
    m.ready_for_keys(960, 540)
    m.key_down("Control_R")
    m.wait_lens(200, (960, 540), "right Ctrl held")
    m.key_up("Control_R")
    m.wait_desktop("right Ctrl released without auto-lock")


@scenario("menu_language_german")
def menu_language_german(m):
    """Language -> Deutsch relabels the menu at once and stores "German";
    after a restart the menu is German again. "Translate? (online)" opens its
    address and changes nothing else."""
    m.settings()
    record = m.wine.fresh_browser_record()
    process = m.launch("/STARTUP")
    menu = m.open_tray_menu()
    english = m.menu_picture(menu, ROOT)
    languages = m.click_menu_entry(menu, ROOT, LANGUAGE)
    m.save("menu-languages", m.screenshot())
    if m.menu_marks(languages, LANGUAGES)[:2] != [True, False]:
        m.fail("the language mark is not on English at first")
    m.click_menu_entry(languages, LANGUAGES, GERMAN)
    m.wait_menus_closed()
    stored = wait_for(lambda: m.wine.reg_query_typed(LANGUAGE_KEY, None), 5, 0.3)
    if stored != ("REG_SZ", "German"):
        m.fail("Language stored as %s, expected German" % (stored,))
    menu = m.open_tray_menu()
    german = m.menu_picture(menu, ROOT)
    m.save("menu-german", m.screenshot())
    if german == english:
        m.fail("the menu looks the same after choosing Deutsch")
    m.close_menus()
    process = restart(m, process)
    menu = m.open_tray_menu()
    if m.menu_picture(menu, ROOT) != german:
        m.save("menu-german-after-restart")
        m.fail("the menu after a restart does not look as the German one before it")
    languages = m.click_menu_entry(menu, ROOT, LANGUAGE)
    marks = m.menu_marks(languages, LANGUAGES)
    if marks.index(True) != GERMAN:
        m.fail("the language mark is on entry %d after the restart" % marks.index(True))
    m.click_menu_entry(languages, LANGUAGES, TRANSLATE)
    m.wait_menus_closed()
    opened = wait_for(lambda: opened_pages(record), 15, 0.3)
    if not opened or opened[-1] != "https://vexasoft.example/translate/":
        m.fail("the browser got %s, expected the translation page" % (opened,))
    menu = m.open_tray_menu()
    if m.menu_picture(menu, ROOT) != german:
        m.fail("the menu changed after \"Translate? (online)\"")
    languages = m.click_menu_entry(menu, ROOT, LANGUAGE)
    if m.menu_marks(languages, LANGUAGES).index(True) != GERMAN:
        m.fail("the language mark moved after \"Translate? (online)\"")
    m.close_menus()


@scenario("menu_start_on_boot")
def menu_start_on_boot(m):
    """Start on System Boot creates the shortcut in the prefix's Startup
    folder (target the program, arguments "-startup", working directory its
    folder) and marks the item; picked again, the file is gone."""
    m.settings()
    shortcut = boot_shortcut(m)
    if shortcut.exists():
        shortcut.unlink()
    m.launch("/STARTUP")
    m.choose_menu_path((ROOT, BOOT))
    m.wait_menus_closed()
    if wait_for(shortcut.exists, 10, 0.2) is None:
        m.fail("no shortcut %s after choosing Start on System Boot" % shortcut)
    target, arguments, directory = harness.read_shell_link(shortcut)
    program = "Z:" + str(m.exe).replace("/", "\\")
    if (target or "").lower() != program.lower() or arguments != "-startup" or \
            (directory or "").lower() != program.rsplit("\\", 1)[0].lower():
        m.fail("the shortcut holds target %r, arguments %r, folder %r; expected %r, -startup and its folder"
               % (target, arguments, directory, program))
    menu = m.open_tray_menu()
    if not m.menu_marks(menu, ROOT)[BOOT]:
        m.fail("Start on System Boot is not marked after creating the shortcut")
    m.click_menu_entry(menu, ROOT, BOOT)
    m.wait_menus_closed()
    if wait_for(lambda: not shortcut.exists(), 10, 0.2) is None:
        m.fail("the shortcut is still there after choosing Start on System Boot again")


@scenario("menu_web_link")
def menu_web_link(m):
    """About -> Software Page hands the product page's address to the
    desktop's browser."""
    m.settings()
    record = m.wine.fresh_browser_record()
    m.launch("/STARTUP")
    m.choose_menu_path((ROOT, ABOUT), (ABOUT_ENTRIES, SOFTWARE_PAGE))
    m.wait_menus_closed()
    opened = wait_for(lambda: opened_pages(record), 15, 0.3)
    if not opened or not opened[-1].startswith("https://vexasoft.example/"):
        m.fail("the browser got %s, expected the product page" % (opened,))


# --- the version information window ---------------------------------------------------------

VERSION_ENTRY = 0
PRODUCT_NAMES = {"English": "Vexa Magnifier", "German": "Vexa Bildschirmlupe"}
ABOUT_TITLES = {"English": "Version Information", "German": "Versionsinformationen"}
DPI_KEY = r"HKCU\Control Panel\Desktop"
# Flat colours of the wide logo at points of its 700 x 230 picture (see
# resources/logos/render_logos.py): background, glass, the stripe at the foot.
LOGO_POINTS = [((680, 20), (0x14, 0x2B, 0x45)), ((100, 46), (0x2C, 0x6E, 0xA8)),
               ((350, 226), (0xF2, 0xA3, 0x3A))]


def descendants(windows, root):
    """The windows below `root` (children, their children ...)."""
    below, frontier = [], {root.handle}
    while frontier:
        children = [window for window in windows if window.parent in frontier]
        below += children
        frontier = {window.handle for window in children}
    return below


def window_enabled(m, handles):
    """IsWindowEnabled of each handle, through the test's helper program:
    {handle: True/False}; a handle that is gone is left out."""
    helper = m.pattern_exe.parent / "WindowEnabled.exe"
    if not helper.exists():
        raise HarnessError("%s not found: build the WindowEnabled target" % helper)
    result = m.wine.run([helper] + [str(handle) for handle in handles], timeout=60)
    states = {}
    for line in result.stdout.decode(errors="replace").splitlines():
        fields = line.split()
        if len(fields) == 2 and fields[1] in "01":
            states[int(fields[0])] = fields[1] == "1"
    return states


class AboutWindow:
    """What the scenarios find of the version window: its rectangle, the
    close glyph button, the Close button, the banner, the icon and the
    caption boxes, from the window list of the program."""

    def __init__(self, title, window, below, scale):
        self.title = title
        self.window = window
        self.below = below
        buttons = sorted((w for w in below if w.class_name.lower() == "button"), key=lambda w: w.right - w.left)
        self.glyph = buttons[0] if buttons else None
        self.close = buttons[-1] if len(buttons) > 1 else None
        pictures = [w for w in below if w.bottom > w.top and
                    abs((w.right - w.left) / (w.bottom - w.top) - 700 / 230) < 0.05 and w.right - w.left > 100]
        self.banner = max(pictures, key=lambda w: w.right - w.left) if pictures else None
        icon_size = round(16 * scale)
        icons = [w for w in below if w.right - w.left == icon_size and w.bottom - w.top == icon_size]
        self.icon = icons[0] if icons else None
        self.captions = [w for w in below if w.right - w.left == round(140 * scale)
                         and w.bottom - w.top == round(20 * scale)]

    @staticmethod
    def size(window):
        return (window.right - window.left, window.bottom - window.top) if window else None


def program_window(m, title, visible=True):
    for window in m.program_windows(visible_only=visible):
        if window.title == title and window.class_name == "CorvelWindowClass":
            return window
    return None


def lens_handle(m, language="English"):
    lens = program_window(m, PRODUCT_NAMES[language], visible=False)
    if lens is None:
        m.fail("no lens window titled %r among %s" % (PRODUCT_NAMES[language], m.program_windows(False)))
    return lens.handle


def open_about(m, language="English", scale=1.0):
    """About -> Version Information; waits for the window and answers it."""
    m.choose_menu_path((ROOT, ABOUT), (ABOUT_ENTRIES, VERSION_ENTRY))
    m.wait_menus_closed()
    title = ABOUT_TITLES[language]
    window = wait_for(lambda: program_window(m, title), 15, 0.3)
    if window is None:
        m.fail("no window titled %r after About -> Version Information" % title)
    time.sleep(0.5)  # the last layout pass and paint
    windows = m.program_windows(visible_only=True, children=True)
    window = program_window(m, title)
    return AboutWindow(title, window, descendants(windows, window), scale)


def start_with_about(m, language="English", scale=1.0):
    """Starts the program, opens the version window and checks the lens
    window disabled meanwhile; answers the process, the lens window's handle
    and the AboutWindow."""
    process = m.launch("/STARTUP")
    lens = lens_handle(m, language)
    about = open_about(m, language, scale)
    expect_enabled(m, lens, False, "version window open")
    return process, lens, about


def close_about(m, about, close, what, lens=None):
    """Closes the version window by `close` (a part of it to click, or a
    function of the AboutWindow), fails unless it is gone and, given the
    lens window's handle, unless that window is enabled again."""
    if callable(close):
        close(about)
    else:
        xdotool_click(m, close)
    if wait_for(lambda: program_window(m, about.title) is None, 5, 0.3) is None:
        m.fail("the version window is still shown after %s" % what)
    if lens is not None:
        expect_enabled(m, lens, True, what)


def expect_enabled(m, handle, enabled, what):
    state = wait_for(lambda: window_enabled(m, [handle]).get(handle) == enabled or None, 5, 0.3)
    if state is None:
        m.fail("%s: the lens window is %s, expected %s" % (
            what, {True: "enabled", False: "disabled", None: "gone"}[window_enabled(m, [handle]).get(handle)],
            "enabled" if enabled else "disabled"))


def expect_about_layout(m, about, scale, tag):
    """Sizes of the design at the display scale, the banner's aspect and
    colours, the icon and text on the screen."""
    shot = m.screenshot()
    m.save(tag, shot)
    expected_glyph = (round(50 * scale), round(14 * scale))
    if AboutWindow.size(about.glyph) != expected_glyph:
        m.fail("%s: close glyph button %s, expected %s" % (tag, AboutWindow.size(about.glyph), expected_glyph))
    if len(about.captions) != 4:
        m.fail("%s: %d caption boxes of %dx%d, expected 4" % (tag, len(about.captions), round(140 * scale),
                                                             round(20 * scale)))
    if about.banner is None:
        m.fail("%s: no banner keeping the logo's aspect among the window's parts" % tag)
    window = about.window
    banner = about.banner
    width = banner.right - banner.left
    if abs(width - (about.close.right - about.close.left)) > round(8 * scale):
        m.fail("%s: the banner (%d wide) does not span the window like the Close row (%d)"
               % (tag, width, about.close.right - about.close.left))
    for (x, y), colour in LOGO_POINTS:
        sx, sy = m.to_x(banner.left + x * width // 700, banner.top + y * (banner.bottom - banner.top) // 230)
        got = shot.pixel(sx, sy)
        if any(abs(a - b) > 40 for a, b in zip(got, colour)):
            m.fail("%s: banner point (%d, %d) shows %s, expected about %s" % (tag, x, y, got, colour))
    if about.icon is None:
        m.fail("%s: no %d-pixel icon in the product row" % (tag, round(16 * scale)))
    coloured = 0
    for y in range(about.icon.top, about.icon.bottom):
        for x in range(about.icon.left, about.icon.right):
            if min(shot.pixel(*m.to_x(x, y))) < 200:
                coloured += 1
    if coloured < (about.icon.right - about.icon.left) ** 2 // 4:
        m.fail("%s: the icon shows hardly anything (%d coloured pixels)" % (tag, coloured))
    # Text: dark pixels in every caption box.
    for caption in about.captions:
        dark = sum(1 for y in range(caption.top, caption.bottom) for x in range(caption.left, caption.right)
                   if max(shot.pixel(*m.to_x(x, y))) < 110)
        if dark < 10:
            m.fail("%s: no caption text in %s" % (tag, caption))
    return shot


def about_picture(m, about, shot):
    """The pixels of the window's title row and information rows, to compare
    two languages."""
    window = about.window
    return bytes(channel for y in range(window.top, about.banner.top) for x in range(window.left, window.right)
                 for channel in shot.pixel(*m.to_x(x, y)))


def run_about_layout(m, dpi):
    scale = max(1.0, dpi / 96.0)
    m.settings()
    store_skins(m.wine)
    m.wine.reg_add(DPI_KEY, "LogPixels", "REG_DWORD", dpi)
    try:
        m.wine.kill()
        m.wine.prepare(m.display)
        process, lens, about = start_with_about(m, "English", scale)
        english = expect_about_layout(m, about, scale, "about-english-%d" % dpi)
        expect_window_skin(m, about, "Classic LG", skin_unit(scale), "about-english-%d" % dpi, english)
        english_rows = about_picture(m, about, english)
        close_about(m, about, about.close, "the Close button", lens)
        # Deutsch from the tray menu: the window's texts follow.
        m.choose_menu_path((ROOT, LANGUAGE), (LANGUAGES, GERMAN))
        m.wait_menus_closed()
        about = open_about(m, "German", scale)
        german = expect_about_layout(m, about, scale, "about-german-%d" % dpi)
        if about_picture(m, about, german) == english_rows:
            m.fail("the version window's texts look the same in German")
        close_about(m, about, about.glyph, "the close glyph button", lens_handle(m, "German"))
        m.stop_program(process)
    finally:
        m.wine.reg_add(DPI_KEY, "LogPixels", "REG_DWORD", 96)


def skin_unit(scale):
    """The skins' whole-pixel step at a display scale: 2 from 150 %."""
    return 4 if scale >= 4 else 2 if scale >= 1.5 else 1


def expect_window_skin(m, about, scheme, unit, tag, shot=None):
    """The version window drawn in the scheme: its frame line and the
    background inside it, the close glyph in its caption button, the Close
    button's frame (as thick as the unit) and label, the heading's text.
    Answers the measures compared between scale factors."""
    colours = SCHEMES[scheme]
    shot = shot or m.screenshot()
    window = m.x_rect(about.window)
    m.save("%s-%s" % (tag, scheme.lower().replace(" ", "-")), shot.crop(window))
    faults = frame_faults(shot, window, colours)
    if faults:
        m.fail("%s, %s: %s" % (tag, scheme, "; ".join(faults)))
    glyph = m.x_rect(about.glyph)
    glyph_measures, fault = glyph_faults(shot, glyph, colours, unit)
    if fault:
        m.fail("%s, %s: %s" % (tag, scheme, fault))
    close = m.x_rect(about.close)
    thickness = edge_thickness(shot, close, colours["control"])
    if thickness != unit:
        m.fail("%s, %s: the Close button's left frame edge is %d pixels of %s, expected %d" % (
            tag, scheme, thickness, colours["control"], unit))
    if count(shot, close, lambda colour: near(colour, colours["text"], 40), inset=2 * unit) < 10:
        m.fail("%s, %s: the Close button shows no label in the text colour %s" % (tag, scheme, colours["text"]))
    # The heading between the glyph's counterweight and the glyph: text in
    # the text colour on the background, above the banner.
    heading = (window[0] + (glyph[2] - glyph[0]) + 2 * unit, window[1] + 1, glyph[0],
               m.x_rect(about.banner)[1])
    if count(shot, heading, lambda colour: near(colour, colours["text"], 40)) < 20:
        m.fail("%s, %s: the heading %s shows no text in the text colour %s" % (tag, scheme, heading,
                                                                                colours["text"]))
    ink = ink_box(shot, heading, colours["background"])
    # The product name beside the icon, on the white panel: text the skin
    # draws there must show against the panel, whatever the scheme's text
    # colour is.
    icon = m.x_rect(about.icon)
    product = (icon[2] + 2, icon[1], window[2] - 2 * unit, icon[3])
    shown = count(shot, product, lambda colour: not near(colour, (255, 255, 255), 60))
    if shown < 20:
        m.fail("%s, %s: the product name beside the icon does not show on its panel (%d pixels)" % (
            tag, scheme, shown))
    return {"glyph": glyph_measures, "frame": thickness, "heading": ink[3] - ink[1],
            "glyph button": AboutWindow.size(about.glyph)}


def xdotool_click(m, window, button=1):
    x, y = m.to_x((window.left + window.right) // 2, (window.top + window.bottom) // 2)
    m.mouse_move(x, y)
    time.sleep(0.2)
    m.click(button)


@scenario("about_layout_96dpi")
def about_layout_96dpi(m):
    """About -> Version Information at 96 dpi: the lens window disabled, the
    design sizes, the banner's colours, the icon and the captions on the
    screen; in English and after choosing Deutsch."""
    run_about_layout(m, 96)


@scenario("about_layout_144dpi")
def about_layout_144dpi(m):
    """The same at 144 dpi: every size one and a half times."""
    run_about_layout(m, 144)


@scenario("about_own_skin")
def about_own_skin(m):
    """The version window keeps a skin of its own: "Classic LG" when none is
    stored, whatever the application's "Skin" names; the scheme stored in
    AboutWindow\\Skin from the next start on; the application's "Skin" stays
    as it was."""
    m.settings()
    store_skins(m.wine, application="White")
    process, _, about = start_with_about(m)
    expect_window_skin(m, about, "Classic LG", 1, "about-own-skin")
    close_about(m, about, about.close, "its Close button")
    store_skins(m.wine, application="White", about="Khaki")
    restart(m, process)
    about = open_about(m)
    expect_window_skin(m, about, "Khaki", 1, "about-own-skin-stored")
    stored = m.wine.reg_query_typed(harness.SKIN_KEY, None)
    if stored != ("REG_SZ", "White"):
        m.fail("the application's \"Skin\" became %s, expected White untouched" % (stored,))


@scenario("about_skin_scale2", display="4k")
def about_skin_scale2(m):
    """On a 3840 x 2160 screen (scale factor 2) the version window's sizes,
    the close glyph, the button frames and the heading's font are twice
    those on a 1920 x 1080 screen, in the same scheme."""
    m.settings()
    store_skins(m.wine)
    large = measure_about_skin(m, 2, "about-scale2")
    small = on_display(m, Display(1920, 1080), lambda: measure_about_skin(m, 1, "about-scale1"))
    print("  about, 1920 x 1080 -> 3840 x 2160: %s -> %s" % (small, large), flush=True)
    if large["glyph button"] != (2 * small["glyph button"][0], 2 * small["glyph button"][1]):
        m.fail("the caption button is %s at factor 2, %s at factor 1" % (large["glyph button"],
                                                                         small["glyph button"]))
    if (small["frame"], large["frame"]) != (1, 2):
        m.fail("button frames are %d and %d pixels thick at factors 1 and 2" % (small["frame"], large["frame"]))
    if large["glyph"]["stroke"] != 2 * small["glyph"]["stroke"] or large["glyph"]["pixels"] < 3 * small["glyph"]["pixels"]:
        m.fail("the close glyph's strokes are %d and %d pixels, its pixels %d and %d at factors 1 and 2: not twice as "
               "thick and four times as many" % (small["glyph"]["stroke"], large["glyph"]["stroke"],
                                                 small["glyph"]["pixels"], large["glyph"]["pixels"]))
    if not 1.7 <= large["heading"] / small["heading"] <= 2.3:
        m.fail("the heading's text is %d pixels high at factor 2, %d at factor 1: not twice" % (
            large["heading"], small["heading"]))


def measure_about_skin(m, factor, tag):
    """Starts the program, opens the version window (in its default
    "Classic LG") and answers its measures; the program ends again."""
    process, _, about = start_with_about(m, "English", factor)
    expect_about_layout(m, about, factor, tag)
    measures = expect_window_skin(m, about, "Classic LG", factor, tag)
    m.stop_program(process)
    return measures


def on_display(m, display, work):
    """Runs work with the session moved to another X screen (a Wine server
    of its own there), then moves it back."""
    original = (m.display, m.x, m.pattern)
    m.cleanup()
    display.start()
    try:
        m.display, m.x, m.pattern = display, display.x, None
        m.wine.prepare(display)
        m.read_screen_geometry()
        return work()
    finally:
        m.cleanup()
        display.stop()
        m.display, m.x, m.pattern = original[0], original[1], None


@scenario("about_close_ways")
def about_close_ways(m):
    """The glyph button, the Close button, the middle click and the system's
    close (Alt+F4) each close the version window and enable the lens window
    again."""
    m.settings()
    m.launch("/STARTUP")
    lens = lens_handle(m)

    def system_close(about):
        # The window has no caption of the system's: its close command comes
        # as the taskbar sends it.
        helper = m.pattern_exe.parent / "WindowEnabled.exe"
        if m.wine.run([helper, "--system-close", about.window.handle], timeout=60).returncode != 0:
            m.fail("the system's close command could not be posted to the version window")

    ways = [("glyph button", lambda about: xdotool_click(m, about.glyph)),
            ("Close button", lambda about: xdotool_click(m, about.close)),
            ("middle click", lambda about: xdotool_click(m, about.captions[0], 2)),
            ("system close", system_close)]
    for name, close in ways:
        about = open_about(m)
        expect_enabled(m, lens, False, "version window open before the %s" % name)
        close_about(m, about, close, "the %s" % name, lens)
    stored = m.wine.reg_query(r"HKCU\Software\Vexa\Vexa Magnifier\SaveData\AboutWindow\View", "Width")
    if stored is None:
        m.fail("no bounds stored in AboutWindow\\View")


@scenario("about_lens_over_it")
def about_lens_over_it(m):
    """With the version window open the trigger still shows the lens, the
    mouse pans it and a click hides it (auto-lock); the lens window is
    disabled again afterwards, until the version window closes."""
    m.settings()
    _, lens, about = start_with_about(m)
    # The pattern well away from the version window.
    x = 1440 if about.window.left < 960 else 480
    m.ready_for_keys(x, 700)
    m.tap("Control_R")
    m.wait_lens(200, (x, 700), "right Ctrl with the version window open")
    expect_enabled(m, lens, True, "lens shown over the version window")
    m.mouse_move(x, 800)
    m.wait_lens(200, (x, 800), "mouse moved over the lens with the version window open")
    time.sleep(1.2)  # past the grace second of the lens's own activation click
    m.click(1)
    m.wait_desktop("left click on the lens with the version window open")
    expect_enabled(m, lens, False, "lens hidden while the version window is still open")
    about = open_about(m) if program_window(m, about.title) is None else about
    close_about(m, about, about.close, "the Close button after the lens", lens)


@scenario("about_links")
def about_links(m):
    """The web address of the URL row and the donation request open their
    pages in the desktop's browser; the window stays open."""
    m.settings()
    record = m.wine.fresh_browser_record()
    _, _, about = start_with_about(m)
    below = [w for w in about.below if w.right > w.left and w.bottom > w.top]
    url_caption = sorted(about.captions, key=lambda w: w.top)[-1]
    url_link = min((w for w in below if w.top >= url_caption.top and w.bottom <= url_caption.bottom
                    and w.left >= url_caption.right), key=lambda w: w.right - w.left)
    donation = max((w for w in below if w.top > url_caption.bottom and w.bottom < about.close.top),
                   key=lambda w: w.top)
    for link, address in ((url_link, "https://vexasoft.example/software/Magnifier/"),
                          (donation, "https://vexasoft.example/donate/")):
        xdotool_click(m, link)
        opened = wait_for(lambda: address in opened_pages(record), 15, 0.3)
        if not opened:
            m.fail("the browser got %s, expected %s" % (opened_pages(record), address))
    if program_window(m, about.title) is None:
        m.fail("the version window closed after its links were clicked")


# The update check and the first start (tests/e2e/update_scenarios.py).
SCENARIOS.extend(update_scenarios.SCENARIOS)

# Scenarios that run in a private network namespace of their own, by the
# network they get there (see tests/e2e/netns.py).
NAMESPACE_KINDS = {"netns": "online", "netns-offline": "offline"}
NAMESPACE_TIMEOUT = 600  # seconds for all scenarios of one namespace


def run_in_namespace(exe, pattern, mode, names, wine):
    """Runs the named scenarios by this runner started again inside a new
    network and mount namespace; answers (name, status, reason) for each.
    When the namespace cannot be made, every one of them fails and says why:
    they never pass by being skipped."""
    problem = netns.namespace_problem()
    if problem:
        reason = "CANNOT RUN: no private network namespace: %s" % problem
        for name in names:
            print("FAIL %s: %s" % (name, reason), flush=True)
        return [(name, "FAIL", reason) for name in names]
    wine.kill()  # Wine's server and services must start inside the namespace
    command = ["unshare", "--net", "--mount", sys.executable, str(Path(__file__).resolve()), "--exe", str(exe),
               "--pattern", str(pattern), "--in-namespace", mode]
    for name in names:
        command += ["--exact", name]
    environment = dict(os.environ, VEXA_E2E_PREFIX_LOCKED="1", PYTHONUNBUFFERED="1")
    try:
        result = subprocess.run(command, env=environment, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                stderr=subprocess.STDOUT, timeout=NAMESPACE_TIMEOUT)
        output = result.stdout.decode(errors="replace")
        code = result.returncode
    except subprocess.TimeoutExpired as expired:
        output = (expired.stdout or b"").decode(errors="replace")
        code = "timeout"
    outcome = {}
    for line in output.splitlines():
        words = line.split(" ", 2)
        if len(words) >= 2 and words[0] in ("PASS", "FAIL") and words[1] in names:
            outcome[words[1]] = (words[0], line)
        elif not line.startswith("e2e:"):
            print("  [%s] %s" % (mode, line), flush=True)
    results = []
    for name in names:
        if name in outcome:
            print(outcome[name][1], flush=True)
            results.append((name, outcome[name][0], None))
        else:
            reason = "the %s namespace run ended (%s) without a result" % (mode, code)
            print("FAIL %s: %s" % (name, reason), flush=True)
            results.append((name, "FAIL", reason))
    return results


# --- the runner ---------------------------------------------------------------------------

# The X screens of the scenarios by kind: one ordinary monitor, two monitors
# with a negative origin, and one screen with the scale factor 2.
DISPLAYS = {"single": lambda: Display(1920, 1080), "dual": lambda: Display(3200, 1080, TWO_MONITORS),
            "4k": lambda: Display(3840, 2160)}

class ScenarioTimeout(Exception):
    pass


def _on_alarm(signum, frame):
    raise ScenarioTimeout()


def run_scenario(session, name, function):
    session.scenario_name = name
    started = time.monotonic()
    signal.signal(signal.SIGALRM, _on_alarm)
    signal.alarm(SCENARIO_TIMEOUT)
    try:
        session.wine.prepare(session.display)
        harness.release_input(session.display)
        function(session)
        result = ("PASS", "")
    except Failure as failure:
        result = ("FAIL", str(failure))
    except ScenarioTimeout:
        path = session.save("%s-timeout" % name, session.screenshot())
        result = ("FAIL", "timed out after %d s [screenshot %s]" % (SCENARIO_TIMEOUT, path))
    except HarnessError as error:
        result = ("FAIL", "harness: %s" % error)
    except Exception:
        result = ("FAIL", "harness error: " + traceback.format_exc().strip().replace("\n", " | "))
    finally:
        signal.alarm(0)
    try:
        session.cleanup()
    except Exception as error:
        result = (result[0], result[1] + " (clean-up: %s)" % error)
    return result[0], result[1], time.monotonic() - started


def run_check(name, function):
    """Runs a scenario that needs neither display nor program."""
    started = time.monotonic()
    try:
        function(None)
        result = ("PASS", "")
    except Failure as failure:
        result = ("FAIL", str(failure))
    except Exception:
        result = ("FAIL", "harness error: " + traceback.format_exc().strip().replace("\n", " | "))
    return result[0], result[1], time.monotonic() - started


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--exe", required=True, help="the program under test")
    parser.add_argument("--pattern", help="PatternWindow.exe (default: next to --exe)")
    parser.add_argument("-k", dest="selection", action="append", default=[],
                        help="run only scenarios whose name contains this (repeatable)")
    parser.add_argument("--list", action="store_true", help="list the scenarios and exit")
    parser.add_argument("--exact", action="append", default=[], help=argparse.SUPPRESS)
    parser.add_argument("--in-namespace", choices=["online", "offline"], help=argparse.SUPPRESS)
    arguments = parser.parse_args()

    if arguments.list:
        for name, display, function in SCENARIOS:
            print("%-22s %-6s %s" % (name, display, (function.__doc__ or "").split("\n")[0]))
        return 0
    selected = [entry for entry in SCENARIOS
                if not arguments.selection or any(word in entry[0] for word in arguments.selection)]
    if arguments.exact:
        selected = [entry for entry in SCENARIOS if entry[0] in arguments.exact]
    if arguments.in_namespace:
        # Started again by run_in_namespace: set the network up, then run
        # the scenarios of this namespace on an ordinary display.
        try:
            netns.enter(arguments.in_namespace, BUILD / "e2e-wine" / "netns")
        except Exception as error:
            print("e2e: cannot set the private network up: %s" % error)
            for name, _, _ in selected:
                print("FAIL %s: CANNOT RUN: the private network could not be set up: %s" % (name, error))
            return 1
        selected = [(name, "single", function) for name, kind, function in selected
                    if NAMESPACE_KINDS.get(kind) == arguments.in_namespace]
    if not selected:
        print("e2e: no scenario matches %s" % arguments.selection)
        return 2

    exe = Path(arguments.exe)
    try:
        if not exe.exists():
            raise HarnessError("%s does not exist" % exe)
        pattern = Path(arguments.pattern) if arguments.pattern else harness.find_pattern_exe(exe)
    except HarnessError as error:
        print("e2e: cannot run: %s" % error)
        print("e2e: %d scenarios, 0 passed, %d failed" % (len(selected), len(selected)))
        return 1
    if not arguments.in_namespace:
        # Only the outer run starts afresh: a namespace run keeps what the
        # runs before it saved.
        for old in ARTIFACTS.glob("*.png"):
            old.unlink()

    results = []
    wine = Wine()
    try:
        if os.environ.get("VEXA_E2E_PREFIX_LOCKED"):
            wine.locked = True  # the runner that started this one holds it
        else:
            wine.lock()
    except HarnessError as error:
        print("e2e: cannot run: %s" % error)
        print("e2e: %d scenarios, 0 passed, %d failed" % (len(selected), len(selected)))
        return 1
    started = time.monotonic()
    for name, _, function in [entry for entry in selected if entry[1] == "none"]:
        status, reason, seconds = run_check(name, function)
        results.append((name, status))
        print("%s %s (%.1f s)%s" % (status, name, seconds, ": " + reason if reason else ""), flush=True)
    # Every scenario gets a display of its own: X keeps state across Wine
    # sessions (a later session was seen to receive a phantom left Ctrl press
    # ahead of every right Ctrl press), and a fresh Xvfb costs a second.
    for mode in ("online", "offline"):
        names = [name for name, kind, _ in selected if NAMESPACE_KINDS.get(kind) == mode]
        if names:
            for name, status, _ in run_in_namespace(exe, pattern, mode, names, wine):
                results.append((name, status))
    for name, display_kind, function in [entry for entry in selected
                                         if entry[1] != "none" and entry[1] not in NAMESPACE_KINDS]:
        display = DISPLAYS[display_kind]()
        try:
            wine.kill()  # no Wine server may outlive a change of display
            display.start()
            session = Magnifier(exe, pattern, display, wine, ARTIFACTS)
            status, reason, seconds = run_scenario(session, name, function)
        except HarnessError as error:
            status, reason, seconds = "FAIL", "harness: %s" % error, 0.0
        finally:
            try:
                wine.kill()
            finally:
                display.stop()
        results.append((name, status))
        print("%s %s (%.1f s)%s" % (status, name, seconds, ": " + reason if reason else ""), flush=True)

    passed = sum(1 for _, status in results if status == "PASS")
    failed = len(results) - passed
    print("e2e: ran for %.0f s" % (time.monotonic() - started))
    print("e2e: %d scenarios, %d passed, %d failed" % (len(results), passed, failed))
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
