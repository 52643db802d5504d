#!/usr/bin/env python3
"""Checks the data that ships beside the program, by reading the files as the game and
Windows would: the skins and backgrounds as bitmaps, the sounds as PCM wave files, the
help file's pages and topic map, the home-page shortcut, the icons and the About bitmap,
and the release archive.

Usage: check_data.py [--root REPO] [--chm FILE] [--zip FILE] [--sources]
  --chm FILE   also check the compiled help file (needs chmls from fp-utils)
  --zip FILE   also check the release archive against the repository's data
  --sources    also regenerate the art from tools/art and compare (slow, ~15 s)
Ends with the line "N passed, M failed"; exit status 1 when anything failed."""
import argparse
import html.parser
import io
import itertools
import math
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

SKIN_TILES = 14
TILE = 64
SOUNDS = ["drop.wav", "take.wav", "rotate.wav", "level is completed.wav", "error.wav"]
HELP_TOPICS = {1: "tutorial.htm", 2: "options.htm", 3: "create.htm"}


class Fault(Exception):
    pass


def need(condition, message):
    if not condition:
        raise Fault(message)


# ---------------------------------------------------------------------------------------
# Bitmaps


def read_bmp(path):
    """Parses a Windows bitmap as LoadImageA(LR_LOADFROMFILE) needs it: 'BM' header,
    BITMAPINFOHEADER or later, one plane, 24 or 32 bits, no compression. Returns
    (width, height, rows) with rows[y][x] = (r, g, b), y = 0 at the top."""
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
    rows_n = abs(height)
    stride = ((width * bits + 31) // 32) * 4
    need(offset >= 14 + header_size and offset + stride * rows_n <= len(data),
         f"{path}: pixel data does not fit in the file")
    step = bits // 8
    rows = []
    for i in range(rows_n):
        start = offset + i * stride
        line = data[start:start + width * step]
        rows.append([(line[x * step + 2], line[x * step + 1], line[x * step])
                     for x in range(width)])
    if height > 0:  # bottom-up
        rows.reverse()
    return width, rows_n, rows


def lab(c):
    def lin(v):
        v /= 255.0
        return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4
    r, g, b = (lin(v) for v in c)
    x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047
    y = 0.2126 * r + 0.7152 * g + 0.0722 * b
    z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883
    f = lambda t: t ** (1 / 3) if t > 0.008856 else 7.787 * t + 16 / 116
    return (116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z)))


def delta_e(a, b):
    return math.dist(lab(a), lab(b))


def luminance(c):
    def lin(v):
        v /= 255.0
        return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4
    r, g, b = (lin(v) for v in c)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def mean_colour(rows, x0, y0, w, h):
    n = w * h
    sums = [0, 0, 0]
    for y in range(y0, y0 + h):
        for x in range(x0, x0 + w):
            for k in range(3):
                sums[k] += rows[y][x][k]
    return tuple(s / n for s in sums)


def check_skin(path):
    """A skin: 896 x 64 (a wider file would show its 15th tile where the game wants the
    black shadow square), 14 tiles whose mean colours are clearly apart, the figure colours
    far enough apart to tell the twelve figures from each other, tile 13 without colour."""
    width, height, rows = read_bmp(path)
    need((width, height) == (SKIN_TILES * TILE, TILE),
         f"{path}: {width} x {height}, the skin row must be 896 x 64")
    means = [mean_colour(rows, k * TILE, 0, TILE, TILE) for k in range(SKIN_TILES)]
    grey = means[13]
    need(max(grey) - min(grey) <= 40, f"{path}: tile 13 is coloured {tuple(round(v) for v in grey)}")
    for i, j in itertools.combinations(range(1, 13), 2):
        d = delta_e(means[i], means[j])
        need(d >= 15, f"{path}: figure tiles {i} and {j} look alike (colour distance {d:.1f})")
    for k in range(1, 14):
        d = delta_e(means[0], means[k])
        need(d >= 15, f"{path}: tile {k} looks like the open cell (distance {d:.1f})")
    for k in range(1, 13):
        d = delta_e(means[13], means[k])
        need(d >= 12, f"{path}: figure tile {k} looks like the plain tile 13 ({d:.1f})")
    # The 8-pixel picture of the figure list is a halftone shrink: the tiles must still
    # differ after averaging each 8 x 8 block (checked above with whole-tile means) and no
    # tile may be a flat fill with nothing drawn on it at 64 pixels.
    for k in range(SKIN_TILES):
        pixels = {rows[y][x] for y in range(0, TILE, 3) for x in range(k * TILE, (k + 1) * TILE, 3)}
        need(len(pixels) > 1 or k in (0, 13), f"{path}: tile {k} is one flat colour")


