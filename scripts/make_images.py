#!/usr/bin/env python3
"""Draws the program's icons and bitmaps into OUTDIR (run by the build).

The images are drawn from simple shapes so that they stay crisp at 16 x 16
and 24 x 24 and need no image files in the repository.
"""
import math
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


# ---- Toolbar buttons ----------------------------------------------------------
# Every glyph is drawn on a 16-unit grid scaled to the button size, so the
# 16 x 16 and the 24 x 24 strips show the same shapes. The toolbar maps the
# greys 128 and 192, black and white to the system's button colours, so the
# glyphs use near values where they must keep their own colour.

INK = (16, 16, 16)
PAPER = (250, 250, 250)
SHADE = (120, 120, 120)
FACE = (208, 208, 208)
FOLDER = (232, 184, 56)
FOLDERDARK = (160, 112, 16)
STEEL = (70, 110, 170)
GOLD = (250, 200, 40)
PURPLE = (112, 48, 160)
TEAL = (0, 128, 128)

# A 3 x 5 pixel font for the few letters the buttons carry.
FONT3 = {
    "I": ["111", "010", "010", "010", "111"],
    "A": ["010", "101", "111", "101", "101"],
    "P": ["110", "101", "110", "100", "100"],
    "7": ["111", "001", "010", "010", "010"],
    "D": ["110", "101", "101", "101", "110"],
    "1": ["010", "110", "010", "010", "111"],
    "2": ["110", "001", "010", "100", "111"],
    "3": ["110", "001", "010", "001", "110"],
    "?": ["111", "001", "011", "000", "010"],
    "V": ["101", "101", "101", "101", "010"],
    "K": ["101", "101", "110", "101", "101"],
}


class Grid:
    """A Canvas addressed in 16ths of its size."""

    def __init__(self, c):
        self.c, self.k = c, c.w / 16.0

    def p(self, v):
        return int(round(v * self.k))

    def rect(self, x0, y0, x1, y1, col):
        self.c.rect(self.p(x0), self.p(y0), self.p(x1), self.p(y1), col)

    def box(self, x0, y0, x1, y1, fill, edge=INK):
        """Filled rectangle with a one-pixel edge."""
        X0, Y0, X1, Y1 = self.p(x0), self.p(y0), self.p(x1), self.p(y1)
        if fill:
            self.c.rect(X0, Y0, X1, Y1, fill)
        self.c.frame(X0, Y0, X1, Y1, edge)

    def hline(self, x0, x1, y, col):
        Y = self.p(y)
        self.c.rect(self.p(x0), Y, self.p(x1), Y + 1, col)

    def line(self, x0, y0, x1, y1, col, w=1):
        X0, Y0, X1, Y1 = self.p(x0), self.p(y0), self.p(x1), self.p(y1)
        n = max(abs(X1 - X0), abs(Y1 - Y0), 1)
        for i in range(n + 1):
            x = X0 + (X1 - X0) * i / n
            y = Y0 + (Y1 - Y0) * i / n
            for d in range(w):
                self.c.dot(int(round(x)) + d, int(round(y)), col)

    def disc(self, cx, cy, r, col, ring=None):
        CX, CY, R = cx * self.k, cy * self.k, r * self.k
        for y in range(self.c.h):
            for x in range(self.c.w):
                d = (x + 0.5 - CX) ** 2 + (y + 0.5 - CY) ** 2
                if d <= R * R:
                    inner = ring is not None and d > (R - 1.2) ** 2
                    self.c.dot(x, y, ring if inner else col)

    def text(self, x, y, s, col):
        """FONT3 letters; one font pixel per grid unit (2 pixels at 24 x 24)."""
        step = max(1, int(round(self.k)))
        X, Y = self.p(x), self.p(y)
        for ch in s:
            for r, row in enumerate(FONT3[ch]):
                for q, bit in enumerate(row):
                    if bit == "1":
                        self.c.rect(X + q * step, Y + r * step, X + (q + 1) * step, Y + (r + 1) * step, col)
            X += 4 * step


