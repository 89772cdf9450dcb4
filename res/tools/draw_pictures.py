#!/usr/bin/env python3
"""Draws the menu pictures of BrocadeRes.dll in the five icon sets, at 16, 20, 24 and 32 pixels.

    draw_pictures.py <commands.txt> <output folder> [--preview sheet.png]

Every picture named in the second column of commands.txt, and CHECKMARK, is drawn from the
shape table PICTURES below in each set's palette and style, and written as
"<NAME>_I.ico" (bdDefault) or "<NAME>_<3|B|O|P>.bmp" with the set's key colour where the
picture is transparent. The shapes are designed on a 16-pixel grid; the larger drawings, for
high-DPI screens, sample the same shapes more finely and add "_<pixels>" to the name
("SAVE_3_24.bmp"). pictures.rc, listing them all as named resources, goes beside them.
--preview also writes one PNG sheet of the 16-pixel ones, for looking at."""
import math
import struct
import sys
import zlib
from pathlib import Path

DESIGN = 16  # the grid the shapes are given on
SIZES = (16, 20, 24, 32)
SIZE = DESIGN  # the size being drawn
UNIT = 1.0     # design units per pixel drawn

# --- Icon sets ------------------------------------------------------------------------------


def mix(color, other, weight):
    """weight of other in the result."""
    return tuple(round(c + (o - c) * weight) for c, o in zip(color, other))


def scale(color, factor):
    return tuple(min(255, round(c * factor)) for c in color)


WHITE = (255, 255, 255)


class IconSet:
    """A palette (colour per role) and a style: how a fill shades across its shape and which
    colour outlines it."""

    def __init__(self, suffix, key, palette, shade, edge):
        self.suffix, self.key, self.palette = suffix, key, palette
        self._shade, self._edge = shade, edge

    def fill(self, role, tx, ty):
        return self._shade(self.palette[role], tx, ty)

    def edge(self, role):
        return self._edge(self.palette[role])


ROLES = ("paper", "ink", "folder", "disk", "label", "metal", "glass", "accent", "spark",
         "danger", "window", "board", "book", "check", "green")


def palette(*colors):
    assert len(colors) == len(ROLES)
    return dict(zip(ROLES, colors))


ICON_SETS = [
    # bdDefault: classic bright icons, flat colours, black outlines.
    IconSet("I", None,
            palette((255, 255, 255), (0, 0, 128), (255, 255, 0), (0, 0, 160), (255, 255, 255),
                    (192, 192, 192), (0, 255, 255), (0, 0, 255), (255, 255, 0), (255, 0, 0),
                    (0, 0, 128), (128, 64, 0), (128, 0, 0), (0, 0, 0), (0, 128, 0)),
            shade=lambda c, tx, ty: c,
            edge=lambda c: (0, 0, 0)),
    # bdOffice2003: soft blues and oranges, lit from above, outlined in a darker tone of the fill.
    IconSet("3", (255, 0, 255),
            palette((248, 250, 255), (60, 90, 160), (255, 200, 90), (80, 130, 210), (240, 244, 252),
                    (180, 192, 214), (205, 228, 255), (240, 140, 30), (255, 190, 50), (215, 55, 40),
                    (70, 120, 210), (205, 145, 70), (70, 120, 205), (40, 70, 140), (70, 160, 60)),
            shade=lambda c, tx, ty: mix(mix(c, WHITE, 0.55), scale(c, 0.8), ty),
            edge=lambda c: mix(scale(c, 0.5), (0, 40, 110), 0.3)),
    # bdSkyline: blues and cyans, a cyan sky light on top, navy outlines.
    IconSet("B", (255, 255, 0),
            palette((232, 247, 255), (0, 80, 160), (60, 170, 230), (20, 95, 195), (220, 245, 255),
                    (140, 180, 215), (175, 238, 255), (0, 190, 235), (110, 225, 255), (0, 70, 170),
                    (0, 115, 205), (70, 140, 200), (0, 90, 180), (0, 80, 175), (0, 160, 200)),
            shade=lambda c, tx, ty: mix(mix(c, (210, 250, 255), 0.55), scale(c, 0.8), ty),
            edge=lambda c: (0, 45, 110)),
    # bdSunrise: oranges, reds and gold, glowing gold at the top left and red at the bottom right.
    IconSet("O", (255, 255, 0),
            palette((255, 247, 228), (170, 55, 0), (255, 185, 40), (215, 75, 20), (255, 240, 200),
                    (215, 165, 95), (255, 228, 150), (230, 70, 20), (255, 205, 0), (185, 20, 20),
                    (225, 95, 25), (195, 105, 35), (190, 45, 20), (175, 45, 0), (235, 150, 0)),
            shade=lambda c, tx, ty: mix(mix(c, (255, 225, 110), 0.5), mix(c, (190, 30, 0), 0.3),
                                        (tx + ty) / 2),
            edge=lambda c: (110, 30, 0)),
    # bdSnowflakes: whites, ice blues and silver, frosted white at the top, slate outlines.
    IconSet("P", (255, 255, 0),
            palette((255, 255, 255), (120, 150, 190), (215, 232, 248), (165, 195, 230),
                    (250, 252, 255), (195, 202, 214), (240, 250, 255), (125, 180, 230),
                    (200, 230, 255), (140, 165, 205), (150, 190, 230), (190, 200, 215),
                    (160, 190, 225), (85, 115, 165), (150, 200, 230)),
            shade=lambda c, tx, ty: mix(mix(c, WHITE, 0.7), c, ty),
            edge=lambda c: (105, 125, 155)),
]

