"""Shared machinery of the end-to-end scenarios, the demo and the latency
measurement: a virtual X display (one per scenario, no window manager), a
Wine prefix of its own, the programs under test, X input through xdotool, screenshots read
straight from the X server, and the analysis of the position-coded pattern
that tests/e2e/PatternWindow.cpp draws.

Python 3 standard library only; X is reached through ctypes (libX11,
libXfixes, libXtst), with `import -window root` as a fallback for screenshots.
"""

import ctypes
import ctypes.util
import os
import shutil
import select
import signal
import struct
import subprocess
import sys
import tempfile
import time
import zlib
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
BUILD = ROOT / "build"

# --- the pattern's code (the same numbers as tests/e2e/PatternWindow.cpp) -----
CELL = 40
RED_BASE, RED_STEP = 8, 3
GREEN_BASE, GREEN_STEP = 8, 8
BLUE_EVEN, BLUE_ODD = 64, 192
# The cells the colour code tells apart across and down.
CODED_COLUMNS = (255 - RED_BASE) // RED_STEP + 1
CODED_ROWS = (255 - GREEN_BASE) // GREEN_STEP + 1
TRAY_STRIP = 64  # the pattern window leaves this bottom strip free

# Every key and button a scenario may leave pressed.
KEYS_USED = ["Control_R", "Control_L", "Shift_L", "Shift_R", "Alt_L", "Alt_R", "Escape", "Return", "Up",
             "Down"]


class HarnessError(Exception):
    """A step of the test machinery itself failed (not the program under test)."""


class Failure(Exception):
    """The program under test did not behave as expected."""


def log(message):
    if os.environ.get("VEXA_E2E_VERBOSE"):
        sys.stderr.write("[e2e %.3f] %s\n" % (time.monotonic(), message))
        sys.stderr.flush()


def wait_for(condition, timeout, interval=0.05):
    """Polls condition() until it answers something true; returns that value,
    or None when the timeout passed."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            return None
        time.sleep(interval)


# --- images ---------------------------------------------------------------------

class Image:
    """An RGB picture, 3 bytes per pixel, rows top to bottom."""

    def __init__(self, width, height, rgb, left=0, top=0):
        self.width = width
        self.height = height
        self.rgb = rgb
        self.left = left  # screen position of pixel (0, 0)
        self.top = top

    def pixel(self, x, y):
        """The colour at screen point (x, y)."""
        index = ((y - self.top) * self.width + (x - self.left)) * 3
        return self.rgb[index], self.rgb[index + 1], self.rgb[index + 2]

    def contains(self, x, y):
        return self.left <= x < self.left + self.width and self.top <= y < self.top + self.height

    def crop(self, rect):
        """The part of the picture inside rect (screen coordinates, clamped
        to the picture), keeping its screen position."""
        left, top = max(rect[0], self.left), max(rect[1], self.top)
        right = min(rect[2], self.left + self.width)
        bottom = min(rect[3], self.top + self.height)
        rows = []
        for y in range(top, bottom):
            start = ((y - self.top) * self.width + (left - self.left)) * 3
            rows.append(self.rgb[start:start + (right - left) * 3])
        return Image(right - left, bottom - top, b"".join(rows), left, top)

    @staticmethod
    def from_bgrx(width, height, data, stride, left=0, top=0):
        if stride != width * 4:
            data = b"".join(data[row * stride:row * stride + width * 4] for row in range(height))
        rgb = bytearray(width * height * 3)
        rgb[0::3] = data[2::4]
        rgb[1::3] = data[1::4]
        rgb[2::3] = data[0::4]
        return Image(width, height, bytes(rgb), left, top)

    @staticmethod
    def from_ppm(data):
        """Reads a binary PPM (P6, 8 bits per channel)."""
        fields = []
        position = 0
        while len(fields) < 4:
            while data[position:position + 1].isspace():
                position += 1
            if data[position:position + 1] == b"#":
                position = data.index(b"\n", position) + 1
                continue
            end = position
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[position:end])
            position = end
        if fields[0] != b"P6" or int(fields[3]) != 255:
            raise HarnessError("not an 8-bit binary PPM")
        width, height = int(fields[1]), int(fields[2])
        position += 1  # the single white space after the maximum value
        return Image(width, height, bytes(data[position:position + width * height * 3]))

    @staticmethod
    def load(path):
        """Reads any picture ImageMagick knows (PNG, PPM...)."""
        result = subprocess.run([imagemagick("convert"), str(path), "-depth", "8", "ppm:-"],
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=60)
        if result.returncode != 0:
            raise HarnessError("convert cannot read %s: %s" % (path, result.stderr.decode(errors="replace")))
        return Image.from_ppm(result.stdout)

    def save_png(self, path):
        """Writes an 8-bit RGB PNG (zlib from the standard library)."""
        row_bytes = self.width * 3
        raw = b"".join(b"\x00" + self.rgb[row * row_bytes:(row + 1) * row_bytes] for row in range(self.height))

        def chunk(kind, payload):
            return (struct.pack(">I", len(payload)) + kind + payload
                    + struct.pack(">I", zlib.crc32(kind + payload) & 0xFFFFFFFF))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        Path(path).parent.mkdir(parents=True, exist_ok=True)
        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 6))
                      + chunk(b"IEND", b""))


def imagemagick(tool):
    """The real ImageMagick tool: a stand-in named `convert` may come first on PATH."""
    for candidate in ("/usr/bin/" + tool, "/usr/bin/" + tool + "-im6.q16"):
        if os.path.exists(candidate):
            return candidate
    found = shutil.which(tool)
    if not found:
        raise HarnessError("ImageMagick's %s is not installed" % tool)
    return found


# --- colour schemes ----------------------------------------------------------------

# Colours of the ThinWindow schemes the scenarios draw in, by the roles they
# check: window background, window frame, control frame (buttons, check
# boxes, glyphs), text (red, green, blue).
SCHEMES = {
    "White": {"background": (255, 255, 255), "frame": (68, 68, 68), "control": (68, 68, 68), "text": (0, 0, 0)},
    "Sky Blue": {"background": (194, 223, 255), "frame": (87, 133, 255), "control": (87, 133, 255),
                 "text": (0, 0, 0)},
    "Khaki": {"background": (62, 92, 0), "frame": (146, 185, 65), "control": (146, 185, 65),
              "text": (255, 255, 255)},
    "Black Black": {"background": (0, 0, 0), "frame": (51, 51, 51), "control": (176, 176, 176),
                    "text": (255, 255, 255)},
    "Classic LG": {"background": (116, 116, 116), "frame": (17, 17, 17), "control": (17, 17, 17),
                   "text": (255, 255, 255)},
}


def near(colour, target, tolerance=3):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, target))


def count(image, rect, test, inset=0):
    """How many pixels of rect (screen coordinates), shrunk by inset, pass test."""
    left, top, right, bottom = rect
    return sum(1 for y in range(top + inset, bottom - inset) for x in range(left + inset, right - inset)
               if test(image.pixel(x, y)))


def ink_box(image, rect, background):
    """The bounding box of the pixels in rect that are not the background, or
    None when there are none."""
    left, top, right, bottom = rect
    xs, ys = [], []
    for y in range(top, bottom):
        for x in range(left, right):
            if not near(image.pixel(x, y), background, 24):
                xs.append(x)
                ys.append(y)
    return (min(xs), min(ys), max(xs) + 1, max(ys) + 1) if xs else None


def frame_faults(image, rect, colours):
    """What is wrong with a skinned window's one-pixel frame line and the
    background just inside it, looked at in the middle of each side of rect
    (its outer rectangle); an empty list when nothing is."""
    left, top, right, bottom = rect
    middle_x, middle_y = (left + right) // 2, (top + bottom) // 2
    faults = []
    for side, line, inside in (("left", (left, middle_y), (left + 1, middle_y)),
                               ("right", (right - 1, middle_y), (right - 2, middle_y)),
                               ("top", (middle_x, top), (middle_x, top + 1)),
                               ("bottom", (middle_x, bottom - 1), (middle_x, bottom - 2))):
        if not near(image.pixel(*line), colours["frame"]):
            faults.append("the frame's %s line at %s shows %s, not the frame colour %s" % (
                side, line, image.pixel(*line), colours["frame"]))
        elif side in ("left", "top") and not near(image.pixel(*inside), colours["background"]):
            faults.append("inside the frame's %s line %s shows %s, not the background %s" % (
                side, inside, image.pixel(*inside), colours["background"]))
    return faults


def edge_thickness(image, rect, colour):
    """Pixels of colour from rect's left edge inwards, at mid-height: the
    thickness of a frame's left edge."""
    left, top, right, bottom = rect
    y = (top + bottom) // 2
    thickness = 0
    while left + thickness < right and near(image.pixel(left + thickness, y), colour):
        thickness += 1
    return thickness


