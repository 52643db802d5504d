#!/usr/bin/env python3
"""Proves that the checks of check_data.py catch the faults they are there for: each case
writes a damaged copy of a real file (or a small wrong one) and expects its check to reject
it, and the untouched file to pass.

Usage: check_data_faults.py [--root REPO]    Ends with "N passed, M failed"."""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import zipfile

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_data as cd  # noqa: E402


def bmp(path, width, height, pixel, bits=24, compression=0):
    """A bitmap whose pixel (x, y) (y = 0 at the top) is pixel(x, y)."""
    stride = ((width * bits + 31) // 32) * 4
    data = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r)) + (b"\xff" if bits == 32 else b"")
        data += row + bytes(stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, len(data), 0, 0, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    with open(path, "wb") as f:
        f.write(head + info + data)


def wav(path, samples, rate=22050, bits=16, channels=1):
    width = bits // 8
    if bits == 16:
        pcm = b"".join(struct.pack("<h", s) for s in samples for _ in range(channels))
    else:
        pcm = bytes(((s >> 8) + 128) & 0xFF for s in samples for _ in range(channels))
    fmt = struct.pack("<HHIIHH", 1, channels, rate, rate * channels * width, channels * width, bits)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(pcm)) + pcm
    with open(path, "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", len(body)) + body)


def tone(seconds, rate=22050, amp=12000, start=0):
    import math
    n = int(seconds * rate)
    return [start if i == 0 else int(amp * math.sin(i * 0.07) * (1 - i / n)) for i in range(n)]


class Cases:
    def __init__(self):
        self.passed = self.failed = 0

    def expect(self, name, should_fail, fn, *args):
        try:
            fn(*args)
            rejected, why = False, ""
        except cd.Fault as e:
            rejected, why = True, str(e)
        ok = rejected == should_fail
        if ok:
            self.passed += 1
        else:
            self.failed += 1
        verdict = "rejected" if rejected else "accepted"
        print(f"{'ok  ' if ok else 'FAIL'} {name}: {verdict}{' (' + why + ')' if why and not ok else ''}",
              flush=True)


