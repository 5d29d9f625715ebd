#!/usr/bin/env python3
"""A screen dump of xwd (24 or 32 bits a pixel, TrueColor) as a PNG: xwd_to_png.py IN.xwd OUT.png"""
import struct
import sys
import zlib

data = open(sys.argv[1], "rb").read()
h = struct.unpack(">25I", data[:100])
header_size, width, height, byte_order, bpp, line = h[0], h[4], h[5], h[7], h[11], h[12]
masks = h[14:17]
ncolors = h[19]
if bpp not in (24, 32):
    sys.exit("expected 24 or 32 bits a pixel, not %d" % bpp)
size = bpp // 8
pixels = data[header_size + 12 * ncolors:]
endian = "little" if byte_order == 0 else "big"


def channel(v, mask):
    shift = (mask & -mask).bit_length() - 1
    return (v & mask) >> shift


rows = bytearray()
for y in range(height):
    rows.append(0)
    row = pixels[y * line:y * line + size * width]
    for x in range(width):
        v = int.from_bytes(row[x * size:(x + 1) * size], endian)
        rows += bytes(channel(v, m) for m in masks)


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
png += chunk(b"IDAT", zlib.compress(bytes(rows), 6)) + chunk(b"IEND", b"")
open(sys.argv[2], "wb").write(png)
