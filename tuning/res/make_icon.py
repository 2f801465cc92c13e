#!/usr/bin/env python3
"""Draws Tessaline's icon, a speed gauge, as a 16-colour 32 x 32 .ico file.

Usage: make_icon.py <output file>
"""
import math
import struct
import sys

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


def icon():
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    colours += b"\0" * (64 - len(colours))
    xor = b""
    mask = b""
    for row in reversed(rows):
        nibbles = [0 if p is None else p for p in row]
        xor += bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, SIZE, 2))
        bits = 0
        line = b""
        for i, p in enumerate(row):
            bits = (bits << 1) | (1 if p is None else 0)
            if i % 8 == 7:
                line += bytes([bits])
                bits = 0
        mask += line
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, len(xor) + len(mask), 0, 0,
                         16, 0)
    image = header + colours + xor + mask
    return struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4,
                                                      len(image), 22) + image


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(icon())
