"""Helpers of the end-to-end scenarios: start the built game under Wine in a fresh copy of
the distribution folder, drive it with xdotool like a player, look at it through the probe
(tools/probe) and through screenshots.

The scenarios run inside scripts/with-display.sh (DISPLAY and WINEPREFIX set, the Wine
session running) and get from tests/e2e/run.sh:
  E2E_TEMPLATE  the distribution folder to copy (Zendrak.exe and the data)
  E2E_PROBE     probe.exe
  E2E_WORK      a folder of their own for game copies and screenshots

Pixel checks rely on the settings that DEFAULT_INI writes: squares of 40 pixels without
automatic sizing, a solid background of 0x6E6E6E, a skin file that does not exist (so the
game's substitute skin draws open cells in 0xF0F0F0 and every figure square in red) and the
moving figure fully opaque without a shadow.
"""

import os
import re
import select
import shutil
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
WINE = shutil.which("wine") or shutil.which("wine64") or "wine"
TEMPLATE = os.environ.get("E2E_TEMPLATE", "")
PROBE = os.environ.get("E2E_PROBE", "")
WORK = os.environ.get("E2E_WORK", "")

MAIN = "ZENDRAKAPP"
MESSAGE_BOX = "#32770:Zendrak"
WIN_TEXT = "Congratulations! The game is won."

SQUARE = 40
FIELD_W, FIELD_H = 10, 6
WINDOW_RECT = (100, 50, 1000, 800)        # LEFT TOP RIGHT BOTTOM, wholly on 1280 x 1024
ITEM_HEIGHT = 42

BACK = (0x6E, 0x6E, 0x6E)                 # COLOR_BACK 7237230, BACKGROUND_TYPE 1
OPEN = (0xF0, 0xF0, 0xF0)                 # tile 0 of the substitute skin
RED = (0xFF, 0x00, 0x00)                  # tiles 1..12 of the substitute skin
GREY = (0x96, 0x96, 0x96)                 # tile 13: a square without colour


def ini_text(lines):
    return "".join(line + "\r\n" for line in lines)


def default_ini_lines(cursor_mode=None):
    lines = [
        "[OPTIONS]",
        "AUTO_SIZE = 0",
        "BACKGROUND_TYPE = 1",
        "COLOR_BACK = 7237230",
        "OPAQUE = 100",
        "SHOW_SHADOW = 0",
        "SHOW_LEGAL_MOVE = 0",
        "SHOW_INVERSE = 0",
        "SIZE_SQUARE = %d" % SQUARE,
        "SKIN = e2e no skin.bmp",
    ]
    if cursor_mode is not None:
        lines.append("CURSOR_MODE = %d" % cursor_mode)
    lines += [
        "",
        "[WINDOW]",
        "LEFT = %d" % WINDOW_RECT[0],
        "TOP = %d" % WINDOW_RECT[1],
        "RIGHT = %d" % WINDOW_RECT[2],
        "BOTTOM = %d" % WINDOW_RECT[3],
    ]
    return lines


DEFAULT_INI = ini_text(default_ini_lines())


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def log(message):
    print("    " + message, flush=True)


# ---------------------------------------------------------------------------------------
# Figures: base shapes, square numbers and the enumeration of orientations.

BASE = {
    1: ("..#..", "..#..", "..#..", "..#..", "..#.."),
    2: (".....", "..#..", "..#..", "..#..", "..##."),
    3: (".....", ".###.", "..#..", "..#..", "....."),
    4: (".....", ".#...", ".#...", ".###.", "....."),
    5: (".....", ".#...", ".##..", "..##.", "....."),
    6: (".....", "..#..", ".##..", "..#..", "..#.."),
    7: (".....", ".##..", "..#..", "..##.", "....."),
    8: (".....", "..#..", "..##.", "..##.", "....."),
    9: (".....", "..##.", ".##..", "..#..", "....."),
    10: (".....", ".....", ".#.#.", ".###.", "....."),
    11: (".....", "..#..", ".###.", "..#..", "....."),
    12: (".....", "...#.", "..##.", "..#..", "..#.."),
}
NUMBERS = {
    1: ("..1..", "..2..", "..3..", "..4..", "..5.."),
    2: (".....", "..1..", "..2..", "..3..", "..45."),
    3: (".....", ".124.", "..3..", "..5..", "....."),
    4: (".....", ".1...", ".2...", ".345.", "....."),
    5: (".....", ".1...", ".23..", "..45.", "....."),
    6: (".....", "..1..", ".23..", "..4..", "..5.."),
    7: (".....", ".12..", "..3..", "..45.", "....."),
    8: (".....", "..1..", "..32.", "..45.", "....."),
    9: (".....", "..12.", ".43..", "..5..", "....."),
    10: (".....", ".....", ".1.5.", ".234.", "....."),
    11: (".....", "..1..", ".234.", "..5..", "....."),
    12: (".....", "...1.", "..32.", "..4..", "..5.."),
}
LETTERS = "ILTVWYZPFUXN"          # figure n is LETTERS[n - 1]


