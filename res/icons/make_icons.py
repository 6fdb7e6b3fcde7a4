#!/usr/bin/env python3
"""Draws Brisel's nine icons and writes them as 32x32, 16-colour .ico files.

Each icon is a short drawing function over a 32x32 grid of palette indices
(None = transparent), built from a few primitives. Change a picture here and
run `python3 make_icons.py` in this folder; the .ico files are committed.
`python3 make_icons.py --preview` also prints each icon as text art.
"""
import struct
import sys

# The standard 16-colour Windows palette, by name.
PALETTE = [
    ("black", 0x000000), ("maroon", 0x800000), ("green", 0x008000), ("olive", 0x808000),
    ("navy", 0x000080), ("purple", 0x800080), ("teal", 0x008080), ("silver", 0xC0C0C0),
    ("gray", 0x808080), ("red", 0xFF0000), ("lime", 0x00FF00), ("yellow", 0xFFFF00),
    ("blue", 0x0000FF), ("fuchsia", 0xFF00FF), ("aqua", 0x00FFFF), ("white", 0xFFFFFF),
]
C = {name: index for index, (name, _) in enumerate(PALETTE)}
SIZE = 32

# A 3x5 pixel font for the few letters the icons carry.
FONT = {
    "L": ["X..", "X..", "X..", "X..", "XXX"],
    "Z": ["XXX", "..X", ".X.", "X..", "XXX"],
    "H": ["X.X", "X.X", "XXX", "X.X", "X.X"],
    ".": ["...", "...", "...", "...", ".X."],
    "?": ["XXX", "..X", ".X.", "...", ".X."],
}


