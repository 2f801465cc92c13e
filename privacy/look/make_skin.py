#!/usr/bin/env python3
"""Draws Corbelt's skin: the window frame, caption strip, push-button faces,
the close and minimise buttons, the tab faces, the tab cursor and the
program icon, and writes skin_resources.rc naming each under its resource id.

usage: make_skin.py <output folder>

The look: a steel-blue glossy caption over a pale body, a bevelled frame,
silver push buttons that warm to gold under the mouse, and gold tabs for the
chosen page. Pixels of RGB(0,255,0) in the two top corners are left out when
the window draws them, which rounds the window's top corners.
"""
import math
import os
import struct
import sys

KEY = (0, 255, 0)
OUTLINE = (44, 62, 94)
CAPTION_HEIGHT = 30


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def gradient(stops, t):
    """Colour at t in [0, 1] along (position, colour) stops."""
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0) if p1 > p0 else 0)
    return stops[-1][1]


# Caption strip: an outline row, a highlight, a glossy upper half, a deeper
# lower half and a dark line under it. Black and white titles both read on it.
def caption_row(y):
    if y == 0:
        return OUTLINE
    if y == 1:
        return (214, 228, 244)
    if y == CAPTION_HEIGHT - 1:
        return (58, 80, 116)
    if y < 14:
        return mix((168, 190, 218), (128, 153, 188), (y - 2) / 11)
    return mix((100, 126, 162), (84, 110, 148), (y - 14) / 14)


# The frame's bevel, from the outside in.
BEVEL = (OUTLINE, (122, 148, 182), (156, 178, 206), (96, 120, 154))


def body_pixel(x, y, w, h):
    return gradient([(0.0, (240, 244, 249)), (0.55, (226, 233, 242)), (1.0, (208, 218, 231))], y / (h - 1))


def caption_pixel(x, y, w, h):
    return caption_row(y)


def top_corner(mirror):
    """5 x 30: the caption's rows inside a rounded outline, key colour outside."""
    def pixel(x, y, w, h):
        if mirror:
            x = w - 1 - x
        r = 5.0
        if y < r and x < r:
            d = math.hypot(r - (x + 0.5), r - (y + 0.5))
            if d > r:
                return KEY
            if d > r - 1.2:
                return OUTLINE
        if x == 0:
            return OUTLINE
        if x == 1 and y > 1:
            return mix(caption_row(y), (214, 228, 244), 0.35)
        return caption_row(y)
    return pixel


def edge(vertical, reverse):
    """Bevel across the edge; reverse runs it from the inside out."""
    def pixel(x, y, w, h):
        i = x if vertical else y
        return BEVEL[3 - i] if reverse else BEVEL[i]
    return pixel


def bottom_corner(left):
    """Bottom corners: the side bevel meets the bottom bevel on a diagonal."""
    def pixel(x, y, w, h):
        across = x if left else w - 1 - x  # distance from the outer side
        down = h - 1 - y                   # distance from the bottom
        if across == 0 and down == 0:
            return mix(OUTLINE, (150, 160, 175), 0.5)
        return BEVEL[min(across, down, 3)]
    return pixel


def face(top, bottom, gloss=0.18):
    """A push-button face: a gradient with a soft gloss on its upper half."""
    def pixel(x, y, w, h):
        t = y / (h - 1)
        c = mix(top, bottom, t)
        if t < 0.45:
            c = mix(c, (255, 255, 255), gloss * (1 - t / 0.45))
        return c
    return pixel


def rounded_button(top, bottom, outline, glyph, glyph_colour, shift=0):
    """16 x 16 caption button. Its corners take the caption's colours of the
    rows it sits on (8 to 23), so it blends into the strip."""
    def pixel(x, y, w, h):
        cx, cy, r = 7.5, 7.5, 7.5
        qx, qy = abs(x - cx), abs(y - cy)
        corner = 3.0
        ox, oy = max(0.0, qx - (r - corner)), max(0.0, qy - (r - corner))
        d = math.hypot(ox, oy)
        if d > corner + 0.3:
            return caption_row(8 + y)
        if d > corner - 0.8 or qx > r - 0.6 or qy > r - 0.6:
            return outline
        if glyph(x - shift, y - shift):
            return glyph_colour
        c = mix(top, bottom, y / 15)
        if y < 7:
            c = mix(c, (255, 255, 255), 0.22 * (1 - y / 7))
        return c
    return pixel


