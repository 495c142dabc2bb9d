#!/usr/bin/env python3
"""End-to-end check of the window toolkit with its showcase program
(tests/e2e/Showcase.cpp): one window with every component, run at 96 and at
144 dpi (the user's display scaling, HKCU\\Control Panel\\Desktop LogPixels).

The program reports the rectangles of its components' native windows on the
screen; each check compares those with the pixels of a screenshot, or with
what real input (X mouse and keys) made the program do:
  - every component lies inside its box, and the boxes' rules hold on the
    screen (gaps, margins, alignments);
  - texts show dark (links green) pixels inside their labels and none in the
    gaps between them;
  - buttons show their faces, the default button a darker frame than a plain
    one;
  - the picture shows its gradient where a stretched picture with its aspect
    kept must be;
  - the check box toggles by a click and by the space bar;
  - the window moves when dragged by its body (easy drag) and grows when its
    right border (the native sizing frame, drawn by Wine) is dragged;
  - at 144 dpi texts and controls are about 1.5 times as large as at 96 dpi.

The same window drawn in colour schemes of the ThinWindow skins (the program's
--skin argument), at both scalings in the same X display and Wine session:
  - the frame line in the scheme's frame colour, the background in its
    window colour, the plain buttons framed in its control colour;
  - label text in its text colour inside every label and never in the gaps
    between them, each label as wide as its text and its ink inside it;
  - the check box with its white inside and control-coloured frame;
  - the close glyph drawn in the caption button, which closes the window;
  - at 144 dpi (the skins' unit 2) button frames and the glyph twice as
    thick, texts and the check box about 1.5 times as large as at 96 dpi.

    python3 tests/e2e/run_showcase.py [--exe build/win64/Showcase.exe] [--schemes]
"""

import argparse
import os
import sys
import time
import traceback
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import harness  # noqa: E402
from harness import (SCHEMES, Display, Failure, HarnessError, Session, Wine, count, edge_thickness,  # noqa: E402
                     frame_faults, glyph_faults, ink_box, near, wait_for, xdotool)

ROOT = Path(__file__).resolve().parents[2]
ARTIFACTS = harness.BUILD / "e2e-artifacts"
DESKTOP_KEY = r"HKCU\Control Panel\Desktop"

# The component tree of the showcase: each component's box.
PARENTS = {
    "caption": "root", "wrapped": "root", "row": "root", "pictures": "root", "bottom": "root",
    "title": "caption", "glyph": "caption",
    "name": "row", "checkbox": "row", "link": "row",
    "image": "pictures", "buttons": "pictures",
    "default": "buttons", "toggle": "buttons", "plain": "buttons",
    "apply": "bottom", "close": "bottom",
}
ROOT_CHILDREN = ["caption", "wrapped", "row", "pictures", "bottom"]
ROOT_MARGIN, ROOT_GAP, COLUMN_MARGIN = 10, 6, 4
# The gradient picture (see Showcase.cpp).
PICTURE_WIDTH, PICTURE_HEIGHT, PICTURE_BLUE = 64, 32, 160
# Sizes compared between 96 and 144 dpi, and the ratio they must show.
SCALED = ["title", "name", "checkbox", "link", "default", "apply"]
RATIO_LOW, RATIO_HIGH = 1.3, 1.7
CHECK_SQUARE = 13


def dark(colour):
    return max(colour) < 110


def greenish(colour):
    return colour[1] > 120 and colour[1] > colour[0] + 60 and colour[1] > colour[2] + 60


