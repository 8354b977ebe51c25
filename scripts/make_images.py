#!/usr/bin/env python3
"""Draws the program's icons and bitmaps into OUTDIR (run by the build).

The images are drawn from simple shapes so that they stay crisp at 16 x 16
and 24 x 24 and need no image files in the repository.
"""
import struct
import sys
from pathlib import Path


class Canvas:
    def __init__(self, w, h, bg=None):
        self.w, self.h = w, h
        self.px = [[bg for _ in range(w)] for _ in range(h)]  # (r, g, b) or None

    def rect(self, x0, y0, x1, y1, c):
        """Filled rectangle, inclusive-exclusive like Win32 RECTs."""
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                self.px[y][x] = c

    def frame(self, x0, y0, x1, y1, c):
        self.rect(x0, y0, x1, y0 + 1, c)
        self.rect(x0, y1 - 1, x1, y1, c)
        self.rect(x0, y0, x0 + 1, y1, c)
        self.rect(x1 - 1, y0, x1, y1, c)

    def dot(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c


BLUE = (0, 84, 166)
LIGHTBLUE = (96, 160, 224)
WHITE = (255, 255, 255)
GREY = (192, 192, 192)
DARK = (64, 64, 64)
BLACK = (0, 0, 0)
GREEN = (0, 128, 0)
RED = (192, 0, 0)
YELLOW = (255, 208, 64)
BROWN = (140, 90, 40)


def dialog_glyph(c, s):
    """A small dialog window: title bar, body, an edit line and a button."""
    u = max(1, s // 16)
    c.rect(0, 1 * u, s, s - 1 * u, WHITE)
    c.frame(0, 1 * u, s, s - 1 * u, DARK)
    c.rect(1, 1 * u + 1, s - 1, 4 * u + 1, BLUE)
    c.rect(2 * u, 6 * u, s - 2 * u, 8 * u, GREY)
    c.frame(2 * u, 6 * u, s - 2 * u, 8 * u, DARK)
    c.rect(s - 7 * u, 10 * u, s - 2 * u, 13 * u, GREY)
    c.frame(s - 7 * u, 10 * u, s - 2 * u, 13 * u, DARK)


def wren_glyph(c, s):
    """The wren perched on the dialog's corner: a round brown bird, tail up."""
    u = max(1, s // 16)
    for y in range(s):
        for x in range(s):
            dx, dy = x - 5 * u, y - 11 * u
            if dx * dx + dy * dy <= (3 * u) ** 2:
                c.dot(x, y, BROWN)
    c.rect(1 * u, 6 * u, 2 * u + 1, 10 * u, BROWN)  # tail
    c.dot(7 * u, 10 * u, BLACK)  # eye
    c.dot(8 * u, 11 * u, YELLOW)  # beak


def ico_bytes(images):
    """ICO with 32-bit images (AND mask from transparency)."""
    head = struct.pack("<HHH", 0, 1, len(images))
    entries, blobs = b"", b""
    offset = 6 + 16 * len(images)
    for c in images:
        xor = b""
        for y in range(c.h - 1, -1, -1):
            for x in range(c.w):
                p = c.px[y][x]
                xor += bytes([p[2], p[1], p[0], 255]) if p else b"\0\0\0\0"
        row = ((c.w + 31) // 32) * 4
        mask = b""
        for y in range(c.h - 1, -1, -1):
            bits = bytearray(row)
            for x in range(c.w):
                if c.px[y][x] is None:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bytes(bits)
        bih = struct.pack("<IiiHHIIiiII", 40, c.w, c.h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        blob = bih + xor + mask
        entries += struct.pack("<BBBBHHII", c.w % 256, c.h % 256, 0, 0, 1, 32, len(blob), offset)
        blobs += blob
        offset += len(blob)
    return head + entries + blobs


def bmp_bytes(c, key=(192, 192, 192)):
    """24-bit BMP; transparent pixels become the toolbar's button-face grey."""
    row = (c.w * 3 + 3) & ~3
    data = b""
    for y in range(c.h - 1, -1, -1):
        line = b"".join(bytes([p[2], p[1], p[0]]) if p else bytes([key[2], key[1], key[0]])
                        for p in c.px[y])
        data += line + b"\0" * (row - len(line))
    head = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 54)
    bih = struct.pack("<IiiHHIIiiII", 40, c.w, c.h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return head + bih + data


def main_icon(s):
    c = Canvas(s, s)
    dialog_glyph(c, s)
    wren_glyph(c, s)
    return c


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    (out / "wrenkit.ico").write_bytes(ico_bytes([main_icon(32), main_icon(16)]))
    dlg = [Canvas(s, s) for s in (32, 16)]
    for c in dlg:
        dialog_glyph(c, c.w)
    (out / "dialog.ico").write_bytes(ico_bytes(dlg))


if __name__ == "__main__":
    main()
