#!/usr/bin/env python3
"""Writes tests/support/MaskedIcon.ico: one 16 x 16 image with 24 bits per
pixel and an AND mask, as icons were before alpha channels. The left half is
opaque red, the right half green but masked out (transparent). The imaging
tests read it to check transparency taken from the mask."""
import struct
import sys

SIZE = 16


def main(path):
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 24, 0, 0, 0, 0, 0, 0)
    row = b''.join(b'\x00\x00\xff' if x < SIZE // 2 else b'\x00\xff\x00' for x in range(SIZE))
    colour = row * SIZE                      # 48 bytes a row: already 4-byte aligned
    mask_row = bytes([0x00, 0xFF, 0x00, 0x00])  # bits set (transparent) for x 8..15
    image = header + colour + mask_row * SIZE
    directory = struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', SIZE, SIZE, 0, 0, 1, 24, len(image), 22)
    with open(path, 'wb') as f:
        f.write(directory + image)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'tests/support/MaskedIcon.ico')
