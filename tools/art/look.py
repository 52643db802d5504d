#!/usr/bin/env python3
"""Shows every skin and background in the running game and keeps a screenshot of each, so
that a person can judge how they look where they are used.

Usage (inside scripts/with-display.sh, which provides DISPLAY and the Wine prefix):
  look.py ZENDRAK_EXE PROBE_EXE DATA_DIR OUT_DIR

For each skin of DATA_DIR/Skins (on the default background) and each background of
DATA_DIR/Background (with the default skin) the game is started in a fresh folder with a
settings file that names them; nine figures are laid on the 10 x 6 field as a player would
(picked in the list, turned with the keys, dropped with the mouse), a tenth is held over
the field, and the window is saved as OUT_DIR/skin-NAME.png or OUT_DIR/background-NAME.png.
The squares are 48 pixels, or ZENDRAK_LOOK_SQUARE; other sizes than 48 add "-SIZE" to the
file names. The New game dialog (with the tree's icons) and the About box (with its
picture) are saved as OUT_DIR/dialog-new-game.png and OUT_DIR/dialog-about.png.
ZENDRAK_LOOK_ONLY=skins, backgrounds or dialogs does one part only.
Needs xdotool and ImageMagick's import and convert; probe.exe is tools/probe.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

WINE = shutil.which("wine") or shutil.which("wine64") or "wine"
SQUARE = int(os.environ.get("ZENDRAK_LOOK_SQUARE", "48"))  # 24 to 64, steps of 8
ITEM = 42
WINDOW = (40, 20, 1240, 1000)  # left, top, right, bottom on the 1280 x 1024 desktop
DEFAULT_SKIN = "skin 03.bmp"
DEFAULT_BACKGROUND = "wood 2.bmp"

# A tiling of the 10 x 6 field; letters are the figures I L T V W Y Z P F U X N.
TILING = ["IIIIINNNUU",
          "LLLLXWWNNU",
          "LPPXXXWWUU",
          "TPPPXFFWZV",
          "TTTYFFZZZV",
          "TYYYYFZVVV"]
LETTERS = "ILTVWYZPFUXN"
LEFT_OPEN = "XFZ"   # figures left in the list, so that open cells show
HELD = "F"          # the figure held over the field for the screenshot

# The figures' starting orientation with their squares numbered 1 to 5 (the pointer holds
# square 3).
NUMBERED = {
    "I": ("..1..", "..2..", "..3..", "..4..", "..5.."),
    "L": (".....", "..1..", "..2..", "..3..", "..45."),
    "T": (".....", ".124.", "..3..", "..5..", "....."),
    "V": (".....", ".1...", ".2...", ".345.", "....."),
    "W": (".....", ".1...", ".23..", "..45.", "....."),
    "Y": (".....", "..1..", ".23..", "..4..", "..5.."),
    "Z": (".....", ".12..", "..3..", "..45.", "....."),
    "P": (".....", "..1..", "..32.", "..45.", "....."),
    "F": (".....", "..12.", ".43..", "..5..", "....."),
    "U": (".....", ".....", ".1.5.", ".234.", "....."),
    "X": (".....", "..1..", ".234.", "..5..", "....."),
    "N": (".....", "...1.", "..32.", "..4..", "..5.."),
}


def turn_cw(m):
    return tuple("".join(m[4 - c][r] for c in range(5)) for r in range(5))


def flip_tb(m):
    return tuple(reversed(m))


def shape(cells):
    r0 = min(r for r, _ in cells)
    c0 = min(c for _, c in cells)
    return frozenset((r - r0, c - c0) for r, c in cells)


def plan(letter):
    """Keys that turn the figure into its orientation in TILING, and the cell (column, row)
    where its square 3 must go."""
    target = [(r, c) for r, row in enumerate(TILING) for c, ch in enumerate(row) if ch == letter]
    want = shape(target)
    r0 = min(r for r, _ in target)
    c0 = min(c for _, c in target)
    for keys in ([], ["s"], ["s", "s"], ["s", "s", "s"],
                 ["q"], ["q", "s"], ["q", "s", "s"], ["q", "s", "s", "s"]):
        m = NUMBERED[letter]
        for k in keys:
            m = turn_cw(m) if k == "s" else flip_tb(m)
        cells = [(r, c) for r in range(5) for c in range(5) if m[r][c] != "."]
        if shape(cells) == want:
            mr = min(r for r, _ in cells)
            mc = min(c for _, c in cells)
            r3, c3 = next((r, c) for r in range(5) for c in range(5) if m[r][c] == "3")
            return keys, (c0 + c3 - mc, r0 + r3 - mr)
    raise ValueError(f"no orientation of {letter} fits the tiling")


def run(args, cwd=None, timeout=30):
    p = subprocess.run(args, cwd=cwd, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                       stderr=subprocess.DEVNULL, timeout=timeout)
    return p.returncode, p.stdout.decode("latin-1").replace("\r", "")


def probe(probe_exe, *args):
    rc, out = run([WINE, probe_exe] + list(args))
    if rc != 0:
        raise RuntimeError(f"probe {' '.join(args)} failed: {out.strip()}")
    return out.strip()


def xdo(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True)


def settings(skin, background, extra=()):
    lines = list(extra) + ["[OPTIONS]", "AUTO_SIZE = 0", f"SIZE_SQUARE = {SQUARE}", f"SKIN = {skin}",
             "BACKGROUND_TYPE = 0", f"BACKGROUND_NAME = {background}", "",
             "[WINDOW]", f"LEFT = {WINDOW[0]}", f"TOP = {WINDOW[1]}",
             f"RIGHT = {WINDOW[2]}", f"BOTTOM = {WINDOW[3]}", ""]
    return "\r\n".join(lines)


def prepare(folder, exe, data, skin, background, extra=()):
    shutil.copy(exe, os.path.join(folder, "Zendrak.exe"))
    for sub in ("Puzzles", "Skins", "Background", "Sound"):
        if os.path.isdir(os.path.join(data, sub)):
            shutil.copytree(os.path.join(data, sub), os.path.join(folder, sub))
    with open(os.path.join(folder, "Zendrak.ini"), "w", newline="") as f:
        f.write(settings(skin, background, extra))


def save_window(probe_exe, target, out_png):
    left, top, right, bottom = (int(v) for v in probe(probe_exe, "window-rect", target).split()[:4])
    shot = out_png + ".full.png"
    subprocess.run(["import", "-window", "root", shot], check=True)
    subprocess.run(["convert", shot, "-crop", f"{right - left}x{bottom - top}+{left}+{top}",
                    "+repage", out_png], check=True)
    os.remove(shot)
    print(f"screenshot: {out_png}", flush=True)


def shoot_dialogs(exe, probe_exe, data, out):
    """The New game dialog (its tree shows the three tree icons) and the About box (its
    picture), over the default skin and background."""
    with tempfile.TemporaryDirectory() as folder:
        prepare(folder, exe, data, DEFAULT_SKIN, DEFAULT_BACKGROUND,
                ["[LAST]", "FOLDER = Look", "FILE = solved one", "",
                 "[SOLVED_PUZZLES]", "GROUP_0 = Look", "PUZZLE_0 = solved one", ""])
        # A group with a solved and an unsolved puzzle, beside the shipped library.
        look = os.path.join(folder, "Puzzles", "Look")
        os.makedirs(look)
        sample = next(os.path.join(d, f) for d, _, fs in os.walk(os.path.join(data, "Puzzles"))
                      for f in fs if f.endswith(".zpz"))
        for name in ("solved one", "not yet"):
            shutil.copy(sample, os.path.join(look, name + ".zpz"))
        game = subprocess.Popen([WINE, os.path.join(folder, "Zendrak.exe")], cwd=folder,
                                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        try:
            probe(probe_exe, "wait-window", "ZENDRAKAPP", "20000")
            x, y, w, h = (int(v) for v in probe(probe_exe, "client-origin", "ZENDRAKAPP").split()[:4])
            xdo("mousemove", x + w // 2, y + 10)
            xdo("click", "1")
            time.sleep(0.3)
            xdo("key", "ctrl+n")
            probe(probe_exe, "wait-window", "#32770:New game", "10000")
            time.sleep(0.5)
            save_window(probe_exe, "#32770:New game", os.path.join(out, "dialog-new-game.png"))
            probe(probe_exe, "click-button", "#32770:New game", "2")
            probe(probe_exe, "wait-gone", "#32770:New game", "10000")
            xdo("key", "alt+slash")
            probe(probe_exe, "wait-window", "#32770:About", "10000")
            time.sleep(0.5)
            save_window(probe_exe, "#32770:About", os.path.join(out, "dialog-about.png"))
            probe(probe_exe, "click-button", "#32770:About", "1")
        finally:
            try:
                probe(probe_exe, "close")
                game.wait(timeout=15)
            except Exception:
                game.kill()
                game.wait()


def shoot(exe, probe_exe, data, skin, background, out_png):
    with tempfile.TemporaryDirectory() as folder:
        prepare(folder, exe, data, skin, background)
        game = subprocess.Popen([WINE, os.path.join(folder, "Zendrak.exe")], cwd=folder,
                                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        try:
            probe(probe_exe, "wait-window", "ZENDRAKAPP", "20000")
            x, y, w, h = (int(v) for v in probe(probe_exe, "client-origin", "ZENDRAKAPP").split()[:4])
            width = 12 * SQUARE + 224
            height = max(8 * SQUARE, 546) + 64
            ox = (w - width) // 2 if w >= width else 0
            oy = (h - height) // 2 if h >= height else 0

            def cell_centre(c, r):
                return (x + ox + 192 + (c + 1) * SQUARE + SQUARE // 2,
                        y + oy + 32 + (r + 1) * SQUARE + SQUARE // 2)

            def take_from_list(letter):
                n = LETTERS.index(letter) + 1
                xdo("mousemove", x + ox + 32 + 64, y + oy + 32 + ITEM * n + ITEM // 2)
                xdo("click", "1")
                time.sleep(0.3)

            for letter in LETTERS:
                if letter in LEFT_OPEN:
                    continue
                keys, (c, r) = plan(letter)
                take_from_list(letter)
                for k in keys:
                    xdo("key", k)
                    time.sleep(0.05)
                xdo("mousemove", *cell_centre(c, r))
                time.sleep(0.15)
                xdo("click", "1")
                time.sleep(0.6)
            take_from_list(HELD)
            xdo("mousemove", *cell_centre(5, 3))
            time.sleep(0.3)
            xdo("mousemove", *cell_centre(6, 3))
            time.sleep(0.5)
            probe(probe_exe, "sync")
            save_window(probe_exe, "ZENDRAKAPP", out_png)
        finally:
            try:
                probe(probe_exe, "close")
                game.wait(timeout=15)
            except Exception:
                game.kill()
                game.wait()


def main(argv):
    if len(argv) != 5:
        print(__doc__, file=sys.stderr)
        return 2
    exe, probe_exe, data, out = argv[1:]
    os.makedirs(out, exist_ok=True)
    suffix = "" if SQUARE == 48 else f"-{SQUARE}"
    only = os.environ.get("ZENDRAK_LOOK_ONLY", "")  # "skins", "backgrounds" or "dialogs"
    if only in ("", "dialogs"):
        shoot_dialogs(exe, probe_exe, data, out)
    if only in ("", "skins"):
        for skin in sorted(os.listdir(os.path.join(data, "Skins"))):
            shoot(exe, probe_exe, data, skin, DEFAULT_BACKGROUND,
                  os.path.join(out, "skin-" + os.path.splitext(skin)[0] + suffix + ".png"))
    if only in ("", "backgrounds"):
        for background in sorted(os.listdir(os.path.join(data, "Background"))):
            shoot(exe, probe_exe, data, DEFAULT_SKIN, background, os.path.join(
                out, "background-" + os.path.splitext(background)[0] + suffix + ".png"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
