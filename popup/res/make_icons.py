#!/usr/bin/env python3
"""Draws Halvane's icons and writes them as 16-colour .ico files.

Usage: make_icons.py <output folder>

Each picture is a list of layers drawn in order on a unit square; a layer is
a colour and a shape that says which points it covers. Uncovered pixels are
transparent (set in the icon's mask).
"""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from icon_file import write_icon  # noqa: E402

NAVY = (24, 44, 84)
STEEL = (77, 115, 148)
WHITE = (255, 255, 255)
RED = (204, 24, 24)
GREEN = (30, 150, 50)
SKY = (70, 140, 220)
GREY = (150, 150, 150)
DARK_GREY = (80, 80, 80)


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r, width):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) <= width / 2


def stroke(ax, ay, bx, by, width):
    """A straight line of the given width from a to b."""
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy

    def covers(x, y):
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        return math.hypot(x - ax - t * dx, y - ay - t * dy) <= width / 2
    return covers


def ellipse_ring(cx, cy, rx, ry, width):
    return lambda x, y: abs(math.hypot((x - cx) / rx, (y - cy) / ry) - 1) * min(rx, ry) <= width / 2


def both(a, b):
    return lambda x, y: a(x, y) and b(x, y)


# A browser window with a red "no" sign over it: the program and its
# catching-on tray icon.
BLOCKER = [
    (NAVY, rect(0.06, 0.10, 0.94, 0.90)),
    (WHITE, rect(0.13, 0.28, 0.87, 0.83)),
    (STEEL, rect(0.13, 0.16, 0.87, 0.24)),
    (RED, ring(0.56, 0.58, 0.30, 0.11)),
    (RED, both(disc(0.56, 0.58, 0.30), stroke(0.35, 0.37, 0.77, 0.79, 0.11))),
]

ZONES = {
    # A monitor on its stand.
    "zone_intranet.ico": [
        (DARK_GREY, rect(0.08, 0.10, 0.92, 0.72)),
        (SKY, rect(0.17, 0.19, 0.83, 0.63)),
        (DARK_GREY, rect(0.42, 0.72, 0.58, 0.84)),
        (DARK_GREY, rect(0.22, 0.84, 0.78, 0.94)),
    ],
    # A tick in a green disc.
    "zone_trusted.ico": [
        (GREEN, disc(0.5, 0.5, 0.45)),
        (WHITE, stroke(0.25, 0.52, 0.43, 0.70, 0.13)),
        (WHITE, stroke(0.43, 0.70, 0.75, 0.30, 0.13)),
    ],
    # A globe with a meridian and the equator.
    "zone_internet.ico": [
        (SKY, disc(0.5, 0.5, 0.45)),
        (WHITE, ellipse_ring(0.5, 0.5, 0.20, 0.44, 0.07)),
        (WHITE, both(disc(0.5, 0.5, 0.44), rect(0.0, 0.46, 1.0, 0.54))),
        (NAVY, ring(0.5, 0.5, 0.45, 0.07)),
    ],
    # A no-entry sign.
    "zone_restricted.ico": [
        (RED, disc(0.5, 0.5, 0.45)),
        (WHITE, rect(0.20, 0.41, 0.80, 0.59)),
    ],
}


def greyed(layers):
    def grey(c):
        v = (c[0] * 30 + c[1] * 59 + c[2] * 11) // 100
        return (v, v, v)
    return [(grey(colour), shape) for colour, shape in layers]


def picture(layers):
    """The layers as a picture: each pixel sampled at its centre."""
    return lambda size: render(layers, size)


def render(layers, size):
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            x, y = (px + 0.5) / size, (py + 0.5) / size
            colour = None
            for c, shape in layers:
                if shape(x, y):
                    colour = c
            row.append(colour)
        rows.append(row)
    return rows


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    write_icon(os.path.join(out, "halvane.ico"), picture(BLOCKER), (32, 16))
    write_icon(os.path.join(out, "tray_on.ico"), picture(BLOCKER), (16,))
    write_icon(os.path.join(out, "tray_off.ico"), picture(greyed(BLOCKER)), (16,))
    for name, layers in ZONES.items():
        write_icon(os.path.join(out, name), picture(layers), (16,))


if __name__ == "__main__":
    main()