def page(g, x0=3, y0=1, x1=13, y1=15):
    g.box(x0, y0, x1, y1, PAPER)
    g.rect(x1 - 3, y0, x1, y0 + 3, None)
    g.line(x1 - 3, y0, x1 - 1, y0 + 2, INK)
    g.line(x1 - 3, y0, x1 - 3, y0 + 3, INK)
    g.hline(x1 - 3, x1, y0 + 3, INK)


def tb_new(g):
    page(g)
    g.disc(11.5, 11.5, 3.2, GOLD, FOLDERDARK)


def tb_seldlg(g):
    g.box(1, 1, 12, 11, PAPER)
    g.rect(1, 1, 12, 3.5, BLUE)
    g.box(5, 6, 15, 15, PAPER)
    g.rect(5, 6, 15, 8.5, STEEL)
    g.hline(7, 13, 10.5, INK)
    g.hline(7, 12, 12.5, INK)


def tb_open(g):
    g.box(1, 4, 13, 14, FOLDERDARK, FOLDERDARK)
    g.rect(1, 3, 6, 5, FOLDERDARK)
    g.box(3, 7, 15, 14, FOLDER, FOLDERDARK)


def tb_save(g):
    g.box(1, 1, 15, 15, STEEL)
    g.box(4, 1, 12, 7, PAPER)
    g.rect(9, 2, 11, 6, STEEL)
    g.box(4, 10, 12, 15, FACE)


def tb_cut(g):
    g.line(4, 1, 10, 10, INK)
    g.line(12, 1, 6, 10, INK)
    g.disc(4.5, 12, 2.6, PAPER, RED)
    g.disc(11.5, 12, 2.6, PAPER, RED)


def tb_copy(g):
    g.box(1, 1, 10, 12, PAPER)
    g.hline(3, 8, 4, SHADE)
    g.hline(3, 8, 6, SHADE)
    g.box(6, 4, 15, 15, PAPER)
    g.hline(8, 13, 7, INK)
    g.hline(8, 13, 9, INK)
    g.hline(8, 12, 11, INK)


def tb_paste(g):
    g.box(2, 2, 13, 15, FOLDERDARK)
    g.box(5, 1, 10, 4, FACE)
    g.box(7, 6, 15, 15, PAPER)
    g.hline(9, 13, 9, INK)
    g.hline(9, 13, 11, INK)


def tb_props(g):
    g.box(1, 1, 15, 15, PAPER)
    g.rect(1, 1, 15, 4, BLUE)
    for y in (6, 9, 12):
        g.box(3, y, 5, y + 2, PAPER)
        g.hline(7, 13, y + 1, INK)
    g.line(3, 7, 4, 8, GREEN, 1)
    g.line(3, 13, 4, 14, GREEN, 1)


def tb_test(g):
    g.box(1, 1, 15, 15, PAPER)
    g.rect(1, 1, 15, 4, BLUE)
    for i in range(7):
        g.rect(5, 5.5 + i, 5 + (i if i < 4 else 6 - i) * 1.5 + 1, 6.5 + i, GREEN)


def tb_idedit(g):
    g.box(1, 3, 15, 13, PAPER)
    g.text(3.5, 5.5, "ID", INK)


def tb_menu(g):
    g.box(1, 1, 15, 4, FACE)
    g.rect(2, 1.5, 6, 3.5, BLUE)
    g.box(2, 4, 11, 15, PAPER)
    g.rect(3, 5, 10, 7, LIGHTBLUE)
    g.hline(4, 9, 9, INK)
    g.hline(4, 9, 11, INK)
    g.hline(4, 8, 13, INK)


def tb_version(g):
    g.box(2, 2, 14, 14, PAPER, PURPLE)
    g.text(4, 5.5, "V1", PURPLE)


