#!/usr/bin/env python3
"""Draws the calendar bar's image strip (resources/images/ui/CalendarImages.bmp): five 10 x 10
images side by side on silver (the strip's transparent colour), as a 4-bit BMP: the navigate
arrows (previous year, previous month, next month, next year) and today. The images are pixel art
below, so a run gives the same file again.
Usage: tools/make-calendar-images.py [output file]"""
import sys

from pixel_art_strip import strip_bmp, write_image

SIZE = 10
# '#' black, 'r' dark red, anything else silver.
IMAGES = [
    ("previous year", ["..........", "....#...#.", "...##..##.", "..###.###.", ".########.", "..###.###.", "...##..##.", "....#...#.", "..........", ".........."]),
    ("previous month", ["..........", "......#...", ".....##...", "....###...", "...####...", "....###...", ".....##...", "......#...", "..........", ".........."]),
    ("next month", ["..........", "...#......", "...##.....", "...###....", "...####...", "...###....", "...##.....", "...#......", "..........", ".........."]),
    ("next year", ["..........", ".#...#....", ".##..##...", ".###.###..", ".########.", ".###.###..", ".##..##...", ".#...#....", "..........", ".........."]),
    ("today", ["..........", ".########.", ".rrrrrrrr.", ".#......#.", ".#..##..#.", ".#..##..#.", ".#......#.", ".########.", "..........", ".........."]),
]
# Palette of the 4-bit file (red, green, blue): 0 black, 1 silver, 2 dark red, the rest unused.
PALETTE = [(0, 0, 0), (192, 192, 192), (128, 0, 0)] + [(0, 0, 0)] * 13
INDEX = {"#": 0, "r": 2}


def main():
    write_image(sys.argv, "CalendarImages.bmp", strip_bmp(IMAGES, SIZE, PALETTE, INDEX))


if __name__ == "__main__":
    main()