class Canvas:
    def __init__(self):
        self.pixels = [[None] * SIZE for _ in range(SIZE)]

    def dot(self, x, y, colour):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.pixels[y][x] = C[colour]

    def rect(self, x0, y0, x1, y1, colour):
        """Filled rectangle, corners inclusive."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.dot(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        self.rect(x0, y0, x1, y0, colour)
        self.rect(x0, y1, x1, y1, colour)
        self.rect(x0, y0, x0, y1, colour)
        self.rect(x1, y0, x1, y1, colour)

    def box(self, x0, y0, x1, y1, fill, outline="black"):
        self.rect(x0, y0, x1, y1, fill)
        self.frame(x0, y0, x1, y1, outline)

    def disc(self, cx, cy, r, colour, outline=None):
        for y in range(SIZE):
            for x in range(SIZE):
                d = (x - cx) ** 2 + (y - cy) ** 2
                if d <= r * r:
                    edge = outline and d > (r - 1) * (r - 1)
                    self.dot(x, y, outline if edge else colour)

    def line(self, x0, y0, x1, y1, colour):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.dot(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), colour)

    def polygon(self, points, colour):
        """Filled polygon by the even-odd rule at pixel centres."""
        for y in range(SIZE):
            for x in range(SIZE):
                inside = False
                px, py = x + 0.5, y + 0.5
                for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
                    if (ay > py) != (by > py) and px < ax + (py - ay) * (bx - ax) / (by - ay):
                        inside = not inside
                if inside:
                    self.dot(x, y, colour)

    def text(self, x, y, letters, colour):
        for letter in letters:
            for row, bits in enumerate(FONT[letter]):
                for col, bit in enumerate(bits):
                    if bit == "X":
                        self.dot(x + col, y + row, colour)
            x += 4

    def page(self, x0=5, y0=1, x1=26, y1=30, fold=7):
        """A sheet of paper with its top right corner folded down."""
        self.polygon([(x0, y0), (x1 - fold + 1, y0), (x1 + 1, y0 + fold), (x1 + 1, y1 + 1), (x0, y1 + 1)], "white")
        self.line(x0, y0, x1 - fold, y0, "black")
        self.line(x0, y0, x0, y1, "black")
        self.line(x0, y1, x1, y1, "black")
        self.line(x1, y0 + fold, x1, y1, "black")
        self.line(x1 - fold, y0, x1, y0 + fold, "black")
        self.polygon([(x1 - fold, y0), (x1 - fold, y0 + fold + 1), (x1 + 1, y0 + fold + 1)], "silver")
        self.line(x1 - fold, y0, x1 - fold, y0 + fold, "gray")
        self.line(x1 - fold, y0 + fold, x1, y0 + fold, "gray")
        self.line(x1 - fold, y0, x1, y0 + fold, "black")
        self.rect(x0 + 1, y1 + 1, x1 + 1, y1 + 1, "gray")  # shadow
        self.rect(x1 + 1, y0 + fold + 1, x1 + 1, y1 + 1, "gray")


def archive_box(c, x0, y0, x1, y1):
    """A closed cardboard box tied with a red band: an archive."""
    c.box(x0, y0 + 4, x1, y1, "olive")
    c.polygon([(x0, y0 + 4), (x0 + 4, y0), (x1 + 1, y0), (x1 - 3, y0 + 4)], "yellow")
    c.line(x0, y0 + 4, x0 + 4, y0, "black")
    c.line(x0 + 4, y0, x1, y0, "black")
    c.line(x1 - 4, y0 + 4, x1, y0, "black")
    c.rect(x0 + 1, y0 + 5, x1 - 1, y0 + 5, "yellow")
    mid = (x0 + x1) // 2
    c.rect(mid - 1, y0 + 5, mid + 1, y1 - 1, "red")
    c.rect(x0 + 1, (y0 + y1) // 2 + 2, x1 - 1, (y0 + y1) // 2 + 3, "red")


def draw_program(c):
    archive_box(c, 1, 11, 20, 29)
    # A bold arrow leaving the box: Brisel hands the archive on.
    c.polygon([(14, 5), (23, 5), (23, 0), (31, 8), (23, 16), (23, 11), (14, 11)], "blue")
    c.line(14, 5, 23, 5, "navy")
    c.line(23, 0, 31, 8, "navy")
    c.line(31, 8, 23, 16, "navy")
    c.line(14, 11, 23, 11, "navy")
    c.line(14, 5, 14, 11, "navy")


def draw_document(c):
    c.page()
    c.rect(8, 12, 23, 20, "navy")
    c.text(10, 14, "LZH", "white")
    archive_box(c, 9, 21, 21, 28)


def draw_kiss(c):
    # A paper doll: round face, black hair, a pink dress, arms held out.
    c.disc(15.5, 7, 5.5, "white", "black")
    c.rect(10, 2, 21, 4, "black")
    c.rect(10, 5, 11, 9, "black")
    c.rect(20, 5, 21, 9, "black")
    c.dot(13, 7, "black"); c.dot(18, 7, "black")
    c.line(14, 10, 17, 10, "red")
    c.rect(14, 13, 17, 14, "white")
    c.polygon([(12, 15), (20, 15), (26, 27), (6, 27)], "fuchsia")
    c.line(12, 15, 6, 27, "purple"); c.line(20, 15, 26, 27, "purple")
    c.line(6, 27, 26, 27, "purple")
    c.line(11, 16, 4, 21, "black"); c.line(21, 16, 28, 21, "black")
    c.rect(12, 28, 13, 31, "black"); c.rect(19, 28, 20, 31, "black")


def draw_cg(c):
    # A framed picture: sky, sun, green hills.
    c.box(1, 4, 30, 27, "aqua", "black")
    c.frame(2, 5, 29, 26, "olive")
    c.frame(3, 6, 28, 25, "yellow")
    c.rect(4, 7, 27, 24, "aqua")
    c.disc(21, 12, 3.5, "yellow", "olive")
    c.polygon([(4, 25), (4, 18), (10, 12), (17, 19), (20, 16), (28, 22), (28, 25)], "green")
    c.polygon([(4, 25), (4, 22), (12, 18), (20, 22), (28, 20), (28, 25)], "lime")


def draw_midi(c):
    # Two beamed eighth notes.
    c.disc(9, 24, 4, "navy")
    c.disc(23, 21, 4, "navy")
    c.rect(12, 5, 13, 24, "navy")
    c.rect(26, 2, 27, 21, "navy")
    c.polygon([(12, 5), (27, 2), (27, 7), (12, 10)], "navy")
    c.dot(7, 23, "blue"); c.dot(8, 22, "blue"); c.dot(21, 20, "blue"); c.dot(22, 19, "blue")


def draw_ordinary(c):
    archive_box(c, 3, 6, 28, 29)


def draw_application_file(c):
    # A program window: title bar, menu line, client area.
    c.box(1, 4, 30, 27, "white", "black")
    c.rect(2, 5, 29, 9, "navy")
    c.rect(26, 6, 28, 8, "silver")
    c.rect(2, 10, 29, 11, "silver")
    c.rect(4, 14, 14, 14, "gray"); c.rect(4, 17, 20, 17, "gray"); c.rect(4, 20, 17, 20, "gray")
    c.rect(2, 26, 29, 26, "silver")


def draw_extensions(c):
    # A list of file-name extensions on a sheet.
    c.page()
    for row, colour in enumerate(["fuchsia", "green", "blue"]):
        y = 11 + row * 6
        c.rect(8, y, 11, y + 3, colour)
        c.text(13, y - 1, ".", "black")
        c.rect(17, y + 1, 23, y + 2, "gray")


def draw_help(c):
    # A blue disc with a white question mark.
    c.disc(15.5, 15.5, 14, "blue", "navy")
    q = [".XXXX.", "XX..XX", "....XX", "...XX.", "..XX..", "..XX..", "......", "..XX..", "..XX.."]
    for row, bits in enumerate(q):
        for col, bit in enumerate(bits):
            if bit == "X":
                c.rect(10 + col * 2, 6 + row * 2, 11 + col * 2, 7 + row * 2, "white")


# Icon image k + 1 goes into group 200 + k, in this order.
ICONS = [
    ("program", draw_program),
    ("document", draw_document),
    ("kiss", draw_kiss),
    ("cg", draw_cg),
    ("midi", draw_midi),
    ("ordinary", draw_ordinary),
    ("application", draw_application_file),
    ("extensions", draw_extensions),
    ("help", draw_help),
]


def ico_bytes(pixels):
    """One 32x32 4-bit image with its AND mask, as an .ico file."""
    xor_size = SIZE * SIZE // 2
    and_size = SIZE * 4
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, xor_size + and_size, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", rgb & 0xFF, (rgb >> 8) & 0xFF, rgb >> 16, 0) for _, rgb in PALETTE)
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(SIZE)):  # bottom-up rows
        row = pixels[y]
        for x in range(0, SIZE, 2):
            xor.append(((row[x] or 0) << 4) | (row[x + 1] or 0))
        bits = 0
        for x in range(SIZE):
            bits = (bits << 1) | (1 if row[x] is None else 0)
        mask += struct.pack(">I", bits)
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 22)
    return directory + image


def main():
    preview = "--preview" in sys.argv
    letters = "KmgonptsGRLYBFAW"
    for name, draw in ICONS:
        canvas = Canvas()
        draw(canvas)
        with open(name + ".ico", "wb") as f:
            f.write(ico_bytes(canvas.pixels))
        if preview:
            print(name)
            for row in canvas.pixels:
                print("".join("." if p is None else letters[p] for p in row))


if __name__ == "__main__":
    main()
