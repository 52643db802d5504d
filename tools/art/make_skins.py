#!/usr/bin/env python3
"""Draws the skins of data/Skins from the colour tables in skins.txt.

Usage: make_skins.py [OUTPUT_DIR]   (default: data/Skins beside this repository's tools)

Every skin is a 24-bit bitmap of 896 x 64 pixels: 14 tiles of 64 x 64 side by side. The
look of a style is worked out once per skin as a "light map": for every pixel a linear
function colour -> a * colour + b (the average over 3 x 3 samples, so edges are smooth),
one map for the open cell and one for the coloured squares. Each tile is then that map
applied to its colour, so all twelve figures and the plain square share one shape exactly.

Styles:
  bevel     flat face with a straight 45-degree rim lit from the top left
  pillow    softly rounded cushion
  glass     rounded jewel in a dark setting, with a gloss highlight and a specular spot
  flat      plain colour with a darker rim
  contrast  plain saturated colour with a strong dark rim
  marble    veined stone with a chiselled rim
"""
import math
import os
import sys

sys.dont_write_bytecode = True  # keep the source folder free of __pycache__
import artlib  # noqa: E402

TILE = 64
TILES = 14
SS = 3  # samples per pixel in each direction

# Direction towards the light: from the top left and in front of the screen.
_L = (-0.55, -0.75, 1.0)
_LN = math.sqrt(sum(v * v for v in _L))
LIGHT = tuple(v / _LN for v in _L)
_H = (LIGHT[0], LIGHT[1], LIGHT[2] + 1.0)
_HN = math.sqrt(sum(v * v for v in _H))
HALF = tuple(v / _HN for v in _H)  # half-way vector for specular spots (viewer in front)


class Affine:
    """colour -> a * colour + b, built from a sequence of blending steps."""
    __slots__ = ("a", "b")

    def __init__(self):
        self.a = 1.0
        self.b = [0.0, 0.0, 0.0]

    def toward(self, target, t):
        t = artlib.clamp(t)
        self.a *= 1 - t
        self.b = [bb * (1 - t) + k * t for bb, k in zip(self.b, target)]
        return self

    def darken(self, t):
        return self.toward((0.0, 0.0, 0.0), t)

    def lighten(self, t):
        return self.toward((255.0, 255.0, 255.0), t)

    def scale(self, f):
        self.a *= f
        self.b = [bb * f for bb in self.b]
        return self


def edge_distance(x, y):
    return min(x, y, TILE - x, TILE - y)


def lit(aff, n, light):
    """Shades a surface of normal n: slopes towards the light get lighter, slopes away
    from it darker; a flat face stays as it is."""
    r = (n[0] * LIGHT[0] + n[1] * LIGHT[1] + n[2] * LIGHT[2]) / LIGHT[2]
    if r >= 1:
        aff.lighten((r - 1) * light * 2.0)
    else:
        aff.darken((1 - r) * light * 0.6)
    return aff


def normal(height, x, y, eps=0.25):
    gx = (height(x + eps, y) - height(x - eps, y)) / (2 * eps)
    gy = (height(x, y + eps) - height(x, y - eps)) / (2 * eps)
    n = math.sqrt(gx * gx + gy * gy + 1)
    return (-gx / n, -gy / n, 1 / n)


def rounded_rect_distance(x, y, inset, radius):
    """Signed distance to a rounded square inset from the tile's edge (negative inside)."""
    half = TILE / 2 - inset
    qx = abs(x - TILE / 2) - (half - radius)
    qy = abs(y - TILE / 2) - (half - radius)
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - radius


# ---------------------------------------------------------------------------------------
# The styles: each gives the light map of one sample of a coloured square and of an open
# cell. p holds the section's numbers.


def bevel_square(x, y, p):
    b = p["size"]
    height = lambda u, v: min(edge_distance(u, v), b)
    a = Affine()
    a.lighten(0.07 * (1 - y / TILE)).darken(0.06 * (y / TILE))
    lit(a, normal(height, x, y), p["light"])
    if edge_distance(x, y) < 1:
        a.darken(p["edge"])
    return a


