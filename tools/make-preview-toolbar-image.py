#!/usr/bin/env python3
"""Draws the print preview toolbar's strip (resources/images/ui/PrintPreviewToolbar.bmp): eight
16 x 16 images side by side on silver (the toolbars' transparent colour), as a 4-bit BMP: print,
next page, previous page, one page, zoom in, zoom out, close and two pages. The images are pixel
art below, so a run gives the same file again.
Usage: tools/make-preview-toolbar-image.py [output file]"""
import sys

from pixel_art_strip import strip_bmp, write_image

SIZE = 16
# '#' black, 'w' white, 'g' grey, 'b' dark blue, anything else silver.
IMAGES = [
    ("print", ["................", "....#########...", "....#wwwwwww#...", "....#w#####w#...",
               "....#wwwwwww#...", "..#############.", ".#ggggggggggg#g#", ".#############gg",
               ".#ggggggggggg#g#", ".#gggggggggbg#g#", ".#############g#", "..#ggggggggg#g#.",
               "...###########..", "................", "................", "................"]),
    ("next", ["................", "...#######......", "...#wwwww##.....", "...#wwwww#w#....",
              "...#wwwww####...", "...#wwwwwwww#...", "...#wwww#www#...", "...#wwww##ww#...",
              "...#bbbbbbbw#...", "...#wwww##ww#...", "...#wwww#www#...", "...#wwwwwwww#...",
              "...##########...", "................", "................", "................"]),
    ("previous", ["................", "...#######......", "...#wwwww##.....", "...#wwwww#w#....",
                  "...#wwwww####...", "...#wwwwwwww#...", "...#www#wwww#...", "...#ww##wwww#...",
                  "...#wbbbbbbb#...", "...#ww##wwww#...", "...#www#wwww#...", "...#wwwwwwww#...",
                  "...##########...", "................", "................", "................"]),
    ("one page", ["................", "....#######.....", "....#wwwww##....", "....#wwwww#w#...",
                  "....#wwwww####..", "....#wggggggw#..", "....#wwwwwwww#..", "....#wggggggw#..",
                  "....#wwwwwwww#..", "....#wggggggw#..", "....#wwwwwwww#..", "....#wggggggw#..",
                  "....#wwwwwwww#..", "....##########..", "................", "................"]),
    ("zoom in", ["................", "....####........", "...#wwww#.......", "..#www#ww#......",
                 "..#w#####w#.....", "..#www#ww#......", "...#wwww#.......", "....#####.......",
                 "........##......", ".........##.....", "..........##....", "...........##...",
                 "................", "................", "................", "................"]),
    ("zoom out", ["................", "....####........", "...#wwww#.......", "..#wwwwww#......",
                  "..#w#####w#.....", "..#wwwwww#......", "...#wwww#.......", "....#####.......",
                  "........##......", ".........##.....", "..........##....", "...........##...",
                  "................", "................", "................", "................"]),
    ("close", ["................", "................", "...##......##...", "....##....##....",
               ".....##..##.....", "......####......", ".......##.......", "......####......",
               ".....##..##.....", "....##....##....", "...##......##...", "................",
               "................", "................", "................", "................"]),
    ("two pages", ["................", ".######.######..", ".#wwww#.#wwww#..", ".#wggw#.#wggw#..",
                   ".#wwww#.#wwww#..", ".#wggw#.#wggw#..", ".#wwww#.#wwww#..", ".#wggw#.#wggw#..",
                   ".#wwww#.#wwww#..", ".#wggw#.#wggw#..", ".#wwww#.#wwww#..", ".######.######..",
                   "................", "................", "................", "................"]),
]
# Palette of the 4-bit file (red, green, blue): 0 black, 1 silver, 2 white, 3 grey, 4 dark blue.
PALETTE = [(0, 0, 0), (192, 192, 192), (255, 255, 255), (128, 128, 128), (0, 0, 128)] + [(0, 0, 0)] * 11
INDEX = {"#": 0, "w": 2, "g": 3, "b": 4}


def main():
    write_image(sys.argv, "PrintPreviewToolbar.bmp", strip_bmp(IMAGES, SIZE, PALETTE, INDEX))


if __name__ == "__main__":
    main()