# --- Masks: sets of pixels, from shapes in continuous coordinates (pixel x spans x..x+1) ------


def cells():
    return ((x, y) for y in range(SIZE) for x in range(SIZE))


def centres():
    """Each pixel drawn, with its centre in design units."""
    return ((x, y, (x + 0.5) * UNIT, (y + 0.5) * UNIT) for x, y in cells())


def grid(design_cells):
    """The pixels drawn whose centres lie in the given cells of the 16-pixel design grid."""
    return {(x, y) for x, y, px, py in centres() if (int(px), int(py)) in design_cells}


def rect(x0, y0, x1, y1):
    return {(x, y) for x, y, px, py in centres() if x0 <= px <= x1 and y0 <= py <= y1}


def polygon(points):
    def inside(px, py):
        hit = False
        for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
            if (ay > py) != (by > py) and px < ax + (py - ay) * (bx - ax) / (by - ay):
                hit = not hit
        return hit
    return {(x, y) for x, y, px, py in centres() if inside(px, py)}


def disc(cx, cy, r):
    return {(x, y) for x, y, px, py in centres() if (px - cx) ** 2 + (py - cy) ** 2 <= r * r}


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0 if length2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length2))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def stroke(points, width):
    """A polyline of the given width."""
    return {(x, y) for x, y, px, py in centres()
            if any(segment_distance(px, py, *a, *b) <= width / 2 - 1e-6
                   for a, b in zip(points, points[1:]))}


def arc(cx, cy, r, start, end, width):
    """Angles in degrees, counter-clockwise on screen from the positive x axis."""
    low, high = min(start, end), max(start, end)

    def on_arc(px, py):
        angle = math.degrees(math.atan2(cy - py, px - cx))
        for turn in (-360, 0, 360):
            if low <= angle + turn <= high:
                return abs(math.hypot(px - cx, py - cy) - r) <= width / 2
        return False
    return {(x, y) for x, y, px, py in centres() if on_arc(px, py)}


def arrow_head(tip_x, tip_y, dx, dy, length, half_width):
    nx, ny = -dy, dx
    bx, by = tip_x - dx * length, tip_y - dy * length
    return polygon([(tip_x, tip_y), (bx + nx * half_width, by + ny * half_width),
                    (bx - nx * half_width, by - ny * half_width)])


def glyph(x0, y0, rows):
    return grid({(x0 + x, y0 + y) for y, row in enumerate(rows) for x, c in enumerate(row) if c == "#"})


def outline_of(mask):
    """The pixels of a mask that touch its outside."""
    return {(x, y) for x, y in mask
            if any((x + dx, y + dy) not in mask for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))}


def ring_around(mask):
    """The pixels just outside a mask."""
    return {(x + dx, y + dy) for x, y in mask for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))
            if 0 <= x + dx < SIZE and 0 <= y + dy < SIZE} - mask


# --- Painting ---------------------------------------------------------------------------------

