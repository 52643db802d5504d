#!/usr/bin/env python3
"""Searches for fields with few tilings: the candidates for the "Hard" group.

    find_few_tilings.py --zpz PATH [--seed N] [--tries N] [--most 10] FAMILY ARGS...

Families:
    holes W H       a W x H rectangle with W * H - 60 cells blocked at random
    sym-holes W H   the same with the holes placed symmetrically (half turn)
    blob W H        a connected field of 60 cells grown at random inside W x H (--compact)

Every candidate with 1 to --most tilings (counted by "zpz count", each field only once
up to turning and mirroring) is printed as a drawing for tools/puzzles/drawings/, named by
its family and number of tilings; rename it after what it looks like before keeping it.
"""
import argparse
import os
import random
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_library import puzzle_text  # noqa: E402

BATCH = 200


def holes(rng, w, h, symmetric):
    cells = {(x, y) for x in range(w) for y in range(h)}
    while len(cells) > 60:
        x, y = rng.randrange(w), rng.randrange(h)
        group = {(x, y), (w - 1 - x, h - 1 - y)} if symmetric else {(x, y)}
        if group <= cells and len(cells) - len(group) >= 60:
            cells -= group
    return cells if len(cells) == 60 else None


def blob(rng, w, h, compact):
    """Grows from one cell; a border cell with k neighbours is taken with weight compact ** k,
    so 1 gives a ragged field and larger values rounder ones."""
    cells = {(rng.randrange(w), rng.randrange(h))}
    steps = [(1, 0), (-1, 0), (0, 1), (0, -1)]
    while len(cells) < 60:
        border = sorted({(x + dx, y + dy) for x, y in cells for dx, dy in steps} - cells)
        border = [(x, y) for x, y in border if 0 <= x < w and 0 <= y < h]
        weights = [compact ** sum((x + dx, y + dy) in cells for dx, dy in steps) for x, y in border]
        cells.add(rng.choices(border, weights)[0])
    return cells


def rows_of(cells):
    x0 = min(x for x, _ in cells)
    y0 = min(y for _, y in cells)
    w = max(x for x, _ in cells) - x0 + 1
    h = max(y for _, y in cells) - y0 + 1
    return ["".join("#" if (x + x0, y + y0) in cells else "." for x in range(w)) for y in range(h)]


def canonical(rows):
    """The same text for a field and its turned and mirrored copies."""
    variants = []
    grid = [list(r) for r in rows]
    for _ in range(2):
        for _ in range(4):
            grid = [list(r) for r in zip(*grid[::-1])]
            variants.append("/".join("".join(r) for r in grid))
        grid = [r[::-1] for r in grid]
    return min(variants)


def count(zpz, fields, most):
    """Tilings of each field, counted up to most + 1."""
    with tempfile.TemporaryDirectory() as tmp:
        files = []
        for i, rows in enumerate(fields):
            path = os.path.join(tmp, "%04d.zpz" % i)
            with open(path, "wb") as f:
                f.write(puzzle_text(rows).encode("ascii"))
            files.append(path)
        out = subprocess.run([zpz, "count", "--limit", str(most + 1)] + files + files[:1],
                             capture_output=True, text=True).stdout.split("\n")
        numbers = []
        for line in out[:len(files)]:
            value = line.split("tilings", 1)[1].lstrip(">=").split()[0]
            numbers.append(int(value))
        return numbers


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--zpz", required=True)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--tries", type=int, default=2000)
    parser.add_argument("--most", type=int, default=10)
    parser.add_argument("--compact", type=float, default=1.5, help="roundness of blobs (1 ragged)")
    parser.add_argument("family", choices=["holes", "sym-holes", "blob"])
    parser.add_argument("width", type=int)
    parser.add_argument("height", type=int)
    args = parser.parse_args()
    rng = random.Random(args.seed)
    seen = set()
    found = 0
    for start in range(0, args.tries, BATCH):
        fields = []
        for _ in range(min(BATCH, args.tries - start)):
            if args.family == "blob":
                cells = blob(rng, args.width, args.height, args.compact)
            else:
                cells = holes(rng, args.width, args.height, args.family == "sym-holes")
            if not cells:
                continue
            rows = rows_of(cells)
            key = canonical(rows)
            if key not in seen:
                seen.add(key)
                fields.append(rows)
        for rows, n in zip(fields, count(args.zpz, fields, args.most)):
            if 1 <= n <= args.most:
                found += 1
                print("puzzle %s %dx%d %d (%d tilings)" % (args.family, args.width, args.height, found, n))
                print("\n".join(rows))
                print()
                sys.stdout.flush()
    print("; %d tries, %d different fields, %d with 1 to %d tilings" % (args.tries, len(seen), found, args.most))


if __name__ == "__main__":
    main()
