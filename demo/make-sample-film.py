#!/usr/bin/env python3
"""Writes the demo package's sample film: data that is the same on every run
and packs only a little, so that inflating it takes the installer a few
seconds and its progress bar can be seen.

    make-sample-film.py OUTPUT [SIZE]

OUTPUT "-" is standard output.  SIZE in bytes, a multiple of 4096; the
default is 160 MiB: some two seconds of inflating under wine on a current
machine.

Every 4096-byte block is 3584 bytes of a SHAKE-256 stream (which no
compressor shrinks) followed by a run of one byte.  Pure noise would pack
larger than it is, and nvxpack refuses a packed file that grows by more than
one block; the runs keep the packed file some 12% smaller.
"""
import hashlib
import sys

BLOCK = 4096
NOISE = 3584
DEFAULT_SIZE = 160 * 1024 * 1024
# Blocks per generated chunk: bounds the memory used, whatever SIZE is.
CHUNK_BLOCKS = 1024


def chunk(index, blocks):
    """Blocks [index * CHUNK_BLOCKS, ... + blocks) of the film."""
    noise = hashlib.shake_256(b"Nuvex demo film %d" % index).digest(NOISE * blocks)
    out = bytearray()
    for b in range(blocks):
        number = index * CHUNK_BLOCKS + b
        out += noise[b * NOISE:(b + 1) * NOISE]
        out += bytes([number & 0xFF]) * (BLOCK - NOISE)
    return out


def write_film(stream, size):
    blocks = size // BLOCK
    index = 0
    while blocks > 0:
        count = min(blocks, CHUNK_BLOCKS)
        stream.write(chunk(index, count))
        blocks -= count
        index += 1


def main(argv):
    if len(argv) not in (2, 3):
        sys.stderr.write("usage: make-sample-film.py OUTPUT [SIZE]\n")
        return 2
    size = int(argv[2]) if len(argv) == 3 else DEFAULT_SIZE
    if size <= 0 or size % BLOCK:
        sys.stderr.write("make-sample-film: SIZE must be a positive multiple of %d\n" % BLOCK)
        return 2
    if argv[1] == "-":
        write_film(sys.stdout.buffer, size)
    else:
        with open(argv[1], "wb") as stream:
            write_film(stream, size)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
