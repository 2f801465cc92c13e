#!/usr/bin/env python3
"""Draws Tessaline's icon, a speed gauge, as a 16-colour 32 x 32 .ico file.

Usage: make_icon.py <output file>
"""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from icon_file import indexed, write_icon  # noqa: E402

SIZE = 32
PALETTE = [(0, 0, 0), (24, 44, 84), (77, 115, 148), (255, 255, 255), (204, 24, 24),
           (30, 150, 50)]
NAVY, STEEL, WHITE, RED, GREEN = 1, 2, 3, 4, 5


def pixel(x, y):
    """Palette index of the pixel, or None where the icon is transparent."""
    cx, cy = (x + 0.5) / SIZE - 0.5, (y + 0.5) / SIZE - 0.58
    r = math.hypot(cx, cy)
    if r > 0.47 or cy > 0.2:
        return None
    if r > 0.42:
        return NAVY
    angle = math.atan2(-cy, cx)  # 0 right, pi left
    needle = math.radians(40)
    along = cx * math.cos(needle) - cy * math.sin(needle)
    across = cx * math.sin(needle) + cy * math.cos(needle)
    if 0 <= along <= 0.36 and abs(across) <= 0.03:
        return RED
    if r < 0.06:
        return NAVY
    if 0.3 < r < 0.38 and cy <= 0:
        return GREEN if angle < math.radians(60) else STEEL
    return WHITE


if __name__ == "__main__":
    write_icon(sys.argv[1], indexed(lambda x, y, size: pixel(x, y), PALETTE), (SIZE,))
