#!/usr/bin/env python3
"""Draws the pictures of the sample skins (Skins/*/*.bmp).

Moss restyles a few of the player window's controls: a smaller window, three
round green buttons (play, pause, stop) and the volume wedge.  The pictures
come in different bit depths on purpose (24, 8 and 4 bits per pixel): a skin
picture keeps the size and format of its file.  Fern defines every control
of the base skin, so that `nvxskin check` finds it complete.  Misfit gets
one file that is not a bitmap.  Pixels of the key colour (255, 0, 255) are
holes.  Python 3 standard library only.
"""
import os
import struct

KEY = (255, 0, 255)
HERE = os.path.dirname(os.path.abspath(__file__))


def canvas(width, height, colour=KEY):
    return [[colour] * width for _ in range(height)]


def disc(pixels, cx, cy, r, colour, x0=0):
    for y, row in enumerate(pixels):
        for x in range(len(row)):
            if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                row[x] = colour


def encode(pixels, bits):
    height, width = len(pixels), len(pixels[0])
    colours = sorted({p for row in pixels for p in row})
    table = b""
    if bits <= 8:
        assert len(colours) <= 1 << bits
        index = {c: i for i, c in enumerate(colours)}
        table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in colours)
    stride = ((width * bits + 31) // 32) * 4
    data = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        if bits == 24:
            for (r, g, b) in row:
                line += bytes((b, g, r))
        elif bits == 8:
            line += bytes(index[p] for p in row)
        else:  # 4 bits
            for x in range(0, width, 2):
                hi = index[row[x]]
                lo = index[row[x + 1]] if x + 1 < width else 0
                line.append(hi << 4 | lo)
        data += line + bytes(stride - len(line))
    offset = 14 + 40 + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data), 2835, 2835,
                       len(colours) if bits <= 8 else 0, 0)
    return header + info + table + bytes(data)


def round_buttons(glyph):
    """Four 30 x 22 states side by side: pressed, normal, mouse over, disabled."""
    looks = [((20, 70, 30), (150, 220, 150)), ((40, 110, 50), (230, 255, 230)),
             ((60, 150, 70), (255, 255, 255)), ((70, 80, 72), (130, 140, 132))]
    pixels = canvas(120, 22)
    for i, (fill, ink) in enumerate(looks):
        cell = canvas(30, 22)
        disc(cell, 15, 11, 10.5, (10, 30, 14))
        disc(cell, 15, 11, 9.5, fill)
        glyph(cell, ink)
        for y in range(22):
            pixels[y][i * 30:(i + 1) * 30] = cell[y]
    return pixels


def play(cell, ink):
    for y in range(6, 16):
        for x in range(11, 12 + int((5 - abs(y - 10.5)) * 1.6)):
            cell[y][x] = ink


def pause(cell, ink):
    for y in range(6, 16):
        for x in (11, 12, 13, 17, 18, 19):
            cell[y][x] = ink


def stop(cell, ink):
    for y in range(7, 15):
        for x in range(11, 19):
            cell[y][x] = ink


def window():
    pixels = canvas(200, 150)
    for y in range(150):
        for x in range(200):
            cx = min(max(x + 0.5, 16), 184)
            cy = min(max(y + 0.5, 16), 134)
            if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= 256:
                pixels[y][x] = (34, 60, 38) if 20 <= y < 90 and 12 <= x < 188 else (58, 92, 60)
    return pixels