def tb_tabs(g):
    g.text(1, 1, "1", BLUE)
    g.text(6.5, 5.5, "2", BLUE)
    g.text(12, 9.5, "3", BLUE)


def tb_help(g):
    g.disc(8, 8, 7.2, BLUE)
    g.text(6.5, 5.5, "?", PAPER)


def turn_arrow(g, back):
    """An arch over the top with an arrow head pointing down at one end:
    the left end for undo, the right end for redo."""
    for i in range(17):
        a = math.pi * i / 16
        x = 8 + 5 * math.cos(a)
        y = 9 - 6 * math.sin(a)
        g.rect(x - 0.8, y - 0.8, x + 0.8, y + 0.8, STEEL)
    hx = 3 if back else 13
    for k in range(4):
        g.rect(hx - 3 + k * 0.8, 9 + k, hx + 3 - k * 0.8, 10 + k, STEEL)


def tb_undo(g):
    turn_arrow(g, True)


def tb_redo(g):
    turn_arrow(g, False)


TOOLBAR = [tb_new, tb_seldlg, tb_open, tb_save, tb_cut, tb_copy, tb_paste,
           tb_props, tb_test, tb_idedit, tb_menu, tb_version, tb_tabs, tb_help,
           tb_undo, tb_redo]


# ---- Toolbox (bitmap 204): the selection pointer and the 29 control kinds -----

def tool_select(g):
    for i in range(10):
        g.rect(4, 2 + i, 4 + i * 0.6 + 1, 3 + i, INK)
    g.line(7, 10, 10, 15, INK, 2)


def picture(g, x0=2, y0=3, x1=14, y1=13):
    g.box(x0, y0, x1, y1, LIGHTBLUE)
    g.line(x0 + 1, y1 - 2, x0 + 5, y0 + 4, GREEN, 2)
    g.line(x0 + 5, y0 + 4, x1 - 2, y1 - 2, GREEN, 2)
    g.disc(x1 - 3, y0 + 2.5, 1.4, GOLD)


def tool_image(g):
    picture(g)


def tool_image_x(g):
    picture(g, 4, 5, 12, 11)
    for x, y, dx, dy in ((1, 1, 1, 1), (15, 1, -1, 1), (1, 15, 1, -1), (15, 15, -1, -1)):
        g.line(x, y, x + 2 * dx, y + 2 * dy, INK)


def tool_label(g):
    g.text(2, 5.5, "A", INK)
    g.hline(7, 14, 10, INK)
    g.hline(7, 12, 8, SHADE)


def tool_textbox(g):
    g.box(1, 4, 15, 12, PAPER)
    g.rect(3, 6, 4, 10, INK)
    g.hline(6, 12, 9, SHADE)


def tool_frame(g):
    g.box(1, 4, 15, 15, None, SHADE)
    g.rect(3, 2, 10, 6, FACE)
    g.hline(3, 10, 4, INK)


def button(g, x0=1, y0=4, x1=15, y1=12):
    g.box(x0, y0, x1, y1, FACE)
    g.hline(x0 + 1, x1 - 1, y0 + 1, PAPER)
    g.hline(x0 + 1, x1 - 1, y1 - 2, SHADE)


def tool_button(g):
    button(g)
    g.hline(5, 11, 8, INK)


def tool_imgbutton(g):
    button(g, 1, 2, 15, 14)
    picture(g, 4, 5, 12, 11)


def tool_imgbutton_x(g):
    tool_imgbutton(g)
    g.line(12, 12, 15, 15, INK)


def checkbox(g, mark):
    g.box(1, 4, 9, 12, PAPER)
    g.hline(11, 15, 8, INK)
    mark(g)


def tool_check(g):
    checkbox(g, lambda g: (g.line(2, 8, 4, 10, INK), g.line(4, 10, 8, 5, INK)))


def tool_check3(g):
    checkbox(g, lambda g: g.rect(3, 6, 7, 10, SHADE))


