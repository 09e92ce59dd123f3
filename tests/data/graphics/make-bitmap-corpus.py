#!/usr/bin/env python3
"""Writes a corpus of bitmap files into a folder, for comparing our bitmap
reader with the system's loader file by file:
    make-bitmap-corpus.py OUTDIR

Every header the format knows (the 12-byte core header, the info header and
its longer forms of 52, 56, 108 and 124 bytes, and sizes nobody defines),
every bit depth, every compression (none, RLE8, RLE4, bit fields, alpha bit
fields, embedded JPEG and PNG), colour tables full, short and absent,
bottom-up and top-down rows, odd widths, and broken files: cut short, runs
past a row or the picture, a missing end of bitmap, deltas leaving the
picture, offsets outside the file.  A few files come from ImageMagick's
convert, as a paint program would write them.  The output is the same on
every run.
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile

OUT = sys.argv[1] if len(sys.argv) > 1 else "bitmap-corpus"
FILES = {}


def put(name, data):
    FILES[name + ".bmp"] = data


def table(count, entry=4):
    """count distinct colours, none of them black or white."""
    out = b""
    for i in range(count):
        b, g, r = (i * 53 + 11) & 255, (i * 91 + 37) & 255, (i * 37 + 101) & 255
        out += bytes([b, g, r]) + (b"\0" if entry == 4 else b"")
    return out


def info_header(size, width, height, bits, compression, image_size, colors_used, masks=b""):
    head = struct.pack("<IiiHHIIiiII", size, width, height, 1, bits, compression, image_size,
                       2835, 2835, colors_used, 0)
    head += masks
    if size > len(head):
        head += b"\0" * (size - len(head))
    return head


def bmp_file(dib_head, palette, pixels, offset=None, file_size=None):
    start = 14 + len(dib_head) + len(palette)
    offset = start if offset is None else offset
    body = dib_head + palette + b"\0" * max(0, offset - start) + pixels
    size = 14 + len(body) if file_size is None else file_size
    return b"BM" + struct.pack("<IHHI", size, 0, 0, offset) + body


def index_of(x, y, colours):
    # Runs of three, shifting by row: good for encoded runs and absolute runs alike.
    return (x // 3 + y * 2 + (x % 2) * (x // 7)) % colours


def raw_rows(width, height, bits, value):
    """Rows as stored, bottom row first (value takes the picture's own x, y
    counted from the top)."""
    stride = ((width * bits + 31) // 32) * 4
    out = b""
    for row in range(height):
        y = height - 1 - row
        line = bytearray(stride)
        for x in range(width):
            v = value(x, y)
            if bits < 8:
                per = 8 // bits
                line[x // per] |= v << (8 - bits * (1 + x % per))
            else:
                n = bits // 8
                line[x * n:(x + 1) * n] = v.to_bytes(n, "little")
        out += bytes(line)
    return out


def rle_rows(width, height, value, encode_line):
    """Run-length rows, bottom row first: each line's runs (encode_line), end
    of line after each, end of bitmap last."""
    out = b""
    for row in range(height):
        y = height - 1 - row
        out += encode_line([value(x, y) for x in range(width)]) + b"\0\0"
    return out + b"\0\1"


def rle8_line(line):
    """RLE8: encoded runs and absolute runs."""
    out = b""
    width = len(line)
    x = 0
    while x < width:
        run = 1
        while x + run < width and run < 255 and line[x + run] == line[x]:
            run += 1
        if run >= 2 or width - x < 3:
            out += bytes([run, line[x]])
            x += run
        else:
            end = x + 1
            while end < width and end - x < 255 and not (end + 1 < width and line[end] == line[end + 1]):
                end += 1
            lit = bytes(line[x:end])
            if len(lit) < 3:
                for v in lit:
                    out += bytes([1, v])
            else:
                out += bytes([0, len(lit)]) + lit + (b"\0" if len(lit) % 2 else b"")
            x = end
    return out


def rle4_line(line):
    """RLE4: alternate absolute runs of up to 7 and encoded runs of two colours."""
    out = b""
    width = len(line)
    x = 0
    while x < width:
        if (x // 7) % 2 == 0 and width - x >= 3:
            n = min(7, width - x)
            nibbles = line[x:x + n] + [0]
            data = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, n, 2))
            out += bytes([0, n]) + data + (b"\0" if len(data) % 2 else b"")
            x += n
        else:
            n = min(5, width - x)
            a = line[x]
            b = line[x + 1] if n > 1 else 0
            out += bytes([n, (a << 4) | b])
            x += n
    return out


def rle8_rows(width, height, value):
    return rle_rows(width, height, value, rle8_line)


def rle4_rows(width, height, value):
    return rle_rows(width, height, value, rle4_line)


def palette_file(name, header, width, height, bits, colours, compression=0, top_down=False, rle=None,
                 colors_used=None, **kw):
    value = lambda x, y: index_of(x, y, colours)
    if rle is not None:
        pixels = rle
    elif compression == 1:
        pixels = rle8_rows(width, height, value)
    elif compression == 2:
        pixels = rle4_rows(width, height, value)
    else:
        pixels = raw_rows(width, height, bits, value)
    if top_down and compression == 0:
        stride = ((width * bits + 31) // 32) * 4
        pixels = b"".join(pixels[i:i + stride] for i in reversed(range(0, len(pixels), stride)))
    full = 1 << bits
    used = colors_used if colors_used is not None else (0 if colours == full else colours)
    if header == 12:
        head = struct.pack("<IHHHH", 12, width, height, 1, bits)
        pal = table(full, 3)
    else:
        head = info_header(header, width, -height if top_down else height, bits, compression,
                           kw.pop("image_size", len(pixels)), used)
        pal = table(used if used else full)
    put(name, bmp_file(head, pal, pixels, **kw))


def write_corpus():
    # ---- paletted, uncompressed: every header, depth, table size and row order
    for header in (12, 40, 52, 56, 108, 124):
        hname = {12: "core", 40: "info", 52: "v2", 56: "v3", 108: "v4", 124: "v5"}[header]
        for bits in (1, 4, 8):
            for width in (1, 5, 13):
                palette_file(f"{hname}-{bits}-w{width}", header, width, 3, bits, 1 << bits)
            if header != 12:
                palette_file(f"{hname}-{bits}-short-table", header, 7, 4, bits, max(2, (1 << bits) // 2 - 1))
                palette_file(f"{hname}-{bits}-top-down", header, 6, 3, bits, 1 << bits, top_down=True)
        if header == 12:
            width, height = 7, 3
            for bits in (24, 16, 32, 2):
                head = struct.pack("<IHHHH", 12, width, height, 1, bits)
                put(f"core-{bits}", bmp_file(head, b"", raw_rows(width, height, max(bits, 1),
                                                                 lambda x, y: (x * 0x2f1b3 + y * 0x9a05) & ((1 << bits) - 1))))
    # Pixels that name colours beyond a short table.
    palette_file("info-8-indices-past-table", 40, 9, 2, 8, 16, colors_used=4)
    palette_file("info-4-indices-past-table", 40, 9, 2, 4, 16, colors_used=3)
    palette_file("info-1-one-colour", 40, 9, 2, 1, 2, colors_used=1)
    # A table larger than the depth allows (the rest of it is not read).
    palette_file("info-4-long-colors-used", 40, 5, 2, 4, 16, colors_used=300)

    # ---- direct colour
    for header in (40, 56, 108, 124):
        hname = {40: "info", 56: "v3", 108: "v4", 124: "v5"}[header]
        for bits in (16, 24, 32):
            for width in (1, 3, 6):
                for top_down in (False, True):
                    h = 2 if width != 6 else 3
                    px = raw_rows(width, h, bits, lambda x, y: (x * 0x3f1b3 + y * 0x1a9a05 + 0x123456) & ((1 << bits) - 1))
                    if top_down:
                        stride = len(px) // h
                        px = b"".join(px[i:i + stride] for i in reversed(range(0, len(px), stride)))
                    head = info_header(header, width, -h if top_down else h, bits, 0, len(px), 0)
                    put(f"{hname}-{bits}-w{width}{'-top-down' if top_down else ''}", bmp_file(head, b"", px))
    # A colour table in a direct-colour file is skipped.
    px = raw_rows(3, 2, 24, lambda x, y: x * 0x405060 + y)
    put("info-24-with-table", bmp_file(info_header(40, 3, 2, 24, 0, len(px), 5), table(5), px))

    # ---- bit fields (3) and alpha bit fields (6)
    masks16 = {"565": (0xF800, 0x07E0, 0x001F), "555": (0x7C00, 0x03E0, 0x001F), "444": (0x0F00, 0x00F0, 0x000F),
               "bgr-565": (0x001F, 0x07E0, 0xF800)}
    masks32 = {"888": (0xFF0000, 0xFF00, 0xFF), "rgb-shifted": (0xFF000000, 0xFF0000, 0xFF00),
               "10-10-10": (0x3FF00000, 0x000FFC00, 0x000003FF), "4-bit": (0xF000, 0x0F00, 0x00F0)}
    for bits, masks in ((16, masks16), (32, masks32)):
        px = raw_rows(5, 2, bits, lambda x, y: (x * 0x3f1b3 + y * 0x1a9a05 + 0x5a5a5a5a) & ((1 << bits) - 1))
        for mname, m in masks.items():
            put(f"info-{bits}-fields-{mname}", bmp_file(info_header(40, 5, 2, bits, 3, len(px), 0) + struct.pack("<III", *m), b"", px))
            put(f"v4-{bits}-fields-{mname}", bmp_file(info_header(108, 5, 2, bits, 3, len(px), 0, struct.pack("<III", *m)), b"", px))
            put(f"v3-{bits}-alpha-fields-{mname}", bmp_file(info_header(56, 5, 2, bits, 6, len(px), 0, struct.pack("<IIII", *m, 0)), b"", px))
            put(f"info-{bits}-alpha-fields-{mname}", bmp_file(info_header(40, 5, 2, bits, 6, len(px), 0) + struct.pack("<IIII", *m, 0), b"", px))
        put(f"info-{bits}-fields-zero", bmp_file(info_header(40, 5, 2, bits, 3, len(px), 0) + struct.pack("<III", 0, 0, 0), b"", px))
        put(f"info-{bits}-fields-scattered", bmp_file(info_header(40, 5, 2, bits, 3, len(px), 0) + struct.pack("<III", 0xF0F0, 0x0F00, 0x000F), b"", px))
        put(f"info-{bits}-fields-overlapping", bmp_file(info_header(40, 5, 2, bits, 3, len(px), 0) + struct.pack("<III", 0xFF00, 0x0FF0, 0x00FF), b"", px))
    px = raw_rows(4, 2, 24, lambda x, y: x * 0x405060 + y)
    put("info-24-fields", bmp_file(info_header(40, 4, 2, 24, 3, len(px), 0) + struct.pack("<III", 0xFF0000, 0xFF00, 0xFF), b"", px))
    px8 = raw_rows(4, 2, 8, lambda x, y: x + y)
    put("info-8-fields", bmp_file(info_header(40, 4, 2, 8, 3, len(px8), 0) + struct.pack("<III", 0xE0, 0x1C, 0x03), table(256), px8))

    # ---- RLE8 and RLE4
    for header in (40, 108, 124):
        hname = {40: "info", 108: "v4", 124: "v5"}[header]
        for width in (1, 2, 7, 13, 40):
            palette_file(f"{hname}-rle8-w{width}", header, width, 4, 8, 200 if width == 40 else 16, compression=1)
            palette_file(f"{hname}-rle4-w{width}", header, width, 4, 4, 16, compression=2)
    palette_file("info-rle8-short-table", 40, 9, 3, 8, 5, compression=1)
    palette_file("info-rle4-short-table", 40, 9, 3, 4, 3, compression=2)
    palette_file("info-rle8-top-down", 40, 9, 3, 8, 16, compression=1, top_down=True,
                 rle=rle8_rows(9, 3, lambda x, y: index_of(x, y, 16)))
    palette_file("info-rle8-size-image-zero", 40, 9, 3, 8, 16, compression=1, image_size=0)
    palette_file("info-rle8-size-image-large", 40, 9, 3, 8, 16, compression=1, image_size=5000)
    palette_file("info-rle8-size-image-small", 40, 9, 3, 8, 16, compression=1, image_size=6)
    palette_file("info-rle8-on-4-bits", 40, 9, 3, 4, 16, compression=1)
    palette_file("info-rle4-on-8-bits", 40, 9, 3, 8, 16, compression=2)
    palette_file("info-rle8-on-24-bits", 40, 9, 3, 24, 16, compression=1,
                 rle=rle8_rows(9, 3, lambda x, y: index_of(x, y, 16)))

    def rle(name, bits, width, height, data, colours=16, **kw):
        palette_file(name, 40, width, height, bits, colours, compression=1 if bits == 8 else 2, rle=bytes(data), **kw)

    # Skipped pixels: by a delta, an early end of line, an early end of bitmap.
    rle("rle8-delta", 8, 8, 4, [2, 5, 0, 2, 3, 1, 2, 7, 0, 0, 8, 9, 0, 1])
    rle("rle8-delta-right-only", 8, 8, 2, [1, 3, 0, 2, 4, 0, 3, 6, 0, 0, 8, 2, 0, 1])
    rle("rle8-early-end-of-line", 8, 6, 3, [2, 4, 0, 0, 6, 5, 0, 0, 1, 7, 0, 0, 0, 1])
    rle("rle8-early-end-of-bitmap", 8, 6, 4, [6, 3, 3, 9, 0, 1])
    rle("rle8-end-of-bitmap-first", 8, 5, 2, [0, 1])
    rle("rle8-empty-data", 8, 5, 2, [])
    rle("rle8-no-end-of-bitmap", 8, 4, 2, [4, 1, 0, 0, 4, 2, 0, 0])
    rle("rle8-no-end-of-bitmap-mid-row", 8, 4, 2, [4, 1, 0, 0, 2, 2])
    rle("rle8-cut-in-absolute-run", 8, 6, 2, [6, 1, 0, 0, 0, 6, 1, 2, 3])
    rle("rle8-cut-after-escape", 8, 6, 2, [6, 1, 0, 0, 0])
    rle("rle8-cut-in-delta", 8, 6, 2, [2, 1, 0, 2, 1])
    rle("rle8-run-past-row", 8, 5, 3, [9, 4, 0, 0, 3, 2, 0, 0, 0, 1])
    rle("rle8-run-past-row-no-eol", 8, 5, 3, [9, 4, 3, 2, 4, 6, 0, 1])
    rle("rle8-absolute-past-row", 8, 4, 2, [0, 6, 1, 2, 3, 4, 5, 6, 0, 0, 4, 7, 0, 1])
    rle("rle8-run-past-picture", 8, 4, 2, [4, 1, 0, 0, 4, 2, 0, 0, 4, 3, 0, 0, 9, 9, 0, 1])
    rle("rle8-rows-past-picture", 8, 3, 2, [3, 1, 0, 0, 3, 2, 0, 0, 3, 3, 0, 0, 3, 4, 0, 0, 0, 1])
    rle("rle8-delta-past-right", 8, 6, 3, [2, 1, 0, 2, 9, 0, 2, 3, 0, 0, 6, 4, 0, 1])
    rle("rle8-delta-past-top", 8, 6, 3, [2, 1, 0, 2, 0, 7, 2, 3, 0, 1])
    rle("rle8-delta-to-last-row", 8, 6, 3, [2, 1, 0, 2, 1, 2, 3, 5, 0, 1])
    rle("rle8-delta-then-end-of-line", 8, 6, 3, [1, 1, 0, 2, 2, 0, 0, 0, 6, 2, 0, 1])
    rle("rle8-zero-length-runs", 8, 4, 2, [0, 5, 4, 6, 0, 0, 0, 3, 4, 8, 0, 1])
    rle("rle8-absolute-two", 8, 4, 1, [0, 2, 3, 4, 0, 2, 5, 6, 0, 1])
    rle("rle8-indices-past-table", 8, 4, 2, [2, 200, 2, 3, 0, 0, 0, 4, 1, 250, 2, 9, 0, 1], colours=10)
    rle("rle8-bytes-after-end", 8, 3, 1, [3, 2, 0, 1, 3, 5, 7, 7])
    rle("rle4-delta", 4, 8, 4, [3, 0x12, 0, 2, 3, 1, 2, 0x77, 0, 0, 8, 0x9A, 0, 1])
    rle("rle4-early-end-of-line", 4, 7, 3, [3, 0x45, 0, 0, 7, 0x56, 0, 0, 0, 1])
    rle("rle4-early-end-of-bitmap", 4, 7, 3, [7, 0x31, 3, 0x9F, 0, 1])
    rle("rle4-odd-absolute", 4, 7, 2, [0, 5, 0x12, 0x34, 0x50, 0, 2, 0x66, 0, 0, 0, 3, 0xAB, 0xC0, 4, 0x12, 0, 1])
    rle("rle4-absolute-padding", 4, 8, 1, [0, 3, 0x12, 0x30, 0, 4, 0x45, 0x67, 0, 1])
    rle("rle4-run-past-row", 4, 5, 2, [9, 0x12, 0, 0, 3, 0x34, 0, 1])
    rle("rle4-absolute-past-row", 4, 4, 2, [0, 7, 0x12, 0x34, 0x56, 0x70, 0, 0, 4, 0x77, 0, 1])
    rle("rle4-cut-in-absolute-run", 4, 6, 2, [6, 0x11, 0, 0, 0, 6, 0x12])
    rle("rle4-no-end-of-bitmap", 4, 4, 2, [4, 0x12, 0, 0, 4, 0x21, 0, 0])
    rle("rle4-delta-past-picture", 4, 6, 3, [2, 0x11, 0, 2, 1, 5, 2, 0x33, 0, 1])
    rle("rle4-indices-past-table", 4, 6, 1, [6, 0x3E, 0, 1], colours=4)

    # ---- headers nobody writes, and broken files
    px = raw_rows(3, 2, 24, lambda x, y: x * 0x405060 + y)
    for size in (16, 44, 64, 100, 200):
        put(f"header-size-{size}", bmp_file(info_header(size, 3, 2, 24, 0, len(px), 0), b"", px))
    put("os2-2x-header-8", bmp_file(info_header(64, 4, 2, 8, 0, 8, 0), table(256), raw_rows(4, 2, 8, lambda x, y: x * 9 + y)))
    put("planes-2", bmp_file(info_header(40, 3, 2, 24, 0, len(px), 0)[:12] + b"\2\0" + info_header(40, 3, 2, 24, 0, len(px), 0)[14:], b"", px))
    for bits in (0, 2, 7, 48):
        put(f"bits-{bits}", bmp_file(info_header(40, 3, 2, bits, 0, len(px), 0), b"", px))
    put("width-zero", bmp_file(info_header(40, 0, 2, 24, 0, len(px), 0), b"", px))
    put("height-zero", bmp_file(info_header(40, 3, 0, 24, 0, len(px), 0), b"", px))
    put("width-negative", bmp_file(info_header(40, -3, 2, 24, 0, len(px), 0), b"", px))
    put("huge", bmp_file(info_header(40, 30000, 30000, 24, 0, len(px), 0), b"", px))
    put("compression-7", bmp_file(info_header(40, 3, 2, 24, 7, len(px), 0), b"", px))
    put("compression-jpeg", bmp_file(info_header(40, 3, 2, 0, 4, len(px), 0), b"", px))
    put("compression-png", bmp_file(info_header(40, 3, 2, 0, 5, len(px), 0), b"", px))
    put("not-bm", b"MB" + bmp_file(info_header(40, 3, 2, 24, 0, len(px), 0), b"", px)[2:])
    put("file-header-only", bmp_file(b"", b"", b"")[:14])
    whole = bmp_file(info_header(40, 3, 2, 24, 0, len(px), 0), b"", px)
    put("cut-in-header", whole[:30])
    put("cut-in-pixels", whole[:-7])
    put("last-row-unpadded", whole[:-2])
    put("offset-past-end", bmp_file(info_header(40, 3, 2, 24, 0, len(px), 0), b"", px, offset=4000))
    put("offset-in-header", bmp_file(info_header(40, 3, 2, 24, 0, len(px), 0), b"", px, offset=30)[:30 + len(px)])
    put("offset-zero", bmp_file(info_header(40, 3, 2, 24, 0, len(px), 0), b"", px, offset=0))
    put("offset-after-gap", bmp_file(info_header(40, 3, 2, 24, 0, len(px), 0), b"", px, offset=70))
    put("file-size-wrong", bmp_file(info_header(40, 3, 2, 24, 0, len(px), 0), b"", px, file_size=3))
    pal8 = raw_rows(4, 2, 8, lambda x, y: x + y)
    put("table-cut-short", bmp_file(info_header(40, 4, 2, 8, 0, len(pal8), 200), table(3), b""))
    # Pixels start over the unused end of a table that colors_used says is full.
    put("offset-in-table", bmp_file(info_header(40, 4, 2, 8, 0, len(pal8), 0), table(4), pal8))
    put("core-cut-table", bmp_file(struct.pack("<IHHHH", 12, 4, 2, 1, 8), table(20, 3), b""))

    # ---- what a paint program writes: ImageMagick's convert
    if shutil.which("convert"):
        with tempfile.TemporaryDirectory() as tmp:
            made = {
                "magick-bmp3-rle8": ["-size", "37x11", "gradient:red-blue", "-colors", "20", "-type", "Palette", "BMP3:"],
                "magick-bmp3-rle4": ["-size", "23x9", "plasma:fractal", "-seed", "5", "-colors", "9",
                                     "-type", "Palette", "-compress", "RLE", "BMP3:"],
                "magick-bmp3-pal8": ["-size", "13x6", "gradient:green-yellow", "-colors", "40", "-type", "Palette",
                                     "-compress", "None", "BMP3:"],
                "magick-bmp2-pal8": ["-size", "21x7", "gradient:orange-navy", "-colors", "30", "BMP2:"],
                "magick-bmp2-rgb": ["-size", "9x5", "gradient:orange-navy", "-type", "TrueColor", "BMP2:"],
                "magick-bmp-alpha": ["-size", "11x4", "gradient:#ff000080-#0000ffff", "BMP:"],
                "magick-bmp-rgb": ["-size", "11x4", "gradient:yellow-purple", "-type", "TrueColor", "BMP:"],
                "magick-bmp-bilevel": ["-size", "19x3", "pattern:checkerboard", "-monochrome", "BMP:"],
            }
            for name, args in made.items():
                target = os.path.join(tmp, name + ".bmp")
                *options, prefix = args
                result = subprocess.run(["convert", "-seed", "7", *options, "-define", "bmp:format=auto",
                                         prefix + target], capture_output=True)
                if result.returncode == 0 and os.path.exists(target):
                    with open(target, "rb") as f:
                        put(name, f.read())


write_corpus()
os.makedirs(OUT, exist_ok=True)
for stale in os.listdir(OUT):
    if stale.endswith(".bmp") and stale not in FILES:
        os.remove(os.path.join(OUT, stale))
for name, data in sorted(FILES.items()):
    path = os.path.join(OUT, name)
    try:
        with open(path, "rb") as f:
            if f.read() == data:
                continue
    except OSError:
        pass
    with open(path, "wb") as f:
        f.write(data)
print(f"{len(FILES)} bitmap files in {OUT}")
