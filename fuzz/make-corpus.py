#!/usr/bin/env python3
"""Writes the seed corpus of every fuzz target into fuzz/corpus/<target>/.

Every seed is made here from scratch (the JPEG seeds with ImageMagick's
convert), except the form seeds, which are the program's own descriptions
(resources/forms) and a small one.  Run it again after a format changes:
    fuzz/make-corpus.py
"""
import os
import shutil
import struct
import subprocess
import tempfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)


def put(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("latin-1"))


# ---- package index ----------------------------------------------------------

def field(text):
    raw = text.encode("latin-1")
    return raw + b"\0" * (261 - len(raw))


def record(source, packed, kind, target, action):
    return field(source) + bytes([packed, kind]) + field(target) + bytes([action]) + b"\0" * 261


def index(count, records, header=b"NVX\x01\x00"):
    return header + struct.pack("<i", count) + b"".join(records)


R1 = record("NuvexPlayer.exe", 1, 0, "\\NuvexPlayer.exe", 0)
R2 = record("NuvexFilter.ax", 1, 2, "\\NuvexFilter.ax", 1)
R3 = record("ReadMe.txt", 0, 4, "NuvexPlayer-ReadMe.txt", 2)
put("index", "empty-count", index(0, []))
put("index", "three", index(3, [R1, R2, R3]))
put("index", "repeated-name", index(2, [R1, R1]))
put("index", "short", index(2, [R1]))
put("index", "negative-count", index(-1, [R1]))
put("index", "checksum", index(1, [R1[:525] + b"NVX-CRC\x01" + struct.pack("<IQ", 0x12345678, 4096)
                                  + struct.pack("<I", zlib.crc32(b"NVX-CRC\x01" + struct.pack("<I", 0x12345678) + struct.pack("<Q", 4096)))
                                  + b"\0" * 237]))
put("index", "full-field", index(1, [b"A" * 261 + bytes([0, 255]) + b"B" * 261 + bytes([9]) + b"C" * 261]))

# ---- extraction -------------------------------------------------------------

put("extract", "text", zlib.compress(b"Nuvex Player\r\n" * 40, 9))
put("extract", "empty", zlib.compress(b"", 9))
put("extract", "pieces", zlib.compress(bytes(range(256)) * 40, 1))  # more than two 4096-byte pieces
put("extract", "stored", zlib.compress(os.urandom(0) + bytes((i * 7919) & 255 for i in range(5000)), 0))
put("extract", "truncated", zlib.compress(b"abc" * 3000, 9)[:-9])

# ---- profile files ----------------------------------------------------------

put("ini", "plain", "Top=1\r\n[SkinInfo]\r\nName=Moss\r\nNuvexFilmPlayerVersion=200\r\n"
    "[Numbers]\nHex=$FF\nC=0x7fffffff\nNeg=-12\nBig=99999999999\nFlag=1\n")
put("ini", "quotes", "[ Quoted ]\n  Key = \"  spaced  \"  \nOther='x'\nHalf=\"x\nNo equals\n[]\nE=\n[a]b]\nK=v ; c\n")
put("ini", "utf8-bom", "\xef\xbb\xbf[S]\nK=v\r\x1a")
put("ini", "utf16-le", "\xff\xfe" + "".join(c + "\0" for c in "[S]\r\nK=v\r\nL=\xe9\r\n"))
put("ini", "utf16-be", "\xfe\xff" + "".join("\0" + c for c in "[S]\nK=v\n"))
put("ini", "long-value", "[S]\nK=\"" + "v" * 2047 + "\"\nL=" + "w" * 2100 + "\n")

# ---- bitmaps ----------------------------------------------------------------


def bmp(width, height, bits, pixels, palette=b"", compression=0, masks=b"", top_down=False, header_size=40):
    info = struct.pack("<IiiHHIIiiII", header_size, width, -height if top_down else height, 1, bits,
                       compression, len(pixels), 2835, 2835, len(palette) // 4, 0)
    info += b"\0" * (header_size - 40)
    offset = 14 + len(info) + len(masks) + len(palette)
    return b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset) + info + masks + palette + pixels


