#!/usr/bin/env python3
"""Writes the bitmap seed corpus: one small file of every kind of Windows bitmap a player
may drop into Images/, and the hostile ones the loader must refuse or show with every pixel
set. Run from anywhere; it rewrites fuzz/corpus/bitmap/ beside this script."""

import os
import struct

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "bitmap")


def palette(count, entry_bytes=4):
    out = b""
    for i in range(count):
        blue, green, red = (i * 37) % 256, 255 - (i * 16) % 256, (i * 53) % 256
        out += bytes([blue, green, red]) + (b"\0" if entry_bytes == 4 else b"")
    return out


def file_header(total, offset):
    return b"BM" + struct.pack("<IHHI", total, 0, 0, offset)


def info_header(size, width, height, bits, compression=0, image_size=0, colours=0, extra=b""):
    body = struct.pack("<iiHHIIiiII", width, height, 1, bits, compression, image_size,
                       2835, 2835, colours, 0)
    body += extra
    return struct.pack("<I", size) + body.ljust(size - 4, b"\0")


def rows_uncompressed(width, height, bits):
    row_bytes = (width * bits + 31) // 32 * 4
    data = b""
    for y in range(height):
        row = bytearray(row_bytes)
        for x in range(width):
            if bits < 8:
                index = (x + 2 * y) % (1 << bits)
                bit = x * bits
                row[bit // 8] |= index << (8 - bits - bit % 8)
            elif bits == 8:
                row[x] = (x * 7 + y * 3) % 256
            else:
                step = bits // 8
                pixel = bytes([(x * 40) % 256, (y * 50) % 256, 77, 255])[:step]
                row[x * step:x * step + step] = pixel
        data += bytes(row)
    return data


def bitmap(width, height, bits, header_size=40, compression=0, pixels=None, colours=None,
           masks=b"", extra=b""):
    """A whole file; `height` negative stores rows top-down."""
    rows = abs(height)
    if pixels is None:
        pixels = rows_uncompressed(width, rows, bits)
    count = (1 << bits if colours is None else colours) if bits <= 8 else 0
    if header_size == 12:
        info = struct.pack("<IHHHH", 12, width, height & 0xFFFF, 1, bits)
        table = palette(count, 3)
    else:
        image_size = len(pixels) if compression in (1, 2) else 0
        info = info_header(header_size, width, height, bits, compression, image_size,
                           colours or 0, extra)
        table = palette(count)
    offset = 14 + len(info) + len(masks) + len(table)
    total = offset + len(pixels)
    return file_header(total, offset) + info + masks + table + pixels


def rle8_full(width, height):
    out = b""
    for y in range(height):
        left = width
        if y % 2:  # an absolute run of three, then encoded runs
            out += bytes([0, 3, y % 256, 1, 2, 0])
            left -= 3
        while left:
            run = min(left, 5)
            out += bytes([run, (y * 9 + left) % 256])
            left -= run
        out += b"\0\0"
    return out + b"\0\1"


def rle4_full(width, height):
    out = b""
    for y in range(height):
        left = width
        if y % 2:  # an absolute run of four nibbles
            out += bytes([0, 4, 0x12, 0x34])
            left -= 4
        while left:
            run = min(left, 6)
            out += bytes([run, ((y + left) % 16) << 4 | (y % 16)])
            left -= run
        out += b"\0\0"
    return out + b"\0\1"


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def main():
    os.makedirs(HERE, exist_ok=True)
    for old in os.listdir(HERE):
        os.remove(os.path.join(HERE, old))

    for bits in (1, 4, 8, 16, 24, 32):
        write(f"rgb{bits}-bottom-up.bmp", bitmap(9, 7, bits))
        write(f"rgb{bits}-top-down.bmp", bitmap(9, -7, bits))
    write("rgb8-two-colours-used.bmp", bitmap(6, 4, 8, colours=2))
    for bits in (1, 4, 8, 24):
        write(f"os2-core-{bits}.bmp", bitmap(7, 5, bits, header_size=12))
    write("os2-v2-header-8.bmp", bitmap(7, 5, 8, header_size=64))

    masks565 = struct.pack("<III", 0xF800, 0x07E0, 0x001F)
    write("bitfields16-565.bmp", bitmap(8, 6, 16, compression=3, masks=masks565))
    masks32 = struct.pack("<IIII", 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000)
    write("bitfields32-v4-alpha.bmp",
          bitmap(8, 6, 32, header_size=108, compression=3, extra=masks32))
    write("bitfields32-v5-top-down.bmp",
          bitmap(8, -6, 32, header_size=124, compression=3, extra=masks32))

    write("rle8-whole.bmp", bitmap(12, 6, 8, compression=1, pixels=rle8_full(12, 6)))
    write("rle4-whole.bmp", bitmap(12, 6, 4, compression=2, pixels=rle4_full(12, 6)))

    # Run-length data that leaves pixels out: each must come out with every pixel set.
    write("rle8-ends-mid-row.bmp", bitmap(12, 6, 8, compression=1, pixels=bytes([4, 9])))
    write("rle8-end-of-bitmap-before-last-row.bmp",
          bitmap(12, 6, 8, compression=1, pixels=bytes([12, 3, 0, 0, 12, 4, 0, 1])))
    write("rle8-delta-skips.bmp",
          bitmap(12, 6, 8, compression=1, pixels=bytes([2, 5, 0, 2, 6, 3, 2, 7, 0, 0, 0, 1])))
    write("rle8-no-end-marks.bmp",
          bitmap(12, 6, 8, compression=1, pixels=bytes([5, 1, 5, 2, 5, 3])))
    write("rle8-run-past-row-end.bmp",
          bitmap(4, 3, 8, compression=1, pixels=bytes([255, 6, 255, 7, 0, 1])))
    write("rle8-absolute-cut-short.bmp",
          bitmap(12, 6, 8, compression=1, pixels=bytes([0, 9, 1, 2, 3])))
    write("rle4-ends-mid-row.bmp", bitmap(12, 6, 4, compression=2, pixels=bytes([5, 0x12])))
    write("rle4-delta-skips.bmp",
          bitmap(12, 6, 4, compression=2, pixels=bytes([3, 0x45, 0, 2, 5, 2, 4, 0x67, 0, 1])))
    write("rle4-end-of-bitmap-first.bmp", bitmap(12, 6, 4, compression=2, pixels=b"\0\1"))
    write("rle4-index-past-palette.bmp",
          bitmap(8, 2, 4, compression=2, colours=2, pixels=bytes([8, 0xFE, 0, 0, 8, 0xDC, 0, 1])))

    # 120 bytes that claim 8192 x 4096 pixels: refused before anything is allocated.
    claim = bitmap(8192, 4096, 4, compression=2, pixels=b"\0\1")
    assert len(claim) == 120
    write("rle4-claims-8192x4096.bmp", claim)
    write("rgb24-wider-than-allowed.bmp",
          bitmap(1025, 1, 24, pixels=bytes((1025 * 3 + 3) // 4 * 4)))
    write("rgb8-taller-than-allowed.bmp", bitmap(1, 1025, 8, pixels=bytes(4 * 1025)))
    write("rgb24-cut-short.bmp", bitmap(9, 7, 24)[:-20])


if __name__ == "__main__":
    main()