def glyph_faults(image, rect, colours, unit):
    """(measures, fault) of the close glyph in a caption button: its pixels
    in the control colour inside the button's frame and the thickness of
    its strokes (half the glyph's pixels on its top row, where both
    diagonals start), and what is wrong (None when it is a cross as tall as
    wide with enough pixels)."""
    left, top, right, bottom = rect
    inner = (left + 2 * unit, top + 2 * unit, right - 2 * unit, bottom - 2 * unit)
    glyph = lambda colour: near(colour, colours["control"])  # noqa: E731
    measures = {"pixels": count(image, inner, glyph), "stroke": 0}
    if measures["pixels"] < 8 * unit * unit:
        return measures, "the caption button %s shows %d pixels of the close glyph in %s" % (
            rect, measures["pixels"], colours["control"])
    box = ink_box(image, inner, colours["background"])
    if box is None or abs((box[2] - box[0]) - (box[3] - box[1])) > 2 * unit:
        return measures, "the close glyph %s in %s is not a cross as tall as it is wide" % (box, inner)
    measures["stroke"] = count(image, (box[0], box[1], box[2], box[1] + 1), glyph) // 2
    return measures, None


# --- pattern analysis -------------------------------------------------------------

def decode(red, green, blue):
    """The (column, row) of the pattern cell of this colour, or None when the
    colour is no cell colour (a blend at a cell edge, or no pattern at all)."""
    column = (red - RED_BASE + RED_STEP // 2) // RED_STEP
    row = (green - GREEN_BASE + GREEN_STEP // 2) // GREEN_STEP
    if column < 0 or row < 0:
        return None
    if abs(RED_BASE + RED_STEP * column - red) > 1 or abs(GREEN_BASE + GREEN_STEP * row - green) > 2:
        return None
    expected_blue = BLUE_ODD if (column + row) % 2 else BLUE_EVEN
    if abs(blue - expected_blue) > 10:
        return None
    return column, row


def _runs(image, axis, fixed, start, end):
    """Runs of equal cell index along one screen line: (index, first, last).
    axis 0 walks x along row `fixed` and reads the column, axis 1 walks y."""
    runs = []
    current = None
    for position in range(start, end):
        x, y = (position, fixed) if axis == 0 else (fixed, position)
        cell = decode(*image.pixel(x, y))
        value = None if cell is None else cell[axis]
        if current is not None and value == current[0] and position == current[2] + 1:
            current[2] = position
            continue
        if current is not None and current[2] - current[1] >= 2:
            runs.append(tuple(current))
        current = None if value is None else [value, position, position]
    if current is not None and current[2] - current[1] >= 2:
        runs.append(tuple(current))
    return runs


def _edges(runs, max_gap):
    """Cell edges seen along a line: (screen position, source position)."""
    edges = []
    for before, after in zip(runs, runs[1:]):
        gap = after[1] - before[2] - 1
        if after[0] == before[0] + 1 and gap <= max_gap:
            edges.append(((before[2] + 1 + after[1]) / 2.0, after[0] * CELL))
    return edges


def _fit(edges):
    """Least-squares source = offset + screen * slope; answers (slope, offset,
    worst residual) or None with fewer than three edges."""
    if len(edges) < 3:
        return None
    count = float(len(edges))
    mean_screen = sum(edge[0] for edge in edges) / count
    mean_source = sum(edge[1] for edge in edges) / count
    spread = sum((edge[0] - mean_screen) ** 2 for edge in edges)
    if spread == 0:
        return None
    slope = sum((edge[0] - mean_screen) * (edge[1] - mean_source) for edge in edges) / spread
    offset = mean_source - slope * mean_screen
    worst = max(abs(offset + slope * edge[0] - edge[1]) for edge in edges)
    return slope, offset, worst


class View:
    """What a screen region shows of the pattern: screen point p shows source
    point offset + p / scale on each axis (source = screen coordinates of the
    pattern, that is X root coordinates)."""

    def __init__(self, fit_x, fit_y, edge_count):
        self.slope_x, self.offset_x, self.residual_x = fit_x
        self.slope_y, self.offset_y, self.residual_y = fit_y
        self.scale_x = 1.0 / self.slope_x
        self.scale_y = 1.0 / self.slope_y
        self.edge_count = edge_count

    def source_at(self, x, y):
        return self.offset_x + self.slope_x * x, self.offset_y + self.slope_y * y

    def __str__(self):
        return "scale %.3f x %.3f, screen (0,0) shows (%.1f,%.1f), residual %.2f/%.2f, %d edges" % (
            self.scale_x, self.scale_y, self.offset_x, self.offset_y, self.residual_x, self.residual_y,
            self.edge_count)


def measure_view(image, region=None, lines=7):
    """Measures how the region (left, top, right, bottom; default the whole
    image) shows the pattern, from the cell edges along several horizontal and
    vertical lines. Answers a View, or None when the region does not show a
    uniformly scaled pattern (no pattern, too few edges, or edges that do not
    lie on one straight mapping)."""
    if region is None:
        region = (image.left, image.top, image.left + image.width, image.top + image.height)
    left, top, right, bottom = region
    fits = []
    edge_count = 0
    for axis in (0, 1):
        start, end = (left, right) if axis == 0 else (top, bottom)
        low, high = (top, bottom) if axis == 0 else (left, right)
        edges = []
        for index in range(lines):
            # Lines at uneven fractions, so that not all of them fall on cell edges.
            fixed = low + int((high - low) * (index + 0.37) / lines)
            runs = _runs(image, axis, fixed, start, end)
            edges.extend(_edges(runs, max_gap=12))
        fit = _fit(edges)
        if fit is None or fit[0] <= 0:
            return None
        # One outlying edge (a window border, a stray blend) must not decide:
        # drop edges far from the fit and fit again.
        slope, offset, _ = fit
        kept = [edge for edge in edges if abs(offset + slope * edge[0] - edge[1]) <= 3.0]
        fit = _fit(kept)
        if fit is None or fit[0] <= 0 or len(kept) < 0.8 * len(edges):
            return None
        fits.append(fit)
        edge_count += len(kept)
    return View(fits[0], fits[1], edge_count)


def pattern_image(width, height):
    """The pattern exactly as PatternWindow draws it over a virtual screen of
    this size (without its bottom strip), for checking the analysis itself."""
    rows = []
    for row in range(0, (height + CELL - 1) // CELL):
        line = bytearray()
        for column in range(0, (width + CELL - 1) // CELL):
            blue = BLUE_ODD if (column + row) % 2 else BLUE_EVEN
            line += bytes((RED_BASE + RED_STEP * column, GREEN_BASE + GREEN_STEP * row, blue)) * CELL
        rows.extend([bytes(line[:width * 3])] * CELL)
    return Image(width, height, b"".join(rows[:height]))


def transformed(image, *convert_options):
    """The image passed through ImageMagick's convert with these options."""
    ppm = b"P6 %d %d 255\n" % (image.width, image.height) + image.rgb
    result = subprocess.run([imagemagick("convert"), "ppm:-"] + list(convert_options) + ["-depth", "8", "ppm:-"],
                            input=ppm, stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=120)
    if result.returncode != 0:
        raise HarnessError("convert failed: %s" % result.stderr.decode(errors="replace"))
    return Image.from_ppm(result.stdout)


def expected_lens_mapping(virtual, cursor, zoom, canvas=None):
    """Where the lens should show what, computed like the magnifier does:
    virtual = (left, top, width, height) of the virtual screen in Windows
    coordinates, cursor = Windows cursor position, zoom in percent. Answers
    (scale_x, scale_y, source_left, source_top) with the source origin in
    snapshot (= X root) coordinates; the canvas is assumed to cover the
    virtual screen unless given as (width, height)."""
    vx, vy, vw, vh = virtual
    width, height = canvas or (vw, vh)
    factor = min(max(zoom / 100.0, 1.1), 50.0)
    source_width, source_height = int(width / factor), int(height / factor)
    source_left = (cursor[0] - vx) - source_width // 2
    source_top = (cursor[1] - vy) - source_height // 2
    source_left = min(max(source_left, 0), vw - source_width)
    source_top = min(max(source_top, 0), vh - source_height)
    return width / float(source_width), height / float(source_height), source_left, source_top


# --- X access -----------------------------------------------------------------

class _XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int),
                ("red_mask", ctypes.c_ulong), ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong)]


class _XFixesCursorImage(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short), ("width", ctypes.c_ushort),
                ("height", ctypes.c_ushort), ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("cursor_serial", ctypes.c_ulong), ("pixels", ctypes.POINTER(ctypes.c_ulong))]


