#!/usr/bin/env python3
"""Writes window_ops_test.ico: one 32 x 32 icon in 16 colours (a red square with a
blue border on a transparent ground) for the window icon tests. Run it from this folder;
the generated file is committed beside it."""
import struct

W = H = 32
palette = [(0, 0, 0), (0, 0, 0x80), (0, 0x80, 0), (0, 0x80, 0x80), (0x80, 0, 0),
           (0x80, 0, 0x80), (0x80, 0x80, 0), (0xC0, 0xC0, 0xC0), (0x80, 0x80, 0x80),
           (0, 0, 0xFF), (0, 0xFF, 0), (0, 0xFF, 0xFF), (0xFF, 0, 0), (0xFF, 0, 0xFF),
           (0xFF, 0xFF, 0), (0xFF, 0xFF, 0xFF)]  # (blue, green, red), as the file stores them
RED, BLUE = 9, 12  # indexes into the palette above


def pixel(x, y):
    if not (4 <= x < 28 and 4 <= y < 28):
        return None  # transparent
    if x in (4, 27) or y in (4, 27):
        return BLUE
    return RED


xor = bytearray()
mask = bytearray()
for y in reversed(range(H)):  # bottom-up rows
    row = bytearray()
    for x in range(0, W, 2):
        a, b = pixel(x, y) or 0, pixel(x + 1, y) or 0
        row.append(a << 4 | b)
    xor += row
    bits = 0
    for x in range(W):
        bits = bits << 1 | (1 if pixel(x, y) is None else 0)
    mask += struct.pack(">I", bits)

header = struct.pack("<IiiHHIIiiII", 40, W, 2 * H, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
pal = b"".join(struct.pack("BBBB", b, g, r, 0) for (b, g, r) in palette)
image = header + pal + bytes(xor) + bytes(mask)
icondir = struct.pack("<HHH", 0, 1, 1)
entry = struct.pack("<BBBBHHII", W, H, 16, 0, 1, 4, len(image), 6 + 16)
with open("window_ops_test.ico", "wb") as f:
    f.write(icondir + entry + image)