def sunken_cell(x, y, p, depth=3.0, line=0.14, light=0.35):
    height = lambda u, v: -min(edge_distance(u, v), depth)
    a = Affine()
    lit(a, normal(height, x, y), light)
    if edge_distance(x, y) < 1:
        a.darken(line)
    return a


def pillow_height(r):
    def height(u, v):
        fx = math.sin(min(min(u, TILE - u) / r, 1.0) * math.pi / 2)
        fy = math.sin(min(min(v, TILE - v) / r, 1.0) * math.pi / 2)
        return r * 0.55 * fx * fy
    return height


def pillow_square(x, y, p):
    a = Affine()
    lit(a, normal(pillow_height(p["size"]), x, y), p["light"])
    # A faint sheen on the upper left of the cushion.
    d = math.hypot(x - 24, y - 22) / 30
    a.lighten(0.10 * max(0.0, 1 - d) ** 2)
    if edge_distance(x, y) < 1:
        a.darken(p["edge"])
    return a


def pillow_cell(x, y, p):
    return sunken_cell(x, y, p, depth=4.0, line=0.10, light=0.25)


def glass_square(x, y, p):
    radius = p["size"]
    sd = rounded_rect_distance(x, y, 2.0, radius)
    a = Affine()
    if sd > 0:
        # The setting between the jewels: dark, a little lighter towards the corner.
        return a.darken(p["edge"]).lighten(0.05 * (1 - y / TILE))
    height = lambda u, v: radius * math.sin(
        min(-rounded_rect_distance(u, v, 2.0, radius) / radius, 1.0) * math.pi / 2)
    n = normal(height, x, y)
    a.lighten(0.18 * (1 - y / TILE)).darken(0.12 * (y / TILE))
    lit(a, n, p["light"])
    # Light that went through the jewel gathers at its lower edge.
    a.lighten(0.22 * math.exp(-((y - 55.0) / 5.0) ** 2) * artlib.smoothstep(-4, -8, sd))
    # The gloss: a bright band over the upper half, fading downwards.
    e = ((x - 32) / 23.0) ** 2 + ((y - 16) / 11.0) ** 2
    if e < 1:
        a.lighten(0.42 * artlib.smoothstep(1.0, 0.75, e) * (1 - (y - 5) / 24))
    shine = max(0.0, n[0] * HALF[0] + n[1] * HALF[1] + n[2] * HALF[2]) ** 60
    a.lighten(0.8 * shine)
    # The outline of the jewel melts into the setting.
    if sd > -1.2:
        a.darken(0.35 * (sd + 1.2) / 1.2)
    return a


def glass_cell(x, y, p):
    sd = rounded_rect_distance(x, y, 2.0, p["size"])
    a = Affine()
    if sd > 0:
        return a.darken(0.10)
    height = lambda u, v: -4.0 * math.sin(
        min(-rounded_rect_distance(u, v, 2.0, p["size"]) / 4.0, 1.0) * math.pi / 2)
    lit(a, normal(height, x, y), 0.3)
    return a.lighten(0.12 * (1 - y / TILE))


def flat_square(x, y, p):
    a = Affine()
    if edge_distance(x, y) < 2:
        a.darken(p["edge"])
    return a


def flat_cell(x, y, p):
    a = Affine()
    if edge_distance(x, y) < 1:
        a.darken(0.10)
    return a


def contrast_square(x, y, p):
    a = Affine()
    d = edge_distance(x, y)
    if d < 3:
        a.darken(p["edge"])
    elif d < 4:
        a.lighten(0.25)
    return a


def contrast_cell(x, y, p):
    a = Affine()
    if edge_distance(x, y) < 1.5:
        a.darken(0.35)
    return a


