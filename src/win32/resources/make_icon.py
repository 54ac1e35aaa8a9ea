#!/usr/bin/env python3
"""Draws the player's built-in icon, orvane.ico: a disc in deep blue with a light ring, at 16, 32
and 48 pixels, 32-bit with alpha. Run it again to regenerate the committed file:

    python3 make_icon.py orvane.ico
"""
import math
import struct
import sys


def pixel(size, x, y):
    """BGRA of one pixel: anti-aliased by sampling 4 x 4 points inside it."""
    centre = size / 2.0
    outer = size * 0.47
    ring_out = size * 0.33
    ring_in = size * 0.20
    cover = ring = 0
    for sy in range(4):
        for sx in range(4):
            px = x + (sx + 0.5) / 4.0
            py = y + (sy + 0.5) / 4.0
            d = math.hypot(px - centre, py - centre)
            if d <= outer:
                cover += 1
                if ring_in <= d <= ring_out:
                    ring += 1
    if cover == 0:
        return (0, 0, 0, 0)
    # Blue disc lit from the top left, a pale ring over it.
    shade = 1.0 - 0.35 * (x + y) / (2.0 * size)
    base = (int(150 * shade), int(70 * shade), int(20 * shade))
    mix = ring / cover
    b = int(base[0] * (1 - mix) + 250 * mix)
    g = int(base[1] * (1 - mix) + 235 * mix)
    r = int(base[2] * (1 - mix) + 200 * mix)
    return (b, g, r, int(255 * cover / 16))


def image(size):
    rows = []
    for y in reversed(range(size)):  # bitmaps in icons run bottom-up
        rows.append(b"".join(struct.pack("4B", *pixel(size, x, y)) for x in range(size)))
    xor = b"".join(rows)
    mask_row = ((size + 31) // 32) * 4
    mask = b"\0" * (mask_row * size)  # alpha decides; the mask keeps every pixel
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + mask


def main():
    sizes = (16, 32, 48)
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(sys.argv[1], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