def volume():
    """Ten stacked 60 x 9 wedges."""
    pixels = canvas(60, 90)
    for level in range(10):
        for x in range(60):
            for y in range(8 - (x * 8) // 59, 9):
                pixels[level * 9 + y][x] = (120, 230, 120) if x < round(60 * level / 9) else (30, 50, 34)
    return pixels


def strip(width, height, count, split, draw):
    """count state images of width x height, side by side (split 2) or one
    below the other (split 1); draw(cell, state) paints one of them."""
    pixels = canvas(width * count if split == 2 else width, height * count if split == 1 else height)
    for state in range(count):
        cell = canvas(width, height)
        draw(cell, state)
        for y in range(height):
            for x in range(width):
                if split == 2:
                    pixels[y][state * width + x] = cell[y][x]
                else:
                    pixels[state * height + y][x] = cell[y][x]
    return pixels


# Fern's four looks of a button: pressed, normal, mouse over, disabled.
FERN = [(24, 80, 64), (40, 120, 96), (70, 170, 140), (110, 120, 116)]
FERN_EDGE = (12, 40, 32)


def pill(cell, state):
    """A rounded box with a light mark in the middle."""
    h, w = len(cell), len(cell[0])
    r = min(w, h) / 2 - 0.5
    for y in range(h):
        for x in range(w):
            cx = min(max(x + 0.5, r + 0.5), w - r - 0.5)
            cy = min(max(y + 0.5, r + 0.5), h - r - 0.5)
            d = ((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2) ** 0.5
            if d <= r + 0.5:
                cell[y][x] = FERN_EDGE if d > r - 0.5 else FERN[state]
    for y in range(h // 2 - 1, h // 2 + 1):
        for x in range(w // 2 - 1, w // 2 + 1):
            cell[y][x] = (230, 250, 240)


def led(cell, state):
    h, w = len(cell), len(cell[0])
    disc(cell, w / 2, h / 2, min(w, h) / 2 - 0.5, FERN_EDGE)
    disc(cell, w / 2, h / 2, min(w, h) / 2 - 1.5, [(40, 50, 45), (90, 220, 120), (240, 200, 60), (220, 80, 60)][state])


def track(cell, state):
    for x in range(len(cell[0])):
        cell[0][x] = FERN_EDGE
        cell[-1][x] = FERN_EDGE
        for y in range(1, len(cell) - 1):
            cell[y][x] = FERN[state]


def level(cell, state):
    h, w = len(cell), len(cell[0])
    for x in range(w):
        for y in range(h):
            cell[y][x] = (120, 230, 160) if x < round(w * state / 9) else (30, 60, 48)


def fern_window():
    pixels = canvas(240, 179)
    pill(pixels, 1)
    for y in range(16, 84):
        for x in range(12, 228):
            pixels[y][x] = (20, 52, 42)
    return pixels


def fern_pictures():
    return (("button.bmp", strip(26, 19, 4, 2, pill), 8), ("small.bmp", strip(17, 17, 4, 2, pill), 8),
            ("tiny.bmp", strip(11, 11, 4, 2, pill), 8), ("zoomin.bmp", strip(54, 19, 4, 1, pill), 8),
            ("zoomout.bmp", strip(66, 18, 4, 1, pill), 8), ("track.bmp", strip(125, 4, 3, 1, track), 8),
            ("knob.bmp", strip(27, 10, 4, 2, pill), 8), ("volume.bmp", strip(60, 9, 10, 1, level), 8),
            ("led.bmp", strip(14, 15, 3, 1, led), 8), ("ac3.bmp", strip(24, 14, 4, 1, led), 8),
            ("window.bmp", fern_window(), 24))


def main():
    fern = os.path.join(HERE, "Skins", "Fern")
    os.makedirs(fern, exist_ok=True)
    for name, pixels, bits in fern_pictures():
        with open(os.path.join(fern, name), "wb") as out:
            out.write(encode(pixels, bits))
    misfit = os.path.join(HERE, "Skins", "Misfit")
    os.makedirs(misfit, exist_ok=True)
    with open(os.path.join(misfit, "broken.bmp"), "wb") as out:
        out.write(b"BM, but not a bitmap: the file ends here.\n")

    folder = os.path.join(HERE, "Skins", "Moss")
    os.makedirs(folder, exist_ok=True)
    for name, pixels, bits in (("play.bmp", round_buttons(play), 24), ("pause.bmp", round_buttons(pause), 8),
                               ("stop.bmp", round_buttons(stop), 8), ("window.bmp", window(), 24),
                               ("volume.bmp", volume(), 4)):
        with open(os.path.join(folder, name), "wb") as out:
            out.write(encode(pixels, bits))


if __name__ == "__main__":
    main()