def rows(width, height, bits, value):
    stride = ((width * bits + 31) // 32) * 4
    return b"".join(bytes((value(x, y) for x in range(stride))) for y in range(height))


GREY = b"".join(bytes([v, v, v, 0]) for v in range(0, 256, 17))
BITMAPS = {
    "rgb24": bmp(5, 3, 24, rows(5, 3, 24, lambda x, y: (x * 40 + y * 9) & 255)),
    "rgb32-top-down": bmp(3, 2, 32, rows(3, 2, 32, lambda x, y: x * 20 + y), top_down=True),
    "pal8": bmp(4, 4, 8, rows(4, 4, 8, lambda x, y: (x + y) % 16), palette=GREY),
    "pal4": bmp(7, 2, 4, rows(7, 2, 4, lambda x, y: 0x1F), palette=GREY),
    "pal1": bmp(9, 2, 1, rows(9, 2, 1, lambda x, y: 0xA5), palette=b"\0\0\0\0\xff\xff\xff\0"),
    "rgb16-565": bmp(3, 2, 16, rows(3, 2, 16, lambda x, y: 0xE0 | x), compression=3,
                     masks=struct.pack("<III", 0xF800, 0x07E0, 0x001F)),
    "rgb16-555": bmp(2, 2, 16, rows(2, 2, 16, lambda x, y: 0x7C)),
    "v5-header": bmp(2, 2, 24, rows(2, 2, 24, lambda x, y: 0x80), header_size=124),
    # RLE8: runs, an absolute run with its padding, end of line, delta, end of bitmap.
    "rle8": bmp(7, 3, 8, bytes([3, 1, 0, 3, 2, 3, 4, 0, 1, 5, 0, 0, 0, 2, 2, 1, 4, 9, 0, 1]),
                palette=GREY, compression=1),
    # RLE4: a run of two indices, an odd absolute run, end of line, a run past the row, no end of bitmap.
    "rle4": bmp(5, 2, 4, bytes([2, 0x12, 0, 3, 0x34, 0x50, 0, 0, 9, 0xAB]), palette=GREY, compression=2),
}
# The 12-byte core header: 16-bit sizes, 3-byte colour table entries.
CORE = struct.pack("<IHHHH", 12, 5, 2, 1, 4) + b"".join(bytes([v, v, v]) for v in range(0, 256, 17))
BITMAPS["core-4"] = (b"BM" + struct.pack("<IHHI", 14 + len(CORE) + 8, 0, 0, 14 + len(CORE)) + CORE
                     + rows(5, 2, 4, lambda x, y: 0x3C))
BITMAPS["core-24"] = (b"BM" + struct.pack("<IHHI", 14 + 12 + 8, 0, 0, 26) + struct.pack("<IHHHH", 12, 2, 1, 1, 24)
                      + bytes([1, 2, 3, 4, 5, 6, 0, 0]))
for name, data in BITMAPS.items():
    put("bmp", name, data)
put("bmp", "packed-dib", BITMAPS["pal8"][14:])

# ---- skins --------------------------------------------------------------------

SKIN = """[SkinInfo]
Name=Fuzz
AuthorName=Fuzz
NuvexFilmPlayerVersion=200

[PlayerControl]
ControlType=RegionedForm
ButtonCount=1
Width=5
Height=3
ButtonImage=Fuzz\\pic.bmp

[PlayerControl.rbPlay]
ControlType=RegionedButton
ButtonCount=4
XCoord=1
YCoord=1
Width=1
Height=3
SplitMode=2
LeftMargin=0
InteriorArea=1
ButtonImage=Fuzz\\pic.bmp

[PlayerControl.laTitle]
ControlType=Label
Color=255 128 0
Alignment=2
Layout=1
"""
SEPARATOR = "\n#BITMAP#\n"
# This seed's label is a skin label with its colour, a definition the engine
# completes, so that the target's completeness check has one to see.
LABELLED = SKIN.replace("ControlType=Label\nColor=255 128 0\n",
                        "ControlType=SkinLabel\nColor=255 128 0\nFontColor=255 128 0\n")
put("skin", "form-button-label", LABELLED + SEPARATOR + BITMAPS["rgb24"].decode("latin-1"))
put("skin", "palette-picture", SKIN.replace("Width=5", "Width=4").replace("Height=3", "Height=4")
    + SEPARATOR + BITMAPS["pal8"].decode("latin-1"))
put("skin", "no-picture", SKIN)
put("skin", "old-version", SKIN.replace("=200", "=199") + SEPARATOR + BITMAPS["pal1"].decode("latin-1"))

# ---- JPEG ---------------------------------------------------------------------

with tempfile.TemporaryDirectory() as tmp:
    variants = {
        "baseline": ["-size", "16x8", "gradient:red-blue", "-quality", "60"],
        "progressive": ["-size", "9x7", "gradient:green-yellow", "-interlace", "Plane", "-quality", "50"],
        "grey": ["-size", "8x8", "gradient:", "-colorspace", "Gray", "-quality", "40"],
        "subsampled": ["-size", "17x5", "gradient:blue-orange", "-rotate", "30", "-sampling-factor", "2x2",
                       "-quality", "30"],
        "cmyk": ["-size", "4x4", "xc:orange", "-colorspace", "CMYK", "-quality", "50"],
        "sampling-444": ["-size", "11x6", "gradient:red-cyan", "-sampling-factor", "1x1", "-quality", "50"],
        "sampling-422": ["-size", "11x6", "gradient:red-cyan", "-sampling-factor", "2x1", "-quality", "50"],
    }
    for name, args in variants.items():
        out = os.path.join(tmp, name + ".jpg")
        subprocess.run(["convert", *args, "-strip", out], check=True)
        with open(out, "rb") as f:
            put("jpeg", name, f.read())
    # Restart markers and YCCK, which convert does not write: our own small libjpeg writer.
    helper = os.path.join(tmp, "jpeg-seed")
    subprocess.run(["cc", "-O1", "-o", helper, os.path.join(HERE, "jpeg-seed.c"), "-ljpeg"], check=True)
    for name in ("restart", "ycck"):
        out = os.path.join(tmp, name + ".jpg")
        subprocess.run([helper, name, out], check=True)
        with open(out, "rb") as f:
            put("jpeg", name, f.read())

# ---- form descriptions --------------------------------------------------------

for name in ("RunInstallForm", "ChooseDirForm", "PlayerControl"):
    with open(os.path.join(ROOT, "resources", "forms", name + ".nfd"), "rb") as f:
        put("form", name, f.read())
put("form", "small", """// every kind of value
TForm Small {
  Left = -8  Top = 0x10  Width = 120  Height = 90
  Caption = "Ma\\x82y \\"form\\" \\\\"
  Color = clBtnFace
  Font.Style = [fsBold, fsItalic]
  TLabel laText { Caption = "x"  Align = alTop  Anchors = [akLeft, akTop] }
  TImage Image { Picture = picture("RunInstallBackground")  AutoSize = true }
  TButton btOk {
    Caption = "OK"  OnClick = btOkClick  TabOrder = 0
    TLabel inner { Left = 1 }
  }
  TRegionedButton rb { Buttons = picture("RunInstallButton")  ButtonCount = 3  ButtonIndex = 1  SplitMode = spHorizontal }
  TMyProgressBar bar { Position = 5  Shape = psFrame }
}
""")
put("form", "regioned", """TRegionedForm Player {
  Left = 10  Top = 20  Width = 120  Height = 90
  BorderStyle = bsNone  Transparent = false  Color = clRed  LeftMargin = 3  ButtonWidth = 7
  SkinManager = SkinManager1
  TRegionedFormSkinData Data { ButtonCount = 2  TopMargin = 1  Transparent = true }
  TRegionedButton rbPlay { Buttons = picture("RunInstallButton")  ButtonCount = 3  SkinManager = SkinManager1 }
  TSkinLabel laTitle { LinkSkinManager = SkinManager1  Caption = "t" }
  TSkinManager SkinManager1 { SkinIndex = 0 }
}
""")

# ---- manifests ----------------------------------------------------------------

with open(os.path.join(ROOT, "demo", "demo.nvm"), "rb") as f:
    put("manifest", "demo", f.read())
put("manifest", "keywords", "\xef\xbb\xbfa\\b.txt PLAIN Windows \\a.txt OPEN\r\n"
    "\"#quoted name\" packed 17 \"C:\\Abs Path\\x\" 255\n\tc/d.bin packed system32 \\d.bin none # note\n")
put("manifest", "errors", "Setup.dat plain destination \\x\nbad\n..\\up packed destination \\y\n"
    "a plain nowhere \\z\n" + "n" * 261 + " plain temp t\nA plain temp t\na plain temp u\n")

# ---- uninstall lists ----------------------------------------------------------

put("uninstall", "demo.lst", "NVX-UNINSTALL 1\r\nself\t\\Uninstall.exe\r\n" + "".join(
    "%d\t%s\r\n" % entry for entry in [
        (0, "\\NuvexPlayer.exe"), (0, "\\NuvexPlayer.chm"), (0, "\\Uninstall.exe"), (0, "\\Uninstall.lst"),
        (0, "\\Samples\\Sample film.bin"), (2, "\\NuvexFilter.ax"), (4, "NuvexPlayer-ReadMe.txt")]))
put("uninstall", "bare-newlines.lst",
    "NVX-UNINSTALL 1\nself\t\\Bin\\Uninstall.exe\n0\t\\Bin\\Uninstall.exe\n255\tE:\\a\tb.txt\n9\tD:\\x.dll")