def _matrix(rows):
    return tuple(tuple(0 if ch == "." else (int(ch) if ch.isdigit() else 1) for ch in row)
                 for row in rows)


def turn_cw(m):
    return tuple(tuple(m[4 - c][r] for c in range(5)) for r in range(5))


def flip_tb(m):
    return tuple(m[4 - r] for r in range(5))


def squares(m):
    return frozenset((r, c) for r in range(5) for c in range(5) if m[r][c])


class Orientation:
    def __init__(self, figure, number, position, numbered):
        self.figure = figure
        self.number = number            # 1-based, as in the orientation menu
        self.position = position        # 0..7 in the enumeration
        self.numbered = numbered
        self.cells = squares(numbered)
        self.square3 = next((r, c) for r in range(5) for c in range(5) if numbered[r][c] == 3)

    def offsets(self):
        """Squares relative to square 3, as (column, row) offsets."""
        r3, c3 = self.square3
        return frozenset((c - c3, r - r3) for r, c in self.cells)

    def keys(self):
        """Keys that turn the base shape into this orientation (S clockwise, Q flip)."""
        if self.position < 4:
            return ["s"] * self.position
        return ["q"] + ["s"] * (self.position - 4)


def _enumerate(figure):
    base = _matrix(NUMBERS[figure])
    positions = [base]
    for _ in range(3):
        positions.append(turn_cw(positions[-1]))
    flipped = flip_tb(base)
    positions.append(flipped)
    for _ in range(3):
        positions.append(turn_cw(positions[-1]))
    result = []
    for i, m in enumerate(positions):
        if all(squares(m) != squares(o.numbered) for o in result):
            result.append(Orientation(figure, len(result) + 1, i, m))
    return result


ORIENTATIONS = {f: _enumerate(f) for f in range(1, 13)}


def turned(orientation, keys):
    """The orientation that the keys a, s, q, w make of another one."""
    m = orientation.numbered
    for k in keys:
        if k == "s":
            m = turn_cw(m)
        elif k == "a":
            m = turn_cw(turn_cw(turn_cw(m)))
        elif k == "q":
            m = flip_tb(m)
        elif k == "w":
            m = tuple(tuple(row[4 - c] for c in range(5)) for row in m)
        else:
            raise ValueError(k)
    cells = squares(m)
    found = next(o for o in ORIENTATIONS[orientation.figure] if o.cells == cells)
    check(found.square3 == next((r, c) for r in range(5) for c in range(5) if m[r][c] == 3),
          "square numbers of a turned figure disagree with the table")
    return found


def read_tiling(path=None):
    """The tiling of the 10 x 6 field: for each figure, its orientation and the cell where
    square 3 lies."""
    path = path or os.path.join(ROOT, "tests", "unit", "data", "solver", "10x6.txt")
    with open(path) as f:
        rows = [line.strip() for line in f if line.strip()]
    check(len(rows) == FIELD_H and all(len(r) == FIELD_W for r in rows), "bad tiling " + path)
    moves = []
    for figure in range(1, 13):
        letter = LETTERS[figure - 1]
        cells = [(c, r) for r in range(FIELD_H) for c in range(FIELD_W) if rows[r][c] == letter]
        check(len(cells) == 5, "figure %s has %d cells in %s" % (letter, len(cells), path))
        c0 = min(c for c, _ in cells)
        r0 = min(r for _, r in cells)
        shape = frozenset((r - r0, c - c0) for c, r in cells)
        found = None
        for o in ORIENTATIONS[figure]:
            mr = min(r for r, _ in o.cells)
            mc = min(c for _, c in o.cells)
            if frozenset((r - mr, c - mc) for r, c in o.cells) == shape:
                found = o
                r3, c3 = o.square3
                target = (c0 + c3 - mc, r0 + r3 - mr)
                break
        check(found is not None, "figure %s of the tiling has no orientation" % letter)
        moves.append((figure, found, target, frozenset(cells)))
    return moves


