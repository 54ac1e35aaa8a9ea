#!/usr/bin/env python3
"""Looks at a screenshot without a picture library: converts it to a raw RGB dump with
ImageMagick and counts or bounds the pixels of one colour inside a rectangle.

    image_probe.py count FILE X Y W H R G B   -> number of pixels of exactly that colour
    image_probe.py box FILE X Y W H R G B     -> "LEFT TOP RIGHT BOTTOM" (inclusive) or "none"
"""
import subprocess
import sys


def main():
    mode, path = sys.argv[1], sys.argv[2]
    x, y, w, h, r, g, b = (int(v) for v in sys.argv[3:10])
    raw = subprocess.run(
        ["/usr/bin/convert", path, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", "-depth", "8", "rgb:-"],
        check=True, stdout=subprocess.PIPE).stdout
    want = bytes((r, g, b))
    count = 0
    left = top = None
    right = bottom = -1
    for i in range(0, len(raw) - 2, 3):
        if raw[i:i + 3] == want:
            count += 1
            px, py = (i // 3) % w + x, (i // 3) // w + y
            left = px if left is None else min(left, px)
            top = py if top is None else min(top, py)
            right = max(right, px)
            bottom = max(bottom, py)
    if mode == "count":
        print(count)
    elif left is None:
        print("none")
    else:
        print(left, top, right, bottom)


if __name__ == "__main__":
    main()