LETTERS = {
    "B": ["#######.", "###..###", "###..###", "###..###", "#######.",
          "###..###", "###..###", "###..###", "###..###", "#######."],
    "I": ["..######", ".....##.", "....###.", "....##..", "...###..",
          "...##...", "..###...", "..##....", ".###....", "######.."],
    "U": ["###..###", "###..###", "###..###", "###..###", "###..###",
          "###..###", "###..###", ".######."],
    "A": ["...##...", "..####..", "..#..#..", ".##..##.", ".######.",
          "##....##", "##....##", "##....##"],
    "a": [".##.", "...#", ".###", "#..#", ".###"],
    "b": ["#...", "#...", "###.", "#..#", "###."],
    "ABC": [".#..##...##", "#.#.#.#.#..", "###.##..#..", "#.#.#.#.#..", "#.#.##...##"],
    "?": [".####.", "##..##", "....##", "...##.", "..##..", "..##..", "......", "..##.."],
    "i": ["##", "..", "##", "##", "##", "##", "##"],
}


class Painter:
    """Draws the shapes of one picture in one icon set onto a 16 x 16 canvas."""

    def __init__(self, icon_set):
        self.set = icon_set
        self.pixels = {}

    # Layers: a mask filled with a role, shaded over its own extent, optionally outlined.
    def paint(self, mask, role, outline="inside"):
        if not mask:
            return
        xs = [x for x, _ in mask]
        ys = [y for _, y in mask]
        x0, y0 = min(xs), min(ys)
        w, h = max(1, max(xs) - x0), max(1, max(ys) - y0)
        for x, y in mask:
            self.pixels[(x, y)] = self.set.fill(role, (x - x0) / w, (y - y0) / h)
        if outline == "inside":
            edge = outline_of(mask)
        elif outline == "outside":
            edge = ring_around(mask)
        else:
            edge = set()
        for cell in edge:
            self.pixels[cell] = self.set.edge(role)

    def flat(self, mask, role):
        color = self.set.fill(role, 0.5, 0.5)
        for cell in mask:
            self.pixels[cell] = color

    def clear(self, mask):
        for cell in mask:
            self.pixels.pop(cell, None)

    # Composite shapes used by the table ------------------------------------------------------
    def page(self, x0, y0, x1, y1, lines=True):
        fold = 3.5
        self.paint(polygon([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)]),
                   "paper")
        self.flat(stroke([(x1 - fold + 0.5, y0 + 0.5), (x1 - fold + 0.5, y0 + fold - 0.5),
                          (x1 - 0.5, y0 + fold - 0.5)], 1), "metal")
        if lines:
            for y in range(int(y0) + 4, int(y1) - 2, 2):
                self.flat(rect(x0 + 2, y, x1 - 2, y + 1), "ink")

    def folder(self, x0, y0, x1, y1, opened=False):
        self.paint(polygon([(x0, y0), (x0 + 5, y0), (x0 + 6, y0 + 1.5), (x1, y0 + 1.5),
                            (x1, y1), (x0, y1)]), "folder")
        if opened:
            self.paint(polygon([(x0 + 3, y0 + 4.5), (x1 + 1.5, y0 + 4.5), (x1 - 1, y1),
                                (x0, y1)]), "folder")

    def disk(self, x0, y0, x1, y1):
        w, h = x1 - x0, y1 - y0
        self.paint(polygon([(x0, y0), (x1 - 1.5, y0), (x1, y0 + 1.5), (x1, y1), (x0, y1)]), "disk")
        self.paint(rect(x0 + 2, y0, x1 - 2, y0 + h * 0.5), "label")
        self.paint(rect(x0 + 3, y1 - h * 0.38, x1 - 3, y1), "metal")
        self.flat(rect(x0 + w * 0.58, y1 - h * 0.3, x0 + w * 0.58 + 1.5, y1 - 1), "disk")

    def spark(self, cx, cy):
        self.paint(polygon([(cx, cy - 3.5), (cx + 1, cy - 1), (cx + 3.5, cy), (cx + 1, cy + 1),
                            (cx, cy + 3.5), (cx - 1, cy + 1), (cx - 3.5, cy), (cx - 1, cy - 1)]),
                   "spark", outline="outside")

    def pencil(self, x0, y0, x1, y1):
        """From its top end (x0, y0) to the point (x1, y1)."""
        length = math.hypot(x1 - x0, y1 - y0)
        dx, dy = (x1 - x0) / length, (y1 - y0) / length
        bx, by = x1 - dx * 3, y1 - dy * 3
        self.paint(stroke([(x0 + dx * 2, y0 + dy * 2), (bx, by)], 3.2), "spark")
        self.paint(stroke([(x0, y0), (x0 + dx * 1.5, y0 + dy * 1.5)], 3.2), "danger")
        self.paint(arrow_head(x1, y1, dx, dy, 3.2, 1.7), "paper")
        self.flat(stroke([(x1 - dx * 0.8, y1 - dy * 0.8), (x1 - dx * 0.7, y1 - dy * 0.7)], 1.2), "ink")

    def magnifier(self, cx, cy, r, hx, hy, sign=None):
        self.paint(stroke([(cx + r * 0.6, cy + r * 0.6), (hx, hy)], 2.9), "ink", outline=None)
        self.paint(disc(cx, cy, r), "glass")
        self.flat(grid({(int(cx - r * 0.45), int(cy - r * 0.45))}), "paper")
        if sign:
            self.flat(rect(cx - r + 1.6, cy - 0.5, cx + r - 1.6, cy + 0.5), "ink")
            if sign == "+":
                self.flat(rect(cx - 0.5, cy - r + 1.6, cx + 0.5, cy + r - 1.6), "ink")

    def cross(self, x0, y0, x1, y1, width=2.6):
        self.paint(stroke([(x0, y0), (x1, y1)], width) | stroke([(x1, y0), (x0, y1)], width),
                   "danger", outline="outside")

    def window(self, x0, y0, x1, y1):
        self.paint(rect(x0, y0, x1, y1), "paper")
        self.paint(rect(x0, y0, x1, y0 + 3), "window")

    def arrow(self, x0, y0, x1, y1, role="accent"):
        """A straight arrow from (x0, y0) to its point at (x1, y1)."""
        length = math.hypot(x1 - x0, y1 - y0)
        dx, dy = (x1 - x0) / length, (y1 - y0) / length
        self.paint(stroke([(x0, y0), (x1 - dx * 3, y1 - dy * 3)], 2.4)
                   | arrow_head(x1, y1, dx, dy, 4, 3.2), role, outline="outside")

    def curved_arrow(self, cx, cy, r, start, end, role="accent"):
        """An arc from angle start to angle end with its point at the end."""
        travel = 1 if end > start else -1
        a = math.radians(end)
        ex, ey = cx + r * math.cos(a), cy - r * math.sin(a)
        dx, dy = -math.sin(a) * travel, -math.cos(a) * travel
        head = arrow_head(ex + dx * 3, ey + dy * 3, dx, dy, 4.6, 3.6)
        self.paint(arc(cx, cy, r, start, end, 2) | head, role, outline="outside")

    def printer(self):
        self.paint(rect(4, 1, 12, 7), "paper")
        self.paint(rect(1, 6, 15, 12), "metal")
        self.flat(rect(3, 10, 13, 11), "ink")
        self.flat(grid({(12, 7)}), "green")
        self.paint(rect(4, 10, 12, 15), "paper")
        self.flat(rect(5.5, 12, 10.5, 13), "ink")

    def clipboard(self, x0, y0, x1, y1):
        self.paint(rect(x0, y0 + 1, x1, y1), "board")
        self.paint(rect(x0 + 2, y0 + 3, x1 - 2, y1 - 1), "paper")
        for y in range(int(y0) + 6, int(y1) - 2, 2):
            self.flat(rect(x0 + 3.5, y, x1 - 3.5, y + 1), "ink")
        self.paint(rect(x0 + 3.5, y0, x1 - 3.5, y0 + 3), "metal")

    def scissors(self):
        self.paint(stroke([(4.5, 1), (10.5, 10)], 1.8) | stroke([(11.5, 1), (5.5, 10)], 1.8), "metal",
                   outline="outside")
        for cx in (4.5, 11.5):
            self.paint(disc(cx, 12.5, 3) - disc(cx, 12.5, 1.3), "danger", outline=None)
        self.flat(grid({(7, 6), (8, 6)}), "ink")

    def envelope(self, x0, y0, x1, y1):
        self.paint(rect(x0, y0, x1, y1), "paper")
        self.flat(stroke([(x0 + 0.5, y0 + 0.5), ((x0 + x1) / 2, (y0 + y1) / 2 + 0.5),
                          (x1 - 0.5, y0 + 0.5)], 1), "ink")

    def gear(self, cx, cy, r):
        def on_tooth(px, py):
            for k in range(8):
                ux, uy = math.cos(k * math.pi / 4), math.sin(k * math.pi / 4)
                along, across = px * ux + py * uy, abs(px * uy - py * ux)
                if 0 < along <= r and across <= r * 0.2 + 0.2:
                    return True
            return False
        teeth = {(x, y) for x, y, px, py in centres() if on_tooth(px - cx, py - cy)}
        self.paint(teeth | disc(cx, cy, r * 0.7), "metal")
        self.clear(disc(cx, cy, r * 0.28))

    def book(self, x0, y0, x1, y1):
        self.paint(rect(x1 - 2.5, y0 + 1, x1, y1 - 0.5), "paper")
        self.paint(rect(x0, y0, x1 - 1.5, y1), "book")
        self.flat(rect(x0 + 1.5, y0 + 1, x0 + 2.5, y1 - 1), "paper")

    def letters(self, x0, y0, text, role="ink"):
        self.flat(glyph(x0, y0, LETTERS[text]), role)

    def check(self, role="check"):
        self.flat(stroke([(3, 8.5), (6.5, 12), (13.5, 4)], 2.4), role)

    # Shapes of a single picture -----------------------------------------------------------------
    def boxes(self):
        for y in (6, 9, 12):
            self.paint(rect(3, y - 1, 5, y + 1), "metal")
            self.flat(rect(6.5, y - 0.5, 13, y + 0.5), "ink")
        self.flat(grid({(3, 5), (4, 6), (3, 11), (4, 12)}), "check")

    def door(self):
        self.paint(rect(2, 1, 10, 15), "board")
        self.flat(grid({(8, 8)}), "spark")

    def selection(self):
        self.flat(grid({(x, y) for y in range(DESIGN) for x in range(DESIGN) if (x in (1, 14) or y in (1, 14))
                        and 1 <= x <= 14 and 1 <= y <= 14 and (x + y) % 2 == 0}), "ink")
        for y in (4, 7, 10):
            self.paint(rect(3, y, 13, y + 2), "accent", outline=None)

    def replace(self):
        self.paint(rect(1, 1, 8, 8), "paper")
        self.letters(3, 2, "a")
        self.paint(rect(7, 9, 14, 16), "spark")
        self.letters(9, 10, "b")
        self.paint(stroke([(8.5, 2.5), (12, 2.5), (12, 5)], 1.8)
                   | arrow_head(12, 8.5, 0, 1, 3.5, 2.6), "accent", outline="outside")

    def bar(self, x0, y0, x1, y1, role="ink"):
        self.paint(rect(x0, y0, x1, y1), role, outline=None)

    def screen(self):
        self.paint(rect(6, 12, 10, 15), "metal")
        self.paint(rect(1, 1, 15, 13), "glass")
        for sx, sy in ((1, 1), (-1, 1), (1, -1), (-1, -1)):
            cx, cy = 8 + sx * 4, 7 + sy * 3
            self.flat(stroke([(cx, cy - sy * 2), (cx, cy), (cx - sx * 2, cy)], 1.2), "accent")

    def tabs(self):
        for y, role in ((3, "danger"), (7, "spark"), (11, "green")):
            self.paint(rect(11, y, 15, y + 2.5), role, outline=None)

    def info(self):
        self.paint(disc(8, 8, 7.5), "accent")
        self.letters(7, 4, "i", "paper")

