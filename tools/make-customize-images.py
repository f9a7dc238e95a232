#!/usr/bin/env python3
"""Draws the images of the customisation dialogs (resources/images/ui): the icon editor's tool
palette (16 x 15 each: pencil, fill, eyedropper, line, rectangle, ellipse, copy, paste, clear),
its six tool cursors (pencil, fill, line, rectangle, ellipse, eyedropper), the four caption
buttons of the edit-list box (new, delete, up, down; 16 x 16) and the picture of the sheet's Help
button. Everything is pixel art below, so a run gives the same files again.
Usage: tools/make-customize-images.py [output directory]"""
import importlib.util
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
_spec = importlib.util.spec_from_file_location("ui_cursors", os.path.join(HERE, "make-ui-cursors.py"))
ui_cursors = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(ui_cursors)

# Palette (red, green, blue) of the 4-bit files: 0 black, 1 silver (transparent), 2 white,
# 3 dark grey, 4 dark blue, 5 dark red, 6 dark green, 7 yellow.
PALETTE = [(0, 0, 0), (192, 192, 192), (255, 255, 255), (128, 128, 128), (0, 0, 128),
           (128, 0, 0), (0, 128, 0), (255, 255, 0)] + [(0, 0, 0)] * 8
INDEX = {"#": 0, ".": 1, "w": 2, "g": 3, "b": 4, "r": 5, "n": 6, "y": 7}


def bmp(images, width, height):
    """images: lists of `height` rows of `width` characters, side by side."""
    total = width * len(images)
    stride = ((total * 4 + 31) // 32) * 4
    pixels = bytearray()
    for y in range(height - 1, -1, -1):
        row = []
        for rows in images:
            assert len(rows) == height and all(len(r) == width for r in rows), rows
            row += [INDEX.get(ch, 1) for ch in rows[y]]
        packed = bytearray()
        for x in range(0, total, 2):
            packed.append((row[x] << 4) | (row[x + 1] if x + 1 < total else 1))
        pixels += packed + b"\0" * (stride - len(packed))
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, total, height, 1, 4, 0, len(pixels), 2835, 2835, 16, 0)
    offset = 14 + len(header) + len(colours)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + header + colours + bytes(pixels)


TOOLS = [
    ["................", "...........##...", "..........#yy#..", ".........#yyy#..", "........#yyy#...",
     ".......#yyy#....", "......#yyy#.....", ".....#yyy#......", "....#yyy#.......", "...#www#........",
     "...#ww#.........", "...##...........", "..#.............", "................", "................"],
    ["................", "......#.........", ".....#w#........", "....#www#.......", "...#wwwww#......",
     "..#wwwwwww#.....", ".#wwwwwwwww#....", "..#wwwwwww#b....", "...#wwwww#.bb...", "....#www#..bbb..",
     ".....#w#...bbb..", "......#.....b...", "................", "................", "................"],
    ["................", "...........###..", "..........#####.", ".......#.######.", "........#####...",
     ".......#w###....", "......#www#.....", ".....#www#.#....", "....#www#.......", "...#www#........",
     "..#ww#..........", "..##............", ".#..............", "................", "................"],
    ["................", "..............#.", ".............#..", "............#...", "...........#....",
     "..........#.....", ".........#......", "........#.......", ".......#........", "......#.........",
     ".....#..........", "....#...........", "...#............", "..#.............", "................"],
    ["................", "................", "..############..", "..#..........#..", "..#..........#..",
     "..#..........#..", "..#..........#..", "..#..........#..", "..#..........#..", "..#..........#..",
     "..#..........#..", "..############..", "................", "................", "................"],
    ["................", "................", ".....######.....", "...##......##...", "..#..........#..",
     ".#............#.", ".#............#.", ".#............#.", ".#............#.", "..#..........#..",
     "...##......##...", ".....######.....", "................", "................", "................"],
    ["................", ".######.........", ".#wwww##........", ".#w###w#........", ".#wwww######....",
     ".#w###w#wwww##..", ".#wwwww#w###w#..", ".#w####wwwwww#..", ".#wwwww#w###w#..", ".#######wwwww#..",
     "........#w###w#.", "........#wwwww#.", "........#######.", "................", "................"],
    ["................", "....####........", ".###ww###.......", ".#g#####g#......", ".#gggggggg#.....",
     ".#ggg######.....", ".#ggg#wwww##....", ".#ggg#w###w#....", ".#ggg#wwwwww#...", ".#ggg#w####w#...",
     ".#ggg#wwwwww#...", ".#####w####w#...", ".....#wwwwww#...", ".....########...", "................"],
    ["................", "................", "..###########...", "..#wwwwwwwww#...", "..#wwwwwwwww#...",
     "..#wwrrrrrww#...", "..#wwwrrrwww#...", "..#wwwwrwwww#...", "..#wwwrrrwww#...", "..#wwrrrrrww#...",
     "..#wwwwwwwww#...", "..#wwwwwwwww#...", "..###########...", "................", "................"],
]