def _load_library(name):
    path = ctypes.util.find_library(name)
    for candidate in ([path] if path else []) + ["lib%s.so.6" % name, "lib%s.so.3" % name, "lib%s.so" % name]:
        try:
            return ctypes.CDLL(candidate)
        except OSError:
            continue
    return None


class XConnection:
    """A direct connection to the X server for fast screenshots (XGetImage),
    the cursor image (XFixes) and key events (XTest). Each part that the
    system lacks answers None; screenshots then fall back to ImageMagick."""

    ZPIXMAP = 2
    ALL_PLANES = 0xFFFFFFFF

    def __init__(self, display_name):
        self.display_name = display_name
        self.xlib = _load_library("X11")
        self.display = None
        if self.xlib is None:
            return
        self.xlib.XOpenDisplay.restype = ctypes.c_void_p
        self.xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.xlib.XDefaultRootWindow.restype = ctypes.c_ulong
        self.xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.xlib.XGetImage.restype = ctypes.POINTER(_XImage)
        self.xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                        ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.xlib.XDestroyImage.argtypes = [ctypes.POINTER(_XImage)]
        self.xlib.XFree.argtypes = [ctypes.c_void_p]
        self.xlib.XFlush.argtypes = [ctypes.c_void_p]
        self.xlib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.xlib.XQueryPointer.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_void_p] * 7
        self.xlib.XKeysymToKeycode.restype = ctypes.c_ubyte
        self.xlib.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.xlib.XStringToKeysym.restype = ctypes.c_ulong
        self.xlib.XStringToKeysym.argtypes = [ctypes.c_char_p]
        self.display = self.xlib.XOpenDisplay(display_name.encode())
        if not self.display:
            raise HarnessError("cannot open X display %s" % display_name)
        self.root = self.xlib.XDefaultRootWindow(self.display)
        self.xfixes = _load_library("Xfixes")
        if self.xfixes is not None:
            self.xfixes.XFixesQueryExtension.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int),
                                                         ctypes.POINTER(ctypes.c_int)]
            self.xfixes.XFixesQueryVersion.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int),
                                                       ctypes.POINTER(ctypes.c_int)]
            self.xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(_XFixesCursorImage)
            self.xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
            event, error = ctypes.c_int(), ctypes.c_int()
            major, minor = ctypes.c_int(4), ctypes.c_int(0)
            if not (self.xfixes.XFixesQueryExtension(self.display, ctypes.byref(event), ctypes.byref(error))
                    and self.xfixes.XFixesQueryVersion(self.display, ctypes.byref(major), ctypes.byref(minor))):
                self.xfixes = None
        self.xtest = _load_library("Xtst")
        if self.xtest is not None:
            self.xtest.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]

    def close(self):
        if self.display:
            self.xlib.XCloseDisplay(self.display)
            self.display = None

    def screenshot(self, left=0, top=0, width=None, height=None):
        """The screen rectangle as an Image (the whole screen by default)."""
        if not self.display:
            return self._screenshot_with_import(left, top, width, height)
        if width is None or height is None:
            width, height = self.screen_size()
        image = self.xlib.XGetImage(self.display, self.root, left, top, width, height, self.ALL_PLANES,
                                    self.ZPIXMAP)
        if not image:
            raise HarnessError("XGetImage failed")
        try:
            content = image.contents
            if content.bits_per_pixel != 32 or content.byte_order != 0:
                raise HarnessError("unexpected X image format (%d bits per pixel)" % content.bits_per_pixel)
            data = ctypes.string_at(content.data, content.bytes_per_line * height)
            return Image.from_bgrx(width, height, data, content.bytes_per_line, left, top)
        finally:
            self.xlib.XDestroyImage(image)

    def _screenshot_with_import(self, left, top, width, height):
        environment = dict(os.environ, DISPLAY=self.display_name)
        result = subprocess.run([imagemagick("import"), "-window", "root", "ppm:-"], stdout=subprocess.PIPE,
                                stderr=subprocess.DEVNULL, env=environment, timeout=60)
        if result.returncode != 0:
            raise HarnessError("import failed")
        image = Image.from_ppm(result.stdout)
        if width is None:
            return image
        rows = [image.rgb[(top + row) * image.width * 3 + left * 3:(top + row) * image.width * 3
                          + (left + width) * 3] for row in range(height)]
        return Image(width, height, b"".join(rows), left, top)

    def screen_size(self):
        self.xlib.XDisplayWidth.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.xlib.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]
        return self.xlib.XDisplayWidth(self.display, 0), self.xlib.XDisplayHeight(self.display, 0)

    def cursor_visible_pixels(self):
        """How many pixels of the cursor as the X server shows it now are not
        fully transparent; None when XFixes is missing. Wine hides the cursor
        by defining an empty cursor on its window, which XFixes reports as an
        image without a visible pixel. (Screenshots never contain the cursor.)"""
        if not self.display or self.xfixes is None:
            return None
        cursor = self.xfixes.XFixesGetCursorImage(self.display)
        if not cursor:
            return None
        try:
            content = cursor.contents
            count = content.width * content.height
            return sum(1 for index in range(count) if (content.pixels[index] >> 24) & 0xFF)
        finally:
            self.xlib.XFree(cursor)

    def pointer(self):
        """The pointer's root position (x, y)."""
        root, child = ctypes.c_ulong(), ctypes.c_ulong()
        root_x, root_y, win_x, win_y = ctypes.c_int(), ctypes.c_int(), ctypes.c_int(), ctypes.c_int()
        mask = ctypes.c_uint()
        self.xlib.XQueryPointer(self.display, self.root, ctypes.byref(root), ctypes.byref(child),
                                ctypes.byref(root_x), ctypes.byref(root_y), ctypes.byref(win_x),
                                ctypes.byref(win_y), ctypes.byref(mask))
        return root_x.value, root_y.value

    def lower_to_bottom(self, window):
        """Puts the top-level X window that holds `window` (its window-manager
        frame, if any) below all others."""
        if not self.display:
            return False
        self.xlib.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                                         ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p),
                                         ctypes.POINTER(ctypes.c_uint)]
        self.xlib.XLowerWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        current = window
        for _ in range(16):
            root, parent = ctypes.c_ulong(), ctypes.c_ulong()
            children, count = ctypes.c_void_p(), ctypes.c_uint()
            if not self.xlib.XQueryTree(self.display, current, ctypes.byref(root), ctypes.byref(parent),
                                        ctypes.byref(children), ctypes.byref(count)):
                return False
            if children.value:
                self.xlib.XFree(children)
            if parent.value == root.value or parent.value == 0:
                break
            current = parent.value
        self.xlib.XLowerWindow(self.display, current)
        self.xlib.XSync(self.display, 0)
        return True

    def fake_key(self, keysym_name, press):
        """Sends a key event through XTest at once (no helper process: used
        where timing matters). Answers False when XTest is missing."""
        if not self.display or self.xtest is None:
            return False
        keycode = self.xlib.XKeysymToKeycode(self.display, self.xlib.XStringToKeysym(keysym_name.encode()))
        if keycode == 0:
            return False
        self.xtest.XTestFakeKeyEvent(self.display, keycode, 1 if press else 0, 0)
        self.xlib.XSync(self.display, 0)
        return True