# The pictures: a few shapes each, in drawing order (later shapes cover earlier ones).
PICTURES = {
    "NEW": [("page", 2, 1, 13, 15), ("spark", 12, 4)],
    "OPEN": [("folder", 1, 3, 14, 14, True)],
    "CLOSE": [("page", 2, 1, 13, 15), ("cross", 9, 9, 14.5, 14.5, 2.2)],
    "SAVE": [("disk", 1, 1, 15, 15)],
    "SAVE_AS": [("disk", 0, 1, 12, 13), ("pencil", 14.5, 5, 7, 14.5)],
    "SAVE_ALL": [("disk", 5, 0, 16, 11), ("disk", 0, 5, 11, 16)],
    "PAGE_SETUP": [("page", 1, 1, 12, 15), ("gear", 11, 11, 5)],
    "PRINT_PREVIEW": [("page", 1, 1, 11, 14), ("magnifier", 10, 9.5, 3.4, 15, 15)],
    "PRINT": [("printer",)],
    "PROPERTIES": [("window", 1, 1, 15, 15), ("boxes",)],
    "SEND": [("envelope", 1, 5, 13, 14), ("arrow", 8, 4, 15.5, 4, "green")],
    "EXIT": [("door",), ("arrow", 7, 8, 15.5, 8)],
    "UNDO": [("curved_arrow", 9, 10, 4.5, -60, 120)],
    "REDO": [("curved_arrow", 7, 10, 4.5, 240, 60)],
    "CUT": [("scissors",)],
    "COPY": [("page", 1, 1, 10, 11, False), ("page", 6, 5, 15, 15)],
    "PASTE": [("clipboard", 1, 1, 13, 15), ("page", 8, 6, 15, 15)],
    "PASTE_SPECIAL": [("clipboard", 1, 1, 13, 15), ("spark", 12, 11)],
    "DELETE": [("cross", 3, 3, 13, 13, 3.0)],
    "SELECT_ALL": [("selection",)],
    "FIND": [("magnifier", 6.5, 6.5, 5, 15, 15)],
    "FIND_NEXT": [("magnifier", 8, 6, 4.5, 15, 14), ("arrow", 0.5, 13, 8, 13, "green")],
    "REPLACE": [("replace",)],
    "GO_TO": [("arrow", 1, 8, 11.5, 8), ("bar", 12.5, 2, 14.5, 14)],
    "REFRESH": [("curved_arrow", 8, 8, 5, 20, 150, "green"),
                ("curved_arrow", 8, 8, 5, 200, 330, "green")],
    "ZOOM_IN": [("magnifier", 6.5, 6.5, 5, 15, 15, "+")],
    "ZOOM_OUT": [("magnifier", 6.5, 6.5, 5, 15, 15, "-")],
    "FULL_SCREEN": [("screen",)],
    "FONT": [("letters", 1, 3, "A"), ("letters", 10, 6, "a"), ("bar", 1, 13, 15, 15, "danger")],
    "BOLD": [("letters", 4, 3, "B")],
    "ITALIC": [("letters", 4, 3, "I")],
    "UNDERLINE": [("letters", 4, 2, "U"), ("bar", 3, 12, 13, 14, "accent")],
    "SPELLING": [("letters", 2, 1, "ABC"), ("check", "green")],
    "OPTIONS": [("gear", 8, 8, 7.2)],
    "NEW_WINDOW": [("window", 1, 3, 13, 15), ("spark", 12, 4)],
    "CASCADE": [("window", 1, 1, 10, 9), ("window", 3.5, 4, 12.5, 12), ("window", 6, 7, 15, 15)],
    "TILE_HORIZONTALLY": [("window", 1, 1, 15, 7.5), ("window", 1, 8.5, 15, 15)],
    "TILE_VERTICALLY": [("window", 1, 1, 7.5, 15), ("window", 8.5, 1, 15, 15)],
    "CLOSE_ALL": [("window", 1, 1, 11, 10), ("window", 3, 4, 13, 13), ("cross", 10, 10, 15, 15, 2.2)],
    "CONTENTS": [("book", 2, 1, 14, 15)],
    "INDEX": [("page", 1, 1, 12, 15), ("tabs",)],
    "SEARCH": [("book", 1, 1, 11, 14), ("magnifier", 10, 9.5, 3.4, 15, 15)],
    "HELP_TOPICS": [("book", 2, 1, 14, 15), ("letters", 5, 4, "?", "paper")],
    "ABOUT": [("info",)],
    "CHECKMARK": [("check",)],
}