def tool_option(g):
    g.disc(5, 8, 4, PAPER, INK)
    g.disc(5, 8, 1.6, INK)
    g.hline(11, 15, 8, INK)


def tool_combo(g):
    g.box(1, 4, 15, 12, PAPER)
    g.rect(10, 5, 14, 11, FACE)
    for i in range(3):
        g.hline(10.5 + i * 0.5, 13.5 - i * 0.5, 7 + i, INK)


def tool_list(g):
    g.box(1, 1, 15, 15, PAPER)
    g.rect(2, 3, 14, 5, LIGHTBLUE)
    for y in (7, 10, 13):
        g.hline(3, 12, y, INK)


def tool_hscroll(g):
    g.box(1, 5, 15, 11, FACE)
    g.box(1, 5, 4, 11, FACE)
    g.box(12, 5, 15, 11, FACE)
    g.rect(6, 6, 9, 10, SHADE)


def tool_vscroll(g):
    g.box(5, 1, 11, 15, FACE)
    g.box(5, 1, 11, 4, FACE)
    g.box(5, 12, 11, 15, FACE)
    g.rect(6, 6, 10, 9, SHADE)


def tool_line(g):
    g.hline(1, 15, 7, SHADE)
    g.hline(1, 15, 8, PAPER)


def tool_updown(g):
    g.box(4, 1, 12, 8, FACE)
    g.box(4, 8, 12, 15, FACE)
    for i in range(3):
        g.hline(8 - i, 9 + i, 3 + i, INK)
        g.hline(8 - i, 9 + i, 12 - i, INK)


def tool_progress(g):
    g.box(1, 5, 15, 11, PAPER)
    for x in (2, 5, 8):
        g.rect(x, 6, x + 2, 10, BLUE)


def tool_slider(g):
    g.hline(1, 15, 8, SHADE)
    g.box(6, 3, 10, 13, FACE)
    for x in (2, 5, 11, 14):
        g.rect(x, 14, x + 0.6, 15.5, INK)


def tool_hotkey(g):
    g.box(1, 4, 15, 12, PAPER)
    g.text(2.5, 5.5, "A", BLUE)
    g.hline(6.5, 9.5, 8, INK)
    g.rect(7.5, 7, 8.5, 10, INK)
    g.text(10.5, 5.5, "P", BLUE)


def tool_listview(g):
    g.box(1, 1, 15, 15, PAPER)
    g.rect(2, 2, 14, 4.5, FACE)
    for y in (6.5, 9.5, 12.5):
        g.rect(3, y, 5, y + 2, TEAL)
        g.hline(6, 13, y + 1, INK)


def tool_treeview(g):
    g.box(1, 1, 15, 15, PAPER)
    g.rect(3, 4, 3.6, 13, SHADE)
    for y in (4, 8.5, 12.5):
        g.hline(3, 6, y, SHADE)
        g.rect(6, y - 1, 8, y + 1, FOLDER)
        g.hline(9, 13, y, INK)


def tool_tab(g):
    g.box(1, 5, 15, 15, FACE)
    g.box(1, 2, 7, 6, FACE)
    g.rect(2, 5, 6, 6, FACE)
    g.box(7, 3, 12, 6, FACE)


def tool_animate(g):
    g.box(1, 3, 15, 13, DARK)
    for x in (2, 5, 8, 11, 14):
        g.rect(x, 4, x + 1, 5, PAPER)
        g.rect(x, 11, x + 1, 12, PAPER)
    g.box(4, 6, 12, 10, GOLD)


def tool_richedit(g):
    g.box(1, 1, 15, 15, PAPER)
    g.hline(3, 13, 4, RED)
    g.hline(3, 11, 7, BLUE)
    g.hline(3, 13, 10, GREEN)
    g.hline(3, 9, 13, INK)


