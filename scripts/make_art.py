#!/usr/bin/env python3
"""Turns the text pictures under art/ into the binary icon, cursor and bitmap
files that the resource scripts include.

A picture file reads:

    # comment lines start with a hash and a space, or stand alone as '#'
    type icon|cursor|bitmap
    depth 1|4               bitmaps only: bits per pixel of the file
    hotspot X Y             cursors only
    colours
      K 000000              one character per colour, as RRGGBB
      . transparent         icons and cursors: see-through
      ~ invert              cursors only: inverts the screen
    pixels                  one block of rows; icons may have several sizes,
    ....                    bitmaps with several blocks are laid side by side
    pixels
    ....

Output is byte-for-byte reproducible: the same text gives the same file.
"""
import struct
import sys

# The standard 16-colour palette (the VGA colours), in its usual order.
STANDARD_16 = [
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
]
TRANSPARENT = "transparent"
INVERT = "invert"


class Picture:
    def __init__(self):
        self.type = None
        self.depth = None
        self.hotspot = (0, 0)
        self.colours = {}
        self.blocks = []


def fail(path, line_no, message):
    sys.exit(f"{path}:{line_no}: {message}")


def parse(path):
    pic = Picture()
    section = None
    with open(path, encoding="ascii") as f:
        lines = f.read().splitlines()
    for n, raw in enumerate(lines, 1):
        line = raw.rstrip()
        if section != "pixels" and (line.startswith("# ") or line == "#" or not line.strip()):
            continue
        if section == "pixels" and not line.strip():
            continue
        words = line.split()
        if words[0] in ("type", "depth", "hotspot", "colours", "pixels") and not raw.startswith(" "):
            key = words[0]
            if key == "type":
                pic.type = words[1]
            elif key == "depth":
                pic.depth = int(words[1])
            elif key == "hotspot":
                pic.hotspot = (int(words[1]), int(words[2]))
            elif key == "colours":
                section = "colours"
            elif key == "pixels":
                section = "pixels"
                pic.blocks.append([])
            continue
        if section == "colours":
            char, value = line.strip().split()[:2]
            if len(char) != 1:
                fail(path, n, "a colour is named by one character")
            if value in (TRANSPARENT, INVERT):
                pic.colours[char] = value
            else:
                pic.colours[char] = int(value, 16)
        elif section == "pixels":
            row = line.strip()
            for ch in row:
                if ch not in pic.colours:
                    fail(path, n, f"character {ch!r} has no colour")
            pic.blocks[-1].append(row)
        else:
            fail(path, n, f"unexpected line: {line}")
    if pic.type not in ("icon", "cursor", "bitmap"):
        fail(path, 1, "missing or unknown type")
    if not pic.blocks:
        fail(path, 1, "no pixels")
    for block in pic.blocks:
        widths = {len(r) for r in block}
        if len(widths) != 1:
            fail(path, 1, "rows of one block must all have the same width")
    return pic


def row_bytes(bits_per_row):
    return (bits_per_row + 31) // 32 * 4


def pack_rows(rows, depth, index_of):
    """Packs rows bottom-up as a device-independent bitmap wants them."""
    out = bytearray()
    for row in reversed(rows):
        stride = row_bytes(len(row) * depth)
        data = bytearray(stride)
        for x, ch in enumerate(row):
            value = index_of(ch)
            if depth == 1:
                if value:
                    data[x // 8] |= 0x80 >> (x % 8)
            elif depth == 4:
                data[x // 2] |= (value << 4) if x % 2 == 0 else value
            elif depth == 32:
                data[x * 4:x * 4 + 4] = struct.pack("<I", value)
        out += data
    return bytes(out)


def info_header(width, height, depth, colours_used, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, depth, 0, image_size, 0, 0, colours_used, 0)


def rgbquad(rgb):
    return struct.pack("<BBBB", rgb & 0xFF, (rgb >> 8) & 0xFF, rgb >> 16, 0)


def make_bitmap(pic, path):
    rows = [""] * len(pic.blocks[0])
    for block in pic.blocks:
        if len(block) != len(rows):
            fail(path, 1, "side-by-side blocks must have the same height")
        rows = [a + b for a, b in zip(rows, block)]
    depth = pic.depth or 4
    if depth == 1:
        palette = [0x000000, 0xFFFFFF]
    elif depth == 4:
        palette = STANDARD_16
    else:
        fail(path, 1, "bitmaps are 1 or 4 bits deep")
    def index_of(ch):
        rgb = pic.colours[ch]
        if rgb not in palette:
            sys.exit(f"{path}: colour {rgb:06X} is not in the {len(palette)}-colour palette")
        return palette.index(rgb)
    pixels = pack_rows(rows, depth, index_of)
    table = b"".join(rgbquad(c) for c in palette)
    header = info_header(len(rows[0]), len(rows), depth, len(palette), len(pixels))
    offset = 14 + len(header) + len(table)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return file_header + header + table + pixels


def icon_image(pic, rows):
    """A 32-bit colour image with its AND mask, as icons carry them."""
    def colour(ch):
        value = pic.colours[ch]
        return 0 if value == TRANSPARENT else (0xFF000000 | value)
    def masked(ch):
        return 1 if pic.colours[ch] == TRANSPARENT else 0
    width, height = len(rows[0]), len(rows)
    xor = pack_rows(rows, 32, colour)
    mask = pack_rows(rows, 1, masked)
    header = info_header(width, height * 2, 32, 0, len(xor) + len(mask))
    return header + xor + mask


def cursor_image(pic, rows):
    """A monochrome cursor: black, white, see-through or inverting pixels."""
    def xor_bit(ch):
        value = pic.colours[ch]
        return 1 if value == INVERT or value == 0xFFFFFF else 0
    def and_bit(ch):
        value = pic.colours[ch]
        return 1 if value in (TRANSPARENT, INVERT) else 0
    for ch, value in pic.colours.items():
        if value not in (TRANSPARENT, INVERT, 0x000000, 0xFFFFFF):
            sys.exit(f"cursor colour {ch!r} must be black, white, transparent or invert")
    width, height = len(rows[0]), len(rows)
    xor = pack_rows(rows, 1, xor_bit)
    mask = pack_rows(rows, 1, and_bit)
    header = info_header(width, height * 2, 1, 2, len(xor) + len(mask))
    table = rgbquad(0x000000) + rgbquad(0xFFFFFF)
    return header + table + xor + mask


def make_icon_or_cursor(pic):
    is_cursor = pic.type == "cursor"
    images = [cursor_image(pic, b) if is_cursor else icon_image(pic, b) for b in pic.blocks]
    out = struct.pack("<HHH", 0, 2 if is_cursor else 1, len(images))
    offset = 6 + 16 * len(images)
    for block, image in zip(pic.blocks, images):
        width, height = len(block[0]), len(block)
        if is_cursor:
            planes, bits = pic.hotspot
            colours = 2
        else:
            planes, bits, colours = 1, 32, 0
        out += struct.pack("<BBBBHHII", width % 256, height % 256, colours, 0, planes, bits, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: make_art.py picture.txt output")
    source, target = sys.argv[1], sys.argv[2]
    pic = parse(source)
    data = make_bitmap(pic, source) if pic.type == "bitmap" else make_icon_or_cursor(pic)
    with open(target, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