EDIT_LIST = {
    "EditListNew.bmp": ["................", "..#######.......", "..#wwwww##......", "..#wwwww#w#.....",
                        "..#wwwww####....", "..#wwwwwwww#....", "..#wwwwwwww#....", "..#wwwwwwww#....",
                        "..#wwwwwwww#.y..", "..#wwwwwwww#yyy.", "..#wwwwwwww#.y..", "..#wwwwwwww#....",
                        "..##########....", "................", "................", "................"],
    "EditListDelete.bmp": ["................", "................", "...##......##...", "....##....##....",
                           ".....##..##.....", "......####......", ".......##.......", "......####......",
                           ".....##..##.....", "....##....##....", "...##......##...", "................",
                           "................", "................", "................", "................"],
    "EditListUp.bmp": ["................", "................", ".......#........", "......###.......",
                       ".....#####......", "....#######.....", "...#########....", "......###.......",
                       "......###.......", "......###.......", "......###.......", "......###.......",
                       "................", "................", "................", "................"],
    "EditListDown.bmp": ["................", "................", "......###.......", "......###.......",
                         "......###.......", "......###.......", "......###.......", "...#########....",
                         "....#######.....", ".....#####......", "......###.......", ".......#........",
                         "................", "................", "................", "................"],
}

HELP = ["................", ".....######.....", "....##....##....", "....##....##....", "..........##....",
        ".........##.....", "........##......", ".......##.......", ".......##.......", "................",
        ".......##.......", ".......##.......", "................", "................", "................",
        "................"]

# The tool cursors: a small shape at the top left with its hot spot, drawn black with a white
# outline by the shared cursor writer.
CURSORS = {
    "IconPencil.cur": (TOOLS[0], (3, 12)),
    "IconFill.cur": (TOOLS[1], (12, 10)),
    "IconLine.cur": (None, (7, 7)),
    "IconRect.cur": (None, (7, 7)),
    "IconEllipse.cur": (None, (7, 7)),
    "IconPick.cur": (TOOLS[2], (2, 12)),
}


def cross_with(shape):
    """A cross hair with a small shape beside it (the shape tools)."""
    black = [[False] * 32 for _ in range(32)]
    for k in range(15):
        black[7][k] = black[k][7] = True
    black[7][7] = False
    for y in range(5):
        for x in range(7):
            edge = y in (0, 4) or x in (0, 6)
            if shape == "rect" and edge:
                black[16 + y][16 + x] = True
            if shape == "ellipse" and edge and not (y in (0, 4) and x in (0, 6)):
                black[16 + y][16 + x] = True
            if shape == "line" and x == y + 1:
                black[16 + y][16 + x] = True
    return black


def art_cursor(rows):
    black = [[False] * 32 for _ in range(32)]
    white = [[False] * 32 for _ in range(32)]
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch == "#":
                black[y][x] = True
            elif ch != ".":
                white[y][x] = True
    return black, white


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(HERE), "resources", "images", "ui")
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "IconTools.bmp"), "wb") as f:
        f.write(bmp(TOOLS, 16, 15))
    for name, rows in EDIT_LIST.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(bmp([rows], 16, 16))
    with open(os.path.join(out, "CustomizeHelp.bmp"), "wb") as f:
        f.write(bmp([HELP], 16, 16))
    for name, (rows, hotspot) in CURSORS.items():
        if rows is None:
            black = cross_with(name[4:-4].lower())
            white = ui_cursors.outline(black)
        else:
            black, white = art_cursor(rows)
        with open(os.path.join(out, name), "wb") as f:
            f.write(ui_cursors.cursor_file(black, white, hotspot))


if __name__ == "__main__":
    main()
