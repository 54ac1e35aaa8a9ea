#!/usr/bin/env python3
"""Draws the pictures of the demo disc (Python 3 standard library only).

    python3 demo/draw_art.py OUT_DIR

writes every PNG that demo/main.json, tour.json and languages.json name into OUT_DIR. The art is
drawn from code so that the repository holds no binary pictures: a shaped main window with an aurora sky,
four image buttons (normal, highlighted, pressed, an animated highlight for the first) with an
accessory picture each, and the backgrounds of the product-tour and the language sub-menus.
"""
import math
import os
import random
import struct
import sys
import zlib

# ---------------------------------------------------------------------------------------------
# A small float RGB canvas with anti-aliased shapes.


class Canvas:
    def __init__(self, w, h, colour=(0, 0, 0)):
        self.w, self.h = w, h
        self.px = [list(colour) for _ in range(w * h)]

    def crop(self, x, y, w, h):
        c = Canvas(w, h)
        for j in range(h):
            for i in range(w):
                c.px[j * w + i] = list(self.px[(y + j) * self.w + x + i])
        return c

    def blend(self, x, y, colour, a):
        if a <= 0 or x < 0 or y < 0 or x >= self.w or y >= self.h:
            return
        a = min(a, 1.0)
        p = self.px[y * self.w + x]
        for k in range(3):
            p[k] += (colour[k] - p[k]) * a

    def coverage(self, box, fn, colour, alpha=1.0):
        """fn(x, y) gives a signed distance (negative inside); one pixel of soft edge."""
        x0, y0, x1, y1 = box
        for y in range(max(0, int(y0) - 1), min(self.h, int(y1) + 2)):
            for x in range(max(0, int(x0) - 1), min(self.w, int(x1) + 2)):
                d = fn(x + 0.5, y + 0.5)
                if d < 0.5:
                    self.blend(x, y, colour, alpha * min(1.0, 0.5 - d))

    def round_rect(self, x, y, w, h, r, colour, alpha=1.0):
        cx, cy, hx, hy = x + w / 2, y + h / 2, w / 2 - r, h / 2 - r

        def sd(px, py):
            qx, qy = abs(px - cx) - hx, abs(py - cy) - hy
            out = math.hypot(max(qx, 0), max(qy, 0))
            return out + min(max(qx, qy), 0) - r

        self.coverage((x, y, x + w, y + h), sd, colour, alpha)

    def round_rect_outline(self, x, y, w, h, r, width, colour, alpha=1.0):
        cx, cy, hx, hy = x + w / 2, y + h / 2, w / 2 - r, h / 2 - r

        def sd(px, py):
            qx, qy = abs(px - cx) - hx, abs(py - cy) - hy
            d = math.hypot(max(qx, 0), max(qy, 0)) + min(max(qx, qy), 0) - r
            return abs(d + width / 2) - width / 2

        self.coverage((x, y, x + w, y + h), sd, colour, alpha)

    def circle(self, cx, cy, r, colour, alpha=1.0):
        self.coverage((cx - r, cy - r, cx + r, cy + r),
                      lambda px, py: math.hypot(px - cx, py - cy) - r, colour, alpha)

    def ring(self, cx, cy, r, width, colour, alpha=1.0, arc=None):
        def sd(px, py):
            d = abs(math.hypot(px - cx, py - cy) - r) - width / 2
            if arc is not None:
                a = math.degrees(math.atan2(py - cy, px - cx)) % 360
                start, length = arc
                if (a - start) % 360 > length:
                    return 9
            return d

        self.coverage((cx - r - width, cy - r - width, cx + r + width, cy + r + width), sd, colour, alpha)

    def strokes(self, polylines, width, colour, alpha=1.0):
        """All polylines as one shape: each pixel takes its nearest segment, so joins don't darken."""
        segs = [(a, b) for line in polylines for a, b in zip(line, line[1:])]
        if not segs:
            return
        xs = [p[0] for s in segs for p in s]
        ys = [p[1] for s in segs for p in s]
        half = width / 2

        def sd(px, py):
            best = 1e9
            for (ax, ay), (bx, by) in segs:
                dx, dy = bx - ax, by - ay
                ll = dx * dx + dy * dy
                t = 0 if ll == 0 else max(0, min(1, ((px - ax) * dx + (py - ay) * dy) / ll))
                d = math.hypot(px - ax - t * dx, py - ay - t * dy)
                if d < best:
                    best = d
            return best - half

        self.coverage((min(xs) - half, min(ys) - half, max(xs) + half, max(ys) + half), sd, colour, alpha)

    def polygon(self, pts, colour, alpha=1.0):
        """Filled polygon, 4 x 4 samples a pixel."""
        xs, ys = [p[0] for p in pts], [p[1] for p in pts]
        n = len(pts)
        for y in range(max(0, int(min(ys))), min(self.h, int(max(ys)) + 1)):
            for x in range(max(0, int(min(xs))), min(self.w, int(max(xs)) + 1)):
                hits = 0
                for sy in range(4):
                    for sx in range(4):
                        px, py = x + (sx + 0.5) / 4, y + (sy + 0.5) / 4
                        inside = False
                        for i in range(n):
                            (ax, ay), (bx, by) = pts[i], pts[(i + 1) % n]
                            if (ay > py) != (by > py) and px < ax + (py - ay) * (bx - ax) / (by - ay):
                                inside = not inside
                        hits += inside
                if hits:
                    self.blend(x, y, colour, alpha * hits / 16)

    def save(self, path):
        raw = bytearray()
        for y in range(self.h):
            raw.append(0)
            for x in range(self.w):
                raw.extend(max(0, min(255, int(round(v)))) for v in self.px[y * self.w + x])

        def chunk(tag, data):
            return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data))

        png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", self.w, self.h, 8, 2, 0, 0, 0))
        png += chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b"")
        with open(path, "wb") as f:
            f.write(png)


