#!/usr/bin/env python3
"""Writes the toolbar test bitmaps: 16 x 15 pixels (the toolbar's default image size),
24 bits per pixel, each one solid colour so that a test can tell the images apart by a
pixel. Run it from this folder; the generated files are committed beside it."""
import struct

W, H = 16, 15
COLOURS = {  # file name: (red, green, blue)
    "toolbar_red.bmp": (0xFF, 0x00, 0x00),
    "toolbar_green.bmp": (0x00, 0xFF, 0x00),
    "toolbar_blue.bmp": (0x00, 0x00, 0xFF),
    "toolbar_yellow.bmp": (0xFF, 0xFF, 0x00),
}


def bitmap(red, green, blue):
    row = bytes((blue, green, red)) * W
    row += b"\0" * ((4 - len(row) % 4) % 4)  # rows are padded to 4 bytes
    pixels = row * H
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + pixels


for name, (r, g, b) in COLOURS.items():
    with open(name, "wb") as f:
        f.write(bitmap(r, g, b))
