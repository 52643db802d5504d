#!/usr/bin/env python3
"""Draws the background patterns of data/Background from backgrounds.txt.

Usage: make_backgrounds.py [OUTPUT_DIR]   (default: data/Background of this repository)

Every pattern is built only from functions that repeat at the image size (noise on a
wrapping lattice, sines with whole periods, per-thread tables), so the bitmap tiles
without a seam. Kinds:
  wood     planks of grained wood with growth rings, seams and one butt joint per plank
  slate    layered cloudy stone
  linen    a plain weave of slightly uneven threads
  felt     fine fuzzy cloth
  granite  cloudy stone scattered with small grains
"""
import math
import os
import random
import sys

sys.dont_write_bytecode = True  # keep the source folder free of __pycache__
import artlib  # noqa: E402


def wood(p):
    n = p["size"]
    planks = int(p["planks"])
    spacing = float(p["rings"])  # pixels between growth rings
    ph = n // planks
    rng = random.Random(p["seed"])
    joints = [rng.randrange(n) for _ in range(planks)]
    tones = [rng.uniform(-0.07, 0.07) for _ in range(planks)]
    piths = [rng.uniform(0.3, 0.7) * ph for _ in range(planks)]
    phases = [rng.uniform(0, 2 * math.pi) for _ in range(planks)]
    warp = artlib.TileFbm(n, 2, 4, 3, p["seed"])
    fibre = artlib.TileNoise(n, 4, n // 2, p["seed"] + 1)
    half = ph // 2  # seams lie half a plank off the tile's edge, so the edge cuts a plank
    rows = []
    for y in range(n):
        k = ((y - half) % n) // ph        # which plank
        v = (y - half) % n - k * ph       # row within the plank
        row = []
        for x in range(n):
            u = x + k * 37  # along the plank; the offset makes each plank different
            along = (x - joints[k]) % n  # from the plank's joint: jumps there, nowhere else
            # The plank is a slice through a log: the rings are circles around the pith,
            # cut at a depth that changes slowly along the plank, which draws the arches.
            depth = 5 + 22 * (0.5 + 0.5 * math.sin(2 * math.pi * u / n + phases[k])) \
                + 8 * along / n
            r = math.hypot(v - piths[k], depth) / spacing + 1.6 * warp(u, y)
            f = r - math.floor(r)
            ring = artlib.smoothstep(0.0, 0.7, f) * (1 - artlib.smoothstep(0.8, 1.0, f))
            t = 0.30 + 0.32 * ring + 0.28 * (fibre(u, y) - 0.5) + tones[k]
            c = artlib.mix(p["light"], p["dark"], artlib.clamp(t))
            if v == 0:
                c = artlib.darken(c, 0.35)
            elif v == 1:
                c = artlib.lighten(c, 0.06)
            if along == 0:
                c = artlib.darken(c, 0.30)
            row.append(artlib.to_bytes(c))
        rows.append(row)
    return rows


def slate(p):
    n = p["size"]
    # Thin layers (stretched along x) over a finer cloud; the higher octaves weigh more
    # than usual (gain 0.7), so no large blob repeats visibly from tile to tile.
    layers = artlib.TileFbm(n, 2, 16, 4, p["seed"], gain=0.7)
    cloud = artlib.TileFbm(n, 8, 8, 3, p["seed"] + 1, gain=0.7)
    grain = artlib.TileNoise(n, n // 2, n // 2, p["seed"] + 2)
    rows = []
    for y in range(n):
        row = []
        for x in range(n):
            t = 0.5 + 1.3 * (layers(x, y) - 0.5) + 0.8 * (cloud(x, y) - 0.5) \
                + 0.3 * (grain(x, y) - 0.5)
            row.append(artlib.to_bytes(artlib.mix(p["dark"], p["light"], artlib.clamp(t))))
        rows.append(row)
    return rows


def linen(p):
    n = p["size"]
    pitch = int(p["thread"])
    count = n // pitch
    if count % 2:
        raise ValueError("linen: size / thread must be even for the weave to repeat")
    rng = random.Random(p["seed"])
    warp_tone = [rng.uniform(-0.10, 0.10) for _ in range(count)]
    weft_tone = [rng.uniform(-0.10, 0.10) for _ in range(count)]
    # Read at a thread's own lattice column (or row), these give each thread its own
    # thickening and thinning along its length: the slubs of linen.
    warp_slub = artlib.TileNoise(n, count, 10, p["seed"] + 1)
    weft_slub = artlib.TileNoise(n, 10, count, p["seed"] + 2)
    dye = artlib.TileFbm(n, 2, 2, 3, p["seed"] + 3)
    rows = []
    for y in range(n):
        row = []
        for x in range(n):
            i, j = x // pitch, y // pitch
            fx = (x % pitch + 0.5) / pitch
            fy = (y % pitch + 0.5) / pitch
            if (i + j) % 2 == 0:   # the vertical thread lies on top
                across, along = fx, fy
                tone = warp_tone[i] + 0.35 * (warp_slub(i * pitch, y) - 0.5)
            else:                  # the horizontal thread lies on top
                across, along = fy, fx
                tone = weft_tone[j] + 0.35 * (weft_slub(x, j * pitch) - 0.5)
            # Round threads: bright in the middle, darker at the sides and where they dive.
            shade = math.sin(math.pi * across) ** 0.7 * (0.85 + 0.15 * math.sin(math.pi * along))
            t = 0.2 + 0.55 * shade + tone + 0.35 * (dye(x, y) - 0.5)
            row.append(artlib.to_bytes(artlib.mix(p["dark"], p["light"], artlib.clamp(t))))
        rows.append(row)
    return rows


def felt(p):
    n = p["size"]
    cloud = artlib.TileFbm(n, 4, 4, 3, p["seed"])
    fuzz = artlib.TileNoise(n, n // 2, n // 2, p["seed"] + 1)
    rng = random.Random(p["seed"] + 2)
    rows = []
    for y in range(n):
        row = []
        for x in range(n):
            t = 0.5 + 0.5 * (cloud(x, y) - 0.5) + 0.35 * (fuzz(x, y) - 0.5) \
                + rng.uniform(-0.08, 0.08)
            row.append(artlib.to_bytes(artlib.mix(p["dark"], p["light"], artlib.clamp(t))))
        rows.append(row)
    return rows


def granite(p):
    n = p["size"]
    cloud = artlib.TileFbm(n, 3, 3, 4, p["seed"])
    rng = random.Random(p["seed"] + 1)
    base = [[artlib.mix(p["dark"], p["light"], artlib.clamp(cloud(x, y) * 1.2 - 0.1))
             for x in range(n)] for y in range(n)]
    # Grains: small clusters of one of the speck colours, wrapping at the edges.
    weights = [0.5, 0.3, 0.2]
    for _ in range(n * n // 14):
        cx, cy = rng.randrange(n), rng.randrange(n)
        colour = rng.choices(p["specks"], weights)[0]
        radius = rng.choice((0.6, 0.9, 1.3, 1.7))
        strength = rng.uniform(0.35, 0.8)
        r = int(math.ceil(radius))
        for dy in range(-r, r + 1):
            for dx in range(-r, r + 1):
                d = math.hypot(dx, dy)
                if d <= radius:
                    x, y = (cx + dx) % n, (cy + dy) % n
                    base[y][x] = artlib.mix(base[y][x], colour, strength * (1 - d / (radius + 1)))
    return [[artlib.to_bytes(c) for c in row] for row in base]


KINDS = {"wood": wood, "slate": slate, "linen": linen, "felt": felt, "granite": granite}


def parse(fields):
    p = dict(fields)
    p["size"] = int(fields["size"])
    p["seed"] = int(fields.get("seed", "1"))
    p["dark"] = artlib.parse_colour(fields["dark"])
    p["light"] = artlib.parse_colour(fields["light"])
    if "specks" in fields:
        p["specks"] = artlib.parse_colours(fields["specks"])
    if p["kind"] not in KINDS:
        raise ValueError(f"unknown kind {p['kind']!r}")
    return p


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) > 1 else os.path.join(here, "..", "..", "data", "Background")
    os.makedirs(out, exist_ok=True)
    for name, fields in artlib.read_sections(os.path.join(here, "backgrounds.txt")):
        p = parse(fields)
        rows = KINDS[p["kind"]](p)
        artlib.write_bmp24(os.path.join(out, name), p["size"], p["size"], rows)
        print(f"background: {name}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
