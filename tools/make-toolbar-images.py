#!/usr/bin/env python3
"""Draws the catalogue's toolbar strips (resources/images/Toolbar.bmp and NavigationToolbar.bmp):
16 x 15 images side by side on light grey (0xC0C0C0, the toolbars' transparent colour), as 24-bit
BMPs. The images are pixel art written out below, so a run gives the same files again.
Usage: tools/make-toolbar-images.py [output folder]"""
import os
import struct
import sys

W, H = 16, 15
PALETTE = {
    ".": (0xC0, 0xC0, 0xC0),   # transparent
    "k": (0x00, 0x00, 0x00),
    "w": (0xFF, 0xFF, 0xFF),
    "g": (0x80, 0x80, 0x80),
    "y": (0xFF, 0xFF, 0x00),
    "o": (0x80, 0x80, 0x00),
    "r": (0xC0, 0x00, 0x00),
    "b": (0x00, 0x00, 0xC0),
    "n": (0x00, 0x80, 0x00),
}

ADD_DISC = [
    "................",
    ".....kkkkk......",
    "...kkwwwwwkk....",
    "..kwwwwwwwwwk...",
    "..kwwwggwwwwk...",
    ".kwwwgkkgwwwwk..",
    ".kwwwgk.kgwwwk..",
    ".kwwwwgkkgwwwk..",
    ".kwwwwwggwwwwk..",
    "..kwwwwwwwwwnnn.",
    "..kwwwwwwwwknnn.",
    "...kkwwwwnnnnnnn",
    ".....kkkknnnnnnn",
    "..........nnn...",
    "..........nnn...",
]
NEW_FOLDER = [
    "................",
    "................",
    "..kkkk..........",
    ".kyyyyk.........",
    "kkkkkkkkkkkk....",
    "kyyyyyyyyyyk....",
    "kyyyyyyyyyyk....",
    "kyyyyyyyyyyk....",
    "kyyyyyyyyyyk....",
    "kyyyyyyyyykk.nnn",
    "kooooooooook.nnn",
    "kkkkkkkkkkkknnnn",
    ".............nnn",
    ".............nnn",
    "................",
]
DELETE = [
    "................",
    "................",
    "..rr.......rr...",
    "..rrr.....rrr...",
    "...rrr...rrr....",
    "....rrr.rrr.....",
    ".....rrrrr......",
    "......rrr.......",
    ".....rrrrr......",
    "....rrr.rrr.....",
    "...rrr...rrr....",
    "..rrr.....rrr...",
    "..rr.......rr...",
    "................",
    "................",
]
ABOUT = [
    "................",
    ".....bbbbbb.....",
    "....bbwwwwbb....",
    "...bbwwbbwwbb...",
    "...bbbbbbwwbb...",
    "...bbbbbwwbbb...",
    "....bbbwwbbb....",
    "....bbbwwbb.....",
    ".....bbbbbb.....",
    "......bwwb......",
    "......bwwb......",
    ".......bb.......",
    "................",
    "................",
    "................",
]
BACK = [
    "................",
    "................",
    "......k.........",
    ".....kn.........",
    "....knn.........",
    "...knnnnnnnnn...",
    "..knnnnnnnnnn...",
    ".knnnnnnnnnnn...",
    "..knnnnnnnnnn...",
    "...knnnnnnnnn...",
    "....knn.........",
    ".....kn.........",
    "......k.........",
    "................",
    "................",
]
FORWARD = [row[::-1] for row in BACK]
UP = [
    "................",
    ".......k........",
    "......knk.......",
    ".....knnnk......",
    "....knnnnnk.....",
    "...knnnnnnnk....",
    "..knnnnnnnnnk...",
    ".....knnnk......",
    ".....knnnk......",
    ".....knnnk......",
    ".....knnnk......",
    ".....knnnk......",
    ".....kkkkk......",
    "................",
    "................",
]
SEARCH = [
    "................",
    "...kkkk.........",
    "..kwwwwk........",
    ".kwwbwwwk.......",
    ".kwbwwwwk.......",
    ".kwwwwwwk.......",
    ".kwwwwwwk.......",
    "..kwwwwk........",
    "...kkkkkk.......",
    ".......kkk......",
    "........kkk.....",
    ".........kkk....",
    "..........kk....",
    "................",
    "................",
]

STRIPS = {
    "Toolbar.bmp": [ADD_DISC, NEW_FOLDER, DELETE, ABOUT],
    "NavigationToolbar.bmp": [BACK, FORWARD, UP, SEARCH],
}


def write_bmp(path, images):
    width = W * len(images)
    row_bytes = (width * 3 + 3) & ~3
    pixels = bytearray()
    for y in range(H - 1, -1, -1):   # bottom-up
        row = bytearray()
        for image in images:
            assert len(image) == H and all(len(r) == W for r in image)
            for c in image[y]:
                r, g, b = PALETTE[c]
                row += bytes((b, g, r))
        row += b"\0" * (row_bytes - len(row))
        pixels += row
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, H, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "resources", "images")
    for name, images in STRIPS.items():
        write_bmp(os.path.join(folder, name), images)


if __name__ == "__main__":
    main()