# --- the virtual display ------------------------------------------------------------

# Two monitors with a negative virtual-screen origin: Wine (with UseXRandR=N)
# reports the big one as the primary at (0,0)-(1920,1080) and the small one at
# (-1280,0)-(0,1024).
TWO_MONITORS = [["SMALL", "1280/338x1024/270+0+0", "screen"], ["*BIG", "1920/508x1080/286+1280+0", "none"]]


class Display:
    """An Xvfb server, by default without a window manager. Xvfb picks a free
    display number itself (-displayfd), so parallel runs never collide.

    Why no window manager: under evilwm, a Wine window that was once sized
    0 x 0 (the lens is, whenever it hides) never shows its drawing again when
    it is shown at full size: the X window keeps the pixels that were under
    it. A plain stand-in program shows the same, so it is the Wine/evilwm
    pair, not the magnifier. Without a window manager the drawing shows; the
    price is that Wine waits up to 2 s whenever it hides a window, which the
    scenarios' timeouts allow for. VEXA_E2E_WM=evilwm brings evilwm back."""

    def __init__(self, width=1920, height=1080, monitors=None, log_dir=None):
        self.width = width
        self.height = height
        self.monitors = monitors or []
        self.log_dir = Path(log_dir or BUILD / "e2e-logs")
        self.name = None
        self.x = None
        self.xvfb = None
        self.wm = None

    def environment(self):
        return dict(os.environ, DISPLAY=self.name)

    def start(self):
        self.log_dir.mkdir(parents=True, exist_ok=True)
        read_end, write_end = os.pipe()
        with open(self.log_dir / "xvfb.log", "ab") as xvfb_log:
            self.xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "%dx%dx24" % (self.width, self.height),
                 "-nolisten", "tcp"], stdin=subprocess.DEVNULL, stdout=xvfb_log, stderr=xvfb_log,
                pass_fds=(write_end,), start_new_session=True)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 30
        while not number.endswith(b"\n") and time.monotonic() < deadline:
            ready, _, _ = select.select([read_end], [], [], 0.5)
            if ready:
                chunk = os.read(read_end, 16)
                if not chunk:
                    break
                number += chunk
        os.close(read_end)
        if not number.strip().isdigit():
            self.stop()
            raise HarnessError("Xvfb did not start")
        self.name = ":" + number.strip().decode()
        log("display %s started" % self.name)
        self.x = XConnection(self.name)
        if os.environ.get("VEXA_E2E_WM") == "evilwm":
            with open(self.log_dir / "evilwm.log", "ab") as wm_log:
                self.wm = subprocess.Popen(["evilwm", "-fn", "fixed"], env=self.environment(),
                                           stdin=subprocess.DEVNULL, stdout=wm_log, stderr=wm_log,
                                           start_new_session=True)
            time.sleep(0.3)
        for monitor in self.monitors:
            result = subprocess.run(["xrandr", "--setmonitor"] + monitor, env=self.environment(),
                                    stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=20)
            if result.returncode != 0:
                self.stop()
                raise HarnessError("xrandr --setmonitor failed: %s" % result.stdout.decode(errors="replace"))
        return self

    def stop(self):
        if self.x is not None:
            self.x.close()
            self.x = None
        for process in (self.wm, self.xvfb):
            if process is not None and process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait(timeout=10)
        self.wm = self.xvfb = None