def draw(name, icon_set):
    painter = Painter(icon_set)
    for shape, *args in PICTURES[name]:
        getattr(painter, shape)(*args)
    return painter.pixels


# --- Files ------------------------------------------------------------------------------------


def rows_of(pixels, background):
    """Rows from the top, each pixel an (r, g, b) or the background."""
    return [[pixels.get((x, y), background) for x in range(SIZE)] for y in range(SIZE)]


def keep_off_key(pixels, key):
    # A drawn pixel that happened to take the key colour would turn transparent.
    return {cell: (c if c != key else (key[0], key[1], key[2] ^ 1)) for cell, c in pixels.items()}


def bmp_bytes(pixels, key):
    rows = rows_of(keep_off_key(pixels, key), key)
    assert SIZE * 3 % 4 == 0, "rows of 24-bit pixels would need padding"
    data = b"".join(struct.pack("BBB", b, g, r) for row in reversed(rows) for r, g, b in row)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + len(header) + len(data), 0, 0, 54) + header + data


def ico_bytes(pixels):
    colour = b"".join(struct.pack("BBBB", *reversed(pixels[(x, y)]), 255) if (x, y) in pixels
                      else b"\0\0\0\0" for y in reversed(range(SIZE)) for x in range(SIZE))
    mask = b""
    row_bytes = (SIZE + 31) // 32 * 4  # rows padded to 32 bits
    for y in reversed(range(SIZE)):
        bits = sum(1 << (row_bytes * 8 - 1 - x) for x in range(SIZE) if (x, y) not in pixels)
        mask += bits.to_bytes(row_bytes, "big")
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(colour) + len(mask),
                         0, 0, 0, 0)
    image = header + colour + mask
    return (struct.pack("<HHH", 0, 1, 1)
            + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 22) + image)


