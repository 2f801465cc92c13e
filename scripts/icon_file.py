"""Writes 16-colour .ico files for the programs' resource scripts.

A picture is a function of the size that gives its rows of pixels, top row
first; a pixel is an (r, g, b) colour or None where the icon is transparent
(set in the mask). The palette is made from the colours a picture uses.
"""
import struct


def icon_image(rows):
    """One 4-bit icon image: header, palette, colour bits, mask bits."""
    size = len(rows)
    palette = [(0, 0, 0)]
    for row in rows:
        for c in row:
            if c is not None and c not in palette:
                palette.append(c)
    if len(palette) > 16:
        raise ValueError("more than 16 colours")
    palette += [(0, 0, 0)] * (16 - len(palette))

    def padded(data):
        return data + b"\0" * (-len(data) % 4)

    colour_bits = b""
    mask_bits = b""
    for row in reversed(rows):  # bitmaps are stored bottom row first
        indices = [0 if c is None else palette.index(c) for c in row]
        colour_bits += padded(bytes(indices[i] << 4 | indices[i + 1]
                                    for i in range(0, size, 2)))
        mask = 0
        for c in row:
            mask = mask << 1 | (c is None)
        mask_bits += padded(mask.to_bytes(size // 8, "big"))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         len(colour_bits) + len(mask_bits), 0, 0, 16, 0)
    colours = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in palette)
    return header + colours + colour_bits + mask_bits


def write_icon(path, picture, sizes):
    """Writes one .ico file holding `picture` at each of `sizes`."""
    images = [(size, icon_image(picture(size))) for size in sizes]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for size, image in images:
        directory += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    with open(path, "wb") as f:
        f.write(directory + b"".join(image for _, image in images))


def indexed(pixel, palette):
    """A picture from `pixel(x, y, size)`, which gives a palette index, or
    None, for the pixel at column x and row y (top row 0)."""
    def picture(size):
        return [[None if index is None else palette[index]
                 for index in (pixel(x, y, size) for x in range(size))]
                for y in range(size)]
    return picture
