#!/usr/bin/env python3
"""Writes the test pictures of the drawing tests beside this script:
pictures_test.bmp  12 x 7, 24 bits, every pixel its own colour (see Colour below);
pictures_test.ico  32 x 32, 24 bits, left half red, right half blue, the top-left
                   8 x 8 corner transparent.
Run it again after changing the pictures; the files are committed."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
WIDTH, HEIGHT = 12, 7


def colour(x, y):
    """Red, green, blue of bitmap pixel (x, y), counted from the top-left corner."""
    return (x * 20, y * 30, 100 + x + 3 * y)


def rows_24(width, height, pixel):
    """Bottom-up rows of 24-bit BGR pixels, each padded to four bytes."""
    out = b""
    for y in reversed(range(height)):
        row = b"".join(bytes((b, g, r)) for r, g, b in (pixel(x, y) for x in range(width)))
        out += row + b"\0" * ((4 - len(row) % 4) % 4)
    return out


def info_header(width, height, size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, size, 2835, 2835, 0, 0)


def bitmap():
    pixels = rows_24(WIDTH, HEIGHT, colour)
    header = info_header(WIDTH, HEIGHT, len(pixels))
    offset = 14 + len(header)
    return b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset) + header + pixels


def icon():
    size = 32

    def transparent(x, y):
        return x < 8 and y < 8

    def pixel(x, y):
        # Under a set mask bit the colour is combined with the background by exclusive or:
        # black leaves the background as it is.
        if transparent(x, y):
            return (0, 0, 0)
        return (255, 0, 0) if x < size // 2 else (0, 0, 255)

    xor = rows_24(size, size, pixel)
    mask = b""
    for y in reversed(range(size)):
        bits = 0
        for x in range(size):
            if transparent(x, y):
                bits |= 1 << (31 - x)  # a set mask bit lets the background show
        mask += struct.pack(">I", bits)
    image = info_header(size, 2 * size, len(xor) + len(mask)) + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, 1, 24, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    with open(os.path.join(HERE, "pictures_test.bmp"), "wb") as f:
        f.write(bitmap())
    with open(os.path.join(HERE, "pictures_test.ico"), "wb") as f:
        f.write(icon())