class Report:
    """The program's report file, read as it grows."""

    def __init__(self, path):
        self.path = path

    def lines(self):
        try:
            return self.path.read_text().splitlines()
        except FileNotFoundError:
            return []

    def layouts(self):
        """Every complete layout: (window rect, {name: rect})."""
        layouts, current, window = [], None, None
        for line in self.lines():
            fields = line.split()
            if fields[0] == "layout":
                current, window = {}, None
            elif fields[0] == "window" and current is not None:
                window = tuple(int(value) for value in fields[1:5])
            elif fields[0] == "rect" and current is not None:
                current[fields[1]] = tuple(int(value) for value in fields[2:6])
            elif fields[0] == "end" and current is not None:
                layouts.append((window, current))
                current = None
        return layouts

    def has(self, fact):
        return fact in self.lines()

    def scale(self):
        for line in self.lines():
            if line.startswith("scale "):
                return tuple(int(value) for value in line.split()[1:3])
        return None

    def unit(self):
        """The whole-pixel step the skins draw lines and glyphs with."""
        for line in self.lines():
            if line.startswith("scale ") and len(line.split()) > 3:
                return int(line.split()[3])
        return None

    def skin(self):
        """The scheme the window paints with, "none" for the native look."""
        for line in self.lines():
            if line.startswith("skin "):
                return line[len("skin "):]
        return None


