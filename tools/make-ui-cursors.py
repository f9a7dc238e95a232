#!/usr/bin/env python3
"""Draws the UI library's cursors and its default user-tool icon (resources/images/ui): the
horizontal split cursor (30980), the vertical split cursor (30981), the hand cursor of panes
(16919), the three cursors of a toolbar button being dragged (16133 the drop removes it, 16146 it
moves, 16004 it is copied) and the tool icon (16931, 16 x 16 and 32 x 32). Every shape is computed or written out as
pixel art below, so a run gives the same files again.
Usage: tools/make-ui-cursors.py [output directory]"""
import os
import struct
import sys

CUR = 32  # cursor size


def outline(black):
    """White pixels around the black ones (8-neighbourhood), so a cursor shows on any colour."""
    n = len(black)
    white = [[False] * n for _ in range(n)]
    for y in range(n):
        for x in range(n):
            if black[y][x]:
                continue
            for dy in (-1, 0, 1):
                for dx in (-1, 0, 1):
                    yy, xx = y + dy, x + dx
                    if 0 <= yy < n and 0 <= xx < n and black[yy][xx]:
                        white[y][x] = True
    return white


def split_cursor(vertical):
    """Two bars across the middle with arrows away from them ("<||>" or its transpose)."""
    black = [[False] * CUR for _ in range(CUR)]
    c = CUR // 2
    for t in range(-7, 8):
        black[c + t][c - 2] = black[c + t][c + 1] = True     # the two bars
    for x in list(range(c - 10, c - 2)) + list(range(c + 2, c + 10)):
        black[c][x] = True                                    # the shaft
    for k in range(1, 4):                                     # arrow heads
        for s in (-k, k):
            black[c + s][c - 10 + k] = True
            black[c + s][c + 9 - k] = True
    if vertical:
        black = [list(row) for row in zip(*black)]
    return black, (c, c)


HAND = [
    "....##..........",
    "...#..#.........",
    "...#..#.........",
    "...#..#.........",
    "...#..###.......",
    "...#..#..###....",
    "...#..#..#..##..",
    "##.#..#..#..#.#.",
    "#..##.......#..#",
    "#...#..........#",
    ".#.............#",
    ".#.............#",
    "..#............#",
    "..#...........#.",
    "...#..........#.",
    "...#.........#..",
    "....#........#..",
    "....#........#..",
    "....##########..",
]


def hand_cursor():
    """A pointing hand: its outline is black, its inside white; the hot spot is the finger tip."""
    black = [[False] * CUR for _ in range(CUR)]
    inside = [[False] * CUR for _ in range(CUR)]
    for y, row in enumerate(HAND):
        xs = [x for x, ch in enumerate(row) if ch == "#"]
        for x in xs:
            black[y][x] = True
        if len(xs) >= 2:
            for x in range(xs[0] + 1, xs[-1]):
                if row[x] != "#":
                    inside[y][x] = True
    return black, inside, (4, 0)


ARROW = [
    "#...........",
    "##..........",
    "#.#.........",
    "#..#........",
    "#...#.......",
    "#....#......",
    "#.....#.....",
    "#......#....",
    "#.......#...",
    "#........#..",
    "#.....#####.",
    "#..#..#.....",
    "#.#.#..#....",
    "##..#..#....",
    "#....#..#...",
    ".....#..#...",
    "......##....",
]


def drag_cursor(badge):
    """The arrow with a badge below right of it: "remove" a cross, "move" a small box, "copy" a
    box with a plus beside it. Black outline, white inside; the hot spot is the arrow's tip."""
    black = [[False] * CUR for _ in range(CUR)]
    inside = [[False] * CUR for _ in range(CUR)]
    for y, row in enumerate(ARROW):
        xs = [x for x, ch in enumerate(row) if ch == "#"]
        for x in xs:
            black[y][x] = True
        if len(xs) >= 2 and y < 11:
            for x in range(xs[0] + 1, xs[-1]):
                inside[y][x] = True
    x0, y0 = 12, 18
    if badge == "remove":
        for k in range(7):
            black[y0 + k][x0 + k] = black[y0 + k][x0 + 6 - k] = True
            black[y0 + k][x0 + 1 + k if k < 6 else x0 + k] = True
    else:
        for k in range(9):  # a 9 x 7 box
            black[y0][x0 + k] = black[y0 + 6][x0 + k] = True
        for k in range(7):
            black[y0 + k][x0] = black[y0 + k][x0 + 8] = True
        for y in range(y0 + 1, y0 + 6):
            for x in range(x0 + 1, x0 + 8):
                inside[y][x] = True
        if badge == "copy":
            for k in range(-2, 3):  # a plus right of the box
                black[y0 + 3 + k][x0 + 12] = black[y0 + 3][x0 + 12 + k] = True
    return black, inside, (0, 0)


