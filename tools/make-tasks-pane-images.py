#!/usr/bin/env python3
"""Draws the tasks pane's navigation images (resources/images/ui/TasksPaneNavigation.bmp): four
12 x 12 images side by side on silver (the strip's transparent colour), as a 4-bit BMP: Back,
Forward, Home and Close. The images are pixel art below, so a run gives the same file again.
Usage: tools/make-tasks-pane-images.py [output file]"""
import sys

from pixel_art_strip import strip_bmp, write_image

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


def main():
    write_image(sys.argv, "TasksPaneNavigation.bmp", strip_bmp(IMAGES, SIZE, PALETTE, INDEX))


if __name__ == "__main__":
    main()
