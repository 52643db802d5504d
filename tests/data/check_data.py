#!/usr/bin/env python3
"""Checks the data that ships beside the program, by reading the files as the game and
Windows would: the skins and backgrounds as bitmaps LoadImage takes, the sounds as PCM wave
files, the home-page shortcut and readme as Windows text, the compiled help file's pages,
links and topic map, and the release archive.

Usage: check_data.py [--root REPO] [--chm FILE] [--zip FILE] [--sources]
  --chm FILE   also check the compiled help file (needs chmls from fp-utils)
  --zip FILE   also check the release archive against the repository's data
  --sources    also regenerate the art from tools/art and compare (~10 s)
Ends with the line "N passed, M failed"; exit status 1 when anything failed."""
import argparse
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))

# The names the game opens by default, the size of the skin row it draws from, the sound
# files of its five events and the help topics it opens with "hh -mapid N".
DEFAULT_SKIN, DEFAULT_BACKGROUND = "skin 03.bmp", "wood 2.bmp"
SKIN_SIZE = (14 * 64, 64)
SOUNDS = ["drop.wav", "take.wav", "rotate.wav", "level is completed.wav", "error.wav"]
HELP_TOPICS = {1: "tutorial.htm", 2: "options.htm", 3: "create.htm"}


class Fault(Exception):
    pass


def need(condition, message):
    if not condition:
        raise Fault(message)


