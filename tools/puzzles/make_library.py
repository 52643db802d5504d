#!/usr/bin/env python3
"""Writes the puzzle library data/Puzzles/ from the text drawings in tools/puzzles/drawings/.

A drawing file holds lines
    group NAME          the group (folder) of the puzzles that follow
    puzzle NAME         starts a puzzle; its field follows, one line per row:
    ##..##              '#' an open cell, '.' a blocked cell (short rows are filled with '.')
A blank line ends a field; lines starting with ';' are comments.

Every puzzle must have exactly 60 open cells on a field of at most 24 x 24 cells. The
puzzle files are written as the game writes them (CR LF line ends); .zpz files in the
library that no drawing describes are removed.

With --zpz PATH every puzzle's number of solutions (its distinct tilings, as "zpz table"
counts them) is written into its file as [INFO] SOLUTIONS, the library is checked with
"zpz library" and data/Puzzles/README.md is written with the tables of "zpz table".
Without it a file whose field is unchanged keeps the count it has.
"""
import argparse
import os
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DRAWINGS = os.path.join(ROOT, "tools", "puzzles", "drawings")
LIBRARY = os.path.join(ROOT, "data", "Puzzles")
README_HEAD = os.path.join(ROOT, "tools", "puzzles", "readme_head.md")
NAME = re.compile(r"^[A-Za-z0-9][A-Za-z0-9 ',()&+-]*[A-Za-z0-9)]$|^[A-Za-z0-9]$")


class DrawingError(Exception):
    pass


def read_drawings(path):
    """The puzzles of one drawing file as (group, name, rows, line number)."""
    puzzles, group, current = [], None, None
    with open(path, encoding="ascii") as f:
        lines = f.read().split("\n")
    for number, line in enumerate(lines + [""], 1):
        line = line.rstrip()
        where = "%s:%d" % (os.path.relpath(path, ROOT), number)
        if line.startswith(";"):
            continue
        if current is not None and (line == "" or line.startswith(("group ", "puzzle "))):
            if not current[2]:
                raise DrawingError("%s: puzzle '%s' has no field" % (where, current[1]))
            puzzles.append(current)
            current = None
        if line == "":
            continue
        if line.startswith("group "):
            group = line[6:].strip()
            if not NAME.match(group):
                raise DrawingError("%s: bad group name '%s'" % (where, group))
        elif line.startswith("puzzle "):
            if group is None:
                raise DrawingError("%s: puzzle before any group" % where)
            name = line[7:].strip()
            if not NAME.match(name):
                raise DrawingError("%s: bad puzzle name '%s'" % (where, name))
            current = (group, name, [], where)
        elif current is not None and set(line) <= set("#."):
            current[2].append(line)
        else:
            raise DrawingError("%s: cannot read '%s'" % (where, line))
    return puzzles


def puzzle_text(rows, solutions=None):
    """The file text of a field, line by line as the game writes it, with its count."""
    width = max(len(r) for r in rows)
    lines = ["[GAME]", "DX = %d" % width, "DY = %d" % len(rows), "", "[DATA]"]
    for i, row in enumerate(rows, 1):
        lines.append("ROW_%d = %s" % (i, row.ljust(width, ".").replace("#", "1").replace(".", "0")))
    if solutions is not None:
        lines += ["", "[INFO]", "SOLUTIONS = %d" % solutions]
    return "".join(line + "\r\n" for line in lines)


def check(puzzle, seen):
    group, name, rows, where = puzzle
    width, height = max(len(r) for r in rows), len(rows)
    if width > 24 or height > 24:
        raise DrawingError("%s: %s/%s is %d x %d, at most 24 x 24" % (where, group, name, width, height))
    cells = sum(r.count("#") for r in rows)
    if cells != 60:
        raise DrawingError("%s: %s/%s has %d open cells, expected 60" % (where, group, name, cells))
    key = (group.lower(), name.lower())
    if key in seen:
        raise DrawingError("%s: %s/%s is drawn twice (also %s)" % (where, group, name, seen[key]))
    seen[key] = where


def write_library(puzzles, counts=None):
    """Writes every puzzle, with its count from counts[(group, name)] when counts is given."""
    wanted = set()
    for group, name, rows, _ in puzzles:
        folder = os.path.join(LIBRARY, group)
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, name + ".zpz")
        wanted.add(os.path.normcase(path))
        old = open(path, "rb").read() if os.path.exists(path) else None
        text = puzzle_text(rows).encode("ascii")
        if counts is not None:
            text = puzzle_text(rows, counts[(group, name)]).encode("ascii")
        elif old is not None and old.startswith(text):
            text = old
        if old != text:
            with open(path, "wb") as f:
                f.write(text)
    for folder in sorted(os.listdir(LIBRARY)):
        full = os.path.join(LIBRARY, folder)
        if not os.path.isdir(full):
            continue
        for entry in sorted(os.listdir(full)):
            path = os.path.join(full, entry)
            if entry.endswith(".zpz") and os.path.normcase(path) not in wanted:
                print("removed %s/%s" % (folder, entry))
                os.remove(path)
        if not os.listdir(full):
            os.rmdir(full)


def read_counts(zpz):
    """(group, name) -> distinct tilings, from the puzzle table of "zpz table"."""
    table = subprocess.run([zpz, "table", LIBRARY], capture_output=True, text=True, check=True)
    counts = {}
    for line in table.stdout.splitlines():
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        if len(cells) == 5 and " x " in cells[2] and cells[4].isdigit():
            counts[(cells[0], cells[1])] = int(cells[4])
    return counts


def write_readme(zpz):
    status = subprocess.run([zpz, "library", LIBRARY], capture_output=True, text=True)
    if status.returncode != 0:
        sys.stdout.write(status.stdout)
        raise DrawingError("zpz library found faults")
    table = subprocess.run([zpz, "table", LIBRARY], capture_output=True, text=True, check=True)
    with open(README_HEAD, encoding="ascii") as f:
        head = f.read()
    with open(os.path.join(LIBRARY, "README.md"), "w", encoding="ascii", newline="\n") as f:
        f.write(head.rstrip("\n") + "\n\n" + table.stdout)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--zpz", help="the zpz tool: check the library and write its README")
    args = parser.parse_args()
    try:
        puzzles, seen = [], {}
        for entry in sorted(os.listdir(DRAWINGS)):
            if entry.endswith(".txt"):
                puzzles += read_drawings(os.path.join(DRAWINGS, entry))
        for p in puzzles:
            check(p, seen)
        write_library(puzzles)
        print("%d puzzles in %d groups" % (len(puzzles), len({p[0] for p in puzzles})))
        if args.zpz:
            write_library(puzzles, read_counts(args.zpz))
            write_readme(args.zpz)
    except DrawingError as e:
        print("make_library: %s" % e, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
