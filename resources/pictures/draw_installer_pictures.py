#!/usr/bin/env python3
"""Draws the pictures of the installer's main window.

Writes into the folder of this script (or the folder given as the first
argument):
  RunInstallBackground.jpg   374 x 297, the whole window
  RunInstallButton.bmp       226 x 117: three 226 x 39 states stacked,
  DirectXWin98Button.bmp     top to bottom pressed, normal, mouse-over
  DirectXWin2000Button.bmp   (the order StateToButtonIndex picks them in)

The window draws its title, the label, the folder path and the progress bar
itself, so the background leaves calm light space where they go.  Buttons are
24-bit bitmaps without a single key-colour pixel: their rounded corners are
filled with the background they stand on, so the control keeps its plain
rectangle.  Lettering uses the pixel font below, drawn as round strokes
between neighbouring pixels, which smooths it at any size; the names and
numbers on it need no translation.

  --mockup FILE.png   also writes the window as it will look (buttons in their
                      normal state, title and labels roughly in place); for
                      judging the pictures, not a resource.

Python 3 standard library only; ImageMagick's convert encodes the JPEG (and
the PNG of the mock-up).  The output is the same on every run.
"""
import math
import os
import struct
import subprocess
import sys

KEY = (255, 0, 255)
WINDOW_W, WINDOW_H = 374, 297
BUTTON_W, BUTTON_H = 226, 39
# Where the form puts its buttons, and the button pictures' words.
BUTTONS = (
    ("RunInstallButton", (80, 63), "download", "Nuvex Player 2.6"),
    ("DirectXWin98Button", (80, 107), "cube", "DirectX 8  \u00b7  Windows 98"),
    ("DirectXWin2000Button", (79, 151), "cube", "DirectX 8  \u00b7  Windows 2000"),
)
# StateToButtonIndex for three images: 0 pressed, 1 normal, 2 mouse-over.
STATE_ORDER = ("pressed", "normal", "over")
JPEG_QUALITY = 90