def cross(x, y):
    """A bold X: both diagonals of the 8 x 8 middle, three pixels wide."""
    if not (4 <= x <= 11 and 4 <= y <= 11):
        return False
    return abs(x - y) <= 1 or abs(x + y - 15) <= 1


def bar(x, y):
    return 4 <= x <= 11 and 10 <= y <= 11


WHITE = (255, 255, 255)

CLOSE = dict(top=(226, 96, 84), bottom=(168, 40, 34), outline=(104, 24, 22))
CLOSE_HOT = dict(top=(246, 128, 112), bottom=(204, 58, 48), outline=(124, 30, 26))
CLOSE_DOWN = dict(top=(150, 36, 30), bottom=(196, 70, 60), outline=(90, 20, 18))
MINIMISE = dict(top=(128, 158, 198), bottom=(70, 98, 140), outline=(36, 54, 86))
MINIMISE_HOT = dict(top=(160, 190, 226), bottom=(92, 124, 170), outline=(40, 60, 96))
MINIMISE_DOWN = dict(top=(62, 88, 128), bottom=(104, 134, 176), outline=(30, 46, 76))


def caption_button(colours, glyph, shift=0):
    return rounded_button(colours["top"], colours["bottom"], colours["outline"], glyph, WHITE, shift)


# (resource id, width, height, pixel function)
BITMAPS = [
    (10004, 240, 240, body_pixel),
    (10008, 56, 30, caption_pixel),
    (10009, 5, 30, top_corner(False)),
    (10010, 5, 30, top_corner(True)),
    (10011, 4, 31, edge(True, False)),
    (10012, 4, 31, edge(True, True)),
    (10005, 41, 4, edge(False, True)),
    (10006, 5, 4, bottom_corner(True)),
    (10007, 4, 4, bottom_corner(False)),
    # push buttons: normal, pressed, focused, hovered
    (10002, 57, 18, face((250, 251, 253), (208, 216, 228))),
    (10003, 56, 18, face((182, 196, 216), (224, 231, 240), gloss=0.0)),
    (10000, 56, 18, face((236, 243, 253), (176, 198, 228))),
    (10001, 56, 18, face((255, 249, 232), (236, 208, 148))),
    # close: normal, pressed, focused and hovered
    (10014, 16, 16, caption_button(CLOSE, cross)),
    (10015, 16, 16, caption_button(CLOSE_DOWN, cross, shift=1)),
    (10013, 16, 16, caption_button(CLOSE_HOT, cross)),
    # minimise: normal, pressed, focused and hovered
    (10017, 16, 16, caption_button(MINIMISE, bar)),
    (10018, 16, 16, caption_button(MINIMISE_DOWN, bar, shift=1)),
    (10016, 16, 16, caption_button(MINIMISE_HOT, bar)),
    # tabs: a silver face, and gold for the chosen page
    (11003, 57, 18, face((252, 253, 254), (212, 219, 229))),
    (11004, 56, 18, face((255, 242, 196), (224, 182, 86), gloss=0.25)),
]


def bitmap_file(width, height, pixel):
    """A 24-bit bottom-up bitmap file."""
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y, width, height)
            row += bytes((b, g, r))
        row += b"\0" * (-len(row) % 4)
        rows.append(bytes(row))
    bits = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(bits), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(bits), 0, 0, 14 + len(info))
    return header + info + bits


# The tabs' cursor: a pointing hand, 32 x 32 monochrome. '#' black, '.' white.
HAND = [
    "     ##          ",
    "    #..#         ",
    "    #..#         ",
    "    #..#         ",
    "    #..###       ",
    "    #..#..###    ",
    "    #..#..#..##  ",
    "    #..#..#..#.# ",
    " ## #..#..#..#..#",
    "#..##........#..#",
    "#...#...........#",
    " #..............#",
    "  #.............#",
    "  #............# ",
    "   #...........# ",
    "   #..........#  ",
    "    #.........#  ",
    "    #.........#  ",
    "    ###########  ",
]
HAND_HOTSPOT = (5, 0)