# ---------------------------------------------------------------------------------------
# Processes and the probe.

def run(args, timeout=30, check_rc=True, cwd=None):
    p = subprocess.run(args, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                       stderr=subprocess.PIPE, timeout=timeout, cwd=cwd)
    out = p.stdout.decode("latin-1").replace("\r", "")
    err = p.stderr.decode("latin-1").replace("\r", "")
    if check_rc and p.returncode != 0:
        raise Failure("%s failed (%d): %s" % (" ".join(args), p.returncode, (err or out).strip()))
    return p.returncode, out, err


class _ProbeServer:
    """One "probe serve" process answers every probe command of a scenario (a Wine process
    start costs about 0.2 s)."""

    def __init__(self):
        self.proc = None

    def call(self, args, timeout):
        if self.proc is None or self.proc.poll() is not None:
            self.proc = subprocess.Popen([WINE, PROBE, "serve"], stdin=subprocess.PIPE,
                                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
            self.buffer = b""
        self.proc.stdin.write(("\t".join(args) + "\n").encode("latin-1"))
        self.proc.stdin.flush()
        fd = self.proc.stdout.fileno()
        deadline = time.monotonic() + timeout
        while True:
            end = self.buffer.find(b"@@rc=")
            if end >= 0 and (end == 0 or self.buffer[end - 1:end] == b"\n"):
                newline = self.buffer.find(b"\n", end)
                if newline >= 0:
                    out = self.buffer[:end].decode("latin-1")
                    rc = int(self.buffer[end + 5:newline])
                    self.buffer = self.buffer[newline + 1:]
                    return rc, out
            left = deadline - time.monotonic()
            if left <= 0:
                self.stop()
                raise Failure("probe %s: no answer within %d s" % (" ".join(args), timeout))
            ready, _, _ = select.select([fd], [], [], left)
            if ready:
                chunk = os.read(fd, 65536)
                if not chunk:
                    self.stop()
                    raise Failure("probe %s: the probe ended" % " ".join(args))
                self.buffer += chunk

    def stop(self):
        if self.proc is not None:
            try:
                self.proc.stdin.close()
                self.proc.wait(timeout=10)
            except Exception:
                self.proc.kill()
                self.proc.wait()
            self.proc = None


_probe_server = _ProbeServer()


def probe(*args, timeout=30, check_rc=True):
    """Runs a probe command; returns its output, or (rc, output, "") when check_rc is
    false. Fails when the command fails and check_rc is true."""
    words = [str(a) for a in args]
    rc, out = _probe_server.call(words, timeout)
    out = out.replace("\r", "").strip()
    if check_rc and rc != 0:
        raise Failure("probe %s failed (%d): %s" % (" ".join(words), rc, out))
    return out if check_rc else (rc, out, "")


def xdotool(*args):
    run(["xdotool"] + [str(a) for a in args], timeout=20)


def visible_windows(class_name=None, title=None):
    result = []
    for line in probe("list-windows").splitlines():
        if " visible=1 " not in line:
            continue
        if class_name is not None and ('class="%s"' % class_name) not in line:
            continue
        if title is not None and ('text="%s"' % title) not in line:
            continue
        result.append(line)
    return result


class Shot:
    """A picture read as RGB bytes: a screenshot of the whole X screen, or a printed page."""

    def __init__(self, data, width, height):
        self.data, self.width, self.height = data, width, height

    def pixel(self, x, y):
        check(0 <= x < self.width and 0 <= y < self.height, "pixel %d,%d off the picture" % (x, y))
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])


