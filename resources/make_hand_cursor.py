#!/usr/bin/env python3
"""Draws Jubilo's hand pointer and writes it as a Windows cursor file.

Usage: make_hand_cursor.py OUT.CUR
The picture is the pixel map below: X outline, o fill, blank transparent.
The hot spot is the tip of the index finger.
"""
import struct
import sys

PIXELS = [
    "      XX        ",
    "     XooX       ",
    "     XooX       ",
    "     XooX       ",
    "     XooX       ",
    "     XooXXX     ",
    "     XooXooXXX  ",
    "     XooXooXooXX",
    " XXX XooXooXooXoX",
    " XooXXooooooooXoX",
    " XoooXoooooooooX",
    "  XooXooooooooooX",
    "   XoXoooooooooX",
    "   XoooooooooooX",
    "    XooooooooooX",
    "    XoooooooooX ",
    "     XooooooooX ",
    "     XooooooooX ",
    "      XooooooX  ",
    "      XXXXXXXX  ",
]
HOT_SPOT = (6, 0)
SIZE = 32
COLOURS = {"X": (0, 0, 0, 255), "o": (255, 255, 255, 255)}


def pixel(x, y):
    if y < len(PIXELS) and x < len(PIXELS[y]):
        return COLOURS.get(PIXELS[y][x])
    return None


def cursor_bytes():
    colour_rows = []
    mask_rows = []
    for y in reversed(range(SIZE)):  # bitmaps run bottom-up
        row = bytearray()
        mask = 0
        for x in range(SIZE):
            p = pixel(x, y)
            if p is None:
                row += bytes((0, 0, 0, 0))
                mask |= 1 << (SIZE - 1 - x)
            else:
                r, g, b, a = p
                row += bytes((b, g, r, a))
        colour_rows.append(bytes(row))
        mask_rows.append(struct.pack(">I", mask))
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    image = header + b"".join(colour_rows) + b"".join(mask_rows)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, HOT_SPOT[0], HOT_SPOT[1], len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(cursor_bytes())
