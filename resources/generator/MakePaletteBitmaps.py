#!/usr/bin/env python3
"""Draws the designer palette pictures (resources/palette/*.bmp): one 24 x 24
bitmap per registered component class, 16 colours at 4 bits per pixel, the form
a component palette expects. As with the palette of any classic designer, the
colour of the lower-left pixel (fuchsia here, used nowhere else) stands for
transparency.

The pictures are set pixel by pixel in the classic 16-colour palette, like the
PNG pictures MakePictures.cpp draws, and written as plain BMP by hand so that
nothing beyond Python 3 is needed. Run it by hand after changing a picture and
commit the bitmaps it writes:

    python3 resources/generator/MakePaletteBitmaps.py resources/palette
"""

import os
import struct
import sys

SIZE = 24

# The classic 16-colour palette in its usual order, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
K, M, Gn, O, N, P, T, S, G, R, L, Y, B, F, A, W = range(16)
CLEAR = F  # the transparent colour; no picture draws with it


class Pic:
    """A 24 x 24 grid of palette indices; w x h always means the pixels covered,
    outline included."""

    def __init__(self):
        self.px = [[CLEAR] * SIZE for _ in range(SIZE)]

    def dot(self, x, y, c):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.px[y][x] = c

    def fill(self, x, y, w, h, c):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                self.dot(xx, yy, c)

    def box(self, x, y, w, h, fill, line=K):
        self.fill(x, y, w, h, fill)
        self.hline(x, x + w - 1, y, line)
        self.hline(x, x + w - 1, y + h - 1, line)
        self.vline(x, y, y + h - 1, line)
        self.vline(x + w - 1, y, y + h - 1, line)

    def hline(self, x1, x2, y, c):
        for x in range(min(x1, x2), max(x1, x2) + 1):
            self.dot(x, y, c)

    def vline(self, x, y1, y2, c):
        for y in range(min(y1, y2), max(y1, y2) + 1):
            self.dot(x, y, c)

    def line(self, x1, y1, x2, y2, c):
        """Bresenham, both ends included."""
        dx, dy = abs(x2 - x1), -abs(y2 - y1)
        sx, sy = (1 if x1 < x2 else -1), (1 if y1 < y2 else -1)
        err = dx + dy
        while True:
            self.dot(x1, y1, c)
            if x1 == x2 and y1 == y2:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x1 += sx
            if e2 <= dx:
                err += dx
                y1 += sy

    @staticmethod
    def _inside(x, y, ex, ey, ew, eh):
        rx, ry = ew / 2, eh / 2
        cx, cy = ex + rx, ey + ry
        return ((x + 0.5 - cx) / rx) ** 2 + ((y + 0.5 - cy) / ry) ** 2 <= 1.0

    def ellipse(self, x, y, w, h, fill, line=K, lower_outline_only=False):
        """An ellipse in the w x h pixels at (x, y); its outline is every inner
        pixel with a neighbour outside. With lower_outline_only the upper half of
        the outline is left out (the far edge of a cylinder's band)."""
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                if not self._inside(xx, yy, x, y, w, h):
                    continue
                edge = any(not self._inside(xx + dx, yy + dy, x, y, w, h)
                           for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                if lower_outline_only:
                    if edge and yy + 0.5 > y + h / 2:
                        self.dot(xx, yy, line)
                else:
                    self.dot(xx, yy, line if edge else fill)


def table_box(d, x, y, w, h):
    """A box of the diagram: a window with a caption bar and rows."""
    d.box(x, y, w, h, W)
    d.fill(x + 1, y + 1, w - 2, 2, N)
    for ry in range(y + 4, y + h - 1, 2):
        d.hline(x + 2, x + w - 3, ry, G)


def cylinder(d, x, y, w, h, side, top, bands):
    """A database drum: a side in `side` with `bands` rings, a lid in `top`."""
    e = 6  # height of the ellipses
    d.ellipse(x, y + h - e, w, e, side)
    d.fill(x, y + e // 2, w, h - e, side)
    d.vline(x, y + e // 2, y + h - e // 2 - 1, K)
    d.vline(x + w - 1, y + e // 2, y + h - e // 2 - 1, K)
    for i in range(1, bands + 1):
        by = y + (h - e) * i // (bands + 1)
        d.ellipse(x, by, w, e, side, K, lower_outline_only=True)
    d.ellipse(x, y, w, e, top)


def design_area():
    """The pane: two boxes on a white area, a row of one linked to a row of the other."""
    d = Pic()
    d.box(0, 1, 24, 22, W, G)
    table_box(d, 2, 3, 9, 9)
    table_box(d, 13, 12, 9, 9)
    d.hline(11, 12, 7, K)       # from the second row of the first box...
    d.vline(12, 7, 16, K)
    d.fill(11, 15, 3, 3, K)     # ...to the second row of the other, with its end mark
    return d


def builder_dialog():
    """The builder: a dialog window with SQL text and a magnifier over it."""
    d = Pic()
    d.box(0, 1, 24, 22, S)
    d.fill(1, 2, 22, 3, N)
    d.box(19, 2, 3, 3, S)       # the close button
    d.box(2, 6, 14, 15, W, G)   # the SQL page
    for y, (x1, x2) in zip(range(8, 20, 2), ((4, 10), (5, 13), (4, 9), (5, 12), (4, 11), (5, 8))):
        d.hline(x1, x2, y, N if y % 4 == 0 else K)
    d.ellipse(11, 8, 9, 9, A)   # the lens
    d.dot(13, 10, W)
    d.dot(14, 10, W)
    d.dot(13, 11, W)
    for i in range(4):          # the handle, two pixels thick
        d.dot(18 + i, 15 + i, O)
        d.dot(19 + i, 15 + i, K)
        d.dot(18 + i, 16 + i, K)
    return d


def custom_engine():
    """The engine that answers through events: a database with a plug on its lead."""
    d = Pic()
    cylinder(d, 1, 2, 14, 20, T, A, 2)
    d.hline(15, 16, 13, K)      # the lead
    d.box(16, 10, 4, 7, S)      # the plug body
    d.vline(17, 11, 15, W)
    d.hline(20, 22, 11, K)      # its pins
    d.hline(20, 22, 15, K)
    return d


def sql_engine():
    """The engine on a real database: a database with a table of rows in front."""
    d = Pic()
    cylinder(d, 1, 1, 14, 20, O, Y, 1)
    d.box(9, 11, 14, 12, W)
    d.fill(10, 12, 12, 2, N)
    for y in (16, 19):
        d.hline(10, 21, y, G)
    for x in (13, 17):
        d.vline(x, 14, 21, G)
    return d


PICTURES = [
    ("TSCHEMADESIGNAREA", design_area),
    ("TSQLBUILDERDIALOG", builder_dialog),
    ("TSCHEMACUSTOMDATAENGINE", custom_engine),
    ("TSCHEMABDEDATAENGINE", sql_engine),
]


def bmp_bytes(pic):
    """The picture as a BMP file: BITMAPFILEHEADER, BITMAPINFOHEADER, the
    16-entry palette (blue, green, red, 0), then the rows bottom-up, two pixels
    a byte with the left one in the high nibble, each row padded to 4 bytes."""
    row_bytes = (SIZE * 4 + 31) // 32 * 4
    pixels = bytearray()
    for y in reversed(range(SIZE)):
        row = pic.px[y]
        packed = bytearray((row[x] << 4) | row[x + 1] for x in range(0, SIZE, 2))
        pixels += packed + bytes(row_bytes - len(packed))
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 4, 0, len(pixels), 2835, 2835, 16, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + palette + bytes(pixels)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: MakePaletteBitmaps.py <output folder>\n")
        return 2
    os.makedirs(argv[1], exist_ok=True)
    for name, draw in PICTURES:
        with open(os.path.join(argv[1], name + ".bmp"), "wb") as out:
            out.write(bmp_bytes(draw()))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