def cursor_file():
    size = 32
    xor_rows, and_rows = [], []
    for y in range(size - 1, -1, -1):
        line = HAND[y] if y < len(HAND) else ""
        xor = mask = 0
        for x in range(size):
            ch = line[x] if x < len(line) else " "
            xor = xor << 1 | (ch == ".")
            mask = mask << 1 | (ch == " ")
        xor_rows.append(xor.to_bytes(4, "big"))
        and_rows.append(mask.to_bytes(4, "big"))
    bits = b"".join(xor_rows) + b"".join(and_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, len(bits), 0, 0, 2, 0)
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    image = header + palette + bits
    directory = struct.pack("<HHH", 0, 2, 1)
    directory += struct.pack("<BBBBHHII", size, size, 2, 0, HAND_HOTSPOT[0], HAND_HOTSPOT[1],
                             len(image), 6 + 16)
    return directory + image


# The program icon: a navy shield with a white half-mask over its upper half.
def icon_pixel(u, v):
    """Colour at (u, v) in the unit square, None outside the shape."""
    # shield: straight top, sides curving into a point at the bottom
    half = 0.42 if v < 0.45 else 0.42 * math.sqrt(max(0.0, 1 - ((v - 0.45) / 0.5) ** 2))
    if not (0.06 <= v <= 0.95 and abs(u - 0.5) <= half):
        return None
    edge_dist = min(half - abs(u - 0.5), v - 0.06)
    if edge_dist < 0.05:
        return (22, 36, 66)
    # the mask: a band with two eye holes
    in_band = 0.30 <= v <= 0.50 and abs(u - 0.5) <= 0.33
    eye = min(math.hypot((u - 0.34) / 0.09, (v - 0.40) / 0.06),
              math.hypot((u - 0.66) / 0.09, (v - 0.40) / 0.06)) <= 1
    if in_band and not eye and not (abs(u - 0.5) < 0.05 and v > 0.44):
        return (246, 248, 252)
    if in_band and eye:
        return (18, 28, 52)
    return mix((92, 132, 196), (36, 58, 110), v)


def icon_image(size):
    samples = 4
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            hits = [icon_pixel((px + (sx + 0.5) / samples) / size, (py + (sy + 0.5) / samples) / size)
                    for sy in range(samples) for sx in range(samples)]
            inside = [c for c in hits if c is not None]
            if len(inside) * 2 < len(hits):
                row.append(None)
            else:
                row.append(tuple(sum(c[i] for c in inside) // len(inside) for i in range(3)))
        rows.append(row)
    # 24-bit colour bits, then the 1-bit transparency mask
    colour = b""
    mask = b""
    for row in reversed(rows):
        line = b"".join(bytes((c[2], c[1], c[0])) if c else b"\0\0\0" for c in row)
        colour += line + b"\0" * (-len(line) % 4)
        bits = 0
        for c in row:
            bits = bits << 1 | (c is None)
        m = bits.to_bytes(size // 8, "big")
        mask += m + b"\0" * (-len(m) % 4)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 24, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + mask


def icon_file(sizes):
    images = [(size, icon_image(size)) for size in sizes]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for size, image in images:
        directory += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 24, len(image), offset)
        offset += len(image)
    return directory + b"".join(image for _, image in images)


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def main(argv):
    if len(argv) != 2:
        sys.exit(__doc__)
    out = argv[1]
    os.makedirs(out, exist_ok=True)
    lines = ["// Generated by make_skin.py: Corbelt's skin bitmaps, tab cursor and icon.\n"]
    for rid, width, height, pixel in BITMAPS:
        name = "skin_%d.bmp" % rid
        write(os.path.join(out, name), bitmap_file(width, height, pixel))
        lines.append('%d BITMAP "%s"\n' % (rid, name))
    write(os.path.join(out, "tab_hand.cur"), cursor_file())
    lines.append('11005 CURSOR "tab_hand.cur"\n')
    write(os.path.join(out, "corbelt.ico"), icon_file((32, 16)))
    lines.append('128 ICON "corbelt.ico"\n')
    write(os.path.join(out, "skin_resources.rc"), "".join(lines).encode("ascii"))


if __name__ == "__main__":
    main(sys.argv)
