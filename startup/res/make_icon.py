#!/usr/bin/env python3
"""Draws Quarrow's program icon (a list with a start arrow) as a 16-colour .ico.

Usage: make_icon.py <output file>
"""
import struct
import sys

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


def image(size):
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor_rows, and_rows = [], []
    for y in reversed(range(size)):
        colours = [pixel(x, y, size) for x in range(size)]
        row = bytearray()
        for x in range(0, size, 2):
            hi, lo = colours[x] or 0, colours[x + 1] or 0
            row.append((hi << 4) | lo)
        xor_rows.append(bytes(row) + b'\0' * ((4 - len(row) % 4) % 4))
        mask = bytearray((size + 31) // 32 * 4)
        for x, colour in enumerate(colours):
            if colour is None:
                mask[x // 8] |= 0x80 >> (x % 8)
        and_rows.append(bytes(mask))
    return header + palette + b''.join(xor_rows) + b''.join(and_rows)


def main():
    sizes = (32, 16)
    images = [image(size) for size in sizes]
    data = struct.pack('<HHH', 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for size, img in zip(sizes, images):
        data += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(img), offset)
        offset += len(img)
    with open(sys.argv[1], 'wb') as out:
        out.write(data + b''.join(images))


if __name__ == '__main__':
    main()
