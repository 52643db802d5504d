#!/usr/bin/env python3
"""Runs every art generator of this folder.

Usage:
  make_all.py                 writes data/Skins, data/Background, data/Sound,
                              resources/icons and resources/bitmaps of this repository
  make_all.py --out DIR       writes the same tree under DIR instead (DIR/data/Skins, ...)
  make_all.py --check         regenerates into a temporary folder and compares with the
                              files in the repository; exit status 1 when any differs
"""
import filecmp
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))

# (generator, output folder relative to the tree it writes into)
GENERATORS = [
    ("make_skins.py", "data/Skins"),
    ("make_backgrounds.py", "data/Background"),
    ("make_sounds.py", "data/Sound"),
    ("make_icons.py", "resources"),
]


def generate(tree):
    for script, folder in GENERATORS:
        subprocess.run([sys.executable, os.path.join(HERE, script), os.path.join(tree, folder)],
                       check=True, stdout=subprocess.DEVNULL)


def generated_files(tree):
    out = []
    for _, folder in GENERATORS:
        base = os.path.join(tree, folder)
        for dirpath, _, files in os.walk(base):
            out += [os.path.relpath(os.path.join(dirpath, f), tree) for f in files]
    return sorted(out)


def check():
    with tempfile.TemporaryDirectory() as tmp:
        generate(tmp)
        bad = 0
        for rel in generated_files(tmp):
            mine = os.path.join(ROOT, rel)
            if not os.path.exists(mine):
                print(f"missing: {rel}")
                bad += 1
            elif not filecmp.cmp(mine, os.path.join(tmp, rel), shallow=False):
                print(f"differs from its source: {rel}")
                bad += 1
        print(f"art: {len(generated_files(tmp))} generated files, {bad} out of date")
        return 1 if bad else 0


def main(argv):
    if argv[1:] == ["--check"]:
        return check()
    if len(argv) == 3 and argv[1] == "--out":
        generate(argv[2])
        return 0
    if len(argv) == 1:
        generate(ROOT)
        for rel in generated_files(ROOT):
            if rel.startswith("resources/") and not rel.endswith((".ico", ".bmp")):
                continue
            print(rel)
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
