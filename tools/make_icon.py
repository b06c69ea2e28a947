#!/usr/bin/env python3
"""Writes app/copy_icon.ico: Vindrulen's icon, one 32 x 32 image in 16 colours.

Two sheets of paper, the front one overlapping the back one: a copy.
Run it again after changing the picture; the .ico is committed.
"""
import struct
import sys

# The 16-colour palette of the classic VGA order (blue, green, red, reserved).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]  # (r, g, b)
BLACK, NAVY, GREY, WHITE, BLUE = 0, 4, 8, 15, 12
TRANSPARENT = None


def picture():
    px = [[TRANSPARENT] * 32 for _ in range(32)]

    def sheet(left, top, right, bottom, fill, lines):
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                edge = x in (left, right) or y in (top, bottom)
                px[y][x] = BLACK if edge else fill
        if lines:
            for y in range(top + 4, bottom - 2, 3):
                for x in range(left + 3, right - 2):
                    px[y][x] = lines
        # the folded corner
        for i in range(5):
            for x in range(right - 4 + i, right + 1):
                px[top + i][x] = TRANSPARENT
            px[top + i][right - 4 + i] = BLACK
        for x in range(right - 4, right + 1):
            px[top + 4][x] = BLACK

    sheet(3, 2, 20, 25, WHITE, GREY)      # the original behind
    sheet(11, 7, 28, 30, WHITE, BLUE)     # the copy in front
    return px


def ico(px):
    xor = bytearray()
    mask = bytearray()
    for y in range(31, -1, -1):  # bottom-up rows
        row = px[y]
        for x in range(0, 32, 2):
            a = row[x] if row[x] is not None else 0
            b = row[x + 1] if row[x + 1] is not None else 0
            xor.append((a << 4) | b)
        bits = 0
        for x in range(32):
            bits = (bits << 1) | (1 if row[x] is None else 0)
        mask += struct.pack(">I", bits)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "app/copy_icon.ico"
    with open(out, "wb") as f:
        f.write(ico(picture()))
