"""Pixel-art image strips as 4-bit BMP files, shared by the image generators in tools/: square
images side by side, each written as rows of characters; a character maps to a palette index,
anything unmapped is index 1 (the strip's transparent silver)."""
import os
import struct


def strip_bmp(images, size, palette, index):
    """images: [(name, rows)], rows top to bottom; palette: 16 (red, green, blue)."""
    width = len(images) * size
    for name, rows in images:
        assert len(rows) == size and all(len(r) == size for r in rows), name
    stride = ((width * 4 + 31) // 32) * 4
    pixels = bytearray()
    for y in range(size - 1, -1, -1):  # bottom-up rows
        row = []
        for _, rows in images:
            row += [index.get(ch, 1) for ch in rows[y]]
        packed = bytearray()
        for x in range(0, width, 2):
            lo = row[x + 1] if x + 1 < width else 1
            packed.append((row[x] << 4) | lo)
        packed += b"\0" * (stride - len(packed))
        pixels += packed
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    header = struct.pack("<IiiHHIIiiII", 40, width, size, 1, 4, 0, len(pixels), 2835, 2835, 16, 0)
    offset = 14 + len(header) + len(colours)
    filehdr = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return filehdr + header + colours + bytes(pixels)


def write_image(argv, default_name, data):
    """Writes to argv[1] when given, else to resources/images/ui/<default_name>."""
    top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = argv[1] if len(argv) > 1 else os.path.join(top, "resources", "images", "ui",
                                                     default_name)
    os.makedirs(os.path.dirname(out), exist_ok=True)
    with open(out, "wb") as f:
        f.write(data)
