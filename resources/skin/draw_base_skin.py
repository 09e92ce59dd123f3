#!/usr/bin/env python3
"""Draws the pictures of the player's built-in skin.

Writes the 21 bitmaps of the base skin into the folder of this script (or the
folder given as the first argument): uncompressed Windows bitmaps of 8 bits
per pixel with a colour table, one file per picture resource, named after the
resource ("PlayerControl.Play.bmp" holds the resource "PlayerControl.Play").

Strips of button states hold, in this order, the pressed, normal, mouse-over
and disabled pictures (the order in which the buttons pick their state
images).  Pixels of the key colour (255, 0, 255) are holes in a control's
shape.  Python 3 standard library only; the output is the same on every run.
"""
import os
import struct
import sys

KEY = (255, 0, 255)

# Button bodies by state: (top, middle, bottom, outline, glyph).
STATES = {
    "pressed": ((38, 52, 74), (44, 60, 86), (52, 70, 98), (14, 20, 30), (168, 190, 220)),
    "normal": ((92, 112, 140), (70, 88, 114), (56, 72, 96), (18, 24, 34), (214, 226, 242)),
    "over": ((118, 142, 176), (92, 116, 150), (72, 94, 124), (18, 24, 34), (255, 255, 255)),
    "disabled": ((84, 88, 94), (72, 76, 82), (64, 67, 72), (30, 32, 36), (118, 122, 128)),
}
STATE_ORDER = ("pressed", "normal", "over", "disabled")
HIGHLIGHT = (150, 170, 196)
ACCENT = (255, 196, 64)
LED_ON = (96, 255, 96)
LED_OFF = (24, 72, 30)

# A 3 x 5 pixel font for the few letters the pictures carry.
FONT = {
    "A": ["010", "101", "111", "101", "101"],
    "C": ["011", "100", "100", "100", "011"],
    "E": ["111", "100", "110", "100", "111"],
    "N": ["101", "111", "111", "111", "101"],
    "U": ["101", "101", "101", "101", "111"],
    "V": ["101", "101", "101", "101", "010"],
    "X": ["101", "101", "010", "101", "101"],
    "1": ["010", "110", "010", "010", "111"],
    "3": ["110", "001", "010", "001", "110"],
    ":": ["0", "1", "0", "1", "0"],
}


