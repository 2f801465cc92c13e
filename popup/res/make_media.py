#!/usr/bin/env python3
"""Writes the program's generated media: the alert sound and the flag bitmaps.

usage: make_media.py wav <file>
       make_media.py flag <English|default> <file>
"""
import math
import struct
import sys

RATE = 11025


def alert_sound():
    """Two short rising tones, 8-bit mono PCM."""
    samples = bytearray()
    for freq, length in ((880, 0.09), (0, 0.03), (1320, 0.12)):
        count = int(RATE * length)
        for i in range(count):
            fade = min(1.0, i / 200.0, (count - i) / 200.0)
            level = math.sin(2 * math.pi * freq * i / RATE) if freq else 0.0
            samples.append(128 + int(90 * fade * level))
    fmt = struct.pack("<HHIIHH", 1, 1, RATE, RATE, 1, 8)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
    body += b"data" + struct.pack("<I", len(samples)) + bytes(samples)
    if len(samples) % 2:
        body += b"\0"
    return b"RIFF" + struct.pack("<I", len(body)) + body


WHITE = (255, 255, 255)
RED = (200, 16, 46)
GREY = (160, 160, 160)
DARK = (64, 64, 64)


def flag_pixel(kind, x, y):
    if kind == "English":
        return RED if 6 <= x <= 9 or 6 <= y <= 8 else WHITE
    # default: a grey square with a dark border
    return DARK if x in (0, 15) or y in (0, 15) else GREY


def flag_bitmap(kind):
    """A 16 x 16, 24-bit bottom-up bitmap file."""
    rows = []
    for y in range(15, -1, -1):
        row = bytearray()
        for x in range(16):
            r, g, b = flag_pixel(kind, x, y)
            row += bytes((b, g, r))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, 16, 16, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + pixels


def main(argv):
    if len(argv) == 3 and argv[1] == "wav":
        data, out = alert_sound(), argv[2]
    elif len(argv) == 4 and argv[1] == "flag" and argv[2] in ("English", "default"):
        data, out = flag_bitmap(argv[2]), argv[3]
    else:
        sys.exit(__doc__)
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main(sys.argv)