# Cap height 7 rows, x-height 5 (rows 2-6), descenders in rows 7-8.
FONT = {
    "A": (".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"),
    "B": ("####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."),
    "C": (".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."),
    "D": ("####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."),
    "E": ("#####", "#....", "#....", "####.", "#....", "#....", "#####"),
    "F": ("#####", "#....", "#....", "####.", "#....", "#....", "#...."),
    "G": (".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".###."),
    "H": ("#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"),
    "I": ("###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"),
    "J": ("..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."),
    "K": ("#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"),
    "L": ("#....", "#....", "#....", "#....", "#....", "#....", "#####"),
    "M": ("#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"),
    "N": ("#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"),
    "O": (".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."),
    "P": ("####.", "#...#", "#...#", "####.", "#....", "#....", "#...."),
    "Q": (".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"),
    "R": ("####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"),
    "S": (".####", "#....", "#....", ".###.", "....#", "....#", "####."),
    "T": ("#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."),
    "U": ("#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."),
    "V": ("#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."),
    "W": ("#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."),
    "X": ("#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"),
    "Y": ("#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."),
    "Z": ("#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"),
    "a": ("....", "....", ".##.", "...#", ".###", "#..#", ".###"),
    "b": ("#...", "#...", "###.", "#..#", "#..#", "#..#", "###."),
    "c": ("....", "....", ".###", "#...", "#...", "#...", ".###"),
    "d": ("...#", "...#", ".###", "#..#", "#..#", "#..#", ".###"),
    "e": ("....", "....", ".##.", "#..#", "####", "#...", ".###"),
    "f": (".##", "#..", "###", "#..", "#..", "#..", "#.."),
    "g": ("....", "....", ".###", "#..#", "#..#", "#..#", ".###", "...#", ".##."),
    "h": ("#...", "#...", "###.", "#..#", "#..#", "#..#", "#..#"),
    "i": ("#", ".", "#", "#", "#", "#", "#"),
    "j": (".#", "..", ".#", ".#", ".#", ".#", ".#", ".#", "#."),
    "k": ("#...", "#...", "#..#", "#.#.", "##..", "#.#.", "#..#"),
    "l": ("#.", "#.", "#.", "#.", "#.", "#.", ".#"),
    "m": (".....", ".....", "##.#.", "#.#.#", "#.#.#", "#.#.#", "#.#.#"),
    "n": ("....", "....", "###.", "#..#", "#..#", "#..#", "#..#"),
    "o": ("....", "....", ".##.", "#..#", "#..#", "#..#", ".##."),
    "p": ("....", "....", "###.", "#..#", "#..#", "#..#", "###.", "#...", "#..."),
    "q": ("....", "....", ".###", "#..#", "#..#", "#..#", ".###", "...#", "...#"),
    "r": ("....", "....", "#.##", "##..", "#...", "#...", "#..."),
    "s": ("....", "....", ".###", "#...", ".##.", "...#", "###."),
    "t": (".#.", ".#.", "###", ".#.", ".#.", ".#.", "..#"),
    "u": ("....", "....", "#..#", "#..#", "#..#", "#..#", ".###"),
    "v": (".....", ".....", "#...#", "#...#", "#...#", ".#.#.", "..#.."),
    "w": (".....", ".....", "#...#", "#...#", "#.#.#", "#.#.#", ".#.#."),
    "x": (".....", ".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#"),
    "y": ("....", "....", "#..#", "#..#", "#..#", "#..#", ".###", "...#", ".##."),
    "z": ("....", "....", "####", "..#.", ".#..", "#...", "####"),
    "0": (".##.", "#..#", "#..#", "#..#", "#..#", "#..#", ".##."),
    "1": (".#.", "##.", ".#.", ".#.", ".#.", ".#.", "###"),
    "2": (".##.", "#..#", "...#", "..#.", ".#..", "#...", "####"),
    "3": ("###.", "...#", "...#", ".##.", "...#", "...#", "###."),
    "4": ("#..#", "#..#", "#..#", "####", "...#", "...#", "...#"),
    "5": ("####", "#...", "###.", "...#", "...#", "#..#", ".##."),
    "6": (".##.", "#...", "#...", "###.", "#..#", "#..#", ".##."),
    "7": ("####", "...#", "..#.", "..#.", ".#..", ".#..", ".#.."),
    "8": (".##.", "#..#", "#..#", ".##.", "#..#", "#..#", ".##."),
    "9": (".##.", "#..#", "#..#", ".###", "...#", "...#", ".##."),
    ".": (".", ".", ".", ".", ".", ".", "#"),
    ":": (".", ".", "#", ".", ".", ".", "#"),
    "\u00b7": (".", ".", ".", ".", "#", ".", "."),
    "\\": ("#...", "#...", ".#..", ".#..", "..#.", "..#.", "...#"),
    " ": ("..",),
}


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def lerp_stops(stops, t):
    """The colour at t of a gradient given as (position, colour) pairs."""
    t = clamp(t)
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0) if p1 > p0 else 0.0)
    return stops[-1][1]


# Signed distances: negative inside.  Painting by distance gives every edge
# a one-pixel soft rim without supersampling.
def rounded_rect(x0, y0, x1, y1, r):
    cx, cy, hx, hy = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def sdf(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        return math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0) - r
    return sdf


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else clamp(((px - ax) * dx + (py - ay) * dy) / length2)
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def strokes(segments, r):
    def sdf(x, y):
        return min(segment_distance(x, y, *s) for s in segments) - r
    return sdf


def polygon(points):
    def sdf(x, y):
        d = min(segment_distance(x, y, *points[i - 1], *points[i]) for i in range(len(points)))
        inside = False
        for i in range(len(points)):
            (xi, yi), (xj, yj) = points[i], points[i - 1]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                inside = not inside
        return -d if inside else d
    return sdf


class Canvas:
    """Colours as floats 0..255, row by row."""

    def __init__(self, width, height, colour=(0.0, 0.0, 0.0)):
        self.width, self.height = width, height
        self.rows = [[tuple(colour)] * width for _ in range(height)]

    def fill(self, colour_at):
        for y in range(self.height):
            self.rows[y] = [colour_at(x + 0.5, y + 0.5) for x in range(self.width)]

    def blend(self, x, y, colour, alpha):
        if alpha <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        old = self.rows[y][x]
        self.rows[y][x] = mix(old, colour, alpha) if alpha < 1 else tuple(colour)

    def paint(self, sdf, colour, box=None, alpha=1.0):
        """Covers the shape; colour is a colour or colour(x, y)."""
        x0, y0, x1, y1 = box or (0, 0, self.width, self.height)
        for y in range(max(int(y0), 0), min(int(math.ceil(y1)), self.height)):
            for x in range(max(int(x0), 0), min(int(math.ceil(x1)), self.width)):
                cover = clamp(0.5 - sdf(x + 0.5, y + 0.5))
                if cover > 0:
                    c = colour(x + 0.5, y + 0.5) if callable(colour) else colour
                    self.blend(x, y, c, cover * alpha)

    def paint_mask(self, mask, colour, dx=0, dy=0, alpha=1.0):
        for (x, y), cover in mask.items():
            self.blend(x + dx, y + dy, colour, cover * alpha)

    def blit(self, other, x0, y0):
        for y in range(other.height):
            for x in range(other.width):
                if 0 <= x0 + x < self.width and 0 <= y0 + y < self.height:
                    self.rows[y0 + y][x0 + x] = other.rows[y][x]

    def pixels(self):
        """Whole colours, rounded the same way everywhere."""
        return [[tuple(int(clamp(round(v), 0, 255)) for v in c) for c in row] for row in self.rows]