def read_ppm(command):
    """The binary PPM picture (P6, 8 bits) a command writes to its standard output."""
    p = subprocess.run(command, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                       stderr=subprocess.PIPE, timeout=30, check=True)
    raw = p.stdout
    # P6 <w> <h> <max> then the pixels
    fields, pos = [], 0
    while len(fields) < 4:
        while raw[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not raw[pos:pos + 1].isspace():
            pos += 1
        fields.append(raw[start:pos])
    check(fields[0] == b"P6" and fields[3] == b"255", "%s did not write a PPM picture" % command[0])
    return Shot(raw[pos + 1:], int(fields[1]), int(fields[2]))


def screenshot():
    return read_ppm(["import", "-window", "root", "-depth", "8", "ppm:-"])


def near(a, b, tolerance=8):
    return all(abs(x - y) <= tolerance for x, y in zip(a, b))


def classify(rgb):
    if near(rgb, RED):
        return "#"
    if near(rgb, OPEN):
        return "."
    if near(rgb, BACK):
        return " "
    if near(rgb, GREY):
        return "o"
    return "?"


def wait_for(what, observe, accept, timeout=5.0, interval=0.05):
    """Observes until accept(observation) holds; fails after timeout with the last one."""
    deadline = time.monotonic() + timeout
    while True:
        seen = observe()
        if accept(seen):
            return seen
        if time.monotonic() >= deadline:
            raise Failure("%s: still %r after %.1f s" % (what, seen, timeout))
        time.sleep(interval)


# ---------------------------------------------------------------------------------------
# The game.

class Game:
    def __init__(self, name, ini=DEFAULT_INI):
        check(TEMPLATE and PROBE and WORK, "run the scenarios through tests/e2e/run.sh")
        self.name = name
        self.dir = os.path.join(WORK, name, "Zendrak")
        if os.path.exists(os.path.dirname(self.dir)):
            shutil.rmtree(os.path.dirname(self.dir))
        shutil.copytree(TEMPLATE, self.dir)
        for leftover in ("Zendrak.ini", "Save"):
            path = os.path.join(self.dir, leftover)
            if os.path.isdir(path):
                shutil.rmtree(path)
            elif os.path.exists(path):
                os.remove(path)
        if ini is not None:
            with open(self.ini_path, "wb") as f:
                f.write(ini.encode("latin-1"))
        self.proc = None
        self.last_click = (None, None, 0.0)
        self.last_shot = None
        self.field = (FIELD_W, FIELD_H)     # columns and rows of the field in play

    @property
    def ini_path(self):
        return os.path.join(self.dir, "Zendrak.ini")

    # -- process ----------------------------------------------------------------------

    def launch(self):
        """Starts one more Zendrak.exe in the game folder and returns its process."""
        return subprocess.Popen([WINE, os.path.join(self.dir, "Zendrak.exe")], cwd=self.dir,
                                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)

    def start(self):
        check(not visible_windows(class_name=MAIN), "a Zendrak window is open before the start")
        self.proc = self.launch()
        rc, out, err = probe("wait-window", MAIN, 20000, check_rc=False)
        if rc != 0:
            code = self.proc.poll()
            raise Failure("no main window within 20 s" +
                          ("" if code is None else " (Zendrak.exe ended with code %d)" % code))
        self.hwnd = out
        self.sync()
        self.measure()

    def sync(self):
        probe("sync", MAIN)

    def measure(self, field=None):
        """Client origin and size, layout offset, field frame and figure list; `field`
        (columns, rows) when a new field is in play."""
        self.field = field or self.field
        fw, fh = self.field
        cx, cy, cw, ch = (int(v) for v in probe("client-origin", MAIN).split())
        s = SQUARE
        need_w = (fw + 2) * s + 224
        need_h = max((fh + 2) * s, 546) + 64
        ox = (cw - need_w) // 2 if cw >= need_w else 0
        oy = (ch - need_h) // 2 if ch >= need_h else 0
        self.client = (cx, cy, cw, ch)
        self.s = s
        self.frame = (cx + ox + 192, cy + oy + 32)
        self.list_origin = (cx + ox + 32, cy + oy + 32)
        # Where a held figure is looked at: background below the field frame.
        self.spot = (self.frame[0] + 6 * s, self.frame[1] + (fh + 2) * s + 3 * s)
        check(cw >= need_w and ch >= need_h,
              "client area %dx%d is smaller than the content %dx%d" % (cw, ch, need_w, need_h))
        st = self.list_state()
        check((st["x"], st["y"]) == self.list_origin,
              "figure list at %d,%d, expected %d,%d (client %d,%d %dx%d)"
              % (st["x"], st["y"], self.list_origin[0], self.list_origin[1], cx, cy, cw, ch))
        check(st["item"] == ITEM_HEIGHT, "figure list items are %d high" % st["item"])
        check(st["count"] == 13, "figure list has %d entries" % st["count"])

    def list_state(self):
        out = probe("list-state", MAIN, 1000)
        return {k: int(v) for k, v in (f.split("=") for f in out.split())}

    def running(self):
        return self.proc is not None and self.proc.poll() is None

    def wait_exit(self, timeout=15):
        try:
            return self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure("Zendrak.exe did not end within %d s" % timeout)

    def close(self):
        """Ends the game politely (WM_CLOSE), or kills it when it does not end."""
        if not self.running():
            return
        try:
            probe("close", MAIN, check_rc=False)
            self.proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait(timeout=10)

    def kill(self):
        if self.running():
            self.proc.kill()
            self.proc.wait(timeout=10)

    # -- input ------------------------------------------------------------------------

    def move(self, x, y):
        xdotool("mousemove", x, y)

    def click(self, x, y, button=1):
        """Clicks at (x, y); a click close to the previous one waits 0.6 s so that the two
        do not make a double click."""
        lx, ly, lt = self.last_click
        if lx is not None and abs(lx - x) <= 6 and abs(ly - y) <= 6:
            rest = 0.6 - (time.monotonic() - lt)
            if rest > 0:
                time.sleep(rest)
        xdotool("mousemove", x, y, "click", button)
        self.last_click = (x, y, time.monotonic())

    def key(self, *keys):
        if keys:
            xdotool("key", *keys)

    def cell_center(self, c, r):
        s = self.s
        return (self.frame[0] + (c + 1) * s + s // 2, self.frame[1] + (r + 1) * s + s // 2)

    def select(self, n):
        """Clicks entry n of the figure list (scrolling it when needed)."""
        for _ in range(20):
            st = self.list_state()
            visible = st["h"] // st["item"]
            if st["top"] <= n < st["top"] + visible:
                break
            xdotool("mousemove", st["x"] + st["w"] // 2, st["y"] + st["h"] // 2,
                    "click", 4 if n < st["top"] else 5)
        else:
            raise Failure("entry %d of the figure list does not scroll into view" % n)
        x = st["x"] + st["w"] // 2
        y = st["y"] + (n - st["top"]) * st["item"] + st["item"] // 2
        self.click(x, y)
        wait_for("selection of the figure list after clicking entry %d" % n,
                 lambda: self.list_state()["sel"], lambda sel: sel == n)

    # -- looking ----------------------------------------------------------------------

    def shot(self):
        self.last_shot = screenshot()
        return self.last_shot

    def board(self, shot=None):
        shot = shot or self.shot()
        return tuple("".join(classify(shot.pixel(*self.cell_center(c, r)))
                             for c in range(self.field[0])) for r in range(self.field[1]))

    def held(self, shot=None, at=None):
        """The red squares around the pointer position `at`, as (column, row) offsets in
        squares: the figure in hand drawn with square 3 on the pointer."""
        shot = shot or self.shot()
        px, py = at or self.spot
        return frozenset((dc, dr) for dr in range(-4, 5) for dc in range(-4, 5)
                         if classify(shot.pixel(px + dc * self.s, py + dr * self.s)) == "#")

    def list_picture(self, n, shot=None):
        """The 5 x 5 picture of entry n of the figure list, one character a square: "#" in
        colour, "o" without colour, "." an open cell."""
        shot = shot or self.shot()
        st = self.list_state()
        check(st["top"] <= n < st["top"] + st["h"] // st["item"],
              "entry %d of the figure list is not in view" % n)
        x0 = st["x"] + st["w"] // 2 - 20
        y0 = st["y"] + (n - st["top"]) * st["item"] + 1
        return tuple("".join(classify(shot.pixel(x0 + 8 * c + 4, y0 + 8 * r + 4))
                             for c in range(5)) for r in range(5))

    def expect_list_picture(self, n, orientation, mark, what):
        """Waits until entry n shows the orientation, its squares drawn as `mark`."""
        want = tuple("".join(mark if (r, c) in orientation.cells else "." for c in range(5))
                     for r in range(5))
        wait_for("%s: picture of entry %d in the figure list" % (what, n),
                 lambda: self.list_picture(n), lambda p: p == want)

    def expect_held(self, orientation, what):
        """Moves the pointer to the looking spot and waits for the figure in hand to show
        there in the given orientation, square 3 under the pointer."""
        self.move(*self.spot)
        want = orientation.offsets()
        wait_for("%s: the figure in hand (offsets from the pointer)" % what,
                 lambda: sorted(self.held()), lambda seen: frozenset(seen) == want)

    def expect_nothing_held(self, what):
        self.move(*self.spot)
        self.sync()
        wait_for("%s: red squares at the pointer" % what,
                 lambda: sorted(self.held()), lambda seen: not seen)

    def expect_board(self, cells, what, timeout=5.0, blocked=frozenset()):
        """Moves the pointer off the field (a figure in hand follows it) and waits until
        exactly `cells` ((column, row) pairs) show figure squares, the `blocked` cells show
        the background and every other field cell shows an open cell."""
        self.move(*self.spot)
        want = tuple("".join("#" if (c, r) in cells else " " if (c, r) in blocked else "."
                             for c in range(self.field[0]))
                     for r in range(self.field[1]))
        return wait_for(what + ": field", lambda: self.board(), lambda b: b == want,
                        timeout=timeout)

    def message_boxes(self):
        return visible_windows(class_name="#32770", title="Zendrak")

    def menu_rect(self):
        rc, out, _ = probe("menu-rect", check_rc=False)
        return tuple(int(v) for v in out.split()) if rc == 0 else None


def place(game, figure, orientation, target, what, use_menu=False):
    """Takes `figure` from the list, turns it into `orientation` (with keys, or with the
    orientation menu), and drops it with square 3 on cell `target`."""
    game.select(figure)
    if use_menu and orientation.number > 1:
        choose_from_menu(game, orientation)
    else:
        game.key(*orientation.keys())
    game.expect_held(orientation, what)
    game.click(*game.cell_center(*target))


def choose_from_menu(game, orientation):
    """Right click at the looking spot, then the menu item of the orientation."""
    count = len(ORIENTATIONS[orientation.figure])
    game.click(*game.spot, button=3)
    rect = wait_for("orientation menu", game.menu_rect, lambda r: r is not None)
    x, y, w, h = rect
    margin = h - count * ITEM_HEIGHT
    check(0 <= margin <= 16, "menu of %d orientations is %d high" % (count, h))
    item_x = x + w // 2
    item_y = y + margin // 2 + (orientation.number - 1) * ITEM_HEIGHT + ITEM_HEIGHT // 2
    game.click(item_x, item_y)
    wait_for("menu to close", game.menu_rect, lambda r: r is None)


# ---------------------------------------------------------------------------------------
# Dialogs and message boxes.

_CONTROL = re.compile(r'^(0x[0-9a-f]+) id=(-?\d+) visible=(\d) class="([^"]*)" text="(.*)" '
                      r'rect=(-?\d+),(-?\d+),(-?\d+),(-?\d+)$')
_TREE_ITEM = re.compile(r'^level=(\d+) image=(-?\d+) expanded=(\d) selected=(\d) '
                        r'x=(-?\d+) y=(-?\d+) w=(\d+) h=(\d+) text=(.*)$')
IDYES, IDNO = 6, 7
PREVIEW = 1008            # the preview control of the New game and Load dialogs
PREVIEW_SQUARE = 8


class Dialog:
    """A dialog or message box of the game, looked at through the probe and worked with
    the mouse and keyboard."""

    def __init__(self, game, caption, timeout=10.0):
        rc, out, _ = probe("wait-window", "#32770:" + caption, int(timeout * 1000),
                           check_rc=False)
        check(rc == 0, 'no dialog "%s" within %.0f s' % (caption, timeout))
        self.game, self.caption, self.hwnd = game, caption, out

    def controls(self):
        """id -> {hwnd, visible, cls, text, rect (left, top, right, bottom)}"""
        result = {}
        for line in probe("list-windows", self.hwnd).splitlines():
            m = _CONTROL.match(line)
            if m:
                result[int(m.group(2))] = {
                    "hwnd": m.group(1), "visible": m.group(3) == "1", "cls": m.group(4),
                    "text": m.group(5), "rect": tuple(int(m.group(i)) for i in range(6, 10))}
        return result

    def control(self, cid):
        c = self.controls().get(cid)
        check(c is not None, '"%s" has no control %d' % (self.caption, cid))
        return c

    def click(self, cid, button=1):
        """Clicks the middle of control cid."""
        left, top, right, bottom = self.control(cid)["rect"]
        self.game.click((left + right) // 2, (top + bottom) // 2, button)

    def text(self, cid=0xFFFF):
        return probe("text", self.hwnd, cid)

    def list_items(self, cid):
        out = probe("list-items", self.hwnd, cid)
        return out.split("\n") if out else []

    def select_line(self, cid, index):
        """Selects line `index` of list box cid with the keyboard (Home, then Down), so that
        lines scrolled out of view are reached as a player reaches them."""
        st = {k: int(v) for k, v in (f.split("=") for f in
                                     probe("list-state", self.hwnd, cid).split())}
        check(0 <= index < st["count"], "list %d has no line %d" % (cid, index))
        self.game.click(st["x"] + st["w"] // 2, st["y"] + st["item"] // 2)
        self.game.key("Home", *["Down"] * index)
        wait_for("selection of line %d" % index,
                 lambda: probe("list-state", self.hwnd, cid).split()[1],
                 lambda s: s == "sel=%d" % index)

    def tree(self, cid):
        """The items in tree order: {level, image, expanded, selected, x, y, w, h, text}."""
        items = []
        for line in probe("tree", self.hwnd, cid).splitlines():
            m = _TREE_ITEM.match(line)
            check(m is not None, "unexpected tree line %r" % line)
            v = [int(g) for g in m.groups()[:8]]
            items.append(dict(zip(("level", "image", "expanded", "selected", "x", "y", "w",
                                   "h"), v), text=m.group(9)))
        return items

    def tree_item(self, cid, path):
        """The item whose path of texts from the top is `path` (group, puzzle)."""
        trail = []
        for item in self.tree(cid):
            trail = trail[:item["level"]] + [item["text"]]
            if tuple(trail) == tuple(path):
                return item
        raise Failure("no tree item %s" % "\\".join(path))

    def click_tree_item(self, cid, path, double=False):
        item = self.tree_item(cid, path)
        check(item["w"] > 0, "tree item %s is not shown" % "\\".join(path))
        x, y = item["x"] + item["w"] // 2, item["y"] + item["h"] // 2
        if double:
            xdotool("mousemove", x, y, "click", "--repeat", 2, "--delay", 80, 1)
            self.game.last_click = (x, y, time.monotonic())
        else:
            self.game.click(x, y)

    def is_open(self):
        return probe("wait-window", self.hwnd, 0, check_rc=False)[0] == 0

    def wait_gone(self, what=None, timeout=10.0):
        rc = probe("wait-gone", self.hwnd, int(timeout * 1000), check_rc=False)[0]
        check(rc == 0, "%s did not close" % (what or 'the dialog "%s"' % self.caption))

    def preview(self, columns, rows, shot=None):
        """The preview's picture of a columns x rows field, one character a square ("." an
        open cell, "#" a figure square, " " background), read at the squares' centres; and
        whether the background around it is clear."""
        shot = shot or self.game.shot()
        left, top, right, bottom = self.control(PREVIEW)["rect"]
        s = PREVIEW_SQUARE
        x0 = left + (right - left - columns * s) // 2
        y0 = top + (bottom - top - rows * s) // 2
        picture = tuple("".join(classify(shot.pixel(x0 + c * s + s // 2, y0 + r * s + s // 2))
                                for c in range(columns)) for r in range(rows))
        around = [(x0 - s // 2, y0 + s // 2), (x0 + columns * s + s // 2, y0 + s // 2),
                  (x0 + s // 2, y0 - s // 2), (x0 + s // 2, y0 + rows * s + s // 2)]
        clear = all(classify(shot.pixel(x, y)) == " " for x, y in around)
        return picture, clear

    def preview_text_shown(self, shot=None):
        """Whether the preview shows a line of text (in COLOR_INK, white) and no field: what
        it shows when nothing is selected."""
        shot = shot or self.game.shot()
        left, top, right, bottom = self.control(PREVIEW)["rect"]
        middle = (top + bottom) // 2
        band = [shot.pixel(x, y) for y in range(middle - 8, middle + 9) for x in range(left, right)]
        return any(p == (255, 255, 255) for p in band) and not any(near(p, OPEN) for p in band)

    def expect_preview(self, columns, rows, blocked=frozenset(), figures=frozenset(),
                       what="preview"):
        want = tuple("".join("#" if (c, r) in figures else " " if (c, r) in blocked else "."
                             for c in range(columns)) for r in range(rows))
        probe("sync", self.hwnd)
        wait_for("%s of %s" % (what, self.caption), lambda: self.preview(columns, rows),
                 lambda seen: seen == (want, True))


def answer(game, text, button="OK"):
    """Waits for the game's message box, checks its text and clicks `button` (OK, Yes or
    No) with the mouse."""
    box = Dialog(game, "Zendrak")
    shown = box.text()
    check(shown == text, "the message box says %r, expected %r" % (shown, text))
    box.click({"OK": 1, "YES": IDYES, "NO": IDNO}[button.upper()])
    box.wait_gone("the message box %r" % text)


def puzzle_text(columns, rows, blocked=frozenset()):
    """A puzzle file: the field with its blocked cells."""
    lines = ["[GAME]", "DX = %d" % columns, "DY = %d" % rows, "", "[DATA]"]
    for r in range(rows):
        lines.append("ROW_%d = %s" % (r + 1, "".join("0" if (c, r) in blocked else "1"
                                                     for c in range(columns))))
    return ini_text(lines)


def read_ini(path):
    """The sections of a file the game wrote (CR LF lines, "[NAME]" and "KEY = value"), in
    their order: [(name, [(key, value), ...]), ...]. Fails on any other line but an empty
    one, and on a text that does not end with CR LF."""
    with open(path, "rb") as f:
        text = f.read().decode("latin-1")
    check(text.endswith("\r\n"), "%s does not end with CR LF" % path)
    sections = []
    for n, line in enumerate(text[:-2].split("\r\n"), 1):
        if not line:
            continue
        if line.startswith("[") and line.endswith("]"):
            sections.append((line[1:-1], []))
            continue
        check(sections and " = " in line, "%s line %d is %r" % (path, n, line))
        key, value = line.split(" = ", 1)
        sections[-1][1].append((key, value))
    return sections


def screen_size():
    """Width and height of the X screen (the Wine desktop fills it)."""
    _, out, _ = run(["xdotool", "getdisplaygeometry"])
    w, h = out.split()
    return int(w), int(h)


def make_library(game, groups):
    """Replaces the game's puzzle library by `groups`: {group: {name: file text}}."""
    library = os.path.join(game.dir, "Puzzles")
    if os.path.exists(library):
        shutil.rmtree(library)
    for group, puzzles in groups.items():
        os.makedirs(os.path.join(library, group))
        for name, text in puzzles.items():
            with open(os.path.join(library, group, name + ".zpz"), "wb") as f:
                f.write(text.encode("latin-1"))


def scenario(body):
    """Runs body(game_factory) and reports; the exit status tells the runner the result."""
    name = os.path.splitext(os.path.basename(sys.argv[0]))[0]
    games = []

    def factory(ini=DEFAULT_INI, suffix=""):
        g = Game(name + suffix, ini)
        games.append(g)
        return g

    rc = 0
    try:
        body(factory)
    except Failure as e:
        rc = 1
        print("    FAILED: %s" % e, flush=True)
    except Exception as e:  # an error of the scenario itself counts as a failure
        rc = 1
        print("    ERROR: %s: %s" % (type(e).__name__, e), flush=True)
    finally:
        if rc != 0:
            path = os.path.join(WORK, name + "-failure.png")
            try:
                run(["import", "-window", "root", path], timeout=20)
                print("    screenshot at the failure: %s" % path, flush=True)
            except Exception:
                pass
        for g in games:
            try:
                g.close()
            except Exception:
                g.kill()
        _probe_server.stop()
    sys.exit(rc)


def lay_tiling(game, verify_each=True):
    """Lays the twelve figures of the first tiling of the 10 x 6 field one by one, then
    waits for the win message, checks that exactly one message box shows its text, and
    closes it with its OK button. Returns the moves."""
    moves = read_tiling()
    laid = set()
    for i, (figure, orientation, target, cells) in enumerate(moves):
        what = "figure %s (%d of 12)" % (LETTERS[figure - 1], i + 1)
        place(game, figure, orientation, target, what)
        laid |= cells
        if i < len(moves) - 1:
            if verify_each:
                game.expect_board(laid, "after " + what)
            check(not game.message_boxes(), "a message box after " + what)
    box = probe("wait-window", MESSAGE_BOX, 10000, check_rc=False)
    check(box[0] == 0, "no message box after the twelfth figure")
    hwnd = box[1]
    boxes = game.message_boxes()
    check(len(boxes) == 1, "%d message boxes after the win: %s" % (len(boxes), boxes))
    text = probe("text", hwnd, 0xFFFF)
    check(text == WIN_TEXT, "the message box says %r" % text)
    probe("click-button", hwnd, "OK")
    check(probe("wait-gone", hwnd, 10000, check_rc=False)[0] == 0,
          "the message box did not close with OK")
    game.sync()
    check(not game.message_boxes(), "another message box after closing the win message")
    game.expect_board(laid, "after the win")
    return moves