# ---------------------------------------------------------------------------------------------
# A geometric stroke font: capitals, digits and a few marks on a grid 6 units high.


def arc(cx, cy, rx, ry, a0, a1, steps=14):
    return [(cx + rx * math.cos(math.radians(a0 + (a1 - a0) * i / steps)),
             cy + ry * math.sin(math.radians(a0 + (a1 - a0) * i / steps))) for i in range(steps + 1)]


GLYPHS = {
    "A": (4, [[(0, 6), (2, 0), (4, 6)], [(0.7, 4), (3.3, 4)]]),
    "B": (3.6, [[(0, 3), (0, 0), (2.3, 0)] + arc(2.3, 1.5, 1.2, 1.5, -90, 90) + [(0, 3)],
                [(0, 3), (2.4, 3)] + arc(2.4, 4.5, 1.3, 1.5, -90, 90) + [(0, 6), (0, 3)]]),
    "C": (4, [arc(2.1, 3, 2.1, 3, 320, 40, 24)]),
    "D": (4, [[(0, 0), (0, 6), (1.4, 6)] + arc(1.4, 3, 2.6, 3, 90, -90) + [(0, 0)]]),
    "E": (3.5, [[(3.5, 0), (0, 0), (0, 6), (3.5, 6)], [(0, 3), (3, 3)]]),
    "F": (3.4, [[(3.4, 0), (0, 0), (0, 6)], [(0, 3), (3, 3)]]),
    "G": (4.2, [arc(2.1, 3, 2.1, 3, 320, 0, 24) + [(2.3, 3)]]),
    "H": (4, [[(0, 0), (0, 6)], [(4, 0), (4, 6)], [(0, 3), (4, 3)]]),
    "I": (0.4, [[(0.2, 0), (0.2, 6)]]),
    "J": (3, [[(3, 0), (3, 4.5)] + arc(1.5, 4.5, 1.5, 1.5, 0, 180)]),
    "K": (3.8, [[(0, 0), (0, 6)], [(3.8, 0), (0, 3.7)], [(1.3, 2.6), (3.9, 6)]]),
    "L": (3.3, [[(0, 0), (0, 6), (3.3, 6)]]),
    "M": (5, [[(0, 6), (0, 0), (2.5, 4.2), (5, 0), (5, 6)]]),
    "N": (4, [[(0, 6), (0, 0), (4, 6), (4, 0)]]),
    "O": (4.6, [arc(2.3, 3, 2.3, 3, 0, 360, 28)]),
    "P": (3.7, [[(0, 6), (0, 0), (2.1, 0)] + arc(2.1, 1.6, 1.6, 1.6, -90, 90) + [(0, 3.2)]]),
    "Q": (4.6, [arc(2.3, 3, 2.3, 3, 0, 360, 28), [(2.9, 4.4), (4.6, 6.2)]]),
    "R": (3.8, [[(0, 6), (0, 0), (2.1, 0)] + arc(2.1, 1.6, 1.6, 1.6, -90, 90) + [(0, 3.2)],
                [(1.9, 3.2), (3.8, 6)]]),
    "S": (3.8, [arc(1.9, 1.5, 1.8, 1.5, 330, 90, 16) + arc(1.9, 4.5, 1.9, 1.5, -90, 150, 16)]),
    "T": (4, [[(0, 0), (4, 0)], [(2, 0), (2, 6)]]),
    "U": (4, [[(0, 0), (0, 4)] + arc(2, 4, 2, 2, 180, 0) + [(4, 0)]]),
    "V": (4.2, [[(0, 0), (2.1, 6), (4.2, 0)]]),
    "W": (5.6, [[(0, 0), (1.4, 6), (2.8, 1.2), (4.2, 6), (5.6, 0)]]),
    "X": (4, [[(0, 0), (4, 6)], [(4, 0), (0, 6)]]),
    "Y": (4, [[(0, 0), (2, 3), (4, 0)], [(2, 3), (2, 6)]]),
    "Z": (4, [[(0, 0), (4, 0), (0, 6), (4, 6)]]),
    "0": (3.8, [arc(1.9, 3, 1.9, 3, 0, 360, 28)]),
    "1": (2.2, [[(0, 1.2), (1.6, 0), (1.6, 6)]]),
    "2": (3.8, [arc(1.9, 1.8, 1.8, 1.8, 190, 380, 16) + [(0, 6), (3.8, 6)]]),
    "3": (3.8, [arc(1.9, 1.5, 1.7, 1.5, 210, 450, 16) + arc(1.9, 4.5, 1.9, 1.5, -90, 150, 16)]),
    "4": (4, [[(3, 6), (3, 0), (0, 4.2), (4, 4.2)]]),
    "5": (3.8, [[(3.6, 0), (0.4, 0), (0.2, 2.7)] + arc(1.9, 4.1, 1.9, 1.9, 225, 495, 18)]),
    "6": (3.9, [arc(1.95, 4.1, 1.95, 1.9, 0, 360, 24), [(3.3, 0.2), (1.5, 0.9), (0.3, 2.6), (0.02, 4.1)]]),
    "7": (3.8, [[(0, 0), (3.8, 0), (1.4, 6)]]),
    "8": (3.8, [arc(1.9, 1.45, 1.6, 1.45, 0, 360, 20), arc(1.9, 4.45, 1.9, 1.55, 0, 360, 22)]),
    "9": (3.9, [arc(1.95, 1.9, 1.95, 1.9, 0, 360, 24), [(3.88, 1.9), (3.6, 3.6), (2.4, 5.4), (0.6, 6)]]),
    "-": (2.4, [[(0.2, 3.4), (2.2, 3.4)]]),
    ".": (0.4, [[(0.2, 5.9), (0.21, 5.9)]]),
    "'": (0.4, [[(0.2, 0), (0.2, 1.6)]]),
    " ": (2.2, []),
}


