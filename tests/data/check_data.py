#!/usr/bin/env python3
"""Checks the data that ships beside the program, read as the game and Windows read it: the
skins and backgrounds as bitmaps LoadImage takes, the sounds as PCM wave files, the shortcut
and readme as Windows text; with --chm FILE the compiled help's pages, links and topic map
(needs chmls from fp-utils), with --zip FILE the release archive against the repository's
data, with --sources the art regenerated from tools/art (~10 s). Ends with "N passed, M
failed"; exit status 1 when anything failed."""
import argparse, functools, os, re, shutil, struct, subprocess, sys, tempfile, zipfile
from pathlib import Path

# What the game opens: its default skin and background, the skin row of 14 tiles of 64 pixels
# it draws from (a 15th would land where it takes the shadow square), the sounds of its five
# events and the help topics of "hh -mapid N".
DEFAULT_SKIN, DEFAULT_BACKGROUND, SKIN_SIZE = "skin 03.bmp", "wood 2.bmp", (14 * 64, 64)
SOUNDS = ["drop", "take", "rotate", "level is completed", "error"]
HELP_TOPICS = {1: "tutorial.htm", 2: "options.htm", 3: "create.htm"}


def need(condition, message):
    if not condition:
        raise AssertionError(message)


def check_bmp(path, size=None):
    """As LoadImageA(LR_LOADFROMFILE) needs it: a known info header, one plane of 24 or 32
    bits, no compression, the pixels inside the file."""
    data = Path(path).read_bytes()
    magic, length, offset, header, w, h, planes, bits, compression = struct.unpack_from(
        "<2sI4xIIiiHHI", data)
    need(magic == b"BM" and length == len(data) and header in (40, 52, 56, 108, 124) and planes == 1 and
         bits in (24, 32) and compression == 0, f"header: {length} of {len(data)} bytes, info "
         f"header {header}, {planes} planes, {bits} bits, compression {compression}")
    need(w > 0 and h != 0 and offset >= 14 + header and
         offset + (w * bits + 31) // 32 * 4 * abs(h) <= len(data), f"{w} x {h} pixels do not fit")
    need(size in (None, (w, abs(h))), f"{w} x {abs(h)}, the skin row is {size}")


def check_wav(path):
    """A RIFF WAVE file PlaySound plays: PCM of 8 or 16 bits, mono or stereo, a consistent fmt
    chunk and whole frames of data, every chunk inside the file."""
    data = Path(path).read_bytes()
    riff, size, wave = struct.unpack_from("<4sI4s", data)
    need((riff, size + 8, wave) == (b"RIFF", len(data), b"WAVE"), "not a RIFF WAVE file of its size")
    chunks, pos = {}, 12
    while pos + 8 <= len(data):
        cid, size = struct.unpack_from("<4sI", data, pos)
        chunks[cid] = data[pos + 8:pos + 8 + size]
        need(len(chunks[cid]) == size, f"chunk {cid!r} runs past the end")
        pos += 8 + size + (size & 1)
    need(len(chunks.get(b"fmt ", b"")) >= 16 and chunks.get(b"data"), "no fmt chunk or no data")
    tag, channels, rate, byte_rate, align, bits = struct.unpack_from("<HHIIHH", chunks[b"fmt "])
    need(tag == 1 and bits in (8, 16) and channels in (1, 2) and rate > 0 and
         align == channels * bits // 8 and byte_rate == rate * align and
         len(chunks[b"data"]) % align == 0,
         f"format {tag}, {bits} bits, {channels} channels, {rate} Hz: not whole frames of PCM")


def check_text(path):
    """ASCII with CR LF line ends (Notepad shows a LF-only file as one line); the shortcut
    ShellExecute opens is an [InternetShortcut] with one https URL."""
    data = Path(path).read_bytes()
    need(data.isascii() and b"\0" not in data and b"\n" not in data.replace(b"\r\n", b""),
         "not ASCII text with CR LF line ends")
    lines = data.decode().split("\r\n")
    urls = [line for line in lines if line.startswith("URL=")]
    need(not path.endswith(".url") or lines[0] == "[InternetShortcut]" and len(urls) == 1 and
         re.fullmatch(r"URL=https://[a-z0-9.-]+(/\S*)?", urls[0]), "not a shortcut to one https URL")


def check_counts(library):
    """Every puzzle carries its number of solutions, which "zpz library" compares with a count."""
    missing = [str(p.relative_to(library)) for p in sorted(Path(library).glob("*/*.zpz"))
               if not re.search(rb"\r\n\[INFO\]\r\nSOLUTIONS = \d+\r\n$", p.read_bytes())]
    need(not missing, f"{len(missing)} puzzles without [INFO] SOLUTIONS, as {missing[:2]}")


def chmls(*args):
    need(shutil.which("chmls"), "chmls (package fp-utils) is needed to read the help file")
    p = subprocess.run(["chmls", *args], stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                       stdin=subprocess.DEVNULL, timeout=60)
    need(p.returncode == 0, f"chmls {' '.join(args)} failed: {p.stdout.decode('latin-1')[-300:]}")
    return p.stdout.decode("latin-1")


def check_chm(path, sources):
    """Every page the help's sources link to is inside, and the topic map (#IVB with the names
    in #STRINGS) sends topics 1 to 3 to their pages under the short names the viewer looks up
    (not under the folder the compiler ran in)."""
    path = os.path.abspath(path)
    names = {n.strip() for n in chmls("-p", "-n", "list", path).splitlines() if n.strip()[:1] == "/"}
    links = {"index.htm", *HELP_TOPICS.values()}
    for source in sorted(s for s in os.listdir(sources) if s.endswith((".htm", ".hhc", ".hhk"))):
        text = Path(sources, source).read_text(encoding="latin-1")
        links.update(re.findall(r'(?:href|name="Local" value)="([^"#:]+)[#"]', text))
    need(not {"/" + n for n in links} - names, f"not inside: {sorted({'/' + n for n in links} - names)}")
    with tempfile.TemporaryDirectory() as tmp:
        for name in ("IVB", "STRINGS"):
            chmls("extract", path, "/#" + name, os.path.join(tmp, name))
        ivb, strings = (Path(tmp, name).read_bytes() for name in ("IVB", "STRINGS"))
    topics = {}
    for i in range(struct.unpack_from("<I", ivb, 0)[0] // 8):
        topic, offset = struct.unpack_from("<II", ivb, 4 + 8 * i)
        topics[topic] = strings[offset:strings.index(b"\0", offset)].decode("latin-1")
    need(all(topics.get(t) == "/" + page for t, page in HELP_TOPICS.items()), f"topic map {topics}")


def check_zip(path, data):
    """One folder Zendrak/: the program, the help, and the repository's shortcut, readme and
    four data folders byte for byte (reading each member also checks its CRC)."""
    with zipfile.ZipFile(path) as z:
        inside = {n[len("Zendrak/"):]: z.read(n) for n in z.namelist() if not n.endswith("/")}
        outside = [n for n in z.namelist() if not n.startswith("Zendrak/")]
    shipped = {"marwen.url", "readme.txt"} | {
        os.path.relpath(os.path.join(d, f), data).replace(os.sep, "/")
        for folder in ("Puzzles", "Skins", "Background", "Sound")
        for d, _, files in os.walk(os.path.join(data, folder)) for f in files}
    want = shipped | {"Zendrak.exe", "Zendrak.chm"}
    need(not outside and set(inside) == want, f"outside Zendrak/ {outside[:3]}, extra "
         f"{sorted(set(inside) - want)[:3]}, missing {sorted(want - set(inside))[:3]}")
    need(all(inside[f] == Path(data, f).read_bytes() for f in shipped), "data differs")


def check_art_sources(root):
    p = subprocess.run([sys.executable, "-B", os.path.join(root, "tools", "art", "make_all.py"),
                        "--check"], stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    need(p.returncode == 0, "generated art differs:\n" + p.stdout.decode("latin-1")[-1500:])


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--root", default=os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
    ap.add_argument("--chm")
    ap.add_argument("--zip")
    ap.add_argument("--sources", action="store_true")
    args = ap.parse_args(argv[1:])
    data = os.path.join(args.root, "data")
    at, run = functools.partial(os.path.join, data), functools.partial
    # The defaults are checked as any other bitmap, and fail to open when they are missing.
    skins, backgrounds = (sorted({f for f in os.listdir(at(d)) if f.lower().endswith(".bmp")} | {f})
                          for d, f in (("Skins", DEFAULT_SKIN), ("Background", DEFAULT_BACKGROUND)))
    checks = [("skin " + f, run(check_bmp, at("Skins", f), SKIN_SIZE)) for f in skins]
    checks += [("background " + f, run(check_bmp, at("Background", f))) for f in backgrounds]
    checks += [("sound " + s, run(check_wav, at("Sound", s + ".wav"))) for s in SOUNDS]
    checks += [(f, run(check_text, at(f))) for f in ("marwen.url", "readme.txt")]
    checks.append(("puzzle counts", run(check_counts, at("Puzzles"))))
    checks += [(name, run(fn, *a)) for name, fn, *a in (
        ("compiled help file", check_chm, args.chm, at("help")),
        ("release archive", check_zip, args.zip, data),
        ("generated art matches its sources", check_art_sources, args.sources and args.root)) if a[0]]
    failed = 0
    for name, check in checks:
        try:
            check()
            print("ok   " + name, flush=True)
        except Exception as e:  # an AssertionError, or a crash of a check on a damaged file
            failed += 1
            print(f"FAIL {name}: {e!r}", flush=True)
    print(f"{len(checks) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.dont_write_bytecode = True
    sys.exit(main(sys.argv))
