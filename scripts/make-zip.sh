#!/bin/bash
# Packs the program folder into the release archive.
#   scripts/make-zip.sh DIST_DIR OUT_ZIP
# DIST_DIR is the program folder (as made by make-dist.sh, e.g. dist/Zendrak); OUT_ZIP the
# archive to write (e.g. build/Zendrak-1.4-win64.zip). The archive holds one folder,
# "Zendrak/", with exactly Zendrak.exe, Zendrak.chm, marwen.url, readme.txt and the folders
# Puzzles, Skins, Background and Sound. What the game writes while it is played from
# DIST_DIR (Zendrak.ini, Save\, Puzzles\My puzzles\) stays out, unless the repository's
# data ships it. Uses python3's zipfile, so no zip program is needed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

if [ $# -ne 2 ]; then
    echo "usage: make-zip.sh DIST_DIR OUT_ZIP" >&2
    exit 2
fi

exec python3 - "$1" "$2" "$root/data" <<'EOF'
import os
import sys
import zipfile

dist, out, data = sys.argv[1:]
FILES = ["Zendrak.exe", "Zendrak.chm", "marwen.url", "readme.txt"]
FOLDERS = ["Puzzles", "Skins", "Background", "Sound"]
TOP = "Zendrak"

missing = [n for n in FILES + FOLDERS if not os.path.exists(os.path.join(dist, n))]
if missing:
    sys.exit(f"make-zip.sh: {dist} lacks {', '.join(missing)}")

# Player-made puzzles are left out unless the repository itself ships that folder.
skip = set()
if not os.path.isdir(os.path.join(data, "Puzzles", "My puzzles")):
    skip.add(os.path.join("Puzzles", "My puzzles"))

entries = []  # (path in the folder, path on disk or None for a folder)
for name in FILES:
    entries.append((name, os.path.join(dist, name)))
for folder in FOLDERS:
    for dirpath, dirnames, filenames in os.walk(os.path.join(dist, folder)):
        rel = os.path.relpath(dirpath, dist)
        dirnames[:] = sorted(d for d in dirnames if os.path.join(rel, d) not in skip)
        entries.append((rel + "/", None))
        for f in sorted(filenames):
            entries.append((os.path.join(rel, f), os.path.join(dirpath, f)))

def folder_entry(name):
    info = zipfile.ZipInfo(name, date_time=(2026, 1, 1, 0, 0, 0))
    info.external_attr = (0o40755 << 16) | 0x10  # a folder for Unix and for Windows
    return info


os.makedirs(os.path.dirname(os.path.abspath(out)), exist_ok=True)
tmp = out + ".tmp"
with zipfile.ZipFile(tmp, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
    z.writestr(folder_entry(TOP + "/"), b"")
    for rel, path in entries:
        arc = TOP + "/" + rel.replace(os.sep, "/")
        if path is None:
            z.writestr(folder_entry(arc), b"")
        else:
            z.write(path, arc)
os.replace(tmp, out)
count = sum(1 for _, p in entries if p is not None)
print(f"zip: {out} ({count} files)")
EOF