class Canvas:
    def __init__(self, width, height, colour=KEY):
        self.width, self.height = width, height
        self.pixels = [[colour] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def get(self, x, y):
        return self.pixels[y][x]

    def rect(self, x0, y0, x1, y1, colour):
        """Fills x0 <= x < x1, y0 <= y < y1."""
        for y in range(max(y0, 0), min(y1, self.height)):
            for x in range(max(x0, 0), min(x1, self.width)):
                self.pixels[y][x] = colour

    def frame(self, x0, y0, x1, y1, colour):
        self.rect(x0, y0, x1, y0 + 1, colour)
        self.rect(x0, y1 - 1, x1, y1, colour)
        self.rect(x0, y0, x0 + 1, y1, colour)
        self.rect(x1 - 1, y0, x1, y1, colour)

    def shape(self, inside, colour, box=None):
        """Paints every pixel whose centre satisfies inside(x, y)."""
        x0, y0, x1, y1 = box or (0, 0, self.width, self.height)
        for y in range(max(y0, 0), min(y1, self.height)):
            for x in range(max(x0, 0), min(x1, self.width)):
                if inside(x + 0.5, y + 0.5):
                    self.pixels[y][x] = colour

    def polygon(self, points, colour):
        def inside(px, py):
            hit = False
            j = len(points) - 1
            for i in range(len(points)):
                xi, yi = points[i]
                xj, yj = points[j]
                if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
                    hit = not hit
                j = i
            return hit
        self.shape(inside, colour)

    def disc(self, cx, cy, r, colour):
        self.shape(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, colour)

    def ring(self, cx, cy, r, width, colour):
        self.shape(lambda x, y: (r - width) ** 2 <= (x - cx) ** 2 + (y - cy) ** 2 <= r * r, colour)

    def text(self, x, y, word, colour, scale=1):
        for ch in word:
            rows = FONT[ch]
            for j, row in enumerate(rows):
                for i, bit in enumerate(row):
                    if bit == "1":
                        self.rect(x + i * scale, y + j * scale, x + (i + 1) * scale, y + (j + 1) * scale, colour)
            x += (len(rows[0]) + 1) * scale

    def blit(self, other, x, y):
        for j in range(other.height):
            for i in range(other.width):
                self.put(x + i, y + j, other.pixels[j][i])


def text_width(word, scale=1):
    return sum((len(FONT[ch][0]) + 1) * scale for ch in word) - scale


def rounded(width, height, radius):
    """inside(x, y) of a rectangle with rounded corners."""
    def inside(x, y):
        cx = min(max(x, radius), width - radius)
        cy = min(max(y, radius), height - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius
    return inside


def body(width, height, radius, state):
    """A state's button body: outline, three-band fill, a highlight line."""
    top, middle, bottom, outline, _ = STATES[state]
    c = Canvas(width, height)
    c.shape(rounded(width, height, radius), outline)
    inner = rounded(width - 2, height - 2, max(radius - 1, 0))
    for y in range(1, height - 1):
        band = top if y < height / 3 else middle if y < 2 * height / 3 else bottom
        for x in range(1, width - 1):
            if inner(x - 1 + 0.5, y - 1 + 0.5):
                c.put(x, y, band)
    if state != "pressed":
        for x in range(radius, width - radius):
            c.put(x, 1, HIGHLIGHT if state != "disabled" else middle)
    return c


def strip(width, height, states, draw, vertical=True):
    """States side by side (vertical split) or stacked (horizontal split)."""
    count = len(states)
    c = Canvas(width * count if vertical else width, height if vertical else height * count)
    for index, state in enumerate(states):
        cell = draw(state)
        c.blit(cell, index * width if vertical else 0, 0 if vertical else index * height)
    return c


def glyph_offset(state):
    return 1 if state == "pressed" else 0


def button(glyph, width=26, height=19, radius=5):
    def draw(state):
        c = body(width, height, radius, state)
        d = glyph_offset(state)
        glyph(c, width / 2 + d, height / 2 + d, STATES[state][4], state)
        return c
    return strip(width, height, STATE_ORDER, draw)


def round_button(glyph, size):
    def draw(state):
        top, middle, bottom, outline, ink = STATES[state]
        c = Canvas(size, size)
        r = size / 2
        c.disc(r, r, r, outline)
        c.disc(r, r, r - 1, bottom)
        c.shape(lambda x, y: (x - r) ** 2 + (y - r) ** 2 <= (r - 1) ** 2 and y < r, middle)
        c.shape(lambda x, y: (x - r) ** 2 + (y - r + 1) ** 2 <= (r - 2.5) ** 2 and y < r - 1, top)
        d = glyph_offset(state)
        glyph(c, r + d, r + d, ink, state)
        return c
    return strip(size, size, STATE_ORDER, draw)


# Glyphs: each draws centred on (cx, cy).
def play(c, cx, cy, ink, state):
    c.polygon([(cx - 3.5, cy - 5), (cx + 5, cy), (cx - 3.5, cy + 5)], ink)


def pause(c, cx, cy, ink, state):
    c.rect(int(cx - 4), int(cy - 4.5), int(cx - 1), int(cy + 5), ink)
    c.rect(int(cx + 1), int(cy - 4.5), int(cx + 4), int(cy + 5), ink)


def stop(c, cx, cy, ink, state):
    c.rect(int(cx - 4), int(cy - 4), int(cx + 4), int(cy + 4), ink)


def eject(c, cx, cy, ink, state):
    c.polygon([(cx - 5, cy + 1), (cx, cy - 5), (cx + 5, cy + 1)], ink)
    c.rect(int(cx - 5), int(cy + 3), int(cx + 5), int(cy + 5), ink)


def page(c, cx, cy, ink, state):
    x0, y0 = int(cx - 4), int(cy - 6)
    c.polygon([(x0, y0), (x0 + 6, y0), (x0 + 9, y0 + 3), (x0 + 9, y0 + 12), (x0, y0 + 12)], ink)
    paper = STATES[state][2]
    for row in (4, 6, 8, 10):
        c.rect(x0 + 2, y0 + row, x0 + 7, y0 + row + 1, paper)


def subtitles(c, cx, cy, ink, state):
    x0, y0 = int(cx - 7), int(cy - 5)
    c.frame(x0, y0, x0 + 14, y0 + 9, ink)
    c.rect(x0 + 2, y0 + 5, x0 + 12, y0 + 6, ink)
    c.rect(x0 + 4, y0 + 3, x0 + 10, y0 + 4, ink)
    c.polygon([(x0 + 3, y0 + 8.5), (x0 + 7, y0 + 8.5), (x0 + 3, y0 + 11)], ink)


def palette_glyph(c, cx, cy, ink, state):
    c.disc(cx, cy, 6, ink)
    c.disc(cx + 2.5, cy + 2.5, 1.6, STATES[state][2])
    dots = [(255, 80, 80), (80, 200, 90), (80, 140, 255)] if state != "disabled" else [STATES[state][1]] * 3
    for (dx, dy), colour in zip([(-2.5, -2), (0.5, -3.5), (-3, 1.5)], dots):
        c.disc(cx + dx, cy + dy, 1.3, colour)


def cross_small(c, cx, cy, ink, state):
    c.rect(int(cx - 3), int(cy - 1), int(cx + 3), int(cy + 1), ink)
    c.rect(int(cx - 1), int(cy - 3), int(cx + 1), int(cy + 3), ink)


def corners(c, cx, cy, ink, state):
    x0, y0, x1, y1 = int(cx - 5), int(cy - 5), int(cx + 5), int(cy + 5)
    for (x, y, dx, dy) in ((x0, y0, 1, 1), (x1 - 1, y0, -1, 1), (x0, y1 - 1, 1, -1), (x1 - 1, y1 - 1, -1, -1)):
        for k in range(4):
            c.put(x + k * dx, y, ink)
            c.put(x, y + k * dy, ink)
        c.put(x + dx, y + dy, ink)


def minimise(c, cx, cy, ink, state):
    c.rect(int(cx - 4), int(cy + 2), int(cx + 4), int(cy + 4), ink)


def close(c, cx, cy, ink, state):
    for k in range(-4, 4):
        for t in (0, 1):
            c.put(int(cx) + k + t, int(cy) + k, ink)
            c.put(int(cx) - k - 1 + t, int(cy) + k, ink)


def magnifier(sign=None, frame=False):
    def glyph(c, cx, cy, ink, state):
        lx = cx - 5 if sign or frame else cx
        c.ring(lx - 1, cy - 1, 5, 1.6, ink)
        c.polygon([(lx + 1.5, cy + 2.5), (lx + 3, cy + 1.5), (lx + 6, cy + 5), (lx + 4.5, cy + 6)], ink)
        ix, iy = int(lx - 1), int(cy - 1)  # the lens's centre pixel
        if sign in ("+", "-"):
            c.rect(ix - 2, iy, ix + 3, iy + 1, ink)
        if sign == "+":
            c.rect(ix, iy - 2, ix + 1, iy + 3, ink)
        if frame:
            c.frame(int(cx + 3), int(cy - 5), int(cx + 13), int(cy + 4), ink)
            c.frame(int(cx + 5), int(cy - 3), int(cx + 11), int(cy + 2), ink)
        if sign == "1:1":
            c.text(int(cx + 2), int(cy - 3), "1:1", ink)
    return glyph


def zoom_button(glyph, width, height, vertical):
    def draw(state):
        c = body(width, height, height // 2, state)
        d = glyph_offset(state)
        glyph(c, width / 2 + d, height / 2 + d, STATES[state][4], state)
        return c
    return strip(width, height, STATE_ORDER, draw, vertical)


def slider_background():
    # Stacked 125 x 4 pictures: pressed, normal, mouse over.
    def draw(state):
        c = Canvas(125, 4)
        groove = {"pressed": (20, 26, 36), "normal": (28, 36, 50), "over": (36, 48, 66)}[state]
        c.rect(0, 0, 125, 4, groove)
        c.rect(0, 0, 125, 1, (10, 12, 18))
        c.rect(0, 3, 125, 4, HIGHLIGHT)
        c.put(0, 1, KEY)
        c.put(124, 1, KEY)
        c.put(0, 2, KEY)
        c.put(124, 2, KEY)
        return c
    return strip(125, 4, ("pressed", "normal", "over"), draw, vertical=False)


def slider_button():
    def draw(state):
        c = body(27, 10, 4, state)
        ink = STATES[state][4]
        for x in (10, 13, 16):
            c.rect(x, 3, x + 1, 7, ink)
        return c
    return strip(27, 10, STATE_ORDER, draw)


def sound_volume():
    # Ten stacked 60 x 9 wedges, the k-th lit for k tenths (none to nine).
    c = Canvas(60, 90)
    for level in range(10):
        y0 = level * 9
        lit_to = round(60 * level / 9)
        for x in range(60):
            top = 8 - (x * 8) // 59  # the wedge rises to the right
            for y in range(top, 9):
                if x < lit_to:
                    colour = (96, 220, 96) if x < 36 else ACCENT if x < 50 else (255, 96, 64)
                else:
                    colour = (34, 44, 58)
                c.put(x, y0 + y, colour)
    return c


def subtitle_led():
    # Three stacked 14 x 15 lamps: off, on, pressed (dimmed).
    c = Canvas(14, 45)
    for index, (ring_colour, lamp) in enumerate((((18, 22, 30), LED_OFF), ((18, 22, 30), LED_ON), ((18, 22, 30), (60, 170, 60)))):
        y0 = index * 15
        cell = Canvas(14, 15)
        cell.disc(7, 7.5, 6.5, ring_colour)
        cell.disc(7, 7.5, 5, lamp)
        if lamp == LED_ON:
            cell.disc(5.5, 6, 1.5, (220, 255, 220))
        c.blit(cell, 0, y0)
    return c


def ac3_status():
    # Four stacked 24 x 14 badges: off, on, highlighted, disabled.
    c = Canvas(24, 56)
    looks = (((40, 48, 60), (110, 118, 130)), ((52, 40, 20), ACCENT), ((70, 56, 28), (255, 230, 150)),
             ((44, 46, 50), (80, 84, 90)))
    for index, (fill, ink) in enumerate(looks):
        cell = Canvas(24, 14)
        cell.shape(rounded(24, 14, 3), (14, 16, 20))
        cell.shape(lambda x, y: rounded(22, 12, 2)(x - 1, y - 1), fill)
        cell.text((24 - text_width("AC3")) // 2, 4, "AC3", ink)
        c.blit(cell, 0, index * 14)
    return c


def player_window():
    width, height = 240, 179
    c = Canvas(width, height)
    shell_dark, shell, shell_light = (22, 28, 38), (46, 56, 72), (66, 80, 102)
    c.shape(rounded(width, height, 12), shell_dark)
    c.shape(lambda x, y: rounded(width - 2, height - 2, 11)(x - 1, y - 1), shell)
    # A lighter band along the top edge and a title mark.
    c.shape(lambda x, y: rounded(width - 2, height - 2, 11)(x - 1, y - 1) and y < 16, shell_light)
    c.text(10, 5, "NUVEX", (200, 210, 228))
    c.rect(36, 7, 170, 8, shell)
    c.rect(36, 9, 170, 10, shell_dark)
    # The screen where the labels show the film's name, time and state.
    c.rect(5, 18, 181, 91, (10, 12, 16))
    c.rect(6, 19, 180, 90, (16, 28, 34))
    for y in range(20, 89, 3):
        c.rect(7, y, 179, y + 1, (20, 34, 40))
    c.rect(6, 89, 180, 90, (58, 70, 90))
    # Sockets of the round buttons at the right and of the button row.
    for x, y, size in ((184, 26, 17), (205, 45, 17), (216, 70, 17), (172, 56, 11)):
        c.disc(x + size / 2, y + size / 2, size / 2 + 1.5, shell_dark)
    c.rect(9, 90, 229, 116, shell_dark)
    c.rect(10, 91, 228, 115, (36, 44, 58))
    for x in (13, 44, 75, 106, 137, 168, 199):
        c.shape(lambda px, py, x=x: rounded(28, 21, 6)(px - x + 1, py - 92), (26, 32, 44))
    # The position slider's groove and the lamp beside it.
    c.rect(88, 119, 223, 133, shell_dark)
    c.rect(89, 120, 222, 132, (36, 44, 58))
    c.disc(49, 130.5, 9, shell_dark)
    # The zoom bar along the bottom.
    c.shape(lambda x, y: rounded(126, 24, 11)(x - 66, y - 141), shell_dark)
    c.shape(lambda x, y: rounded(124, 22, 10)(x - 67, y - 142), (36, 44, 58))
    # Fine ridges at the lower corners.
    for k in range(4):
        c.rect(14 + k * 4, 150, 16 + k * 4, 166, shell_light)
        c.rect(206 + k * 4, 150, 208 + k * 4, 166, shell_light)
    return c


PICTURES = {
    "PlayerControl.Play": lambda: button(play),
    "PlayerControl.Pause": lambda: button(pause),
    "PlayerControl.Stop": lambda: button(stop),
    "PlayerControl.LoadFilm": lambda: button(eject),
    "PlayerControl.LoadText": lambda: button(page),
    "PlayerControl.FixAviFile": lambda: round_button(cross_small, 11),
    "PlayerControl.SubtitleEditor": lambda: button(subtitles),
    "PlayerControl.FullScreen": lambda: round_button(corners, 17),
    "PlayerControl.ZoomFull": lambda: zoom_button(magnifier(frame=True), 33, 16, True),
    "PlayerControl.ZoomIn": lambda: zoom_button(magnifier("+"), 54, 19, False),
    "PlayerControl.ZoomOut": lambda: zoom_button(magnifier("-"), 66, 18, False),
    "PlayerControl.ZoomOneToOne": lambda: zoom_button(magnifier("1:1"), 33, 16, True),
    "PlayerControl.LoadSkin": lambda: button(palette_glyph),
    "PlayerControl.Hide": lambda: round_button(minimise, 17),
    "PlayerControl.Exit": lambda: round_button(close, 17),
    "PlayerControl.SliderBackground": slider_background,
    "PlayerControl.SliderButton": slider_button,
    "PlayerControl.SoundVolume": sound_volume,
    "PlayerControl.SubtitleLED": subtitle_led,
    "PlayerControl.AC3Status": ac3_status,
    "PlayerControl": player_window,
}


def encode_bmp8(canvas):
    """An uncompressed 8-bit Windows bitmap with the picture's own colour table."""
    colours = sorted({p for row in canvas.pixels for p in row})
    if len(colours) > 256:
        raise ValueError("more than 256 colours")
    index = {colour: i for i, colour in enumerate(colours)}
    stride = (canvas.width + 3) & ~3
    rows = bytearray()
    for y in range(canvas.height - 1, -1, -1):  # bottom-up
        row = bytes(index[p] for p in canvas.pixels[y])
        rows += row + bytes(stride - canvas.width)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in colours)
    offset = 14 + 40 + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 8, 0, len(rows), 2835, 2835,
                       len(colours), 0)
    return header + info + table + bytes(rows)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, draw in PICTURES.items():
        with open(os.path.join(folder, name + ".bmp"), "wb") as out:
            out.write(encode_bmp8(draw()))


if __name__ == "__main__":
    main()
