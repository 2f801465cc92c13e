#!/usr/bin/env python3
"""Draws Quarrow's program icon (a list with a start arrow) as a 16-colour .ico.

Usage: make_icon.py <output file>
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from icon_file import indexed, write_icon  # noqa: E402

# The standard 16-colour palette; pictures name colours by index.
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
NAVY, GREEN, WHITE, SILVER = 4, 10, 15, 7


def pixel(x, y, size):
    """Colour index at (x, y) with y from the top, or None for transparent."""
    u, v = x / size, y / size
    if not (0.06 <= u <= 0.94 and 0.06 <= v <= 0.94):
        return None
    # A start arrow on the left.
    if 0.14 <= u <= 0.42 and abs(v - 0.5) <= (0.42 - u) * 0.9:
        return GREEN
    # Three list lines on the right.
    for top in (0.24, 0.46, 0.68):
        if 0.5 <= u <= 0.86 and top <= v <= top + 0.08:
            return WHITE
    if u <= 0.09 or u >= 0.91 or v <= 0.09 or v >= 0.91:
        return SILVER
    return NAVY


if __name__ == '__main__':
    write_icon(sys.argv[1], indexed(pixel, PALETTE), (32, 16))
