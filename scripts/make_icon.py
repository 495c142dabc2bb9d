#!/usr/bin/env python3
"""Draws the application icon (a magnifying glass) at 16, 32 and 48 pixels
and writes it as a Windows .ico with 32-bit images. Run once; the result is
committed as resources/icons/VexaMagnifier.ico."""
import struct
import sys


def pixel(size, x, y):
    # Lens ring centred at 40% of the size, handle towards the bottom right.
    cx = cy = size * 0.40
    r_outer, r_inner = size * 0.36, size * 0.25
    d = ((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2) ** 0.5
    if d <= r_inner:
        return (255, 235, 200, 200)          # glass: light blue, translucent
    if d <= r_outer:
        return (60, 60, 60, 255)             # ring
    # handle: a thick line from the ring towards the corner
    hx, hy = x + 0.5 - cx, y + 0.5 - cy
    along = (hx + hy) / 2 ** 0.5
    across = abs(hx - hy) / 2 ** 0.5
    if r_outer - 1 <= along <= size * 0.82 and across <= size * 0.09:
        return (20, 70, 140, 255)            # brown handle (BGRA)
    return (0, 0, 0, 0)


def image(size):
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    for y in reversed(range(size)):          # bottom-up rows
        rows.append(b''.join(bytes(pixel(size, x, y)) for x in range(size)))
    mask_row = b'\x00' * (((size + 31) // 32) * 4)
    return header + b''.join(rows) + mask_row * size


def main(path):
    sizes = [16, 32, 48]
    images = [image(s) for s in sizes]
    out = struct.pack('<HHH', 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack('<BBBBHHII', s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'resources/icons/VexaMagnifier.ico')
