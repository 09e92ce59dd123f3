#!/usr/bin/env python3
"""Writes TestPicture.jpg beside this script: 24 x 16 pixels in six flat
8 x 8 blocks (red, green, blue / white, black, orange), a baseline JPEG with
4:4:4 sampling.  Every block is one colour, so only the DC coefficients are
coded and a decoder gives the colours back within a step or two."""
import os

BLOCKS = [[(255, 0, 0), (0, 255, 0), (0, 0, 255)],
          [(255, 255, 255), (0, 0, 0), (255, 128, 0)]]
WIDTH, HEIGHT = 8 * len(BLOCKS[0]), 8 * len(BLOCKS)

# The usual DC table: code lengths 2..9 for the categories 0..11.
DC_COUNTS = [0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0]
DC_SYMBOLS = list(range(12))
# Only the end of block is ever coded among the AC coefficients.
AC_COUNTS = [1] + [0] * 15
AC_SYMBOLS = [0x00]


def canonical_codes(counts, symbols):
    codes, code, k = {}, 0, 0
    for length, count in enumerate(counts, 1):
        for _ in range(count):
            codes[symbols[k]] = (code, length)
            code += 1
            k += 1
        code <<= 1
    return codes


def ycbcr(r, g, b):
    clamp = lambda v: max(0, min(255, int(round(v))))
    return (clamp(0.299 * r + 0.587 * g + 0.114 * b),
            clamp(-0.168736 * r - 0.331264 * g + 0.5 * b + 128),
            clamp(0.5 * r - 0.418688 * g - 0.081312 * b + 128))


class BitWriter:
    def __init__(self):
        self.out, self.acc, self.n = bytearray(), 0, 0

    def put(self, value, length):
        for i in range(length - 1, -1, -1):
            self.acc = (self.acc << 1) | ((value >> i) & 1)
            self.n += 1
            if self.n == 8:
                self.out.append(self.acc)
                if self.acc == 0xFF:
                    self.out.append(0x00)  # stuffing
                self.acc, self.n = 0, 0

    def flush(self):
        while self.n:
            self.put(1, 1)
        return bytes(self.out)


def segment(marker, payload):
    return bytes([0xFF, marker]) + (len(payload) + 2).to_bytes(2, 'big') + payload


def main():
    dc, ac = canonical_codes(DC_COUNTS, DC_SYMBOLS), canonical_codes(AC_COUNTS, AC_SYMBOLS)
    bits, previous = BitWriter(), [0, 0, 0]
    for row in BLOCKS:
        for colour in row:
            for c, sample in enumerate(ycbcr(*colour)):
                # A flat block's DC coefficient is 8 x (sample - 128); all quantisers are 1.
                value = 8 * (sample - 128)
                diff, previous[c] = value - previous[c], value
                category = abs(diff).bit_length()
                bits.put(*dc[category])
                if category:
                    bits.put(diff if diff > 0 else diff + (1 << category) - 1, category)
                bits.put(*ac[0x00])
    data = b'\xFF\xD8'
    data += segment(0xE0, b'JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00')
    data += segment(0xDB, b'\x00' + bytes([1] * 64))
    data += segment(0xC0, bytes([8]) + HEIGHT.to_bytes(2, 'big') + WIDTH.to_bytes(2, 'big') +
                    bytes([3, 1, 0x11, 0, 2, 0x11, 0, 3, 0x11, 0]))
    data += segment(0xC4, b'\x00' + bytes(DC_COUNTS) + bytes(DC_SYMBOLS) +
                    b'\x10' + bytes(AC_COUNTS) + bytes(AC_SYMBOLS))
    data += segment(0xDA, bytes([3, 1, 0x00, 2, 0x00, 3, 0x00, 0, 63, 0]))
    data += bits.flush() + b'\xFF\xD9'
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), 'TestPicture.jpg'), 'wb') as f:
        f.write(data)


if __name__ == '__main__':
    main()
