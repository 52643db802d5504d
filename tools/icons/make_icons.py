#!/usr/bin/env python3
"""Draws the program's icons (five pentominoes tiling a 5 x 5 square) as .ico files.

Usage: make_icons.py OUTPUT_DIR   (writes zendrak.ico with 16, 32 and 48 pixel images and
small.ico with a 16 pixel image)."""
import struct
import sys

LAYOUT = ["AAAAB", "ACCBB", "DCCCB", "DDEEB", "DDEEE"]
COLOURS = {"A": (220, 50, 47), "B": (38, 110, 210), "C": (240, 190, 30),
           "D": (60, 170, 70), "E": (150, 70, 180)}


def pixel(x, y, size):
    """Colour (r, g, b, a) of pixel (x, y) of a size x size icon."""
    margin = size // 16
    cell = (size - 2 * margin) / 5
    cx, cy = (x - margin) / cell, (y - margin) / cell
    if not (0 <= cx < 5 and 0 <= cy < 5):
        return (0, 0, 0, 0)
    col, row = int(cx), int(cy)
    name = LAYOUT[row][col]
    r, g, b = COLOURS[name]
    # Darken the edge of a figure where the neighbour belongs to another figure.
    fx, fy = cx - col, cy - row
    edge = 1.2 / cell
    def other(dc, dr):
        c, rr = col + dc, row + dr
        return not (0 <= c < 5 and 0 <= rr < 5) or LAYOUT[rr][c] != name
    if (fx < edge and other(-1, 0)) or (fx > 1 - edge and other(1, 0)) or \
       (fy < edge and other(0, -1)) or (fy > 1 - edge and other(0, 1)):
        r, g, b = r // 2, g // 2, b // 2
    return (r, g, b, 255)


def image(size):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    for y in reversed(range(size)):
        row = b""
        for x in range(size):
            r, g, b, a = pixel(x, y, size)
            row += bytes((b, g, r, a))
        rows.append(row)
    mask_stride = ((size + 31) // 32) * 4
    mask = b""
    for y in reversed(range(size)):
        bits = bytearray(mask_stride)
        for x in range(size):
            if pixel(x, y, size)[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + b"".join(rows) + mask


def write_ico(path, sizes):
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    write_ico(f"{folder}/zendrak.ico", [16, 32, 48])
    write_ico(f"{folder}/small.ico", [16])