def read_bmp(path):
    """Checks a Windows bitmap as LoadImageA(LR_LOADFROMFILE) needs it: 'BM' header,
    BITMAPINFOHEADER or later, one plane, 24 or 32 bits, no compression, the pixels inside
    the file. Returns (width, height)."""
    with open(path, "rb") as f:
        data = f.read()
    need(len(data) >= 54 and data[:2] == b"BM", f"{path}: not a bitmap ('BM' header)")
    file_size, _, _, offset = struct.unpack_from("<IHHI", data, 2)
    need(file_size == len(data), f"{path}: header says {file_size} bytes, file has {len(data)}")
    header_size, width, height, planes, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    need(header_size in (40, 52, 56, 108, 124), f"{path}: unknown info header of {header_size} bytes")
    need(planes == 1, f"{path}: {planes} planes")
    need(bits in (24, 32), f"{path}: {bits} bits per pixel (24 or 32 wanted)")
    need(compression == 0, f"{path}: compression {compression} (uncompressed wanted)")
    need(width > 0 and height != 0, f"{path}: size {width} x {height}")
    stride = ((width * bits + 31) // 32) * 4
    need(offset >= 14 + header_size and offset + stride * abs(height) <= len(data),
         f"{path}: pixel data does not fit in the file")
    return width, abs(height)


def check_skin(path):
    # A wider row would show its 15th tile where the game wants the shadow square.
    size = read_bmp(path)
    need(size == SKIN_SIZE, f"{path}: {size[0]} x {size[1]}, a skin row must be 896 x 64")


def check_sound(path):
    """A RIFF WAVE file PlaySound plays: PCM, 8 or 16 bits, mono or stereo, a consistent
    fmt chunk and a data chunk of whole frames, every chunk inside the file."""
    with open(path, "rb") as f:
        data = f.read()
    need(len(data) >= 12 and data[:4] == b"RIFF" and data[8:12] == b"WAVE",
         f"{path}: not a RIFF WAVE file")
    riff_size = struct.unpack_from("<I", data, 4)[0]
    need(riff_size + 8 == len(data), f"{path}: RIFF size {riff_size + 8}, file {len(data)}")
    pos, fmt, pcm = 12, None, None
    while pos + 8 <= len(data):
        cid, size = struct.unpack_from("<4sI", data, pos)
        body = data[pos + 8:pos + 8 + size]
        need(len(body) == size, f"{path}: chunk {cid!r} runs past the end")
        if cid == b"fmt ":
            need(size >= 16, f"{path}: fmt chunk of {size} bytes")
            fmt = struct.unpack_from("<HHIIHH", body, 0)
        elif cid == b"data":
            pcm = body
        pos += 8 + size + (size & 1)
    need(fmt is not None and pcm, f"{path}: no fmt chunk or no sound data")
    tag, channels, rate, byte_rate, align, bits = fmt
    need(tag == 1, f"{path}: format tag {tag} (1, PCM, wanted)")
    need(bits in (8, 16) and channels in (1, 2), f"{path}: {bits} bits, {channels} channels")
    need(rate > 0 and align == channels * bits // 8 and byte_rate == rate * align,
         f"{path}: inconsistent fmt chunk")
    need(len(pcm) % align == 0, f"{path}: data is not a whole number of frames")


def check_text(path, url):
    """Plain ASCII with CR LF line ends (Notepad shows a LF-only file as one line); the
    shortcut ShellExecute opens is an [InternetShortcut] with one https URL."""
    with open(path, "rb") as f:
        data = f.read()
    need(data.isascii() and b"\x00" not in data, f"{path}: not plain ASCII text")
    need(b"\n" not in data.replace(b"\r\n", b""), f"{path}: line ends other than CR LF")
    if url:
        lines = data.decode("ascii").split("\r\n")
        urls = [l[4:] for l in lines if l.startswith("URL=")]
        need(lines[0] == "[InternetShortcut]" and len(urls) == 1 and
             re.fullmatch(r"https://[a-z0-9.-]+(/\S*)?", urls[0]),
             f"{path}: not an [InternetShortcut] with one https URL line")


def chmls(*args):
    exe = shutil.which("chmls")
    need(exe is not None, "chmls (package fp-utils) is needed to read the help file")
    p = subprocess.run([exe] + list(args), stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                       stdin=subprocess.DEVNULL, timeout=60)
    need(p.returncode == 0, f"chmls {' '.join(args)} failed: {p.stdout.decode('latin-1')[-300:]}")
    return p.stdout.decode("latin-1")


def check_chm(path, sources):
    """The compiled help file holds every page its sources link to, and its topic map
    (#IVB with the names in #STRINGS) sends topics 1 to 3 to their pages under the short
    names the viewer looks up (not under the folder the compiler ran in)."""
    with open(path, "rb") as f:
        need(f.read(4) == b"ITSF", f"{path}: not a compiled HTML help file")
    listing = chmls("-p", "-n", "list", os.path.abspath(path))
    names = {line.strip() for line in listing.splitlines() if line.strip().startswith("/")}
    for page in ["index.htm"] + list(HELP_TOPICS.values()):
        need("/" + page in names, f"{path}: the page {page} is not inside")
    for source in sorted(os.listdir(sources)):
        if source.endswith((".htm", ".hhc", ".hhk")):
            with open(os.path.join(sources, source), encoding="latin-1") as f:
                text = f.read()
            for link in re.findall(r'(?:href|name="Local" value)="([^"#:]*)[#"]', text):
                need(not link or "/" + link in names,
                     f"{path}: {source} links to {link}, which is not inside")
    need({"/#IVB", "/#STRINGS"} <= names, f"{path}: no topic map (/#IVB, /#STRINGS)")
    with tempfile.TemporaryDirectory() as tmp:
        blobs = {}
        for name in ("#IVB", "#STRINGS"):
            out = os.path.join(tmp, name.strip("#"))
            chmls("extract", os.path.abspath(path), "/" + name, out)
            with open(out, "rb") as f:
                blobs[name] = f.read()
    ivb, strings = blobs["#IVB"], blobs["#STRINGS"]
    mapping = {}
    for i in range(struct.unpack_from("<I", ivb, 0)[0] // 8):
        topic, offset = struct.unpack_from("<II", ivb, 4 + 8 * i)
        mapping[topic] = strings[offset:strings.index(b"\0", offset)].decode("latin-1")
    for topic, page in HELP_TOPICS.items():
        need(mapping.get(topic) == "/" + page,
             f"{path}: topic {topic} leads to {mapping.get(topic)!r}, not to /{page}")


def check_zip(path, data):
    """Exactly one folder Zendrak/ with the program, the help, the shortcut, the readme and
    the four data folders, whose files are byte for byte those of the repository's data
    (reading each member also checks its CRC)."""
    need(zipfile.is_zipfile(path), f"{path}: not a zip archive")
    with zipfile.ZipFile(path) as z:
        names = z.namelist()
        need(all(n.startswith("Zendrak/") for n in names), f"{path}: something lies outside Zendrak/")
        files = {n[len("Zendrak/"):] for n in names if not n.endswith("/")}
        top = {f.split("/")[0] for f in files}
        want_top = {"Zendrak.exe", "Zendrak.chm", "marwen.url", "readme.txt",
                    "Puzzles", "Skins", "Background", "Sound"}
        need(top == want_top, f"{path}: holds {sorted(top)}, wanted {sorted(want_top)}")
        shipped = {"marwen.url", "readme.txt"}
        for folder in ("Puzzles", "Skins", "Background", "Sound"):
            for dirpath, _, fs in os.walk(os.path.join(data, folder)):
                shipped |= {os.path.relpath(os.path.join(dirpath, f), data).replace(os.sep, "/")
                            for f in fs}
        inside = files - {"Zendrak.exe", "Zendrak.chm"}
        need(inside == shipped, f"{path}: differs from the repository's data: extra "
                                f"{sorted(inside - shipped)[:3]}, missing {sorted(shipped - inside)[:3]}")
        for f in sorted(shipped):
            with open(os.path.join(data, f), "rb") as mine:
                need(z.read("Zendrak/" + f) == mine.read(), f"{path}: {f} differs")
        need(z.read("Zendrak/Zendrak.exe")[:2] == b"MZ", f"{path}: Zendrak.exe is not a Windows program")
        need(z.read("Zendrak/Zendrak.chm")[:4] == b"ITSF", f"{path}: Zendrak.chm is not a help file")


def check_art_sources(root):
    p = subprocess.run([sys.executable, "-B", os.path.join(root, "tools", "art", "make_all.py"),
                        "--check"], stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    need(p.returncode == 0, "generated art differs from tools/art:\n" + p.stdout.decode("latin-1")[-1500:])


class Runner:
    def __init__(self):
        self.passed = self.failed = 0

    def run(self, name, fn, *args):
        try:
            fn(*args)
        except Exception as e:  # a Fault, or a crash of a check on a damaged file
            self.failed += 1
            print(f"FAIL {name}: {e if isinstance(e, Fault) else f'{type(e).__name__}: {e}'}", flush=True)
        else:
            self.passed += 1
            print(f"ok   {name}", flush=True)


def bitmaps(folder):
    return sorted(f for f in os.listdir(folder) if f.lower().endswith(".bmp"))


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--root", default=ROOT)
    ap.add_argument("--chm")
    ap.add_argument("--zip")
    ap.add_argument("--sources", action="store_true")
    args = ap.parse_args(argv[1:])
    data = os.path.join(args.root, "data")
    r = Runner()

    skins, backgrounds = os.path.join(data, "Skins"), os.path.join(data, "Background")
    r.run("the default skin and background are there", lambda: need(
        DEFAULT_SKIN in bitmaps(skins) and DEFAULT_BACKGROUND in bitmaps(backgrounds),
        f"no {DEFAULT_SKIN} or no {DEFAULT_BACKGROUND}"))
    for f in bitmaps(skins):
        r.run(f"skin {f}", check_skin, os.path.join(skins, f))
    for f in bitmaps(backgrounds):
        r.run(f"background {f}", read_bmp, os.path.join(backgrounds, f))
    for f in SOUNDS:
        r.run(f"sound {f}", check_sound, os.path.join(data, "Sound", f))
    r.run("home page shortcut", check_text, os.path.join(data, "marwen.url"), True)
    r.run("readme", check_text, os.path.join(data, "readme.txt"), False)
    if args.chm:
        r.run("compiled help file", check_chm, args.chm, os.path.join(data, "help"))
    if args.zip:
        r.run("release archive", check_zip, args.zip, data)
    if args.sources:
        r.run("generated art matches its sources", check_art_sources, args.root)

    print(f"{r.passed} passed, {r.failed} failed")
    return 1 if r.failed else 0


if __name__ == "__main__":
    sys.dont_write_bytecode = True
    sys.exit(main(sys.argv))
