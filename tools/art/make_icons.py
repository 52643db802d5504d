#!/usr/bin/env python3
"""Draws the program's icons and bitmaps from icons.txt.

Usage: make_icons.py [RESOURCES_DIR]   (default: resources of this repository)

Writes, relative to RESOURCES_DIR, the files named by the sections of icons.txt:
icons/zendrak.ico (16, 32 and 48 pixels) and icons/small.ico (16), the game icon;
icons/unsolved.ico, icons/solved.ico and icons/group.ico, the 16-pixel images of the
New game tree; bitmaps/about.bmp, the About box's picture. Icons are 32-bit with alpha and
an AND mask; the bitmap is 24-bit.
"""
import os
import sys

sys.dont_write_bytecode = True  # keep the source folder free of __pycache__
import artlib  # noqa: E402


def tiling_colour(drawing, colours, i, j, lx, ly, cell):
    """Colour of pixel (lx, ly) inside square (i, j) of a tiling drawing, or None."""
    rows = len(drawing)
    cols = len(drawing[0])
    letter = drawing[j][i]
    if letter == ".":
        return None

    def other(di, dj):
        ii, jj = i + di, j + dj
        return not (0 <= ii < cols and 0 <= jj < rows) or drawing[jj][ii] != letter

    base = colours[letter]
    last = cell - 1
    # Large squares get an outline on both sides of a boundary between figures; middle
    # ones a one-pixel seam on the right and lower side of it plus the outer edge; the
    # smallest ones only the seam, which also shades the lower right of the whole.
    both = cell >= 12
    outer = cell >= 6
    edge = ((lx == 0 and (other(-1, 0) if both else outer and i == 0))
            or (ly == 0 and (other(0, -1) if both else outer and j == 0))
            or (lx == last and other(1, 0))
            or (ly == last and other(0, 1)))
    if edge:
        return artlib.darken(base, 0.55)
    bevel = 0 if cell < 6 else 1 if cell < 12 else 2
    if bevel:
        if lx < bevel or ly < bevel:
            return artlib.lighten(base, 0.35 if ly < bevel else 0.22)
        if lx > last - bevel or ly > last - bevel:
            return artlib.darken(base, 0.22 if ly > last - bevel else 0.15)
    # A soft top-to-bottom sheen on the face.
    return artlib.lighten(base, 0.08 * (1 - ly / cell))


def draw_tiling(drawing, colours, cell, ox, oy, width, height, background):
    """Pixels (r, g, b, a) of the tiling at (ox, oy), with a soft shadow one pixel down
    and to the right of the figures. background is an (r, g, b, a) colour."""
    rows, cols = len(drawing), len(drawing[0])
    out = [[background for _ in range(width)] for _ in range(height)]

    def inside(x, y):
        i, j = (x - ox) // cell, (y - oy) // cell
        if x < ox or y < oy or not (0 <= i < cols and 0 <= j < rows):
            return None
        return i, j

    for y in range(height):
        for x in range(width):
            at = inside(x, y)
            if at is not None:
                c = tiling_colour(drawing, colours, at[0], at[1],
                                  (x - ox) % cell, (y - oy) % cell, cell)
                if c is not None:
                    out[y][x] = artlib.to_bytes(c) + (255,)
                    continue
            shade = inside(x - 1, y - 1)
            if shade is not None and drawing[shade[1]][shade[0]] != ".":
                r, g, b, a = background
                if a == 0:
                    out[y][x] = (0, 0, 0, 80)
                else:
                    out[y][x] = artlib.to_bytes(artlib.darken((r, g, b), 0.35)) + (a,)
    return out


def tiling_icon(size, drawing):
    cols = len(drawing[0])
    cell = (size - 1) // cols
    origin = (size - cols * cell - 1) // 2
    return origin, cell


def render_pixels(fields):
    words = fields["palette"].split()
    palette = {words[k]: artlib.parse_colour(words[k + 1]) for k in range(0, len(words), 2)}
    rows = artlib.drawing_rows(fields["drawing"])
    if len(rows) != 16 or any(len(r) != 16 for r in rows):
        raise ValueError("a pixel drawing must be 16 x 16")
    return [[(0, 0, 0, 0) if ch == "." else palette[ch] + (255,) for ch in row]
            for row in rows]


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) > 1 else os.path.join(here, "..", "..", "resources")
    sections = artlib.read_sections(os.path.join(here, "icons.txt"))
    colours = {k: artlib.parse_colour(v) for k, v in dict(sections)["colours"].items()}
    for name, fields in sections:
        if name == "colours":
            continue
        path = os.path.join(out, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        kind = fields["kind"]
        if kind == "pixels":
            artlib.write_ico(path, [(16, render_pixels(fields))])
        elif kind == "tiling" and name.endswith(".ico"):
            drawing = artlib.drawing_rows(fields["drawing"])
            images = []
            for size in (int(s) for s in fields["sizes"].split()):
                origin, cell = tiling_icon(size, drawing)
                images.append((size, draw_tiling(drawing, colours, cell, origin, origin,
                                                 size, size, (0, 0, 0, 0))))
            artlib.write_ico(path, images)
        elif kind == "tiling" and name.endswith(".bmp"):
            drawing = artlib.drawing_rows(fields["drawing"])
            cell = int(fields["cell"])
            panel, border = artlib.parse_colours(fields["panel"])
            pad = 4
            width = len(drawing[0]) * cell + 2 * pad
            height = len(drawing) * cell + 2 * pad
            pixels = draw_tiling(drawing, colours, cell, pad, pad, width, height,
                                 panel + (255,))
            for y in range(height):
                for x in range(width):
                    if x in (0, width - 1) or y in (0, height - 1):
                        pixels[y][x] = border + (255,)
            artlib.write_bmp24(path, width, height, [[p[:3] for p in row] for row in pixels])
        else:
            raise ValueError(f"{name}: unknown kind {kind!r}")
        print(f"resource: {name}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