def tool_datetime(g):
    g.box(1, 4, 15, 12, PAPER)
    g.text(2.5, 5.5, "7", INK)
    g.rect(10, 5, 14, 11, FACE)
    g.hline(11, 13, 8, INK)


def tool_monthcal(g):
    g.box(1, 1, 15, 15, PAPER)
    g.rect(2, 2, 14, 5, RED)
    for y in (7, 9.5, 12):
        for x in (3, 6, 9, 12):
            g.rect(x, y, x + 1.4, y + 1.4, INK)


def tool_ipaddress(g):
    g.box(1, 4, 15, 12, PAPER)
    for x in (3, 6.5, 10, 13.5):
        g.rect(x - 1, 7, x, 10, INK)
    for x in (5, 8.5, 12):
        g.rect(x, 10, x + 0.7, 10.7, INK)


def tool_custom(g):
    g.box(2, 2, 14, 14, None, SHADE)
    g.text(3, 5.5, "?", PURPLE)
    g.disc(11, 11, 2.5, GOLD, INK)


TOOLBOX = [tool_select, tool_image, tool_image_x, tool_label, tool_textbox, tool_frame,
           tool_button, tool_imgbutton, tool_imgbutton_x, tool_check, tool_check3,
           tool_option, tool_combo, tool_list, tool_hscroll, tool_vscroll, tool_line,
           tool_updown, tool_progress, tool_slider, tool_hotkey, tool_listview,
           tool_treeview, tool_tab, tool_animate, tool_richedit, tool_datetime,
           tool_monthcal, tool_ipaddress, tool_custom]


def toolbar_strip(s, glyphs=TOOLBAR):
    strip = Canvas(s * len(glyphs), s)
    for i, draw in enumerate(glyphs):
        c = Canvas(s, s)
        draw(Grid(c))
        for y in range(s):
            for x in range(s):
                strip.px[y][i * s + x] = c.px[y][x]
    return strip


def node_keys(g):
    g.box(1, 5, 8, 13, PAPER)
    g.box(8, 5, 15, 13, PAPER)
    g.text(3, 7, "K", INK)
    g.text(10, 7, "A", INK)


# The resource selector's tree: dialog, menu, accelerator table, the node of
# the resources no dialog has. Transparent is magenta there.
SELECTOR = [tb_seldlg, tb_menu, node_keys, tb_open]


# ---- Status bar icons, placeholder picture, animation --------------------------

def position_icon(s):
    """A cross-hair on the dialog's top left corner: where the control stands."""
    c = Canvas(s, s)
    g = Grid(c)
    g.box(4, 4, 15, 15, PAPER, SHADE)
    g.rect(0, 4, 9, 5, INK)
    g.rect(4, 0, 5, 9, INK)
    g.disc(4.5, 4.5, 2, RED)
    return c


def size_icon(s):
    """A box with a diagonal two-headed arrow: how big the control is."""
    c = Canvas(s, s)
    g = Grid(c)
    g.box(1, 1, 15, 15, PAPER, SHADE)
    g.line(4, 4, 12, 12, INK)
    g.line(4, 4, 4, 8, INK)
    g.line(4, 4, 8, 4, INK)
    g.line(12, 12, 12, 8, INK)
    g.line(12, 12, 8, 12, INK)
    return c


def placeholder_picture(w=48, h=32):
    """A framed landscape: an image control that has no picture of its own yet."""
    c = Canvas(w, h, (200, 228, 250))
    for y in range(h):
        for x in range(w):
            if y >= 12 + abs(x - 18) // 1.5:
                c.dot(x, y, (60, 140, 60))
    for y in range(h):
        for x in range(w):
            if (x - 38) ** 2 + (y - 8) ** 2 <= 16:
                c.dot(x, y, GOLD)
    c.rect(0, h - 5, w, h, (40, 110, 40))
    c.frame(0, 0, w, h, SHADE)
    return c