# Text: every lit pixel of a glyph is a round dot of the pen, joined to its
# lit neighbours across, down, and diagonally where no corner pixel is lit.
def glyph_segments(rows):
    lit = {(i, j) for j, row in enumerate(rows) for i, ch in enumerate(row) if ch == "#"}
    segments, joined = [], set()
    for i, j in sorted(lit):
        for di, dj in ((1, 0), (0, 1), (1, 1), (-1, 1)):
            other = (i + di, j + dj)
            if other not in lit:
                continue
            if di and dj and ((i + di, j) in lit or (i, j + dj) in lit):
                continue
            segments.append(((i, j), other))
            joined.update(((i, j), other))
    segments.extend((p, p) for p in sorted(lit - joined))
    return segments


SEGMENTS = {ch: glyph_segments(rows) for ch, rows in FONT.items()}


def text_width(text, cell):
    return (sum(len(FONT[ch][0]) + 1 for ch in text) - 1) * cell


def text_mask(text, x, y, cell, pen):
    """Coverage of the text whose first glyph's top-left cell starts at (x, y):
    {(px, py): cover}.  Each glyph starts on a whole pixel (less a quarter of
    a cell) so that its stems fall on pixel centres."""
    mask = {}
    for ch in text:
        gx = math.floor(x + 0.5) + 0.5 - cell / 2
        segments = [(gx + (a + 0.5) * cell, y + (b + 0.5) * cell, gx + (c + 0.5) * cell, y + (d + 0.5) * cell)
                    for (a, b), (c, d) in SEGMENTS[ch]]
        if segments:
            sdf = strokes(segments, pen)
            columns, rows = len(FONT[ch][0]), max(len(FONT[ch]), 7)
            for py in range(int(y - pen - 1), int(math.ceil(y + rows * cell + pen + 1))):
                for px in range(int(gx - pen - 1), int(math.ceil(gx + columns * cell + pen + 1))):
                    cover = clamp(0.5 - sdf(px + 0.5, py + 0.5))
                    if cover > mask.get((px, py), 0.0):
                        mask[(px, py)] = cover
        x += (len(FONT[ch][0]) + 1) * cell
    return mask


# The background.  Light and warm where the program writes blue over aqua;
# a film strip down the free left margin.
FILM_X0, FILM_X1 = 16, 58
FILM_STEP = 32


def base_colour(x, y):
    """The background without its film strip, frame and mark."""
    t = y / WINDOW_H
    colour = lerp_stops(((0.0, (250, 248, 243)), (0.55, (238, 235, 228)), (1.0, (216, 212, 204))), t)
    # A soft light over the title and the buttons.
    glow = clamp(1 - math.hypot((x - 196) / 230, (y - 60) / 170))
    colour = mix(colour, (255, 254, 250), 0.55 * glow * glow)
    # Faint rays fanning from the upper right, as from a projector.
    angle = math.atan2(y + 90, 470 - x)
    ray = 0.5 + 0.5 * math.cos(angle * 34)
    fade = clamp((y + 90) / 420) * clamp(1 - (y + 90) / 460)
    return mix(colour, (255, 255, 255), 0.10 * ray ** 6 * fade)


def film_body(x, y):
    # Lit from the right like a strip held against the light.
    t = (x - FILM_X0) / (FILM_X1 - FILM_X0)
    return lerp_stops(((0.0, (34, 35, 40)), (0.55, (50, 52, 58)), (1.0, (40, 41, 46))), t)


