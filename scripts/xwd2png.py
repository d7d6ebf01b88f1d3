#!/usr/bin/env python3
"""Reads an X window dump (xwd -root) of a 24/32-bit TrueColor screen and writes a PNG.
ImageMagick takes the unused alpha byte of such dumps for transparency; this does not."""
import struct
import sys
import zlib


def main():
    data = open(sys.argv[1], "rb").read() if sys.argv[1] != "-" else sys.stdin.buffer.read()
    fields = struct.unpack(">25I", data[:100])
    header_size, width, height = fields[0], fields[4], fields[5]
    byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
    ncolors = fields[19]
    red_mask, green_mask, blue_mask = fields[14], fields[15], fields[16]
    offset = header_size + ncolors * 12
    # With Wine running the dump may claim 24 bits per pixel while keeping 4 bytes per pixel.
    stride = bytes_per_line // width
    if bits_per_pixel not in (24, 32) or stride not in (3, 4):
        sys.exit("only 24 and 32 bits per pixel dumps are read")

    def shift(mask):
        return (mask & -mask).bit_length() - 1

    rs, gs, bs = shift(red_mask), shift(green_mask), shift(blue_mask)
    rows = bytearray()
    for y in range(height):
        rows.append(0)
        line = data[offset + y * bytes_per_line: offset + y * bytes_per_line + width * stride]
        for x in range(width):
            raw = line[x * stride: x * stride + stride]
            pixel = int.from_bytes(raw, "little" if byte_order == 0 else "big")
            rows += bytes(((pixel >> rs) & 255, (pixel >> gs) & 255, (pixel >> bs) & 255))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(rows), 6)) + chunk(b"IEND", b"")
    open(sys.argv[2], "wb").write(png)


if __name__ == "__main__":
    main()
