#!/usr/bin/python3
"""Renders the two logo pictures of the program: a wide banner (700 x 230)
and a tall one (230 x 700), flat colours, the product name set in DejaVu Sans
and a magnifying glass over a grid of pixels.

The JPEGs are committed next to this script and compiled into the program's
resources, so the build needs neither Pillow nor the fonts. To change them:

    apt-get install python3-pil fonts-dejavu-core
    /usr/bin/python3 resources/logos/render_logos.py

The tests read a few pixels in flat areas of both pictures (see FLAT_POINTS
below and tests/s/image/win/JpegDecoderWinTest.cpp): keep those areas flat,
or change the tests with them.
"""
from pathlib import Path

from PIL import Image, ImageDraw, ImageFont

HERE = Path(__file__).resolve().parent
FONTS = Path("/usr/share/fonts/truetype/dejavu")
NAME_FONT = FONTS / "DejaVuSans-Bold.ttf"
TAG_FONT = FONTS / "DejaVuSans.ttf"

# Drawn this many times larger, then scaled down: smooth edges everywhere.
SCALE = 4

NAVY = (0x14, 0x2B, 0x45)      # background
LENS = (0x2C, 0x6E, 0xA8)      # glass of the magnifier
RING = (0xF4, 0xF7, 0xFA)      # rim of the magnifier
HANDLE = (0xF2, 0xA3, 0x3A)    # handle and accent stripe
TEXT = (0xFF, 0xFF, 0xFF)      # product name
TAGLINE = (0x9F, 0xC3, 0xE0)   # line under the name
PIXEL = (0x5C, 0x9C, 0xD4)     # the enlarged pixels seen through the glass

# Points in flat areas with their colours, per picture (x, y, colour).
FLAT_POINTS = {
    "LogoWide.jpg": [(680, 20, NAVY), (350, 224, HANDLE), (100, 46, LENS), (100, 95, PIXEL)],
    "LogoTall.jpg": [(20, 20, NAVY), (115, 694, HANDLE), (102, 128, LENS), (102, 180, PIXEL)],
}


def magnifier(draw, cx, cy, radius):
    """A magnifying glass whose lens is centred on (cx, cy): glass with a few
    enlarged pixels in a checker pattern, the rim, and a handle towards the
    bottom right."""
    rim = radius * 0.15
    draw.ellipse([cx - radius, cy - radius, cx + radius, cy + radius], fill=RING)
    inner = radius - rim
    draw.ellipse([cx - inner, cy - inner, cx + inner, cy + inner], fill=LENS)
    # A 3 x 3 checker of enlarged pixels, inside the glass with room around.
    cell = inner * 0.36
    gap = cell * 0.12
    origin = -1.5 * cell - gap
    for row in range(3):
        for col in range(3):
            if (row + col) % 2 == 0:
                x0 = cx + origin + col * (cell + gap)
                y0 = cy + origin + row * (cell + gap)
                draw.rounded_rectangle([x0, y0, x0 + cell, y0 + cell], radius=cell * 0.14, fill=PIXEL)
    # The handle: a thick bar at 45 degrees from the rim outwards.
    unit = 0.70710678
    start = radius * 0.96
    length = radius * 0.78
    half = radius * 0.16
    sx, sy = cx + start * unit, cy + start * unit
    ex, ey = sx + length * unit, sy + length * unit
    nx, ny = -unit * half, unit * half
    draw.polygon([(sx + nx, sy + ny), (ex + nx, ey + ny), (ex - nx, ey - ny), (sx - nx, sy - ny)],
                 fill=HANDLE)
    draw.ellipse([ex - half, ey - half, ex + half, ey + half], fill=HANDLE)


def font(path, size):
    return ImageFont.truetype(str(path), size * SCALE)


def canvas(width, height):
    image = Image.new("RGB", (width * SCALE, height * SCALE), NAVY)
    return image, ImageDraw.Draw(image)


def finish(image, width, height, name):
    small = image.resize((width, height), Image.LANCZOS)
    # Full colour resolution (no chroma subsampling): the thin orange stripe
    # and the text edges keep their colours.
    small.save(HERE / name, "JPEG", quality=92, subsampling=0, optimize=True)
    check(small, name)


def check(image, name):
    for x, y, colour in FLAT_POINTS[name]:
        got = image.getpixel((x, y))
        assert got == colour, f"{name} ({x}, {y}): {got} is not the flat colour {colour}"


def wide():
    width, height = 700, 230
    image, draw = canvas(width, height)
    s = SCALE
    magnifier(draw, 100 * s, 95 * s, 64 * s)
    draw.text((224 * s, 60 * s), "Vexa Magnifier", font=font(NAME_FONT, 48), fill=TEXT)
    draw.text((227 * s, 130 * s), "See every detail of your screen", font=font(TAG_FONT, 20),
              fill=TAGLINE)
    draw.rectangle([0, (height - 10) * s, width * s, height * s], fill=HANDLE)
    finish(image, width, height, "LogoWide.jpg")


def tall():
    width, height = 230, 700
    image, draw = canvas(width, height)
    s = SCALE
    magnifier(draw, 102 * s, 180 * s, 70 * s)
    name_font = font(NAME_FONT, 36)
    for line, top in (("Vexa", 360), ("Magnifier", 404)):
        left = (width * s - draw.textlength(line, font=name_font)) / 2
        draw.text((left, top * s), line, font=name_font, fill=TEXT)
    tag_font = font(TAG_FONT, 17)
    for line, top in (("See every detail", 478), ("of your screen", 502)):
        left = (width * s - draw.textlength(line, font=tag_font)) / 2
        draw.text((left, top * s), line, font=tag_font, fill=TAGLINE)
    draw.rectangle([0, (height - 10) * s, width * s, height * s], fill=HANDLE)
    finish(image, width, height, "LogoTall.jpg")


if __name__ == "__main__":
    wide()
    tall()