def film_frame(index):
    """The colour of a frame of the strip: warm light, a little different in
    each, brightest near the top where the window is lit."""
    warm = ((250, 206, 140), (242, 178, 112), (236, 160, 104), (248, 192, 124), (238, 170, 112))
    deep = ((196, 112, 64), (178, 92, 64), (166, 84, 70), (188, 104, 64), (172, 90, 66))
    top, bottom = warm[index % 5], deep[index % 5]
    y0 = index * FILM_STEP
    dim = 0.42 * clamp((y0 - 20) / (WINDOW_H - 40))

    def colour(x, y):
        t = clamp((y - y0 - 4) / (FILM_STEP - 8))
        light = clamp(1 - math.hypot((x - 37) / 16, (y - y0 - 10) / 14))
        lit = mix(mix(top, bottom, t), (255, 240, 214), 0.45 * light * light)
        return mix(lit, (70, 58, 52), dim)
    return colour


def reel(c, cx, cy, r, colour, alpha):
    """A film reel's outline, faint, in the lower right corner."""
    c.paint(lambda x, y: abs(math.hypot(x - cx, y - cy) - r) - 1.5, colour, alpha=alpha)
    c.paint(lambda x, y: abs(math.hypot(x - cx, y - cy) - r * 0.22) - 1.0, colour, alpha=alpha)
    for k in range(5):
        a = math.pi / 2 + k * 2 * math.pi / 5
        hx, hy = cx + math.cos(a) * r * 0.58, cy - math.sin(a) * r * 0.58
        c.paint(lambda x, y, hx=hx, hy=hy: abs(math.hypot(x - hx, y - hy) - r * 0.24) - 1.0, colour, alpha=alpha)


