#!/usr/bin/env python3
"""Draws Mirrowick's program icon (a sheet of paper cut into strips) and
writes it as a 16-colour .ico file with a 32x32 and a 16x16 picture.

Usage: make_icon.py <output file>
"""
import struct
import sys

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


def picture(size):
    """The BITMAPINFOHEADER, palette, 4-bit colour rows and 1-bit mask rows."""
    colours, mask = [], []
    for row in range(size - 1, -1, -1):
        line, bits = [], []
        for col in range(size):
            value = colour_at((col + 0.5) / size, (row + 0.5) / size)
            line.append(value or 0)
            bits.append(1 if value is None else 0)
        colours.append(bytes((line[i] << 4) | line[i + 1] for i in range(0, size, 2)))
        packed = bytes(int("".join(map(str, bits[i:i + 8])), 2) for i in range(0, size, 8))
        mask.append(packed + b"\0" * ((4 - len(packed) % 4) % 4))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + b"".join(colours) + b"".join(mask)


def main():
    sizes = [32, 16]
    images = [picture(size) for size in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    with open(sys.argv[1], "wb") as handle:
        handle.write(out + b"".join(images))


if __name__ == "__main__":
    main()