def animation_frames(s=32, n=8):
    """A dialog being designed: its controls appear one by one, then it starts over."""
    frames = []
    for i in range(n):
        c = Canvas(s, s, PAPER)
        g = Grid(c)
        g.box(1, 2, 15, 14, FACE)
        g.rect(1, 2, 15, 4, BLUE)
        parts = [(3, 5.5, 9, 7, PAPER), (3, 8, 9, 9.5, PAPER), (10.5, 5.5, 13.5, 7, SHADE),
                 (10.5, 8, 13.5, 9.5, SHADE), (3, 11, 7, 12.5, GREEN), (8, 11, 12, 12.5, RED)]
        for x0, y0, x1, y1, col in parts[: min(i, len(parts))]:
            g.box(x0, y0, x1, y1, col)
        frames.append(c)
    return frames


def avi_bytes(frames, fps=4):
    """An uncompressed 8-bit AVI, the form an animation control plays itself."""
    w, h = frames[0].w, frames[0].h
    palette = []
    for f in frames:
        for row in f.px:
            for p in row:
                if p not in palette:
                    palette.append(p)
    assert len(palette) <= 256
    index = {p: i for i, p in enumerate(palette)}
    stride = (w + 3) & ~3
    images = []
    for f in frames:
        data = b""
        for y in range(h - 1, -1, -1):
            data += bytes(index[p] for p in f.px[y]) + b"\0" * (stride - w)
        images.append(data)
    size = stride * h

    def chunk(tag, data):
        return tag + struct.pack("<I", len(data)) + data + (b"\0" if len(data) % 2 else b"")

    def lst(kind, data):
        return chunk(b"LIST", kind + data)

    avih = struct.pack("<IIIIIIIIIIIIII", 1000000 // fps, size * fps, 0, 0x10, len(frames), 0, 1,
                       size, w, h, 0, 0, 0, 0)
    strh = struct.pack("<4s4sIHHIIIIIIIIhhhh", b"vids", b"DIB ", 0, 0, 0, 0, 1, fps, 0,
                       len(frames), size, 0xFFFFFFFF, 0, 0, 0, w, h)
    bih = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, size, 0, 0, len(palette), 0)
    pal = b"".join(bytes([p[2], p[1], p[0], 0]) for p in palette)
    hdrl = lst(b"hdrl", chunk(b"avih", avih) + lst(b"strl", chunk(b"strh", strh) + chunk(b"strf", bih + pal)))
    movi_items, idx, offset = b"", b"", 4
    for data in images:
        idx += struct.pack("<4sIII", b"00db", 0x10, offset, len(data))
        item = chunk(b"00db", data)
        movi_items += item
        offset += len(item)
    body = b"AVI " + hdrl + lst(b"movi", movi_items) + chunk(b"idx1", idx)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    (out / "wrenkit.ico").write_bytes(ico_bytes([main_icon(32), main_icon(16)]))
    dlg = [Canvas(s, s) for s in (32, 16)]
    for c in dlg:
        dialog_glyph(c, c.w)
    (out / "dialog.ico").write_bytes(ico_bytes(dlg))
    (out / "toolbar16.bmp").write_bytes(bmp_bytes(toolbar_strip(16)))
    (out / "toolbar24.bmp").write_bytes(bmp_bytes(toolbar_strip(24)))
    (out / "toolbox.bmp").write_bytes(bmp_bytes(toolbar_strip(16, TOOLBOX)))
    (out / "selector.bmp").write_bytes(bmp_bytes(toolbar_strip(16, SELECTOR), (255, 0, 255)))
    (out / "statuspos.ico").write_bytes(ico_bytes([position_icon(16)]))
    (out / "statussize.ico").write_bytes(ico_bytes([size_icon(16)]))
    (out / "placeholder.bmp").write_bytes(bmp_bytes(placeholder_picture()))
    (out / "designing.avi").write_bytes(avi_bytes(animation_frames()))


if __name__ == "__main__":
    main()
