#!/usr/bin/env python3
"""Decodes the PNG that host_png_test.cpp writes and checks every pixel.

Usage: check_png.py FILE. Exits 0 when the file is a valid PNG (CRCs,
zlib stream, filter bytes) holding exactly the expected picture.
"""
import struct
import sys
import zlib

WIDTH, HEIGHT = 301, 233


def expected(x, y):
    if y == 200 and 10 <= x < 290:
        return (0, 0, 0)
    if y < 120:
        return (255, 0, 0) if x < 150 else (0, 255, 0)
    return (0, 0, 255) if x < 150 else (18, 52, 86)


def main(path):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        return "bad signature"
    at = 8
    chunks = []
    while at < len(data):
        (length,) = struct.unpack(">I", data[at:at + 4])
        kind = data[at + 4:at + 8]
        body = data[at + 8:at + 8 + length]
        (crc,) = struct.unpack(">I", data[at + 8 + length:at + 12 + length])
        if zlib.crc32(kind + body) & 0xFFFFFFFF != crc:
            return "bad CRC in %r" % kind
        chunks.append((kind, body))
        at += 12 + length
    if [k for k, _ in chunks] != [b"IHDR", b"IDAT", b"IEND"]:
        return "unexpected chunks %r" % [k for k, _ in chunks]
    width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", chunks[0][1])
    if (width, height, depth, colour, interlace) != (WIDTH, HEIGHT, 8, 2, 0):
        return "unexpected header %r" % ((width, height, depth, colour, interlace),)
    raw = zlib.decompress(chunks[1][1])
    stride = 1 + 3 * width
    if len(raw) != stride * height:
        return "image data is %d bytes, not %d" % (len(raw), stride * height)
    for y in range(height):
        row = raw[y * stride:(y + 1) * stride]
        if row[0] != 0:
            return "row %d has filter %d" % (y, row[0])
        for x in range(width):
            pixel = tuple(row[1 + 3 * x:4 + 3 * x])
            if pixel != expected(x, y):
                return "pixel (%d, %d) is %r, not %r" % (x, y, pixel, expected(x, y))
    return None


if __name__ == "__main__":
    error = main(sys.argv[1])
    if error:
        print(error)
        sys.exit(1)
    print("PNG decoded and matches")
