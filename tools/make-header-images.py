#!/usr/bin/env python3
"""Draws the item list's column-header images (resources/images/HeaderArrows.bmp and its mask
HeaderArrowsMask.bmp): three 6 x 7 images side by side (up, down, empty), a 24-bit strip and a
1-bit mask (white = transparent). The pixel art is written out below, so a run gives the same files.
Usage: tools/make-header-images.py [output folder]"""
import os
import struct
import sys

W, H = 6, 7
IMAGES = [
    ["......",
     "..kk..",
     ".kkkk.",
     "kkkkkk",
     "......",
     "......",
     "......"],
    ["......",
     "......",
     "......",
     "kkkkkk",
     ".kkkk.",
     "..kk..",
     "......"],
    ["......"] * H,
]


def bmp(width, height, bits, rows, palette=None):
    """rows: bottom-up list of byte strings already padded to 4 bytes."""
    data = b"".join(rows)
    pal = b"".join(bytes((b, g, r, 0)) for (r, g, b) in (palette or []))
    offset = 14 + 40 + len(pal)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data), 2835, 2835,
                       len(palette or []), 0)
    return header + info + pal + data


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..",
                                                               "resources", "images")
    width = W * len(IMAGES)
    colour_rows, mask_rows = [], []
    for y in reversed(range(H)):
        line = b""
        mask_bits = []
        for image in IMAGES:
            for ch in image[y]:
                opaque = ch == "k"
                line += bytes((0, 0, 0)) if opaque else bytes((0xC0, 0xC0, 0xC0))
                mask_bits.append(0 if opaque else 1)
        line += b"\0" * ((4 - len(line) % 4) % 4)
        colour_rows.append(line)
        packed = bytearray((len(mask_bits) + 7) // 8)
        for i, bit in enumerate(mask_bits):
            if bit:
                packed[i // 8] |= 0x80 >> (i % 8)
        packed += b"\0" * ((4 - len(packed) % 4) % 4)
        mask_rows.append(bytes(packed))
    with open(os.path.join(out, "HeaderArrows.bmp"), "wb") as f:
        f.write(bmp(width, H, 24, colour_rows))
    with open(os.path.join(out, "HeaderArrowsMask.bmp"), "wb") as f:
        f.write(bmp(width, H, 1, mask_rows, [(0, 0, 0), (255, 255, 255)]))


if __name__ == "__main__":
    main()