class Marble:
    """Cloudy stone with a few soft veins running diagonally; the texture repeats every
    tile, so the squares of one figure join like one slab."""

    def __init__(self, seed):
        self.cloud = artlib.TileFbm(TILE, 2, 2, 4, seed)
        self.turb = artlib.TileFbm(TILE, 2, 2, 3, seed + 11)

    def texture(self, a, x, y, strength):
        cloud = self.cloud(x, y)
        turb = self.turb(x, y)
        # Two families of veins at an angle, both bent by the turbulence; whole periods
        # across the tile, so the texture repeats.
        main = (1 - abs(math.sin(2 * math.pi * (x + y) / TILE + 8.0 * turb))) ** 9
        thin = (1 - abs(math.sin(2 * math.pi * (2 * x - y) / TILE + 6.0 * cloud))) ** 16
        a.scale(1 + strength * 0.34 * (cloud - 0.5))
        a.lighten(strength * (0.30 * main + 0.12 * thin))
        return a


def marble_square(x, y, p):
    a = p["marble"].texture(Affine(), x, y, 1.0)
    height = lambda u, v: min(edge_distance(u, v), p["size"])
    lit(a, normal(height, x, y), p["light"])
    if edge_distance(x, y) < 1:
        a.darken(p["edge"])
    return a


def marble_cell(x, y, p):
    a = p["marble"].texture(Affine(), x, y, 0.35)
    height = lambda u, v: -min(edge_distance(u, v), 3.0)
    lit(a, normal(height, x, y), 0.35)
    if edge_distance(x, y) < 1:
        a.darken(0.14)
    return a


STYLES = {
    "bevel": (bevel_square, sunken_cell),
    "pillow": (pillow_square, pillow_cell),
    "glass": (glass_square, glass_cell),
    "flat": (flat_square, flat_cell),
    "contrast": (contrast_square, contrast_cell),
    "marble": (marble_square, marble_cell),
}


def light_map(sample, p):
    """Per pixel (a, b) averaged over SS x SS samples."""
    rows = []
    for py in range(TILE):
        row = []
        for px in range(TILE):
            sa, sb = 0.0, [0.0, 0.0, 0.0]
            for j in range(SS):
                for i in range(SS):
                    aff = sample(px + (i + 0.5) / SS, py + (j + 0.5) / SS, p)
                    sa += aff.a
                    sb = [s + v for s, v in zip(sb, aff.b)]
            k = SS * SS
            row.append((sa / k, [v / k for v in sb]))
        rows.append(row)
    return rows


def apply(lmap, colour):
    return [[artlib.to_bytes(tuple(a * c + bb for c, bb in zip(colour, b))) for a, b in row]
            for row in lmap]


def parse_skin(fields):
    p = {
        "style": fields["style"],
        "size": float(fields.get("size", "6")),
        "edge": float(fields.get("edge", "0.3")),
        "light": float(fields.get("light", "0.5")),
        "open": artlib.parse_colour(fields["open"]),
        "plain": artlib.parse_colour(fields["plain"]),
        "figures": artlib.parse_colours(fields["figures"]),
    }
    if p["style"] not in STYLES:
        raise ValueError(f"unknown style {p['style']!r}")
    if len(p["figures"]) != 12:
        raise ValueError(f"{len(p['figures'])} figure colours instead of 12")
    if p["style"] == "marble":
        p["marble"] = Marble(int(fields.get("seed", "1")))
    return p


def render_skin(p):
    square, cell = STYLES[p["style"]]
    square_map = light_map(square, p)
    cell_map = light_map(cell, p)
    tiles = [apply(cell_map, p["open"])]
    tiles += [apply(square_map, c) for c in p["figures"]]
    tiles.append(apply(square_map, p["plain"]))
    assert len(tiles) == TILES
    return [sum((tiles[k][y] for k in range(TILES)), []) for y in range(TILE)]


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) > 1 else os.path.join(here, "..", "..", "data", "Skins")
    os.makedirs(out, exist_ok=True)
    for name, fields in artlib.read_sections(os.path.join(here, "skins.txt")):
        rows = render_skin(parse_skin(fields))
        artlib.write_bmp24(os.path.join(out, name), TILE * TILES, TILE, rows)
        print(f"skin: {name}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