def check_background(path):
    """A background pattern: a bitmap that tiles without a visible seam and is calm and dark
    enough for white lines on it."""
    width, height, rows = read_bmp(path)
    need(16 <= width <= 1024 and 16 <= height <= 1024, f"{path}: size {width} x {height}")
    lum = [[luminance(p) for p in row] for row in rows]

    def column_step(x0, x1):
        return sum(abs(lum[y][x0] - lum[y][x1]) for y in range(height)) / height

    def row_step(y0, y1):
        return sum(abs(lum[y0][x] - lum[y1][x]) for x in range(width)) / width

    inner_cols = sorted(column_step(x, x + 1) for x in range(width - 1))
    inner_rows = sorted(row_step(y, y + 1) for y in range(height - 1))
    wrap_col = column_step(width - 1, 0)
    wrap_row = row_step(height - 1, 0)
    # The wrap-around edge must look like an ordinary neighbour pair, not like a seam: no
    # larger a step than three times the typical one, or than the steps a pattern draws
    # on purpose (a regular weave, plank joints) in a twentieth of its columns or rows.
    limit_c = max(3 * inner_cols[len(inner_cols) // 2], inner_cols[len(inner_cols) * 19 // 20]) + 0.004
    limit_r = max(3 * inner_rows[len(inner_rows) // 2], inner_rows[len(inner_rows) * 19 // 20]) + 0.004
    need(wrap_col <= limit_c, f"{path}: seam where the pattern repeats left to right "
                              f"({wrap_col:.4f} against {limit_c:.4f})")
    need(wrap_row <= limit_r, f"{path}: seam where the pattern repeats top to bottom "
                              f"({wrap_row:.4f} against {limit_r:.4f})")
    flat = sorted(v for row in lum for v in row)
    mean = sum(flat) / len(flat)
    bright = flat[int(len(flat) * 0.99)]
    # White (luminance 1) on the background: contrast ratio (1.05) / (L + 0.05).
    need(1.05 / (mean + 0.05) >= 4.0, f"{path}: too light on average for white lines "
                                       f"(contrast {1.05 / (mean + 0.05):.1f})")
    need(1.05 / (bright + 0.05) >= 2.5, f"{path}: its light spots swallow white lines "
                                         f"(contrast {1.05 / (bright + 0.05):.1f})")
    spread = math.sqrt(sum((v - mean) ** 2 for v in flat) / len(flat))
    need(spread <= 0.06, f"{path}: too busy (luminance spread {spread:.3f})")


# ---------------------------------------------------------------------------------------
# Sounds


def read_wav(path):
    """Parses a RIFF WAVE file; returns (rate, channels, bits, samples of channel 0)."""
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
            fmt = struct.unpack_from("<HHIIHH", body, 0)
        elif cid == b"data":
            pcm = body
        pos += 8 + size + (size & 1)
    need(fmt is not None and pcm is not None, f"{path}: no fmt or no data chunk")
    tag, channels, rate, byte_rate, align, bits = fmt
    need(tag == 1, f"{path}: format tag {tag} (1, PCM, wanted)")
    need(bits == 16, f"{path}: {bits} bits per sample (16 wanted)")
    need(channels in (1, 2), f"{path}: {channels} channels")
    need(rate in (11025, 22050, 44100, 48000), f"{path}: {rate} samples per second")
    need(align == channels * 2 and byte_rate == rate * align, f"{path}: inconsistent fmt chunk")
    need(len(pcm) % align == 0, f"{path}: data is not a whole number of frames")
    frames = len(pcm) // align
    samples = [struct.unpack_from("<h", pcm, i * align)[0] for i in range(frames)]
    return rate, channels, bits, samples


def check_sound(path):
    rate, _, _, samples = read_wav(path)
    seconds = len(samples) / rate
    need(0.05 <= seconds <= 1.5, f"{path}: {seconds:.3f} s long (0.05 to 1.5 wanted)")
    peak = max(abs(s) for s in samples)
    need(peak >= 3000, f"{path}: nearly silent (peak {peak})")
    clipped = sum(1 for s in samples if abs(s) >= 32767)
    need(clipped <= 2, f"{path}: {clipped} clipped samples")
    need(abs(samples[0]) <= 1000 and abs(samples[-1]) <= 1000,
         f"{path}: starts or ends with a jump ({samples[0]}, {samples[-1]}): it clicks")


# ---------------------------------------------------------------------------------------
# Help


class _Links(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.links, self.anchors, self.stack, self.problems = [], set(), [], []

    VOID = {"meta", "link", "br", "img", "hr", "input", "param"}
    OPTIONAL = {"li", "p", "tr", "td", "th"}

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if tag == "a" and "href" in a:
            self.links.append(a["href"])
        if tag == "a" and "name" in a:
            self.anchors.add(a["name"])
        if "id" in a:
            self.anchors.add(a["id"])
        if tag not in self.VOID:
            self.stack.append(tag)

    def handle_endtag(self, tag):
        while self.stack and self.stack[-1] != tag and self.stack[-1] in self.OPTIONAL:
            self.stack.pop()
        if not self.stack or self.stack[-1] != tag:
            self.problems.append(f"</{tag}> does not close <{self.stack[-1] if self.stack else ''}>")
        else:
            self.stack.pop()


def parse_hhp(path):
    sections, current = {}, None
    with open(path, encoding="latin-1") as f:
        for line in f:
            line = line.strip()
            if line.startswith("[") and line.endswith("]"):
                current = sections.setdefault(line[1:-1], [])
            elif line and current is not None:
                current.append(line)
    return sections


def check_help_sources(folder):
    """The project's pages exist, their tags are balanced, every local link and anchor
    resolves, and [MAP]/[ALIAS] give topics 1 to 3 their pages."""
    hhp = parse_hhp(os.path.join(folder, "Zendrak.hhp"))
    options = dict(l.split("=", 1) for l in hhp.get("OPTIONS", []))
    need(options.get("Compiled file") == "Zendrak.chm", "help project: Compiled file is not Zendrak.chm")
    pages = [l for l in hhp.get("FILES", []) if l.endswith(".htm")]
    need(options.get("Default topic") in pages, "help project: the default topic is not a page")
    for name in pages + [options.get("Contents file"), options.get("Index file")]:
        need(name and os.path.isfile(os.path.join(folder, name)), f"help: {name} is missing")
    alias = dict(l.split("=", 1) for l in hhp.get("ALIAS", []))
    ids = {}
    for line in hhp.get("MAP", []):
        m = re.fullmatch(r"#define\s+(\w+)\s+(\d+)", line)
        need(m is not None, f"help project: cannot read [MAP] line {line!r}")
        ids[int(m.group(2))] = m.group(1)
    for topic, page in HELP_TOPICS.items():
        need(topic in ids and alias.get(ids[topic]) == page,
             f"help project: topic {topic} does not lead to {page}")
    anchors = {}
    links = []
    for name in pages + [options["Contents file"], options["Index file"]]:
        p = _Links()
        with open(os.path.join(folder, name), encoding="latin-1") as f:
            text = f.read()
        p.feed(text)
        if name.endswith(".htm"):
            need(not p.problems, f"help: {name}: {p.problems[:3]}")
            need(re.search(r"<title>[^<]+</title>", text), f"help: {name} has no title")
        anchors[name] = p.anchors
        links += [(name, href) for href in p.links]
        links += [(name, v) for v in re.findall(r'name="Local" value="([^"]+)"', text)]
    for source, href in links:
        if re.match(r"[a-z]+:", href):
            continue
        page, _, anchor = href.partition("#")
        page = page or source
        need(page in anchors, f"help: {source} links to {href}, which is not in the project")
        need(not anchor or anchor in anchors[page], f"help: {source} links to {href}: no such anchor")


def chmls(*args):
    exe = shutil.which("chmls")
    need(exe is not None, "chmls (package fp-utils) is needed to read the help file")
    p = subprocess.run([exe] + list(args), stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                       stdin=subprocess.DEVNULL, timeout=60)
    need(p.returncode == 0, f"chmls {' '.join(args)} failed: {p.stdout.decode('latin-1')[-300:]}")
    return p.stdout.decode("latin-1")


def check_chm(path):
    """The compiled help file holds the pages, and its topic map (#IVB with the names in
    #STRINGS) sends topics 1 to 3 to pages that are inside it, under the short names the
    viewer looks up (not under the folder the compiler ran in)."""
    need(os.path.isfile(path), f"{path} does not exist")
    with open(path, "rb") as f:
        need(f.read(4) == b"ITSF", f"{path}: not a compiled HTML help file")
    listing = chmls("-p", "-n", "list", os.path.abspath(path))
    names = {line.strip() for line in listing.splitlines() if line.strip().startswith("/")}
    for page in ["index.htm"] + list(HELP_TOPICS.values()):
        need("/" + page in names, f"{path}: the page {page} is not inside")
    with tempfile.TemporaryDirectory() as tmp:
        blobs = {}
        for name in ("#IVB", "#STRINGS"):
            out = os.path.join(tmp, name.strip("#"))
            chmls("extract", os.path.abspath(path), "/" + name, out)
            need(os.path.isfile(out), f"{path}: no /{name} (no topic map)")
            with open(out, "rb") as f:
                blobs[name] = f.read()
    ivb, strings = blobs["#IVB"], blobs["#STRINGS"]
    size = struct.unpack_from("<I", ivb, 0)[0]
    mapping = {}
    for i in range(size // 8):
        topic, offset = struct.unpack_from("<II", ivb, 4 + 8 * i)
        end = strings.index(b"\0", offset)
        mapping[topic] = strings[offset:end].decode("latin-1")
    for topic, page in HELP_TOPICS.items():
        need(topic in mapping, f"{path}: topic {topic} is not mapped")
        need(mapping[topic] in names, f"{path}: topic {topic} leads to {mapping[topic]!r}, "
                                      f"which is not inside the file")
        need(mapping[topic] == "/" + page, f"{path}: topic {topic} leads to {mapping[topic]!r}")


def check_url(path):
    with open(path, "rb") as f:
        data = f.read()
    need(data.startswith(b"[InternetShortcut]\r\n"), f"{path}: does not start with [InternetShortcut]")
    lines = data.decode("ascii").split("\r\n")
    urls = [l[4:] for l in lines if l.startswith("URL=")]
    need(len(urls) == 1 and re.fullmatch(r"https://[a-z0-9.-]+(/\S*)?", urls[0]),
         f"{path}: no single https URL line")
    need(b"\n" not in data.replace(b"\r\n", b""), f"{path}: line ends other than CR LF")


def check_readme(path):
    with open(path, "rb") as f:
        data = f.read()
    need(data.decode("ascii", "replace").isascii() and b"\x00" not in data, f"{path}: not plain text")
    need(b"\n" not in data.replace(b"\r\n", b""), f"{path}: line ends other than CR LF")
    need(data.startswith(b"Zendrak 1.4"), f"{path}: does not start with the name and version")


# ---------------------------------------------------------------------------------------
# Icons and the About bitmap


def read_ico(path):
    """Returns [(size, bits, pixels_rgba, mask)] of an .ico file with BITMAPINFOHEADER
    images (height doubled, colour then AND mask)."""
    with open(path, "rb") as f:
        data = f.read()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    need(reserved == 0 and kind == 1 and count >= 1, f"{path}: not an icon file")
    images = []
    for i in range(count):
        w, h, _, _, planes, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        w, h = w or 256, h or 256
        need(offset + size <= len(data), f"{path}: image {i} runs past the end")
        hs, bw, bh, _, bbits, comp = struct.unpack_from("<IiiHHI", data, offset)
        need(hs == 40 and bw == w and bh == 2 * h and bbits == bits == 32 and comp == 0,
             f"{path}: image {i} is not a 32-bit {w} x {h} image with a mask")
        colour = data[offset + 40:offset + 40 + w * h * 4]
        mask_stride = ((w + 31) // 32) * 4
        mask_data = data[offset + 40 + w * h * 4:offset + 40 + w * h * 4 + mask_stride * h]
        need(len(mask_data) == mask_stride * h, f"{path}: image {i} has no AND mask")
        def rgba(x, y):
            b, g, r, a = colour[((h - 1 - y) * w + x) * 4:((h - 1 - y) * w + x) * 4 + 4]
            return (r, g, b, a)
        pixels = [[rgba(x, y) for x in range(w)] for y in range(h)]
        mask = [[(mask_data[(h - 1 - y) * mask_stride + x // 8] >> (7 - x % 8)) & 1
                 for x in range(w)] for y in range(h)]
        images.append((w, bits, pixels, mask))
    return images


def check_icon(path, sizes):
    images = read_ico(path)
    need(sorted(s for s, *_ in images) == sorted(sizes),
         f"{path}: sizes {[s for s, *_ in images]}, wanted {sizes}")
    for size, _, pixels, mask in images:
        opaque = sum(1 for row in pixels for p in row if p[3] == 255)
        clear = sum(1 for row in pixels for p in row if p[3] == 0)
        need(opaque >= size, f"{path}: the {size}-pixel image is nearly empty")
        need(clear >= 1, f"{path}: the {size}-pixel image has no transparent pixel")
        for y in range(size):
            for x in range(size):
                need((pixels[y][x][3] == 0) == (mask[y][x] == 1),
                     f"{path}: mask and alpha disagree at ({x}, {y}) of the {size}-pixel image")


def check_tree_icon(path, want):
    """want: 'grey' (a grey bar), 'red' (a red tick) or 'light' (a light grey folder)."""
    check_icon(path, [16])
    (_, _, pixels, _), = read_ico(path)
    seen = [p[:3] for row in pixels for p in row if p[3] == 255]
    mean = tuple(sum(c[k] for c in seen) / len(seen) for k in range(3))
    spread = max(mean) - min(mean)
    if want == "red":
        need(mean[0] > 1.8 * mean[1] and mean[0] > 1.8 * mean[2], f"{path}: not red {mean}")
    else:
        need(spread <= 20, f"{path}: not grey {mean}")
        if want == "light":
            need(mean[0] >= 170, f"{path}: not light {mean}")
    if want == "grey":
        ys = [y for y, row in enumerate(pixels) if any(p[3] == 255 for p in row)]
        xs = [x for row in pixels for x, p in enumerate(row) if p[3] == 255]
        need(max(ys) - min(ys) + 1 <= 6 and max(xs) - min(xs) + 1 >= 8,
             f"{path}: not a short horizontal bar")


def check_about(path):
    width, height, _ = read_bmp(path)
    # The About box is 209 x 103 dialog units (about 313 x 167 pixels at 96 dpi); the
    # picture sits at its top left with three lines of text and a button below it.
    need(32 <= width <= 300 and 32 <= height <= 80, f"{path}: {width} x {height} does not "
                                                    "fit the About box")


def check_rc(path):
    with open(path, encoding="latin-1") as f:
        text = f.read()
    for line in ['IDI_ZENDRAK ICON "icons/zendrak.ico"', 'IDI_SMALL ICON "icons/small.ico"',
                 'IDI_UNSOLVED ICON "icons/unsolved.ico"', 'IDI_SOLVED ICON "icons/solved.ico"',
                 'IDI_GROUP ICON "icons/group.ico"', 'IDB_ABOUT BITMAP "bitmaps/about.bmp"']:
        need(line in text, f"{path}: no line {line}")


# ---------------------------------------------------------------------------------------
# The release archive


def check_zip(path, data):
    """Exactly one folder Zendrak/ with the program, the help, the shortcut, the readme and
    the four data folders, whose files are exactly those of the repository's data."""
    need(zipfile.is_zipfile(path), f"{path}: not a zip archive")
    with zipfile.ZipFile(path) as z:
        bad = z.testzip()
        need(bad is None, f"{path}: {bad} is damaged")
        names = z.namelist()
        need(len(names) == len(set(names)), f"{path}: a name appears twice")
        need(all(n.startswith("Zendrak/") for n in names), f"{path}: something lies outside Zendrak/")
        files = {n[len("Zendrak/"):] for n in names if not n.endswith("/")}
        top = {f.split("/")[0] for f in files}
        want_top = {"Zendrak.exe", "Zendrak.chm", "marwen.url", "readme.txt",
                    "Puzzles", "Skins", "Background", "Sound"}
        need(top == want_top, f"{path}: holds {sorted(top)}, wanted {sorted(want_top)}")
        for folder in ("Puzzles", "Skins", "Background", "Sound"):
            shipped = set()
            for dirpath, _, fs in os.walk(os.path.join(data, folder)):
                for f in fs:
                    shipped.add(os.path.relpath(os.path.join(dirpath, f), data).replace(os.sep, "/"))
            inside = {f for f in files if f.startswith(folder + "/")}
            need(inside == shipped, f"{path}: {folder} differs from the repository: "
                                    f"extra {sorted(inside - shipped)[:3]}, "
                                    f"missing {sorted(shipped - inside)[:3]}")
            for f in shipped:
                with open(os.path.join(data, f), "rb") as mine:
                    need(z.read("Zendrak/" + f) == mine.read(), f"{path}: {f} differs")
        for f in ("marwen.url", "readme.txt"):
            with open(os.path.join(data, f), "rb") as mine:
                need(z.read("Zendrak/" + f) == mine.read(), f"{path}: {f} differs")
        exe = z.read("Zendrak/Zendrak.exe")
        need(exe[:2] == b"MZ", f"{path}: Zendrak.exe is not a Windows program")
        need(z.read("Zendrak/Zendrak.chm")[:4] == b"ITSF", f"{path}: Zendrak.chm is not a help file")


# ---------------------------------------------------------------------------------------


class Runner:
    def __init__(self):
        self.passed = self.failed = 0

    def run(self, name, fn, *args):
        try:
            fn(*args)
        except Fault as e:
            self.failed += 1
            print(f"FAIL {name}: {e}", flush=True)
        except Exception as e:  # a crash of a check is a failure too
            self.failed += 1
            print(f"FAIL {name}: {type(e).__name__}: {e}", flush=True)
        else:
            self.passed += 1
            print(f"ok   {name}", flush=True)


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--root", default=ROOT)
    ap.add_argument("--chm")
    ap.add_argument("--zip")
    ap.add_argument("--sources", action="store_true")
    args = ap.parse_args(argv[1:])
    data = os.path.join(args.root, "data")
    r = Runner()

    skins = sorted(f for f in os.listdir(os.path.join(data, "Skins")) if f.lower().endswith(".bmp"))
    r.run("skins: the default and at least four more",
          lambda: need("skin 03.bmp" in skins and len(skins) >= 5, f"skins: {skins}"))
    for f in skins:
        r.run(f"skin {f}", check_skin, os.path.join(data, "Skins", f))

    bgs = sorted(f for f in os.listdir(os.path.join(data, "Background")) if f.lower().endswith(".bmp"))
    r.run("backgrounds: the default and at least three more",
          lambda: need("wood 2.bmp" in bgs and len(bgs) >= 4, f"backgrounds: {bgs}"))
    for f in bgs:
        r.run(f"background {f}", check_background, os.path.join(data, "Background", f))

    present = sorted(os.listdir(os.path.join(data, "Sound")))
    r.run("sounds: the five events", lambda: need(present == sorted(SOUNDS), f"sounds: {present}"))
    for f in SOUNDS:
        r.run(f"sound {f}", check_sound, os.path.join(data, "Sound", f))

    r.run("help sources", check_help_sources, os.path.join(data, "help"))
    r.run("home page shortcut", check_url, os.path.join(data, "marwen.url"))
    r.run("readme", check_readme, os.path.join(data, "readme.txt"))

    res = os.path.join(args.root, "resources")
    r.run("game icon", check_icon, os.path.join(res, "icons", "zendrak.ico"), [16, 32, 48])
    r.run("small game icon", check_icon, os.path.join(res, "icons", "small.ico"), [16])
    r.run("tree icon: not solved", check_tree_icon, os.path.join(res, "icons", "unsolved.ico"), "grey")
    r.run("tree icon: solved", check_tree_icon, os.path.join(res, "icons", "solved.ico"), "red")
    r.run("tree icon: group", check_tree_icon, os.path.join(res, "icons", "group.ico"), "light")
    r.run("About bitmap", check_about, os.path.join(res, "bitmaps", "about.bmp"))
    r.run("resource script names them", check_rc, os.path.join(res, "zendrak.rc"))

    if args.chm:
        r.run("compiled help file", check_chm, args.chm)
    if args.zip:
        r.run("release archive", check_zip, args.zip, data)
    if args.sources:
        def up_to_date():
            p = subprocess.run([sys.executable, os.path.join(args.root, "tools", "art", "make_all.py"),
                                "--check"], stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
            need(p.returncode == 0, "generated art differs from tools/art:\n" +
                 p.stdout.decode("latin-1")[-1500:])
        r.run("generated art matches its sources", up_to_date)

    print(f"{r.passed} passed, {r.failed} failed")
    return 1 if r.failed else 0


if __name__ == "__main__":
    sys.dont_write_bytecode = True
    sys.exit(main(sys.argv))
