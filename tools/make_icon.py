#!/usr/bin/env python3
"""Writes app/resources/firmlook.ico: one 48 x 48 image, 24 bits per pixel.

The picture is a firmware chip (dark body with pins) on a blue tile with a green label.
Run it again only to change the picture; the .ico it writes is committed.
"""
import struct
import sys

SIZE = 48


def pixel(x, y):
    """RGB of the pixel at x, y (y = 0 is the top row)."""
    background = (40, 90, 200)
    if x < 2 or y < 2 or x >= SIZE - 2 or y >= SIZE - 2:
        return (20, 40, 110)
    body = 12 <= x < 36 and 10 <= y < 38
    pin_row = (y in range(12, 37)) and (y - 12) % 5 < 2
    if (7 <= x < 12 or 36 <= x < 41) and pin_row:
        return (210, 210, 215)
    if body:
        if 16 <= x < 32 and 24 <= y < 31:
            return (120, 250, 180)
        if 14 <= x < 17 and 12 <= y < 15:
            return (230, 230, 230)
        return (30, 30, 35)
    return background


def main(path):
    xor = bytearray()
    for y in range(SIZE - 1, -1, -1):  # bottom-up rows, BGR
        for x in range(SIZE):
            r, g, b = pixel(x, y)
            xor += bytes((b, g, r))
    and_mask = bytes(SIZE * 8)  # 48 bits padded to 8 bytes per row; all opaque
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 24, 0,
                         len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + bytes(xor) + and_mask
    icondir = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 0, 0, 1, 24, len(image), 6 + 16)
    with open(path, 'wb') as f:
        f.write(icondir + entry + image)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'app/resources/firmlook.ico')