def main(argv):
    root = cd.ROOT
    if len(argv) == 3 and argv[1] == "--root":
        root = argv[2]
    data = os.path.join(root, "data")
    res = os.path.join(root, "resources")
    c = Cases()
    tmp = tempfile.mkdtemp()
    try:
        t = lambda name: os.path.join(tmp, name)
        skin = os.path.join(data, "Skins", "skin 03.bmp")
        _, _, rows = cd.read_bmp(skin)

        # Skins
        c.expect("skin: the real default skin", False, cd.check_skin, skin)
        bmp(t("wide.bmp"), 960, 64, lambda x, y: rows[y][x % 896])
        c.expect("skin: 960 pixels wide", True, cd.check_skin, t("wide.bmp"))
        bmp(t("tall.bmp"), 896, 65, lambda x, y: rows[min(y, 63)][x])
        c.expect("skin: 65 pixels high", True, cd.check_skin, t("tall.bmp"))
        bmp(t("rle.bmp"), 896, 64, lambda x, y: rows[y][x], compression=1)
        c.expect("skin: marked as compressed", True, cd.check_skin, t("rle.bmp"))
        bmp(t("same.bmp"), 896, 64, lambda x, y: rows[y][x - 64 if 5 * 64 <= x < 6 * 64 else x])
        c.expect("skin: figures 4 and 5 alike", True, cd.check_skin, t("same.bmp"))
        bmp(t("redplain.bmp"), 896, 64, lambda x, y: (200, 60, 60) if x >= 13 * 64 else rows[y][x])
        c.expect("skin: tile 13 coloured", True, cd.check_skin, t("redplain.bmp"))
        bmp(t("ok32.bmp"), 896, 64, lambda x, y: rows[y][x], bits=32)
        c.expect("skin: the same pixels at 32 bits", False, cd.check_skin, t("ok32.bmp"))
        with open(skin, "rb") as f:
            blob = f.read()
        with open(t("cut.bmp"), "wb") as f:
            f.write(blob[:-1000])
        c.expect("skin: truncated file", True, cd.check_skin, t("cut.bmp"))

        # Backgrounds
        wood = os.path.join(data, "Background", "wood 2.bmp")
        c.expect("background: the real wood", False, cd.check_background, wood)
        bmp(t("ramp.bmp"), 128, 128, lambda x, y: (40 + x // 2, 30 + x // 3, 20))
        c.expect("background: a ramp that does not repeat", True, cd.check_background, t("ramp.bmp"))
        bmp(t("white.bmp"), 64, 64, lambda x, y: (230, 225, 215))
        c.expect("background: too light", True, cd.check_background, t("white.bmp"))
        bmp(t("chess.bmp"), 64, 64, lambda x, y: (0, 0, 0) if (x // 8 + y // 8) % 2 else (110, 110, 110))
        c.expect("background: too busy", True, cd.check_background, t("chess.bmp"))

        # Sounds
        drop = os.path.join(data, "Sound", "drop.wav")
        c.expect("sound: the real drop", False, cd.check_sound, drop)
        wav(t("long.wav"), tone(2.0))
        c.expect("sound: 2 seconds", True, cd.check_sound, t("long.wav"))
        wav(t("short.wav"), tone(0.02))
        c.expect("sound: 20 ms", True, cd.check_sound, t("short.wav"))
        wav(t("8bit.wav"), tone(0.3), bits=8)
        c.expect("sound: 8-bit", True, cd.check_sound, t("8bit.wav"))
        wav(t("quiet.wav"), tone(0.3, amp=500))
        c.expect("sound: nearly silent", True, cd.check_sound, t("quiet.wav"))
        wav(t("click.wav"), tone(0.3, start=20000))
        c.expect("sound: starts with a jump", True, cd.check_sound, t("click.wav"))
        wav(t("fine.wav"), tone(0.3))
        c.expect("sound: a plain good tone", False, cd.check_sound, t("fine.wav"))

        # Shortcut
        with open(t("lf.url"), "wb") as f:
            f.write(b"[InternetShortcut]\nURL=https://zendrak.example.org/\n")
        c.expect("shortcut: LF line ends", True, cd.check_url, t("lf.url"))
        with open(t("http.url"), "wb") as f:
            f.write(b"[InternetShortcut]\r\nURL=http://zendrak.example.org/\r\n")
        c.expect("shortcut: not https", True, cd.check_url, t("http.url"))

        # Help sources
        help_src = os.path.join(data, "help")
        c.expect("help: the real sources", False, cd.check_help_sources, help_src)

        def broken_help(name, edit):
            folder = t(name)
            shutil.copytree(help_src, folder)
            path = os.path.join(folder, edit[0])
            with open(path, encoding="latin-1") as f:
                text = f.read()
            assert edit[1] in text, edit
            with open(path, "w", encoding="latin-1") as f:
                f.write(text.replace(edit[1], edit[2], 1))
            return folder
        c.expect("help: a link to a missing page", True, cd.check_help_sources,
                 broken_help("h1", ("index.htm", 'href="tutorial.htm"', 'href="tutorial2.htm"')))
        c.expect("help: a link to a missing anchor", True, cd.check_help_sources,
                 broken_help("h2", ("index.htm", 'href="#keys"', 'href="#kes"')))
        c.expect("help: topic 2 mapped to the wrong page", True, cd.check_help_sources,
                 broken_help("h3", ("Zendrak.hhp", "IDH_OPTIONS=options.htm", "IDH_OPTIONS=create.htm")))
        c.expect("help: an unclosed tag", True, cd.check_help_sources,
                 broken_help("h4", ("options.htm", "</table>", "</div>")))

        # The compiled help file: compiled without the chroot, the topics point at the
        # build folder's absolute path, which the viewer cannot find.
        if shutil.which("chmcmd") and shutil.which("chmls"):
            plain = t("plainchm")
            shutil.copytree(help_src, plain)
            subprocess.run(["chmcmd", "Zendrak.hhp"], cwd=plain, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, check=True)
            c.expect("help file: compiled without the workaround", True, cd.check_chm,
                     os.path.join(plain, "Zendrak.chm"))
            built = t("goodchm")
            subprocess.run(["bash", os.path.join(root, "scripts", "build-help.sh"), built],
                           stdout=subprocess.DEVNULL, check=True)
            c.expect("help file: built by build-help.sh", False, cd.check_chm,
                     os.path.join(built, "Zendrak.chm"))
        else:
            print("skip help file: chmcmd and chmls (fp-utils) are not installed")

        # Icons
        c.expect("icon: the real game icon", False, cd.check_icon,
                 os.path.join(res, "icons", "zendrak.ico"), [16, 32, 48])
        c.expect("icon: a size missing", True, cd.check_icon,
                 os.path.join(res, "icons", "small.ico"), [16, 32])
        with open(os.path.join(res, "icons", "solved.ico"), "rb") as f:
            ico = bytearray(f.read())
        offset = struct.unpack_from("<I", ico, 6 + 12)[0]
        mask_at = offset + 40 + 16 * 16 * 4
        ico[mask_at:mask_at + 4 * 16] = bytes(4 * 16)  # mask says: everything opaque
        with open(t("nomask.ico"), "wb") as f:
            f.write(ico)
        c.expect("icon: mask disagrees with alpha", True, cd.check_tree_icon, t("nomask.ico"), "red")
        c.expect("tree icon: the folder is not red", True, cd.check_tree_icon,
                 os.path.join(res, "icons", "group.ico"), "red")
        c.expect("tree icon: the tick is not grey", True, cd.check_tree_icon,
                 os.path.join(res, "icons", "solved.ico"), "grey")
        bmp(t("huge.bmp"), 400, 200, lambda x, y: (90, 90, 90))
        c.expect("About bitmap: too large for the box", True, cd.check_about, t("huge.bmp"))

        # The archive
        def archive(name, extra=None, drop=None, top="Zendrak"):
            path = t(name)
            with zipfile.ZipFile(path, "w") as z:
                z.writestr(f"{top}/Zendrak.exe", b"MZ fake")
                z.writestr(f"{top}/Zendrak.chm", b"ITSF fake")
                for f in ("marwen.url", "readme.txt"):
                    z.write(os.path.join(data, f), f"{top}/{f}")
                for folder in ("Puzzles", "Skins", "Background", "Sound"):
                    for dirpath, _, fs in os.walk(os.path.join(data, folder)):
                        for f in fs:
                            rel = os.path.relpath(os.path.join(dirpath, f), data).replace(os.sep, "/")
                            if rel != drop:
                                z.write(os.path.join(dirpath, f), f"{top}/{rel}")
                if extra:
                    z.writestr(f"{top}/{extra}", b"x")
            return path
        c.expect("zip: complete", False, cd.check_zip, archive("good.zip"), data)
        c.expect("zip: with the player's settings file", True, cd.check_zip,
                 archive("ini.zip", extra="Zendrak.ini"), data)
        c.expect("zip: with a saved game", True, cd.check_zip,
                 archive("save.zip", extra="Save/x.zpz"), data)
        c.expect("zip: a sound missing", True, cd.check_zip,
                 archive("nosound.zip", drop="Sound/error.wav"), data)
        c.expect("zip: wrong top folder", True, cd.check_zip, archive("top.zip", top="zendrak-1.4"), data)
    finally:
        shutil.rmtree(tmp)
    print(f"{c.passed} passed, {c.failed} failed")
    return 1 if c.failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