def text_width(text, size, spacing=1.3):
    s = size / 6
    return sum((GLYPHS[c][0] + spacing) * s for c in text) - spacing * s


def draw_text(canvas, x, y, text, size, colour, weight=None, alpha=1.0, spacing=1.3):
    """size: capital height in pixels; (x, y) is the top-left of the capitals."""
    s = size / 6
    lines = []
    pen = x
    for c in text:
        adv, glyph = GLYPHS[c]
        lines += [[(pen + gx * s, y + gy * s) for gx, gy in stroke] for stroke in glyph]
        pen += (adv + spacing) * s
    canvas.strokes(lines, weight or max(1.2, size / 9), colour, alpha)


# ---------------------------------------------------------------------------------------------
# The demo's art.

W, H = 640, 400
CUT = (255, 0, 255)  # 16-colour index 13: the window outline's cut-out colour
NAVY_TOP, NAVY_BOTTOM = (10, 24, 54), (3, 10, 26)
TEAL, MINT, AMBER, ICE = (56, 214, 196), (120, 240, 170), (255, 179, 71), (222, 234, 248)


def lerp(a, b, t):
    return tuple(a[k] + (b[k] - a[k]) * t for k in range(3))


def sky(w, h, seed, bands=True):
    c = Canvas(w, h)
    rnd = random.Random(seed)
    for y in range(h):
        base = lerp(NAVY_TOP, NAVY_BOTTOM, y / h)
        for x in range(w):
            col = list(base)
            if bands:
                # Two soft aurora curtains with fine vertical streaks.
                for (amp, period, mid, colour, strength) in ((26, 150, 95, MINT, 0.55), (18, 95, 150, TEAL, 0.35)):
                    cy = mid + amp * math.sin(x / period + seed)
                    d = (y - cy) / 34.0
                    streak = 0.65 + 0.35 * math.sin(x / 5.3 + 2 * math.sin(x / 41.0))
                    g = math.exp(-d * d) * strength * streak * (0.55 + 0.45 * math.sin(x / 210.0 + 1.3))
                    if y < cy:  # curtains fade out upwards more slowly
                        g *= 1.0 + 0.4 * min(1.0, (cy - y) / 60)
                    for k in range(3):
                        col[k] += (colour[k] - col[k]) * min(1.0, g)
            c.px[y * w + x] = col
    for _ in range(w * h // 900):
        x, y = rnd.randrange(w), rnd.randrange(int(h * 0.7))
        c.blend(x, y, (255, 255, 255), rnd.uniform(0.25, 0.8))
    return c


def logo(c, x, y, r):
    c.ring(x, y, r, r * 0.28, TEAL)
    c.ring(x, y, r, r * 0.28, MINT, 1.0, arc=(200, 120))
    c.circle(x, y, r * 0.32, AMBER)


BUTTONS = [  # caption, icon, accessory caption
    ("PRODUCT TOUR", "play", "SEE WHAT'S NEW"),
    ("READ ME", "page", "INSTALLATION NOTES"),
    ("BROWSE DISC", "folder", "EXTRAS AND SAMPLES"),
    ("WEBSITE", "globe", "WWW.EXAMPLE.COM"),
]
BTN_X, BTN_Y, BTN_W, BTN_H, BTN_GAP = 36, 118, 262, 50, 12
ACC_X, ACC_Y, ACC_W, ACC_H = 334, 112, 270, 168


def icon(c, kind, cx, cy, colour):
    if kind == "play":
        c.ring(cx, cy, 11, 2.2, colour)
        c.polygon([(cx - 3.5, cy - 6), (cx + 6.5, cy), (cx - 3.5, cy + 6)], colour)
    elif kind == "page":
        c.polygon([(cx - 8, cy - 11), (cx + 3, cy - 11), (cx + 8, cy - 6), (cx + 8, cy + 11), (cx - 8, cy + 11)], colour)
        for i in range(3):
            c.strokes([[(cx - 4.5, cy - 3 + i * 4.5), (cx + 4.5, cy - 3 + i * 4.5)]], 1.6, NAVY_BOTTOM)
    elif kind == "folder":
        c.polygon([(cx - 12, cy - 8), (cx - 4, cy - 8), (cx - 1, cy - 5), (cx + 12, cy - 5),
                   (cx + 12, cy + 9), (cx - 12, cy + 9)], colour)
        c.strokes([[(cx - 12, cy - 2), (cx + 12, cy - 2)]], 1.4, NAVY_BOTTOM)
    else:
        c.ring(cx, cy, 11, 2, colour)
        c.strokes([arc(cx, cy, 4.5, 11, -90, 90), arc(cx, cy, 4.5, 11, 90, 270),
                   [(cx - 11, cy), (cx + 11, cy)], [(cx - 9, cy - 5.5), (cx + 9, cy - 5.5)],
                   [(cx - 9, cy + 5.5), (cx + 9, cy + 5.5)]], 1.5, colour)


def button_picture(bg, index, state, spin=None):
    caption, kind, _ = BUTTONS[index]
    x, y = BTN_X, BTN_Y + index * (BTN_H + BTN_GAP)
    c = bg.crop(x, y, BTN_W, BTN_H)
    shift = 1 if state == "pressed" else 0
    fill = {"normal": (255, 255, 255), "highlighted": TEAL, "pressed": (0, 0, 0)}[state]
    alpha = {"normal": 0.07, "highlighted": 0.22, "pressed": 0.35}[state]
    c.round_rect(1, 1, BTN_W - 2, BTN_H - 2, 12, fill, alpha)
    border = TEAL if state != "normal" else (120, 150, 190)
    c.round_rect_outline(1, 1, BTN_W - 2, BTN_H - 2, 12, 1.4, border, 0.9 if state != "normal" else 0.45)
    icol = AMBER if state != "normal" else ICE
    icon(c, kind, 30 + shift, BTN_H / 2 + shift, icol)
    if spin is not None:
        c.ring(30, BTN_H / 2, 17, 2.4, MINT, 0.95, arc=(spin, 100))
        c.ring(30, BTN_H / 2, 17, 2.4, TEAL, 0.5, arc=((spin + 180) % 360, 60))
    draw_text(c, 58 + shift, BTN_H / 2 - 5.5 + shift, caption, 11, ICE if state == "normal" else (255, 255, 255))
    return c


def accessory_picture(bg, index):
    caption, kind, line = BUTTONS[index]
    c = bg.crop(ACC_X, ACC_Y, ACC_W, ACC_H)
    c.round_rect(0, 0, ACC_W, ACC_H, 14, (5, 14, 34), 0.78)
    c.round_rect_outline(0, 0, ACC_W, ACC_H, 14, 1.2, TEAL, 0.55)
    cx, cy = ACC_W / 2, 70
    if kind == "play":  # a product window with a chart
        c.round_rect(cx - 80, cy - 46, 160, 96, 6, (230, 238, 250))
        c.round_rect(cx - 80, cy - 46, 160, 14, 6, TEAL)
        c.circle(cx - 71, cy - 39, 2.5, (255, 255, 255))
        for i, hgt in enumerate((30, 52, 40, 64, 48, 72)):
            c.round_rect(cx - 64 + i * 22, cy + 42 - hgt, 14, hgt, 2, [TEAL, AMBER][i % 2])
    elif kind == "page":
        c.polygon([(cx - 40, cy - 48), (cx + 22, cy - 48), (cx + 40, cy - 30), (cx + 40, cy + 48), (cx - 40, cy + 48)], (236, 242, 250))
        c.polygon([(cx + 22, cy - 48), (cx + 40, cy - 30), (cx + 22, cy - 30)], (190, 205, 225))
        for i in range(7):
            c.strokes([[(cx - 28, cy - 26 + i * 10), (cx + (28 if i % 3 else 12), cy - 26 + i * 10)]], 2.2, (120, 140, 170))
    elif kind == "folder":
        for i, col in enumerate(((200, 214, 232), (236, 242, 250), (180, 200, 224))):
            c.round_rect(cx - 44 + i * 18, cy - 52 + i * 6, 40, 52, 3, col)
        c.polygon([(cx - 62, cy - 18), (cx - 26, cy - 18), (cx - 16, cy - 8), (cx + 62, cy - 8),
                   (cx + 62, cy + 46), (cx - 62, cy + 46)], AMBER)
    else:
        c.circle(cx, cy, 48, (20, 60, 110))
        c.ring(cx, cy, 48, 3, TEAL)
        c.strokes([arc(cx, cy, 20, 48, -90, 90), arc(cx, cy, 20, 48, 90, 270), [(cx, cy - 48), (cx, cy + 48)],
                   [(cx - 48, cy), (cx + 48, cy)], arc(cx, cy - 60, 62, 34, 55, 125), arc(cx, cy + 60, 62, 34, 235, 305)],
                  2, MINT)
    draw_text(c, (ACC_W - text_width(line, 10)) / 2, ACC_H - 30, line, 10, ICE)
    return c


def main_background():
    c = sky(W, H, 1.7)
    # Title block.
    logo(c, 58, 54, 17)
    draw_text(c, 88, 36, "AURORA SUITE", 22, (255, 255, 255), 2.8)
    draw_text(c, 88 + text_width("AURORA SUITE", 22) + 12, 36, "2025", 22, AMBER, 2.8)
    draw_text(c, 89, 68, "LUMEN SOFTWARE  -  INSTALLATION DISC", 8, (150, 180, 215), 1.3)
    c.strokes([[(36, 96), (W - 36, 96)]], 1, TEAL, 0.45)
    # Panel behind the description and the push button.
    c.round_rect(ACC_X, 290, ACC_W, 52, 10, (0, 0, 0), 0.25)
    draw_text(c, 36, H - 34, "VERSION 25.1  -  FOR WINDOWS", 7, (110, 140, 180), 1.1)
    # Rounded corners: everything outside them becomes the cut-out colour of the outline.
    r = 26
    for y in range(H):
        for x in range(W):
            qx, qy = max(r - x, x - (W - 1 - r), 0), max(r - y, y - (H - 1 - r), 0)
            if qx and qy and math.hypot(qx, qy) > r:
                c.px[y * W + x] = list(CUT)
    # A thin rim just inside the outline.
    c.round_rect_outline(0, 0, W, H, r, 1.6, TEAL, 0.6)
    for y in range(H):  # keep the cut-out colour exact after the rim's soft edge
        for x in range(W):
            qx, qy = max(r - x, x - (W - 1 - r), 0), max(r - y, y - (H - 1 - r), 0)
            if qx and qy and math.hypot(qx, qy) > r:
                c.px[y * W + x] = list(CUT)
    return c


def sub_menu_background(heading, seed):
    """The product-tour and language sub-menus: a heading, a list panel and a description panel."""
    w, h = 480, 300
    c = sky(w, h, seed)
    logo(c, 44, 44, 13)
    draw_text(c, 68, 32, heading, 18, (255, 255, 255), 2.4)
    draw_text(c, 69, 58, "AURORA SUITE 2025", 8, (150, 180, 215), 1.3)
    c.strokes([[(28, 80), (w - 28, 80)]], 1, TEAL, 0.45)
    c.round_rect(28, 96, 200, 150, 10, (0, 0, 0), 0.22)
    c.round_rect(248, 96, 204, 150, 10, (0, 0, 0), 0.22)
    c.round_rect_outline(0, 0, w, h, 1, 1.4, TEAL, 0.6)
    return c


def main(out):
    os.makedirs(out, exist_ok=True)
    bg = main_background()
    bg.save(os.path.join(out, "main_background.png"))
    for i in range(len(BUTTONS)):
        for state in ("normal", "highlighted", "pressed"):
            button_picture(bg, i, state).save(os.path.join(out, "button%d_%s.png" % (i + 1, state)))
        accessory_picture(bg, i).save(os.path.join(out, "button%d_accessory.png" % (i + 1)))
    for f in range(1, 13):  # the first button's highlight: a turning ring, one turn in 12 frames
        button_picture(bg, 0, "highlighted", spin=f * 30).save(os.path.join(out, "tour_spin_%02d.png" % f))
    sub_menu_background("PRODUCT TOUR", 4.2).save(os.path.join(out, "tour_background.png"))
    sub_menu_background("LANGUAGES", 2.9).save(os.path.join(out, "languages_background.png"))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: draw_art.py OUT_DIR")
    main(sys.argv[1])
