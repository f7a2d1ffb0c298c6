#!/usr/bin/env python3
"""Turns a 24-bit X window dump (xwd, 32 bits a pixel) into a PNG, taking
each pixel's red, green and blue through the dump's colour masks. (netpbm's
converter reads the colour map instead when the window's visual is
DirectColor, as SDL's windows on the virtual X server are, and gets the
colours wrong.)

Usage: xwd_to_png.py IN.xwd OUT.png
"""

import struct
import sys
import zlib


def main(source, target):
    data = open(source, "rb").read()
    fields = struct.unpack(">25I", data[:100])
    header_size, width, height = fields[0], fields[4], fields[5]
    byte_order, bits_per_pixel, line_bytes = fields[7], fields[11], fields[12]
    red_mask, green_mask, blue_mask = fields[14], fields[15], fields[16]
    colours = fields[19]
    if bits_per_pixel != 32:
        raise SystemExit(f"xwd_to_png: {bits_per_pixel} bits a pixel is not handled")
    pixels = data[header_size + colours * 12:]
    order = ">" if byte_order == 1 else "<"

    def channel(value, mask):
        shift = (mask & -mask).bit_length() - 1
        return (value & mask) >> shift

    rows = bytearray()
    for y in range(height):
        rows.append(0)
        line = pixels[y * line_bytes:y * line_bytes + width * 4]
        for (value,) in struct.iter_unpack(order + "I", line):
            rows += bytes((channel(value, red_mask), channel(value, green_mask),
                           channel(value, blue_mask)))

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    png = (b"\x89PNG\r\n\x1a\n" +
           chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
           chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b""))
    open(target, "wb").write(png)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
