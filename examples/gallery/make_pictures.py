#!/usr/bin/env python3
"""Writes the pictures that the gallery shows, beside this script (24-bit bitmaps and one
32 x 32 icon). Run it again after changing a picture; the generated files are committed.

gallery_picture.bmp  48 x 32  a colour gradient with a dark diagonal (bitmaps, picture button)
gallery_swatch.bmp    4 x 4   one solid colour (stretched on the drawing page)
gallery_normal.bmp   96 x 28  owner-drawn button, released: light face, dark rim
gallery_pressed.bmp  96 x 28  owner-drawn button, pressed: dark face, light rim
gallery_tool1..4.bmp 16 x 15  toolbar images: a square, a disc, a cross, a triangle
gallery_menu.bmp     48 x 16  a menu item made of a picture: three coloured bars
gallery_mark.bmp     13 x 13  a check mark beside a menu item
gallery.ico          32 x 32  a sun on blue, transparent corners
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SWATCH = (0x20, 0x90, 0xD0)  # red, green, blue; the end-to-end test looks for this colour


def rows(width, height, pixel):
    """Bottom-up rows of 24-bit blue-green-red pixels, each padded to four bytes."""
    out = b""
    for y in reversed(range(height)):
        row = b"".join(bytes((b, g, r)) for r, g, b in (pixel(x, y) for x in range(width)))
        out += row + b"\0" * ((4 - len(row) % 4) % 4)
    return out


def info(width, height, size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, size, 2835, 2835, 0, 0)


def bitmap(name, width, height, pixel):
    data = rows(width, height, pixel)
    head = info(width, height, len(data))
    offset = 14 + len(head)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset) + head + data)


def icon(name, size, pixel, transparent):
    xor = rows(size, size, lambda x, y: (0, 0, 0) if transparent(x, y) else pixel(x, y))
    mask = b""
    for y in reversed(range(size)):
        bits = 0
        for x in range(size):
            if transparent(x, y):
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)
    image = info(size, 2 * size, len(xor) + len(mask)) + xor + mask
    head = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 1, 24,
                                                      len(image), 6 + 16)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(head + image)


def button(face, rim):
    return lambda x, y: rim if x < 2 or y < 2 or x > 93 or y > 25 else face


def inside(x, y, cx, cy, r):
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


WHITE, GREY = (255, 255, 255), (192, 192, 192)
TOOLS = {
    "gallery_tool1.bmp": lambda x, y: (200, 40, 40) if 3 <= x <= 12 and 3 <= y <= 11 else GREY,
    "gallery_tool2.bmp": lambda x, y: (40, 150, 40) if inside(x, y, 7.5, 7, 5.5) else GREY,
    "gallery_tool3.bmp": lambda x, y: (40, 40, 200) if abs(x - y) < 2 or abs(x + y - 14) < 2
    else GREY,
    "gallery_tool4.bmp": lambda x, y: (220, 160, 0) if y >= 2 and abs(x - 7.5) <= (y - 2) * 0.6
    else GREY,
}

if __name__ == "__main__":
    bitmap("gallery_picture.bmp", 48, 32,
           lambda x, y: (30, 30, 30) if abs(x - y * 1.5) < 2 else (x * 5, 80 + y * 5, 255 - x * 5))
    bitmap("gallery_swatch.bmp", 4, 4, lambda x, y: SWATCH)
    bitmap("gallery_normal.bmp", 96, 28, button((220, 230, 250), (40, 60, 120)))
    bitmap("gallery_pressed.bmp", 96, 28, button((40, 60, 120), (220, 230, 250)))
    for tool, pixel in TOOLS.items():
        bitmap(tool, 16, 15, pixel)
    bars = [(200, 40, 40), (40, 150, 40), (40, 40, 200)]
    bitmap("gallery_menu.bmp", 48, 16, lambda x, y: bars[x // 16] if 3 <= y <= 12 else WHITE)
    bitmap("gallery_mark.bmp", 13, 13,
           lambda x, y: (0, 120, 0) if (x < 5 and abs(y - (x + 6)) < 2)
           or (x >= 4 and abs(y - (14 - x)) < 2) else WHITE)
    icon("gallery.ico", 32,
         lambda x, y: (255, 210, 0) if inside(x, y, 15.5, 15.5, 8) else (40, 90, 200),
         lambda x, y: not inside(x, y, 15.5, 15.5, 15))
