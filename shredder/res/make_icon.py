#!/usr/bin/env python3
"""Draws Mirrowick's program icon (a sheet of paper cut into strips) and
writes it as a 16-colour .ico file with a 32x32 and a 16x16 picture.

Usage: make_icon.py <output file>
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from icon_file import indexed, write_icon  # noqa: E402

PALETTE = [(0, 0, 0), (24, 44, 84), (77, 115, 148), (255, 255, 255),
           (204, 24, 24)] + [(0, 0, 0)] * 11
NAVY, STEEL, WHITE, RED = 1, 2, 3, 4


def colour_at(x, y):
    """The palette index at a point of the unit square, or None (transparent)."""
    if 0.20 <= x <= 0.80 and 0.06 <= y <= 0.50:
        return NAVY if x < 0.24 or x > 0.76 or y < 0.10 else WHITE
    if 0.12 <= x <= 0.88 and 0.48 <= y <= 0.62:
        return STEEL
    if 0.20 <= x <= 0.80 and 0.62 <= y <= 0.96:
        strip = int((x - 0.20) / 0.12)
        return RED if strip % 2 == 0 and (x - 0.20) % 0.12 < 0.08 else None
    return None


def pixel(x, y, size):
    return colour_at((x + 0.5) / size, (y + 0.5) / size)


if __name__ == "__main__":
    write_icon(sys.argv[1], indexed(pixel, PALETTE), (32, 16))