def cursor_file(black, white, hotspot):
    """A .cur file of one 32 x 32 monochrome image."""
    def rows(bits):
        data = bytearray()
        for y in range(CUR - 1, -1, -1):  # bottom-up
            for x0 in range(0, CUR, 8):
                b = 0
                for i in range(8):
                    if bits(x0 + i, y):
                        b |= 0x80 >> i
                data.append(b)
        return bytes(data)
    # XOR 1 = white, AND 1 = transparent; black: XOR 0, AND 0.
    xor = rows(lambda x, y: white[y][x])
    and_ = rows(lambda x, y: not (black[y][x] or white[y][x]))
    header = struct.pack("<IiiHHIIiiII", 40, CUR, CUR * 2, 1, 1, 0, len(xor) + len(and_), 0, 0, 2, 0)
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    image = header + palette + xor + and_
    directory = struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", CUR, CUR, 2, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    return directory + image


def tool_icon_image(n):
    """A program window: grey frame, blue title bar, white client area with two grey lines."""
    px = [[None] * n for _ in range(n)]
    m = 1 if n == 16 else 2
    for y in range(m, n - m):
        for x in range(0, n):
            edge = x in (0, n - 1) or y in (m, n - m - 1)
            title = m < y < m + (3 if n == 16 else 6)
            px[y][x] = (64, 64, 64) if edge else ((0, 70, 160) if title else (255, 255, 255))
    for k, y in enumerate((m + (6 if n == 16 else 11), m + (9 if n == 16 else 17))):
        for x in range(3, n - 3 - k * (n // 4)):
            px[y][x] = (150, 150, 150)
    stride_and = ((n + 31) // 32) * 4
    xor = bytearray()
    and_ = bytearray()
    for y in range(n - 1, -1, -1):
        row_and = bytearray(stride_and)
        for x in range(n):
            p = px[y][x]
            if p is None:
                xor += bytes((0, 0, 0, 0))
                row_and[x // 8] |= 0x80 >> (x % 8)
            else:
                xor += bytes((p[2], p[1], p[0], 255))
        and_ += row_and
    header = struct.pack("<IiiHHIIiiII", 40, n, n * 2, 1, 32, 0, len(xor) + len(and_), 0, 0, 0, 0)
    return header + bytes(xor) + bytes(and_)


def icon_file(sizes):
    images = [tool_icon_image(n) for n in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, img in zip(sizes, images):
        out += struct.pack("<BBBBHHII", n, n, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    return out + b"".join(images)


def main():
    top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(top, "resources", "images", "ui")
    os.makedirs(out, exist_ok=True)
    for name, vertical in (("SplitHorizontal.cur", False), ("SplitVertical.cur", True)):
        black, hotspot = split_cursor(vertical)
        with open(os.path.join(out, name), "wb") as f:
            f.write(cursor_file(black, outline(black), hotspot))
    black, inside, hotspot = hand_cursor()
    with open(os.path.join(out, "Hand.cur"), "wb") as f:
        f.write(cursor_file(black, inside, hotspot))
    for name, badge in (("DragDelete.cur", "remove"), ("DragMove.cur", "move"),
                        ("DragCopy.cur", "copy")):
        black, inside, hotspot = drag_cursor(badge)
        with open(os.path.join(out, name), "wb") as f:
            f.write(cursor_file(black, inside, hotspot))
    with open(os.path.join(out, "UserTool.ico"), "wb") as f:
        f.write(icon_file((16, 32)))


if __name__ == "__main__":
    main()
