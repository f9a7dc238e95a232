#!/usr/bin/env python3
"""Draws the tasks pane's navigation images (resources/images/ui/TasksPaneNavigation.bmp): four
12 x 12 images side by side on silver (the strip's transparent colour), as a 4-bit BMP: Back,
Forward, Home and Close. The images are pixel art below, so a run gives the same file again.
Usage: tools/make-tasks-pane-images.py [output file]"""
import os
import struct
import sys

SIZE = 12
# '#' black, 'g' dark green, 'r' dark red, anything else silver.
IMAGES = [
    ("back", ["............", ".....g......", "....gg......", "...ggg......", "..gggggggg..", ".ggggggggg..",
              "..gggggggg..", "...ggg......", "....gg......", ".....g......", "............", "............"]),
    ("forward", ["............", "......g.....", "......gg....", "......ggg...", "..gggggggg..", "..ggggggggg.",
                 "..gggggggg..", "......ggg...", "......gg....", "......g.....", "............", "............"]),
    ("home", ["............", ".....##.....", "....####....", "...######...", "..########..", ".##########.",
              "..#......#..", "..#.rr...#..", "..#.rr...#..", "..#.rr...#..", "..########..", "............"]),
    ("close", ["............", "............", "..##....##..", "...##..##...", "....####....", ".....##.....",
               "....####....", "...##..##...", "..##....##..", "............", "............", "............"]),
]
# Palette of the 4-bit file (red, green, blue): 0 black, 1 silver, 2 dark green, 3 dark red.
PALETTE = [(0, 0, 0), (192, 192, 192), (0, 128, 0), (128, 0, 0)] + [(0, 0, 0)] * 12
INDEX = {"#": 0, "g": 2, "r": 3}


def build():
    width = len(IMAGES) * SIZE
    for name, rows in IMAGES:
        assert len(rows) == SIZE and all(len(r) == SIZE for r in rows), name
    stride = ((width * 4 + 31) // 32) * 4
    pixels = bytearray()
    for y in range(SIZE - 1, -1, -1):  # bottom-up rows
        row = []
        for _, rows in IMAGES:
            row += [INDEX.get(ch, 1) for ch in rows[y]]
        packed = bytearray()
        for x in range(0, width, 2):
            lo = row[x + 1] if x + 1 < width else 1
            packed.append((row[x] << 4) | lo)
        packed += b"\0" * (stride - len(packed))
        pixels += packed
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, width, SIZE, 1, 4, 0, len(pixels), 2835, 2835, 16, 0)
    offset = 14 + len(header) + len(palette)
    filehdr = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return filehdr + header + palette + bytes(pixels)


def main():
    top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(top, "resources", "images", "ui",
                                                             "TasksPaneNavigation.bmp")
    os.makedirs(os.path.dirname(out), exist_ok=True)
    with open(out, "wb") as f:
        f.write(build())


if __name__ == "__main__":
    main()
