#!/usr/bin/env python3
"""Writes the small pictures that the menu and picture-button tests compile into their
resource files. Each picture has distinct colours per area, so a test reading pixels back
can tell which picture, which corner and whether it was scaled. Run it from anywhere; the
files it writes are committed beside the tests."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def bmp(width, height, pixel):
    """A 24-bit bottom-up BMP file; pixel(x, y) gives (r, g, b) with y = 0 at the top."""
    row_size = (width * 3 + 3) & ~3
    rows = []
    for y in reversed(range(height)):
        row = b"".join(bytes((b, g, r)) for r, g, b in (pixel(x, y) for x in range(width)))
        rows.append(row + b"\0" * (row_size - len(row)))
    data = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return head + info + data


def ico(size, pixel):
    """A one-image ICO file (32-bit colour, opaque) of size x size pixels."""
    xor = b"".join(
        b"".join(bytes((b, g, r, 255)) for r, g, b in (pixel(x, y) for x in range(size)))
        for y in reversed(range(size)))
    mask_row = ((size + 31) // 32) * 4
    and_mask = b"\0" * (mask_row * size)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(and_mask),
                       0, 0, 0, 0)
    image = info + xor + and_mask
    head = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 6 + 16)
    return head + entry + image


def quadrants(width, height, colours):
    """Four areas split at half width and half height: top-left, top-right, bottom-left,
    bottom-right."""
    def pixel(x, y):
        return colours[(2 if y >= height // 2 else 0) + (1 if x >= width // 2 else 0)]
    return pixel


RED, GREEN, BLUE, WHITE = (255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255)
YELLOW, CYAN, MAGENTA, BLACK = (255, 255, 0), (0, 255, 255), (255, 0, 255), (0, 0, 0)

FILES = {
    "menu/menu_picture.bmp": bmp(20, 12, quadrants(20, 12, [RED, GREEN, BLUE, WHITE])),
    "menu/menu_mark.bmp": bmp(13, 13, quadrants(13, 13, [YELLOW, CYAN, MAGENTA, BLACK])),
    "controls/picbutton_normal.bmp": bmp(64, 32, quadrants(64, 32, [RED, GREEN, BLUE, WHITE])),
    "controls/picbutton_pressed.bmp":
        bmp(64, 32, quadrants(64, 32, [YELLOW, CYAN, MAGENTA, BLACK])),
    "controls/picbutton_icon.ico": ico(32, quadrants(32, 32, [GREEN, RED, WHITE, BLUE])),
}

if __name__ == "__main__":
    for name, content in FILES.items():
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(content)