def png_bytes(rows):
    raw = b"".join(b"\0" + b"".join(struct.pack("BBB", *c) for c in row) for row in rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    header = struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw))
            + chunk(b"IEND", b""))


def preview(drawings, names, path, zoom=5):
    """A sheet with a column per picture and a row per set, transparent pixels in the key colour."""
    gap, white = (200, 200, 200), (255, 255, 255)
    pitch = SIZE * zoom + 4
    sheet = [[gap] * (pitch * len(names)) for _ in range(pitch * len(ICON_SETS))]
    for column, name in enumerate(names):
        for row, icon_set in enumerate(ICON_SETS):
            pixels = drawings[(name, icon_set.suffix)]
            for x, y in cells():
                color = pixels.get((x, y), icon_set.key or white)
                for zy in range(zoom):
                    top = row * pitch + 2 + y * zoom + zy
                    left = column * pitch + 2 + x * zoom
                    sheet[top][left:left + zoom] = [color] * zoom
    Path(path).write_bytes(png_bytes(sheet))


def picture_names(commands_file):
    names = []
    for line in Path(commands_file).read_text(encoding="utf-8").splitlines():
        line = line.strip()
        if line and not line.startswith("#"):
            picture = line.split()[-1]
            if picture != "-" and picture not in names:
                names.append(picture)
    return names + ["CHECKMARK"]


