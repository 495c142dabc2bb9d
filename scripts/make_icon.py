#!/usr/bin/env python3
"""Draws the application icon, the magnifying glass of the logo pictures
(white rim, blue glass with enlarged pixels, orange handle), and writes it as
a Windows .ico: 32-bit images of 16, 32, 48, 64 and 128 pixels and a 256-pixel
PNG image (stored with width and height 0, as the icon format writes 256).
Edges are smoothed by sampling every pixel 4 x 4 times. Plain Python, no
libraries; run once, the result is committed as
resources/icons/VexaMagnifier.ico."""
import struct
import sys
import zlib

RING = (0xF4, 0xF7, 0xFA)
LENS = (0x2C, 0x6E, 0xA8)
PIXEL = (0x5C, 0x9C, 0xD4)
HANDLE = (0xF2, 0xA3, 0x3A)
EDGE = (0x14, 0x2B, 0x45)   # thin dark outline: the icon stays visible on white

SAMPLES = 4


def colour_at(size, x, y):
    """The colour (r, g, b) at a point of the icon in pixel units, or None
    outside the drawing."""
    cx = cy = size * 0.39
    radius = size * 0.37
    rim = radius * 0.22
    outline = max(size * 0.03, 0.6)
    dx, dy = x - cx, y - cy
    d = (dx * dx + dy * dy) ** 0.5
    if d <= radius - rim:
        cell = (radius - rim) * 0.42
        col, row = (dx + 1.5 * cell) // cell, (dy + 1.5 * cell) // cell
        if 0 <= col < 3 and 0 <= row < 3 and (col + row) % 2 == 0 and size >= 32:
            return PIXEL
        return LENS
    if d <= radius - outline:
        return RING
    if d <= radius:
        return EDGE
    along = (dx + dy) / 2 ** 0.5
    across = abs(dx - dy) / 2 ** 0.5
    half = size * 0.085
    if radius <= along <= size * 0.74 and across <= half + outline:
        return HANDLE if across <= half and along <= size * 0.74 - outline else EDGE
    return None


def pixels(size):
    """Rows of (b, g, r, a), top row first, with coverage as alpha."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            total = [0, 0, 0]
            covered = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    colour = colour_at(size, x + (sx + 0.5) / SAMPLES, y + (sy + 0.5) / SAMPLES)
                    if colour is not None:
                        covered += 1
                        for c in range(3):
                            total[c] += colour[c]
            if covered == 0:
                row.append((0, 0, 0, 0))
            else:
                r, g, b = (round(t / covered) for t in total)
                row.append((b, g, r, round(255 * covered / SAMPLES ** 2)))
        rows.append(row)
    return rows


def dib(size):
    """A 32-bit icon image: header, bottom-up colour rows, an empty AND mask."""
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b''.join(b''.join(bytes(p) for p in row) for row in reversed(pixels(size)))
    mask_row = b'\x00' * (((size + 31) // 32) * 4)
    return header + colour + mask_row * size


def png(size):
    """A PNG image (RGBA, 8 bits per channel)."""
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    raw = b''.join(b'\x00' + b''.join(bytes((r, g, b, a)) for b, g, r, a in row) for row in pixels(size))
    header = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(raw, 9))
            + chunk(b'IEND', b''))


def main(path):
    sizes = [16, 32, 48, 64, 128, 256]
    images = [png(s) if s == 256 else dib(s) for s in sizes]
    out = struct.pack('<HHH', 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        stored = 0 if s == 256 else s
        out += struct.pack('<BBBBHHII', stored, stored, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'resources/icons/VexaMagnifier.ico')