class Showcase:
    def __init__(self, session, dpi, report):
        self.session = session
        self.dpi = dpi
        self.report = report
        self.window = None
        self.rects = None

    def fail(self, reason):
        path = self.session.save("showcase-%d-failure" % self.dpi, self.session.screenshot())
        raise Failure("%d dpi: %s [screenshot %s]" % (self.dpi, reason, path))

    def x_rect(self, rect):
        left, top = self.session.to_x(rect[0], rect[1])
        right, bottom = self.session.to_x(rect[2], rect[3])
        return left, top, right, bottom

    def wait_layout(self, accept, what, timeout=10):
        def matching():
            for window, rects in reversed(self.report.layouts()):
                if accept(window, rects):
                    return window, rects
            return None
        found = wait_for(matching, timeout, 0.1)
        if found is None:
            windows = [None] + [window for window, _ in self.report.layouts()]
            self.fail("no layout reported %s (last window: %s)" % (what, windows[-1]))
        self.window, self.rects = found
        time.sleep(0.5)  # painted after the move or resize
        return found

    def rect(self, name):
        return self.x_rect(self.rects[name])

    # -- geometry ----------------------------------------------------------------
    def check_geometry(self):
        missing = [name for name in list(PARENTS) + ["root"] if name not in self.rects]
        if missing:
            self.fail("components without a native window: %s" % missing)
        for name, parent in PARENTS.items():
            inner, outer = self.rects[name], self.rects[parent]
            if inner[2] <= inner[0] or inner[3] <= inner[1]:
                self.fail("%s is empty: %s" % (name, inner))
            if inner[0] < outer[0] or inner[1] < outer[1] or inner[2] > outer[2] or inner[3] > outer[3]:
                self.fail("%s %s sticks out of its box %s %s" % (name, inner, parent, outer))
        root = self.rects["root"]
        first = self.rects[ROOT_CHILDREN[0]]
        if (first[0] - root[0], first[1] - root[1]) != (ROOT_MARGIN, ROOT_MARGIN):
            self.fail("the first component is not at the root's margins: %s in %s" % (first, root))
        for upper, lower in zip(ROOT_CHILDREN, ROOT_CHILDREN[1:]):
            gap = self.rects[lower][1] - self.rects[upper][3]
            if gap != ROOT_GAP:
                self.fail("%s and %s are %d pixels apart, not the column's gap %d" % (upper, lower, gap, ROOT_GAP))
        # A middle-aligned row: the centres of its children on one line.
        centres = [self.rects[name][1] + self.rects[name][3] for name in ("name", "checkbox", "link")]
        if max(centres) - min(centres) > 2:
            self.fail("the row's children are not middle-aligned: %s" % centres)
        # A right-aligned column with margins.
        column = self.rects["buttons"]
        for name in ("default", "toggle", "plain"):
            if column[2] - self.rects[name][2] != COLUMN_MARGIN:
                self.fail("%s is not at the column's right margin: %s in %s" % (name, self.rects[name], column))
        # A centred row: as much room left as right of its buttons.
        bottom = self.rects["bottom"]
        left_room = self.rects["apply"][0] - bottom[0]
        right_room = bottom[2] - self.rects["close"][2]
        if abs(left_room - right_room) > 1:
            self.fail("the bottom buttons are not centred: %d left, %d right" % (left_room, right_room))

    # -- pixels ------------------------------------------------------------------
    def check_pixels(self):
        image = self.session.screenshot()
        for name in ("title", "wrapped", "name"):
            pixels = count(image, self.rect(name), dark)
            if pixels < 20:
                self.fail("the label %s shows no text (%d dark pixels in %s)" % (name, pixels, self.rects[name]))
            # A line of text fills its label from near the top: the letters'
            # tops lie in its upper part.
            left, top, right, bottom = self.rect(name)
            first = next(y for y in range(top, bottom) if count(image, (left, y, right, y + 1), dark))
            if first - top > (bottom - top) * 0.4:
                self.fail("the text of %s starts %d pixels below the label's top edge, in %d pixels" % (
                    name, first - top, bottom - top))
        if count(image, self.rect("link"), greenish) < 20:
            self.fail("the link label shows no green text")
        for upper, lower in zip(ROOT_CHILDREN, ROOT_CHILDREN[1:]):
            gap = (self.rect(upper)[0], self.rect(upper)[3], self.rect(upper)[2], self.rect(lower)[1])
            if count(image, gap, dark) > 0:
                self.fail("text outside the labels, in the gap below %s" % upper)
        # Button faces: a light face with dark text, framed.
        for name in ("default", "toggle", "plain", "apply", "close"):
            left, top, right, bottom = self.rect(name)
            face = image.pixel(left + 3, (top + bottom) // 2)
            if min(face) < 150:
                self.fail("the button %s shows no face at its left inside (%s)" % (name, face))
            if count(image, (left, top, right, bottom), dark, inset=3) < 10:
                self.fail("the button %s shows no text" % name)
        if self.frame_darkness("default") <= self.frame_darkness("plain") + 40:
            self.fail("the default button's frame (%d) is not darker than a plain button's (%d)" % (
                self.frame_darkness("default"), self.frame_darkness("plain")))
        self.check_picture(image)

    def frame_darkness(self, name):
        """How dark the outermost ring of a button is, on average (0 white
        ... 765 black)."""
        image = self.session.last_image
        left, top, right, bottom = self.rect(name)
        ring = [(x, top) for x in range(left, right)] + [(x, bottom - 1) for x in range(left, right)]
        ring += [(left, y) for y in range(top, bottom)] + [(right - 1, y) for y in range(top, bottom)]
        return sum(765 - sum(image.pixel(x, y)) for x, y in ring) // len(ring)

    def check_picture(self, image):
        left, top, right, bottom = self.rect("image")
        scale = min((right - left) / PICTURE_WIDTH, (bottom - top) / PICTURE_HEIGHT)
        width, height = PICTURE_WIDTH * scale, PICTURE_HEIGHT * scale
        x0 = left + ((right - left) - width) / 2
        y0 = top + ((bottom - top) - height) / 2
        # The component is 4:3, the picture 2:1: bands of the box show above
        # and below the picture, not the picture stretched into them.
        for y in (top + 1, bottom - 2):
            if abs(image.pixel((left + right) // 2, y)[2] - PICTURE_BLUE) <= 8:
                self.fail("the picture fills the band at y %d that its kept aspect leaves free" % y)
        for fx, fy in ((0.1, 0.1), (0.9, 0.1), (0.1, 0.9), (0.9, 0.9), (0.5, 0.5)):
            red, green, blue = image.pixel(int(x0 + fx * width), int(y0 + fy * height))
            expected_red, expected_green = fx * 255, fy * 255
            if abs(red - expected_red) > 30 or abs(green - expected_green) > 30 or abs(blue - PICTURE_BLUE) > 8:
                self.fail("the picture at %.0f %%, %.0f %% shows %s, not about (%d, %d, %d)" % (
                    fx * 100, fy * 100, (red, green, blue), expected_red, expected_green, PICTURE_BLUE))

    # -- input -------------------------------------------------------------------
    def focus(self):
        ids = self.session.x_windows("^Toolkit Showcase$")
        if ids:
            xdotool(self.session.display, ["windowfocus", "--sync", str(ids[0])], check=False, timeout=5)

    def wait_fact(self, fact, what, timeout=5):
        if wait_for(lambda: self.report.has(fact), timeout, 0.1) is None:
            self.fail(what)

    def check_box_toggles(self):
        left, top, right, bottom = self.rect("checkbox")
        # The system's check square (13 pixels at both scalings under Wine)
        # at the left; the focus frame around the text stays outside it.
        square = (left, top, left + CHECK_SQUARE, bottom)
        before = count(self.session.screenshot(), square, dark)
        self.session.mouse_move(left + (bottom - top) // 2, (top + bottom) // 2)
        time.sleep(0.2)
        self.session.click(1)
        self.wait_fact("checkbox 1", "a click on the check box did not check it")
        time.sleep(0.3)
        after = count(self.session.screenshot(), square, dark)
        if after <= before + 3:
            self.fail("the check box shows no mark after the click (%d dark pixels, %d before)" % (after, before))
        self.focus()
        self.session.tap("space")
        self.wait_fact("checkbox 0", "the space bar did not uncheck the focused check box")
        time.sleep(0.3)
        if count(self.session.screenshot(), square, dark) > before + 3:
            self.fail("the check box still shows its mark after the space bar")

    def click(self, name, fact):
        left, top, right, bottom = self.rect(name)
        self.session.mouse_move((left + right) // 2, (top + bottom) // 2)
        time.sleep(0.2)
        self.session.click(1)
        self.wait_fact(fact, "a click on the %s button did not reach it" % name)

    def drag(self, start, end, steps=8):
        display = self.session.display
        self.session.mouse_move(*start)
        time.sleep(0.2)
        xdotool(display, ["mousedown", "1"])
        for step in range(1, steps + 1):
            x = start[0] + (end[0] - start[0]) * step // steps
            y = start[1] + (end[1] - start[1]) * step // steps
            xdotool(display, ["mousemove", str(x), str(y)])
            time.sleep(0.05)
        time.sleep(0.2)
        xdotool(display, ["mouseup", "1"])

    def check_body_drag(self):
        window, title = self.window, self.rects["title"]
        left, top, right, bottom = self.rect("title")
        # Over the title's free right part: a plain label lets the click
        # through to its (mouse-transparent) box and on to the window.
        start = (right - 5, (top + bottom) // 2)
        self.drag(start, (start[0] + 120, start[1] + 80))
        moved = self.wait_layout(lambda w, r: (w[0] - window[0], w[1] - window[1]) == (120, 80),
                                 "after the body drag")[0]
        if (moved[0] - window[0], moved[1] - window[1]) != (120, 80) or (
                moved[2] - moved[0], moved[3] - moved[1]) != (window[2] - window[0], window[3] - window[1]):
            self.fail("dragging the body by (120, 80) turned %s into %s" % (window, moved))
        if self.rects["title"][0] - title[0] != 120 or count(self.session.screenshot(), self.rect("title"), dark) < 20:
            self.fail("the title did not move with the window")

    def check_border_drag(self):
        window = self.window
        bottom_row = self.rects["bottom"]
        x, y = self.session.to_x(window[2] - 2, (window[1] + window[3]) // 2)
        self.drag((x, y), (x + 80, y))
        # The last layout of the drag: the program writes one whenever the
        # window changed, so the steps before it are in the report too.
        # The window's rectangle can be reported before the layout of its
        # last size step has placed the rows: wait for a report with both.
        grown = self.wait_layout(
            lambda w, r: abs(w[2] - window[2] - 80) <= 2 and "bottom" in r
            and r["bottom"][2] - bottom_row[2] == w[2] - window[2], "after the border drag")[0]
        if grown[0] != window[0] or grown[1] != window[1] or grown[3] != window[3] or abs(
                grown[2] - window[2] - 80) > 2:
            self.fail("dragging the right border by 80 turned %s into %s" % (window, grown))
        if self.rects["bottom"][2] - bottom_row[2] != grown[2] - window[2]:
            self.fail("the full-width row did not follow the new width: %s, before %s" % (
                self.rects["bottom"], bottom_row))
        self.check_geometry()

    def run(self, sizes):
        self.wait_layout(lambda w, r: True, "after the start", timeout=30)
        # The sizes as first shown, for the comparison of both scalings.
        sizes[self.dpi] = dict(self.rects)
        self.check_geometry()
        self.check_pixels()
        self.check_box_toggles()
        self.click("toggle", "toggle")
        self.click("default", "click default")
        self.check_body_drag()
        self.check_border_drag()
        scale = self.report.scale()
        if scale != (self.dpi, self.dpi):
            self.fail("the program reports scale %s, not %d dpi without a screen factor" % (scale, self.dpi))


WHITE = (255, 255, 255)
# Labels whose width is their measured text (the wrapped one spans the row).
MEASURED_LABELS = ["title", "name"]
PLAIN_BUTTONS = ["plain", "apply", "close"]


def grow(rect, by):
    return rect[0] - by, rect[1] - by, rect[2] + by, rect[3] + by


class SkinnedShowcase(Showcase):
    """The showcase drawn in one scheme: checks by the scheme's colours at
    points and by the sizes of painted regions."""

    def __init__(self, session, dpi, report, scheme, name):
        super().__init__(session, dpi, report)
        self.scheme = scheme
        self.colours = SCHEMES[scheme]
        self.name = name
        self.unit = 1

    def fail(self, reason):
        path = self.session.save("%s-failure" % self.name, self.session.screenshot())
        raise Failure("%s: %s [screenshot %s]" % (self.name, reason, path))

    def run(self, sizes):
        self.wait_layout(lambda w, r: True, "after the start", timeout=30)
        if self.report.skin() != self.scheme:
            self.fail("the window paints with skin %r, not the scheme %r" % (self.report.skin(), self.scheme))
        self.unit = self.report.unit() or 1
        # Away from every control: no hover state.
        self.session.mouse_move(self.session.display.width - 5, self.session.display.height - 5)
        time.sleep(0.5)
        window = self.x_rect(self.window)
        image = self.session.screenshot()
        self.session.save(self.name, image.crop(grow(window, 8)))
        measures = {"rects": dict(self.rects), "unit": self.unit}
        self.check_frame(image, window)
        self.check_gaps(image)
        measures["labels"] = self.check_labels(image)
        measures["button frame"] = self.check_buttons(image)
        measures["check inside"] = self.check_box(image)
        measures["glyph"] = self.check_glyph(image)
        sizes[(self.dpi, self.scheme)] = measures
        self.check_close()

    def check_frame(self, image, window):
        """The one-pixel frame line in the frame colour on all four sides,
        the window background just inside it."""
        faults = frame_faults(image, window, self.colours)
        if faults:
            self.fail("; ".join(faults))

    def gaps(self):
        """Strips between components that nothing draws on: the root's gaps
        between its rows and its left margin, and the row's gaps."""
        strips = []
        for upper, lower in zip(ROOT_CHILDREN, ROOT_CHILDREN[1:]):
            strips.append((self.rect(upper)[0], self.rect(upper)[3], self.rect(upper)[2], self.rect(lower)[1]))
        # The root's left margin, inside the window's frame line.
        root = self.rect("root")
        window = self.x_rect(self.window)
        strips.append((max(root[0], window[0] + 1), max(root[1], window[1] + 1), self.rect("caption")[0],
                       min(root[3], window[3] - 1)))
        for left_name, right_name in (("name", "checkbox"), ("checkbox", "link")):
            strips.append((self.rect(left_name)[2], self.rect("row")[1], self.rect(right_name)[0],
                           self.rect("row")[3]))
        return [strip for strip in strips if strip[2] > strip[0] and strip[3] > strip[1]]

    def check_gaps(self, image):
        """The background colour, and nothing else, between the components."""
        for strip in self.gaps():
            total = (strip[2] - strip[0]) * (strip[3] - strip[1])
            other = total - count(image, strip, lambda colour: near(colour, self.colours["background"]))
            if other:
                self.fail("%d of %d pixels in the gap %s are not the background %s" % (
                    other, total, strip, self.colours["background"]))

    def check_labels(self, image):
        """Text pixels in the text colour inside each label; the ink inside the
        label (nothing of it around), and a measured label as wide as its
        ink. Answers each label's ink height."""
        heights = {}
        background = self.colours["background"]
        for name in ("title", "wrapped", "name"):
            rect = self.rect(name)
            text = count(image, rect, lambda colour: near(colour, self.colours["text"], 40))
            if text < 20:
                self.fail("the label %s shows %d pixels in the text colour %s" % (name, text, self.colours["text"]))
            ink = ink_box(image, rect, background)
            around = ink_box(image, grow(rect, 3), background)
            if around != ink:
                self.fail("the ink of %s reaches %s, outside the label %s" % (name, around, rect))
            heights[name] = ink[3] - ink[1]
            if name in MEASURED_LABELS:
                slack_left, slack_right = ink[0] - rect[0], rect[2] - ink[2]
                allowed = 3 * self.unit + 2
                if slack_left > allowed or slack_right > allowed:
                    self.fail("the label %s %s is not as wide as its text %s (%d and %d pixels to spare)" % (
                        name, rect, ink, slack_left, slack_right))
                if ink[2] >= rect[2] or ink[3] >= rect[3]:
                    self.fail("the text of %s reaches the label's last column or row: clipped (%s in %s)" % (
                        name, ink, rect))
        return heights

    def check_buttons(self, image):
        """Plain buttons framed in the control colour: their left edge is the
        base colour, as thick as the skins' unit."""
        for name in PLAIN_BUTTONS:
            rect = self.rect(name)
            thickness = edge_thickness(image, rect, self.colours["control"])
            if thickness != self.unit:
                self.fail("the button %s's left frame edge is %d pixels of the control colour %s, expected %d "
                          "(pixel %s)" % (name, thickness, self.colours["control"], self.unit,
                                          image.pixel(rect[0], (rect[1] + rect[3]) // 2)))
            text = count(image, rect, lambda colour: near(colour, self.colours["text"], 40), inset=2 * self.unit)
            if text < 10:
                self.fail("the button %s shows no text in the text colour" % name)
        return edge_thickness(image, self.rect(PLAIN_BUTTONS[0]), self.colours["control"])

    def check_box(self, image):
        """The square at the check box's left: framed in the control colour,
        white inside the frame; the label in the text colour beside it.
        Answers the square's side."""
        left, top, right, bottom = self.rect("checkbox")
        # The square is a design size (scaled like the text), its lines
        # steps of the unit; the label starts beyond it.
        side = (CHECK_SQUARE * self.report.scale()[1] + 48) // 96
        area = (left, top, min(right, left + side), bottom)
        framed = [(x, y) for y in range(area[1], area[3]) for x in range(area[0], area[2])
                  if near(image.pixel(x, y), self.colours["control"])]
        if len(framed) < 4 * (side - 2 * self.unit) * self.unit:
            self.fail("the check box shows %d pixels of the control colour %s, expected a frame of at least %d" % (
                len(framed), self.colours["control"], 4 * (side - 2 * self.unit) * self.unit))
        xs, ys = [x for x, _ in framed], [y for _, y in framed]
        square = (min(xs), min(ys), max(xs) + 1, max(ys) + 1)
        width, height = square[2] - square[0], square[3] - square[1]
        if abs(width - height) > self.unit or width < 10 * self.unit:
            self.fail("the check box's frame %s is not a square of at least %d pixels" % (square, 10 * self.unit))
        inside = (square[0] + 2 * self.unit, square[1] + 2 * self.unit, square[2] - 2 * self.unit,
                  square[3] - 2 * self.unit)
        area_inside = (inside[2] - inside[0]) * (inside[3] - inside[1])
        white = count(image, inside, lambda colour: near(colour, WHITE))
        if white < area_inside * 0.9:
            self.fail("the check box's square %s is white in %d of its %d inner pixels" % (
                square, white, area_inside))
        text = count(image, (square[2], top, right, bottom), lambda colour: near(colour, self.colours["text"], 40))
        if text < 15:
            self.fail("the check box's label shows %d pixels in the text colour" % text)
        return height

    def check_glyph(self, image):
        """The close glyph inside the caption button, in the control colour.
        Answers its pixel count and stroke."""
        measures, fault = glyph_faults(image, self.rect("glyph"), self.colours, self.unit)
        if fault:
            self.fail(fault)
        return measures

    def check_close(self):
        """A click on the close glyph closes the window (its program ends)."""
        left, top, right, bottom = self.rect("glyph")
        self.session.mouse_move((left + right) // 2, (top + bottom) // 2)
        time.sleep(0.2)
        self.session.click(1)
        process = self.session.processes[-1]
        if wait_for(lambda: process.poll() is not None, 10, 0.1) is None:
            self.fail("a click on the close glyph did not close the window")


def start_showcase(session, name, *arguments):
    """Starts the showcase with a fresh report file; answers the report."""
    report = Report(harness.BUILD / "e2e-logs" / ("%s.txt" % name))
    if report.path.exists():
        report.path.unlink()
    session.start_program("Z:" + str(report.path).replace("/", "\\"), *arguments)
    return report


def run_at(exe, pattern, wine, dpi, sizes, schemes, record):
    """Every run at one scaling in one X display and one Wine session: the
    native look with its input checks, then each scheme in turn (each
    showcase closes before the next starts)."""
    display = Display(1920, 1080)
    wine.kill()
    display.start()
    session = Session(exe, pattern, display, wine, ARTIFACTS)
    try:
        # Without a window manager Wine draws the native frame itself only
        # for windows it does not hand to one.
        os.environ["VEXA_E2E_MANAGED"] = "N"
        wine.prepare(display)
        wine.reg_add(DESKTOP_KEY, "LogPixels", "REG_DWORD", dpi)
        session.read_screen_geometry()

        def native():
            report = start_showcase(session, "showcase-%d" % dpi)
            Showcase(session, dpi, report).run(sizes)
            session.cleanup_programs()
        record("showcase-%d" % dpi, native)
        for scheme in schemes:
            name = "showcase-%d-%s" % (dpi, scheme.lower().replace(" ", "-"))

            def skinned():
                report = start_showcase(session, name, "--skin", scheme)
                try:
                    SkinnedShowcase(session, dpi, report, scheme, name).run(sizes)
                finally:
                    session.cleanup_programs()
            record(name, skinned)
    finally:
        try:
            wine.reg_add(DESKTOP_KEY, "LogPixels", "REG_DWORD", 96)
            del os.environ["VEXA_E2E_MANAGED"]
            session.cleanup()
        finally:
            display.stop()


def compare_scales(sizes):
    for name in SCALED:
        low, high = sizes[96][name], sizes[144][name]
        ratio = (high[3] - high[1]) / (low[3] - low[1])
        print("  %-9s height %3d at 96 dpi, %3d at 144 dpi: x%.2f; width %3d, %3d" % (
            name, low[3] - low[1], high[3] - high[1], ratio, low[2] - low[0], high[2] - high[0]))
        if not RATIO_LOW <= ratio <= RATIO_HIGH:
            raise Failure("%s is %.2f times as high at 144 dpi as at 96 dpi, not about 1.5" % (name, ratio))
        ratio = (high[2] - high[0]) / (low[2] - low[0])
        if not RATIO_LOW <= ratio <= RATIO_HIGH:
            raise Failure("%s is %.2f times as wide at 144 dpi as at 96 dpi, not about 1.5" % (name, ratio))


def compare_skinned_scales(sizes, scheme):
    """At 144 dpi (unit 2) the skin's lines and glyphs are twice as thick,
    texts and the check box about 1.5 times as large as at 96 dpi."""
    low, high = sizes.get((96, scheme)), sizes.get((144, scheme))
    if low is None or high is None:
        raise Failure("%s: a run at one scale did not get as far as its measures" % scheme)
    if (low["unit"], high["unit"]) != (1, 2):
        raise Failure("%s: the skins' unit is %d at 96 dpi and %d at 144 dpi, expected 1 and 2" % (
            scheme, low["unit"], high["unit"]))
    print("  %-11s button frame %d -> %d px, glyph stroke %d -> %d px (%d -> %d pixels), check box %d -> %d, "
          "title ink %d -> %d" % (scheme, low["button frame"], high["button frame"], low["glyph"]["stroke"],
                                  high["glyph"]["stroke"], low["glyph"]["pixels"], high["glyph"]["pixels"],
                                  low["check inside"], high["check inside"], low["labels"]["title"],
                                  high["labels"]["title"]))
    if high["button frame"] != 2 * low["button frame"]:
        raise Failure("%s: button frames are %d pixels at 144 dpi, %d at 96 dpi: not twice" % (
            scheme, high["button frame"], low["button frame"]))
    if high["glyph"]["stroke"] != 2 * low["glyph"]["stroke"] or high["glyph"]["pixels"] < 1.5 * low["glyph"]["pixels"]:
        raise Failure("%s: the close glyph's strokes are %d pixels at 144 dpi, %d at 96 dpi (%d and %d pixels): "
                      "not twice as thick and larger" % (scheme, high["glyph"]["stroke"], low["glyph"]["stroke"],
                                                         high["glyph"]["pixels"], low["glyph"]["pixels"]))
    for what, a, b in (("the title's text", low["labels"]["title"], high["labels"]["title"]),
                       ("the label text", low["labels"]["name"], high["labels"]["name"]),
                       ("the check box's inside", low["check inside"], high["check inside"])):
        if not RATIO_LOW <= b / a <= 2.2:
            raise Failure("%s: %s is %d pixels high at 144 dpi, %d at 96 dpi" % (scheme, what, b, a))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--exe", default=str(harness.BUILD / "win64" / "Showcase.exe"))
    parser.add_argument("--scheme", action="append", default=[], choices=sorted(SCHEMES),
                        help="run only these schemes besides the native look (repeatable; default: all)")
    parser.add_argument("--native-only", action="store_true", help="run the native look only")
    arguments = parser.parse_args()
    exe = Path(arguments.exe)
    schemes = [] if arguments.native_only else arguments.scheme or list(SCHEMES)
    results, sizes = [], {}
    wine = Wine()
    try:
        pattern = harness.find_pattern_exe(exe)
        wine.lock()
    except HarnessError as error:
        print("showcase: cannot run: %s" % error)
        print("showcase: cannot run, 0 passed")
        return 1

    def record(name, function):
        started = time.monotonic()
        try:
            function()
            status, reason = "PASS", ""
        except Failure as failure:
            status, reason = "FAIL", str(failure)
        except Exception:
            status, reason = "FAIL", "harness error: " + traceback.format_exc().strip().replace("\n", " | ")
        results.append(status)
        print("%s %s (%.1f s)%s" % (status, name, time.monotonic() - started, ": " + reason if reason else ""),
              flush=True)

    for old in ARTIFACTS.glob("showcase-*.png"):
        old.unlink()
    layer_started = time.monotonic()
    for dpi in (96, 144):
        try:
            run_at(exe, pattern, wine, dpi, sizes, schemes, record)
        except Exception as error:
            results.append("FAIL")
            print("FAIL showcase-%d session: %s" % (dpi, error), flush=True)
    wine.kill()

    def native_scaling():
        if 96 not in sizes or 144 not in sizes:
            raise Failure("a run at one scale showed no window")
        compare_scales(sizes)
    record("showcase-scaling", native_scaling)
    for scheme in schemes:
        record("showcase-scaling-%s" % scheme.lower().replace(" ", "-"),
               lambda scheme=scheme: compare_skinned_scales(sizes, scheme))
    passed = results.count("PASS")
    print("showcase: ran for %.0f s" % (time.monotonic() - layer_started))
    print("showcase: %d scenarios, %d passed, %d failed" % (len(results), passed, len(results) - passed))
    return 0 if passed == len(results) else 1


if __name__ == "__main__":
    sys.exit(main())