def background():
    c = Canvas(WINDOW_W, WINDOW_H)
    c.fill(base_colour)
    # A soft shadow beside the strip, then the strip, its holes and frames.
    c.paint(rounded_rect(FILM_X0 - 1, -20, FILM_X1 + 3, WINDOW_H + 20, 3), (60, 56, 50), alpha=0.12)
    c.paint(rounded_rect(FILM_X0, -20, FILM_X1, WINDOW_H + 20, 1), film_body)
    box = (FILM_X0, 0, FILM_X1, WINDOW_H)
    for k in range(-1, WINDOW_H // FILM_STEP + 2):
        y0 = k * FILM_STEP
        for hole in (0, FILM_STEP // 2):
            for hx in (FILM_X0 + 4, FILM_X1 - 9):
                c.paint(rounded_rect(hx, y0 + hole + 5, hx + 5, y0 + hole + 12, 1.5), base_colour, box)
        c.paint(rounded_rect(FILM_X0 + 12, y0 + 3, FILM_X1 - 12, y0 + FILM_STEP - 3, 2), film_frame(k), box)
        # A thin dark line between the frames' pictures and the strip.
        c.paint(lambda x, y, y0=y0: abs(rounded_rect(FILM_X0 + 12, y0 + 3, FILM_X1 - 12, y0 + FILM_STEP - 3, 2)(x, y)) - 0.5,
                (24, 24, 28), box, alpha=0.6)
    # A hairline under the title's place.
    for x in range(80, 306):
        edge = clamp(min(x - 80, 305 - x) / 40)
        c.blend(x, 49, (206, 160, 104), 0.55 * edge)
        c.blend(x, 50, (255, 255, 255), 0.7 * edge)
    reel(c, WINDOW_W + 4, WINDOW_H + 6, 66, (150, 140, 128), 0.16)
    brand_mark(c, WINDOW_W - 12, WINDOW_H - 13)
    # The window's own edge: a dark outline with a light line inside.
    c.paint(lambda x, y: min(x, y, WINDOW_W - x, WINDOW_H - y) - 1, (108, 104, 98))
    c.paint(lambda x, y: abs(min(x, y, WINDOW_W - x, WINDOW_H - y) - 1.5) - 0.5, (255, 255, 255), alpha=0.6)
    return c


def brand_mark(c, right, baseline):
    """A small round play sign and "NUVEX", ending at right, standing on baseline."""
    cell, pen = 1.4, 0.7
    word = "NUVEX"
    width = text_width(word, cell)
    x = right - width
    top = baseline - 7 * cell
    ink = (142, 136, 128)
    c.paint_mask(text_mask(word, x, top, cell, pen), (255, 255, 255), 1, 1, 0.8)
    c.paint_mask(text_mask(word, x, top, cell, pen), ink)
    cx, cy = x - 10, top + 3.5 * cell
    c.paint(lambda px, py: abs(math.hypot(px - cx, py - cy) - 5.5) - 0.7, ink)
    c.paint(polygon([(cx - 1.8, cy - 3), (cx + 3.2, cy), (cx - 1.8, cy + 3)]), (214, 118, 60))


# Buttons.  Body colours by state: (top, bottom, outline, top highlight).
BODY = {
    "normal": ((86, 92, 104), (44, 47, 55), (28, 29, 34), (150, 156, 168)),
    "over": ((116, 124, 140), (64, 69, 80), (150, 92, 40), (196, 202, 214)),
    "pressed": ((30, 32, 38), (50, 53, 61), (18, 19, 22), None),
}
INK = {"normal": (238, 240, 244), "over": (255, 255, 255), "pressed": (196, 200, 208)}
BADGE = {
    "download": {"normal": ((255, 196, 104), (222, 118, 46)), "over": ((255, 220, 140), (244, 146, 62)),
                 "pressed": ((206, 140, 64), (170, 84, 32))},
    "cube": {"normal": ((150, 208, 196), (62, 140, 136)), "over": ((186, 236, 224), (84, 170, 164)),
             "pressed": ((108, 160, 152), (44, 104, 100))},
}
TEXT_CELL, TEXT_PEN = 1.5, 0.92
BADGE_X, BADGE_R = 22, 12.5


def download_glyph(c, cx, cy, ink):
    c.paint(strokes([(cx, cy - 6.5, cx, cy + 2)], 1.25), ink)
    c.paint(polygon([(cx - 5, cy - 0.5), (cx + 5, cy - 0.5), (cx, cy + 4.8)]), ink)
    c.paint(strokes([(cx - 6, cy + 3.5, cx - 6, cy + 6.5), (cx - 6, cy + 6.5, cx + 6, cy + 6.5),
                     (cx + 6, cy + 6.5, cx + 6, cy + 3.5)], 0.9), ink)


def cube_glyph(c, cx, cy, ink):
    # An outlined cube seen from above a corner.
    s, h = 6.0, 3.4
    top, mid, low = cy - 2 * h, cy, cy + 2 * h
    left, right = cx - s, cx + s
    edges = [(cx, top, right, top + h), (right, top + h, right, low - h), (right, low - h, cx, low),
             (cx, low, left, low - h), (left, low - h, left, top + h), (left, top + h, cx, top),
             (left, top + h, cx, mid), (cx, mid, right, top + h), (cx, mid, cx, low)]
    c.paint(polygon([(left, top + h), (cx, top), (right, top + h), (cx, mid)]), ink, alpha=0.35)
    c.paint(strokes(edges, 0.85), ink)


GLYPHS = {"download": download_glyph, "cube": cube_glyph}


def button_state(where, glyph, words, state):
    bx, by = where
    c = Canvas(BUTTON_W, BUTTON_H)
    # The corners outside the rounded body show the window behind the button.
    c.fill(lambda x, y: base_colour(bx + x, by + y))
    top, bottom, outline, highlight = BODY[state]
    shape = rounded_rect(0, 0, BUTTON_W, BUTTON_H, 7)
    c.paint(shape, outline)
    inner = rounded_rect(1, 1, BUTTON_W - 1, BUTTON_H - 1, 6)
    c.paint(inner, lambda x, y: mix(top, bottom, clamp((y - 1) / (BUTTON_H - 2))))
    if highlight:
        c.paint(lambda x, y: max(inner(x, y), abs(y - 1.5) - 0.5), highlight, alpha=0.8)
        # The upper half a shade lighter: a gentle gloss.
        c.paint(lambda x, y: max(inner(x, y) + 1, y - BUTTON_H * 0.48), (255, 255, 255), alpha=0.07)
    else:
        # Pressed in: the light falls on the lower edge, the top is in shadow.
        c.paint(lambda x, y: max(inner(x, y), abs(y - 2.5) - 1.0), (0, 0, 0), alpha=0.35)
        c.paint(lambda x, y: max(inner(x, y), abs(y - (BUTTON_H - 2.5)) - 0.5), (110, 116, 128), alpha=0.6)
    if state == "over":
        c.paint(lambda x, y: abs(inner(x, y) + 0.5) - 0.5, (255, 188, 96), alpha=0.45)

    d = 1 if state == "pressed" else 0  # the pressed content moves down and right
    cx, cy = BADGE_X + d, BUTTON_H / 2 + d
    light, deep = BADGE[glyph][state]
    c.paint(lambda x, y: math.hypot(x - cx, y - cy - 0.8) - BADGE_R, (0, 0, 0), alpha=0.35)
    c.paint(lambda x, y: math.hypot(x - cx, y - cy) - BADGE_R,
            lambda x, y: mix(light, deep, clamp((y - cy + BADGE_R) / (2 * BADGE_R))))
    c.paint(lambda x, y: abs(math.hypot(x - cx, y - cy) - BADGE_R + 1.5) - 0.5, (255, 255, 255), alpha=0.25)
    GLYPHS[glyph](c, cx, cy, (40, 30, 24) if glyph == "download" else (18, 44, 44))

    ink = INK[state]
    left = BADGE_X + BADGE_R + 6
    x = left + (BUTTON_W - 8 - left - text_width(words, TEXT_CELL)) / 2 + d
    y = BUTTON_H / 2 - 0.5 - 3 * TEXT_CELL - TEXT_CELL / 2 + d
    mask = text_mask(words, x, y, TEXT_CELL, TEXT_PEN)
    c.paint_mask(mask, (10, 10, 14), 0, 1, 0.55)
    c.paint_mask(mask, ink)
    return c


def button_strip(where, glyph, words):
    strip = Canvas(BUTTON_W, BUTTON_H * len(STATE_ORDER))
    for index, state in enumerate(STATE_ORDER):
        strip.blit(button_state(where, glyph, words, state), 0, index * BUTTON_H)
    return strip


def encode_bmp24(pixels):
    """An uncompressed 24-bit Windows bitmap, bottom-up."""
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) & ~3
    rows = bytearray()
    for row in reversed(pixels):
        line = b"".join(struct.pack("BBB", b, g, r) for (r, g, b) in row)
        rows += line + bytes(stride - len(line))
    offset = 14 + 40
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    return header + info + bytes(rows)


def encode_ppm(pixels):
    height, width = len(pixels), len(pixels[0])
    return b"P6\n%d %d\n255\n" % (width, height) + b"".join(bytes(p) for row in pixels for p in row)


def convert(ppm, target, *options):
    subprocess.run(["convert", "ppm:-", *options, "-strip", target], input=ppm, check=True)


def mockup(back, strips, path):
    """The window as it will look: buttons in their normal state, the title,
    label and folder path written roughly as the program writes them."""
    c = Canvas(WINDOW_W, WINDOW_H)
    c.blit(back, 0, 0)
    for (name, (x, y), _, _), strip in zip(BUTTONS, strips):
        normal = Canvas(BUTTON_W, BUTTON_H)
        normal.rows = [list(r) for r in strip.rows[BUTTON_H:2 * BUTTON_H]]
        c.blit(normal, x, y)
    blue, aqua = (0, 0, 255), (0, 255, 255)

    def write(text, x, y, cell, pen, underline=False):
        mask = text_mask(text, x, y, cell, pen)
        if underline:
            for ux in range(int(x), int(x + text_width(text, cell)) + 1):
                for uy in (int(y + 8 * cell), int(y + 8 * cell) + 1):
                    mask[(ux, uy)] = 1.0
        c.paint_mask(mask, aqua, 1, 1)
        c.paint_mask(mask, blue)
    write("Nuvex Player 2.6", 86, 20, 2.0, 1.25, underline=True)
    write("Destination folder:", 77, 216, 1.25, 0.62)
    write("C:\\Program Files\\Nuvex Player", 85, 232, 1.25, 0.62)
    convert(encode_ppm(c.pixels()), path)


def main(argv):
    args = list(argv)
    mockup_path = None
    if "--mockup" in args:
        at = args.index("--mockup")
        mockup_path = args[at + 1]
        del args[at:at + 2]
    folder = args[0] if args else os.path.dirname(os.path.abspath(__file__))

    back = background()
    pixels = back.pixels()
    convert(encode_ppm(pixels), os.path.join(folder, "RunInstallBackground.jpg"),
            "-quality", str(JPEG_QUALITY), "-sampling-factor", "2x2")

    strips = []
    for name, where, glyph, words in BUTTONS:
        strip = button_strip(where, glyph, words)
        pixels = strip.pixels()
        # A key-colour pixel would cut a hole in the button's shape.
        assert all(p != KEY for row in pixels for p in row), name + " holds the key colour"
        assert len(pixels) == 3 * BUTTON_H and len(pixels[0]) == BUTTON_W
        with open(os.path.join(folder, name + ".bmp"), "wb") as out:
            out.write(encode_bmp24(pixels))
        strips.append(strip)
    if mockup_path:
        mockup(back, strips, mockup_path)


if __name__ == "__main__":
    main(sys.argv[1:])