# --- Wine -------------------------------------------------------------------------

class Wine:
    """The Wine environment of the scenarios: a prefix of its own under
    build/, created once, a persistent and warmed server, and the X11 driver
    told to take the monitors from the X screen's monitor list (UseXRandR=N),
    which is how two monitors with a negative origin are simulated."""

    def __init__(self, prefix=None):
        self.prefix = Path(prefix or os.environ.get("VEXA_E2E_WINEPREFIX") or BUILD / "e2e-wine" / "prefix")
        self.home = self.prefix.parent / "home"
        self.log_dir = self.prefix.parent / "logs"
        self.display = None
        self.locked = False
        # More library overrides for the programs started (such as
        # "uxtheme=n,b": prefer a native copy of that library).
        self.extra_overrides = ""

    def environment(self):
        environment = dict(os.environ)
        overrides = "mscoree,mshtml=;winemenubuilder.exe=d"
        environment.update({
            "WINEPREFIX": str(self.prefix),
            "WINEARCH": "win64",
            "WINEDEBUG": os.environ.get("WINEDEBUG", "-all"),
            "WINEDLLOVERRIDES": overrides + (";" + self.extra_overrides if self.extra_overrides else ""),
            "HOME": str(self.home),
        })
        if self.display is not None:
            environment["DISPLAY"] = self.display.name
        return environment

    def _call(self, arguments, timeout, check=True):
        # Output goes through files, not pipes: Wine's server and services
        # inherit the output handles and would keep a pipe open for good.
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            try:
                process = subprocess.run(arguments, env=self.environment(), stdin=subprocess.DEVNULL, stdout=out,
                                         stderr=err, timeout=timeout)
            except subprocess.TimeoutExpired:
                raise HarnessError("%s did not finish within %d s" % (" ".join(map(str, arguments)), timeout))
            out.seek(0)
            err.seek(0)
            result = subprocess.CompletedProcess(arguments, process.returncode, out.read(), err.read())
        if check and result.returncode != 0:
            raise HarnessError("%s failed (%d): %s" % (" ".join(map(str, arguments)), result.returncode,
                                                       result.stderr.decode(errors="replace")[-500:]))
        return result

    def lock(self, timeout=1200):
        """Takes the prefix for this process: two runs on one prefix would end
        each other's programs (wineserver -k) and see each other's windows.
        Waits for another run to finish; raises HarnessError after `timeout`."""
        import fcntl
        self.prefix.parent.mkdir(parents=True, exist_ok=True)
        self._lock_file = open(self.prefix.parent / "e2e.lock", "w")
        deadline = time.monotonic() + timeout
        told = False
        while True:
            try:
                fcntl.flock(self._lock_file, fcntl.LOCK_EX | fcntl.LOCK_NB)
                self.locked = True
                return
            except OSError:
                if time.monotonic() > deadline:
                    raise HarnessError("another end-to-end run keeps %s busy (set VEXA_E2E_WINEPREFIX to use "
                                       "another prefix)" % self.prefix)
                if not told:
                    sys.stderr.write("e2e: waiting for another run that uses %s\n" % self.prefix)
                    told = True
                time.sleep(2)

    def prepare(self, display):
        """Creates the prefix if needed and starts a warm server on the display.
        The server must not outlive a change of display: call kill() first."""
        if not self.locked:
            self.lock()
        self.display = display
        self.home.mkdir(parents=True, exist_ok=True)
        self.log_dir.mkdir(parents=True, exist_ok=True)
        if not (self.prefix / "system.reg").exists():
            log("creating Wine prefix %s" % self.prefix)
            self._call(["wineboot", "-i"], timeout=300, check=False)
            self._call(["wineserver", "-w"], timeout=300, check=False)
        self._call(["wineserver", "-p"], timeout=60, check=False)
        # Warm-up: the first start brings up Wine's services and the desktop process.
        self._call(["wine", "cmd", "/c", "exit"], timeout=120, check=False)
        self.reg_add(r"HKCU\Software\Wine\X11 Driver", "UseXRandR", "REG_SZ", "N")
        if os.environ.get("VEXA_E2E_MANAGED"):
            self.reg_add(r"HKCU\Software\Wine\X11 Driver", "Managed", "REG_SZ", os.environ["VEXA_E2E_MANAGED"])
        else:
            self._call(["wine", "reg", "delete", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed", "/f"],
                       timeout=60, check=False)

    def kill(self):
        """Ends every process of this prefix and its server (all of them started
        by this harness); the registry is written back to disk. Does nothing
        unless this process holds the prefix (lock())."""
        if not self.locked:
            return
        self._call(["wineserver", "-k"], timeout=60, check=False)
        self._call(["wineserver", "-w"], timeout=60, check=False)

    def start(self, arguments, log_name):
        log_file = open(self.log_dir / ("%s.log" % log_name), "ab")
        try:
            return subprocess.Popen(["wine"] + [str(argument) for argument in arguments], env=self.environment(),
                                    stdin=subprocess.DEVNULL, stdout=log_file, stderr=log_file)
        finally:
            log_file.close()

    def run(self, arguments, timeout=60):
        return self._call(["wine"] + [str(argument) for argument in arguments], timeout=timeout, check=False)

    def reg_add(self, key, name, kind, data):
        """Writes one value; the name None writes the key's own (default)
        value."""
        selector = ["/ve"] if name is None else ["/v", name]
        # reg was seen to fail now and then right after the server started;
        # a second try succeeds.
        for attempt in range(3):
            result = self._call(["wine", "reg", "add", key] + selector + ["/t", kind, "/d", str(data), "/f"],
                                timeout=60, check=attempt == 2)
            if result.returncode == 0:
                return
            time.sleep(0.5)

    def reg_delete_key(self, key):
        self._call(["wine", "reg", "delete", key, "/f"], timeout=60, check=False)

    def reg_query_typed(self, key, name):
        """(type, data) of the value as reg prints them, or None when it is
        missing; the data of an empty string is "". The name None asks for
        the key's own (default) value."""
        selector = ["/ve"] if name is None else ["/v", name]
        printed = "(Default)" if name is None else name
        result = self._call(["wine", "reg", "query", key] + selector, timeout=60, check=False)
        for line in result.stdout.decode(errors="replace").splitlines():
            fields = line.split(None, 2)
            if len(fields) >= 2 and fields[0] == printed:
                return fields[1], fields[2].strip() if len(fields) == 3 else ""
        return None

    def startup_folder(self):
        """The current user's Startup folder inside the prefix (a Linux path)."""
        users = self.prefix / "drive_c" / "users"
        for user in [os.environ.get("USER", ""), "root"] + sorted(entry.name for entry in users.iterdir()
                                                                    if users.exists()):
            folder = users / user / "AppData" / "Roaming" / "Microsoft" / "Windows" / "Start Menu" / "Programs"
            if (folder / "StartUp").is_dir():
                return folder / "StartUp"
        raise HarnessError("the prefix %s has no Startup folder" % self.prefix)

    def record_browser(self, record):
        """Makes a small script the prefix's browser: every address Wine hands
        to the desktop's browser is appended to the file `record`, one a line."""
        script = self.prefix.parent / "browser-recorder.sh"
        script.write_text("#!/bin/sh\nprintf '%%s\\n' \"$@\" >> '%s'\n" % record)
        script.chmod(0o755)
        self.reg_add(r"HKCU\Software\Wine\WineBrowser", "Browsers", "REG_SZ", str(script))

    def fresh_browser_record(self):
        """Records the browser's addresses (see record_browser) into an empty
        file: a run before leaves no addresses behind. Answers the file."""
        record = self.prefix.parent / "browser-record.txt"
        if record.exists():
            record.unlink()
        self.record_browser(record)
        return record

    def reg_query(self, key, name):
        """The value's data as reg prints it, or None when it is missing."""
        result = self._call(["wine", "reg", "query", key, "/v", name], timeout=60, check=False)
        for line in result.stdout.decode(errors="replace").splitlines():
            fields = line.split(None, 2)
            if len(fields) >= 2 and fields[0] == name:
                return fields[2].strip() if len(fields) == 3 else ""
        return None


def opened_pages(record):
    """The addresses the browser got so far, from fresh_browser_record's file."""
    return record.read_text().split() if record.exists() else []


# --- a test session: display + Wine + the programs ----------------------------------

SAVE_DATA_KEY = r"HKCU\Software\Vexa\Vexa Magnifier\SaveData"
MAGNIFIER_SETTINGS_KEY = SAVE_DATA_KEY + r"\View"
# The application's skin (followed by the windows that have none of their
# own) and the version window's own skin, each the key's own value.
SKIN_KEY = SAVE_DATA_KEY + r"\Skin"
ABOUT_SKIN_KEY = SAVE_DATA_KEY + r"\AboutWindow\Skin"


def store_skins(wine, application=None, about=None):
    """Stores the application's skin and the version window's own skin by
    scheme name; None leaves the skin unstored."""
    for key, name in ((SKIN_KEY, application), (ABOUT_SKIN_KEY, about)):
        wine.reg_delete_key(key)
        if name is not None:
            wine.reg_add(key, None, "REG_SZ", name)


class Window:
    """One line of `PatternWindow --windows`."""

    def __init__(self, line):
        fields = line.rstrip("\r\n").split("\t")
        if len(fields) != 9:
            raise ValueError(line)
        self.handle = int(fields[0])
        self.image = fields[1]
        self.class_name = fields[2]
        self.title = fields[3]
        self.left, self.top, self.right, self.bottom = (int(value) for value in fields[4].split())
        self.style = int(fields[5], 16)
        self.ex_style = int(fields[6], 16)
        self.visible = fields[7] == "1"
        self.parent = int(fields[8])

    @property
    def program(self):
        return self.image.replace("\\", "/").rsplit("/", 1)[-1].lower()

    def __repr__(self):
        return "%s[%s%s %r (%d,%d)-(%d,%d)%s]" % (self.program, "child " if self.parent else "", self.class_name,
                                                 self.title, self.left, self.top, self.right, self.bottom,
                                                 "" if self.visible else " hidden")


class Session:
    """Drives one program under test on one display: the pattern window, the
    program, keys and mouse through xdotool, screenshots, the tray icon and
    its menu, and the clean-up between scenarios."""

    TRAY_TITLE = "Wine System Tray"
    PATTERN_TITLE = "Vexa Pattern"

    def __init__(self, exe, pattern_exe, display, wine, artifacts=None):
        self.exe = Path(exe).resolve()
        self.pattern_exe = Path(pattern_exe).resolve()
        self.display = display
        self.wine = wine
        self.x = display.x
        self.artifacts = Path(artifacts or BUILD / "e2e-artifacts")
        self.processes = []
        self.pattern = None
        self.virtual = None  # (left, top, width, height) in Windows coordinates
        self.last_image = None

    # -- processes --
    def start_program(self, *arguments):
        process = self.wine.start([self.exe] + list(arguments), "program")
        self.processes.append(process)
        log("started %s %s as %d" % (self.exe.name, " ".join(arguments), process.pid))
        return process

    def start_pattern(self):
        """Shows the pattern window and waits until the screen shows the
        pattern at its own place."""
        self.read_screen_geometry()
        self.pattern = self.wine.start([self.pattern_exe], "pattern")
        self.processes.append(self.pattern)
        region = (0, 0, self.display.width, self.display.height - TRAY_STRIP)
        if region[2] > CELL * CODED_COLUMNS or region[3] > CELL * CODED_ROWS:
            # The colours repeat on a screen this large: the window is known
            # by its title only (such scenarios do not read the pattern).
            if wait_for(lambda: self.x_windows("^%s$" % self.PATTERN_TITLE), 20, 0.1) is None:
                raise HarnessError("the pattern window did not appear")
            time.sleep(1.0)
            return None
        view = wait_for(lambda: self._identity_view(region), 20, 0.1)
        if view is None:
            raise HarnessError("the pattern window did not appear")
        return view

    def _identity_view(self, region):
        view = measure_view(self.screenshot(), region)
        if view and is_identity(view):
            return view
        return None

    def read_screen_geometry(self):
        result = self.wine.run([self.pattern_exe, "--screen"], timeout=60)
        for line in result.stdout.decode(errors="replace").splitlines():
            fields = line.split()
            if fields and fields[0] == "virtual":
                self.virtual = tuple(int(value) for value in fields[1:5])
        if self.virtual is None:
            raise HarnessError("cannot read the virtual screen from Wine")
        return self.virtual

    def to_x(self, x, y):
        """Windows screen coordinates to X root coordinates."""
        return x - self.virtual[0], y - self.virtual[1]

    def to_windows(self, x, y):
        return x + self.virtual[0], y + self.virtual[1]

    def x_rect(self, window):
        """A window's rectangle (a Window of the window list) in X root
        coordinates."""
        left, top = self.to_x(window.left, window.top)
        right, bottom = self.to_x(window.right, window.bottom)
        return left, top, right, bottom

    def cleanup(self):
        """Ends every process this session started (by its id), then the Wine
        server with whatever those processes left (the tray host among them),
        so the next scenario starts from a fresh desktop."""
        self.cleanup_programs()
        self.wine.kill()

    def cleanup_programs(self):
        """Ends every process this session started (by its id) and leaves
        the Wine server running for the next program of the same session."""
        release_input(self.display)
        for process in self.processes:
            if process.poll() is None:
                process.terminate()
        for process in self.processes:
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait(timeout=5)
        self.processes = []
        self.pattern = None

    # -- windows --
    def windows(self):
        result = self.wine.run([self.pattern_exe, "--windows"], timeout=60)
        windows = []
        for line in result.stdout.decode(errors="replace").splitlines():
            try:
                windows.append(Window(line))
            except ValueError:
                continue
        return windows

    def program_windows(self, visible_only=True, children=False):
        """The program's top-level windows (and their children if asked)."""
        name = self.exe.name.lower()
        return [window for window in self.windows()
                if window.program == name and (window.visible or not visible_only)
                and (children or window.parent == 0)]

    def x_windows(self, title_regex):
        """X window ids of mapped windows whose title matches."""
        result = xdotool(self.display, ["search", "--onlyvisible", "--name", title_regex], check=False)
        return [int(word) for word in result.split()]

    def focus_pattern(self):
        """Gives the X keyboard focus to the pattern window: Wine passes X key
        events to GetAsyncKeyState only while one of its windows has it."""
        ids = self.x_windows("^%s$" % self.PATTERN_TITLE)
        if not ids:
            raise HarnessError("the pattern window is gone")
        if self.display.wm is not None:
            xdotool(self.display, ["windowactivate", "--sync", str(ids[0])], check=False, timeout=5)
        xdotool(self.display, ["windowfocus", "--sync", str(ids[0])], check=False, timeout=5)
        # It must stay below everything the program shows. (On Windows the
        # lens is above it as a topmost window; a window manager that raised
        # the pattern on activation would not keep the lens above it.)
        self.x.lower_to_bottom(ids[0])

    # -- tray --
    def wait_tray(self, timeout=20):
        """Waits for Wine's tray window, moves it into the free strip at the
        bottom of the primary monitor and answers the X point of the first
        icon, or None."""
        ids = wait_for(lambda: self.x_windows("^%s$" % self.TRAY_TITLE), timeout, 0.1)
        if not ids:
            return None
        left, _ = self.to_x(0, 0)
        top = self.display.height - TRAY_STRIP + 20
        xdotool(self.display, ["windowmove", "--sync", str(ids[0]), str(left), str(top)], check=False, timeout=5)
        geometry = xdotool(self.display, ["getwindowgeometry", "--shell", str(ids[0])], check=False)
        values = dict(line.split("=", 1) for line in geometry.split() if "=" in line)
        x, y = int(values.get("X", left)), int(values.get("Y", top))
        height = int(values.get("HEIGHT", 20))
        # Icons sit in a row from the left; each is a square of the tray's height.
        return x + height // 2, y + height // 2

    def tray_click(self, button):
        point = self.wait_tray(timeout=5)
        if point is None:
            raise Failure("no tray icon to click")
        self.mouse_move(*point)
        time.sleep(0.1)
        xdotool(self.display, ["click", str(button)])

    def choose_last_menu_item(self, timeout=10):
        """Clicks the last item of the program's open popup menu (Exit of the
        tray menu); answers False when no menu opened."""
        menus = wait_for(lambda: [window for window in self.program_windows() if window.class_name == "#32768"],
                         timeout, 0.2)
        if not menus:
            return False
        menu = menus[-1]
        x, y = self.to_x((menu.left + menu.right) // 2, menu.bottom - 8)
        self.mouse_move(x, y)
        time.sleep(0.2)
        xdotool(self.display, ["click", "1"])
        return True

    # -- menus --
    # Wine draws popup menus with a 3-pixel frame, items of one height and
    # separators of MENU_SEPARATOR rows whose grey line lies in their middle.
    MENU_FRAME = 3
    MENU_SEPARATOR = 9

    def open_menus(self):
        return [window for window in self.program_windows() if window.class_name == "#32768"]

    def open_tray_menu(self, timeout=10):
        """Right-clicks the tray icon and answers the menu window that opened."""
        self.tray_click(3)
        menus = wait_for(self.open_menus, timeout, 0.2)
        if not menus:
            raise Failure("the tray menu did not open on a right click")
        # Off the icon, onto the menu's frame: the icon's tip would cover the
        # menu's lowest entries.
        self.mouse_move(*self.to_x(menus[0].left + 1, menus[0].top + 1))
        wait_for(lambda: not [window for window in self.windows()
                              if window.visible and window.class_name == "tooltips_class32"], 3, 0.2)
        return menus[0]

    def menu_rows(self, menu, layout):
        """The X rows of the entries of an open menu whose entries are given
        as a layout string ('s' a separator, any other letter an item or a
        submenu): answers one (top, bottom) per entry. The item height comes
        from the menu's own height; the separators' grey lines must show where
        the layout puts them, or the layout is not what the menu shows. On a
        display scaled above 96 dpi the system's separators are taller: each
        separator height from the 96-dpi one up to twice it is tried."""
        left, top = self.to_x(menu.left, menu.top)
        right, bottom = self.to_x(menu.right, menu.bottom)
        separators = layout.count("s")
        items = len(layout) - separators

        def rows_for(separator):
            room = (bottom - top) - 2 * self.MENU_FRAME - separators * separator
            if items == 0 or room <= 0 or room % items != 0:
                return None
            height = room // items
            rows = []
            y = top + self.MENU_FRAME
            for kind in layout:
                rows.append((y, y + (separator if kind == "s" else height)))
                y += rows[-1][1] - rows[-1][0]
            return rows

        def separators_show(rows, separator):
            image = self.screenshot((left, top, right, bottom))
            for kind, (row_top, _) in zip(layout, rows):
                if kind == "s":
                    line = row_top + separator // 2
                    colours = {image.pixel(x, line) for x in range(left + 20, right - 20, 7)}
                    if len(colours) != 1 or colours == {image.pixel(left + 20, row_top)}:
                        return False
            return True

        candidates = [(separator, rows_for(separator))
                      for separator in range(self.MENU_SEPARATOR, 2 * self.MENU_SEPARATOR + 1)]
        candidates = [(separator, rows) for separator, rows in candidates if rows is not None]
        if not candidates:
            raise HarnessError("a menu of %d x %d pixels cannot hold the layout %r" % (
                right - left, bottom - top, layout))

        def matching():
            for separator, rows in candidates:
                if separators_show(rows, separator):
                    return rows
            return None

        # A menu that has just opened may not be drawn completely yet.
        rows = wait_for(matching, 3, 0.1)
        if rows is None:
            self.save("menu-layout-mismatch", self.screenshot())
            raise HarnessError("the separator lines of the menu %s are not where the layout %r puts them" % (
                menu, layout))
        return rows

    def menu_marks(self, menu, layout):
        """Per entry of an open menu: whether a check or radio mark shows in
        the mark column at its left (separators answer False)."""
        rows = self.menu_rows(menu, layout)
        left, top = self.to_x(menu.left, menu.top)
        right, bottom = self.to_x(menu.right, menu.bottom)
        image = self.screenshot((left, top, right, bottom))
        marks = []
        for kind, (row_top, row_bottom) in zip(layout, rows):
            dark = kind != "s" and any(sum(image.pixel(x, y)) < 200 for x in range(left + self.MENU_FRAME + 1, left + 18)
                                       for y in range(row_top + 1, row_bottom - 1))
            marks.append(dark)
        return marks

    def menu_picture(self, menu, layout):
        """The menu's pixels, for comparing what two menus show; taken once
        the menu shows its layout's separators (nothing covers it)."""
        self.menu_rows(menu, layout)
        left, top = self.to_x(menu.left, menu.top)
        right, bottom = self.to_x(menu.right, menu.bottom)
        image = self.screenshot((left, top, right, bottom))
        return image.width, image.height, image.rgb

    def close_menus(self):
        """Closes the open menus with a click beside them, as a user does."""
        for _ in range(3):
            if not self.open_menus():
                return
            self.mouse_move(self.display.width - 40, 40)
            time.sleep(0.1)
            xdotool(self.display, ["click", "1"])
            time.sleep(0.4)
        if self.open_menus():
            raise HarnessError("the menus do not close on a click beside them")

    def click_menu_entry(self, menu, layout, index):
        """Clicks entry `index` of an open menu (see menu_rows); a submenu
        entry opens its submenu, which is answered (None otherwise)."""
        rows = self.menu_rows(menu, layout)
        left, _ = self.to_x(menu.left, menu.top)
        right, _ = self.to_x(menu.right, menu.bottom)
        before = {window.handle for window in self.open_menus()}
        # Straight to the point: a path over other entries could open their
        # submenus on the way.
        self.mouse_move((left + right) // 2, (rows[index][0] + rows[index][1]) // 2)
        time.sleep(0.2)
        xdotool(self.display, ["click", "1"])
        if layout[index] != ">":
            return None
        opened = wait_for(lambda: [window for window in self.open_menus() if window.handle not in before], 5, 0.1)
        if not opened:
            raise Failure("entry %d of the menu %s opened no submenu" % (index, menu))
        return opened[0]

    def choose_menu_path(self, *steps):
        """Opens the tray menu and clicks through it: each step is a layout
        and an entry index; every step but the last opens a submenu."""
        menu = self.open_tray_menu()
        for layout, index in steps:
            menu = self.click_menu_entry(menu, layout, index)
        return menu

    def wait_menus_closed(self, timeout=5):
        if wait_for(lambda: not self.open_menus(), timeout, 0.2) is None:
            raise Failure("the menu stayed open after a command was chosen")

    # -- input --
    # Keys go through XTest directly: `xdotool keydown Control_R` was seen to
    # press Control_L first (it adds the modifier the key itself stands for),
    # which would blur the difference between the left and right keys.
    def key_down(self, *keys):
        for key in keys:
            if not self.x.fake_key(key, True):
                xdotool(self.display, ["keydown", key])

    def key_up(self, *keys):
        for key in keys:
            if not self.x.fake_key(key, False):
                xdotool(self.display, ["keyup", key])

    def tap(self, *keys):
        # Held long enough for the lens to appear first: a release that falls
        # into the moment the lens takes the X focus can be lost.
        self.key_down(*keys)
        time.sleep(0.4)
        self.key_up(*keys)

    def mouse_move(self, x, y):
        # `mousemove --sync` waits until the pointer has moved: sent to where
        # it already is, it would wait out its whole timeout.
        if self.x is not None and self.x.display and self.x.pointer() == (x, y):
            return
        xdotool(self.display, ["mousemove", "--sync", str(x), str(y)], check=False, timeout=5)

    def click(self, button):
        xdotool(self.display, ["click", str(button)])

    # -- looking --
    def screenshot(self, region=None):
        if region is None:
            image = self.x.screenshot()
        else:
            left, top, right, bottom = region
            image = self.x.screenshot(left, top, right - left, bottom - top)
        self.last_image = image
        return image

    def view(self, region=None):
        return measure_view(self.screenshot(region), region)

    def cursor_hidden(self):
        pixels = self.x.cursor_visible_pixels()
        if pixels is None:
            raise HarnessError("XFixes is not available: cannot see the cursor")
        return pixels == 0

    def save(self, name, image=None):
        image = image or self.last_image or self.screenshot()
        path = self.artifacts / ("%s.png" % name)
        image.save_png(path)
        return path


def is_identity(view, tolerance=2.0):
    """The view shows the pattern at its own place: no lens."""
    return (abs(view.scale_x - 1) < 0.01 and abs(view.scale_y - 1) < 0.01 and abs(view.offset_x) <= tolerance
            and abs(view.offset_y) <= tolerance)


def xdotool(display, arguments, check=True, timeout=10):
    try:
        result = subprocess.run(["xdotool"] + arguments, env=display.environment(), stdin=subprocess.DEVNULL,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=timeout)
    except subprocess.TimeoutExpired:
        if check:
            raise HarnessError("xdotool %s timed out" % " ".join(arguments))
        return ""
    if check and result.returncode != 0:
        raise HarnessError("xdotool %s failed: %s" % (" ".join(arguments), result.stderr.decode(errors="replace")))
    return result.stdout.decode(errors="replace")


def release_input(display):
    """Releases every key and button a scenario may have left down: a key left
    down by an interrupted run auto-repeats into the next one."""
    for key in KEYS_USED:
        if display.x is None or not display.x.fake_key(key, False):
            xdotool(display, ["keyup", key], check=False)
    for button in ("1", "3"):
        xdotool(display, ["mouseup", button], check=False)


def read_shell_link(path):
    """(target, arguments, working directory) of a shell link file, each None
    when the link does not hold it: the target is the local path of the
    link's location block, the other two come from its string block."""
    data = Path(path).read_bytes()
    if len(data) < 0x4C or struct.unpack_from("<I", data, 0)[0] != 0x4C:
        raise Failure("%s is not a shell link" % path)
    flags = struct.unpack_from("<I", data, 0x14)[0]
    position = 0x4C
    if flags & 0x01:  # an item id list follows the header
        position += 2 + struct.unpack_from("<H", data, position)[0]
    target = None
    if flags & 0x02:  # the location block
        size, header_size, location_flags, _, base_offset = struct.unpack_from("<5I", data, position)
        if location_flags & 0x01:
            if header_size >= 0x24:
                start = position + struct.unpack_from("<I", data, position + 0x1C)[0]
                end = start
                while data[end:end + 2] != b"\0\0":
                    end += 2
                target = data[start:end].decode("utf-16-le")
            else:
                start = position + base_offset
                target = data[start:data.index(b"\0", start)].decode("latin-1")
        position += size
    strings = {}
    width = 2 if flags & 0x80 else 1
    for bit, name in ((0x04, "name"), (0x08, "relative"), (0x10, "directory"), (0x20, "arguments"), (0x40, "icon")):
        if flags & bit:
            count = struct.unpack_from("<H", data, position)[0]
            position += 2
            raw = data[position:position + count * width]
            strings[name] = raw.decode("utf-16-le" if width == 2 else "latin-1").rstrip("\0")
            position += count * width
    return target, strings.get("arguments"), strings.get("directory")


def find_pattern_exe(exe):
    """PatternWindow.exe is built next to VexaMagnifier.exe."""
    candidate = Path(exe).resolve().parent / "PatternWindow.exe"
    if candidate.exists():
        return candidate
    raise HarnessError("%s not found: build the PatternWindow target" % candidate)