def use_size(size):
    global SIZE, UNIT
    SIZE, UNIT = size, DESIGN / size


def main(argv):
    if len(argv) not in (2, 4) or (len(argv) == 4 and argv[2] != "--preview"):
        sys.exit(__doc__)
    names = picture_names(argv[0])
    undrawn = [name for name in names if name not in PICTURES]
    if undrawn:
        sys.exit(f"no drawing for {undrawn}: add them to PICTURES")
    out = Path(argv[1]).resolve()
    out.mkdir(parents=True, exist_ok=True)
    lines = ["// Generated by res/tools/draw_pictures.py; do not edit.", "LANGUAGE 0, 0"]
    drawings = {}
    for size in SIZES:
        use_size(size)
        for name in names:
            for icon_set in ICON_SETS:
                pixels = draw(name, icon_set)
                resource = f"{name}_{icon_set.suffix}" + ("" if size == DESIGN else f"_{size}")
                if len(pixels) == SIZE * SIZE or not pixels:
                    sys.exit(f"{resource} must have both drawn and transparent pixels")
                if size == DESIGN:
                    drawings[(name, icon_set.suffix)] = pixels
                if icon_set.key is None:
                    path = out / f"{resource}.ico"
                    path.write_bytes(ico_bytes(pixels))
                    lines.append(f'{resource} ICON "{path.as_posix()}"')
                else:
                    path = out / f"{resource}.bmp"
                    path.write_bytes(bmp_bytes(pixels, icon_set.key))
                    lines.append(f'{resource} BITMAP "{path.as_posix()}"')
    (out / "pictures.rc").write_text("\n".join(lines) + "\n", encoding="ascii")
    use_size(DESIGN)
    if len(argv) == 4:
        preview(drawings, names, argv[3])


if __name__ == "__main__":
    main(sys.argv[1:])
