"""Helpers of the end-to-end scenarios, run by tests/e2e/run.sh. The pixel checks rely on
settings(): squares of 40 pixels, a solid background of 0x6E6E6E, a skin file that does not
exist (the substitute skin: open cells 0xF0F0F0, figure squares red), an opaque moving figure
without shadow."""

import os, shutil, subprocess, sys, threading, time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
WINE = shutil.which("wine") or shutil.which("wine64") or "wine"
TEMPLATE, PROBE, WORK = (os.environ.get(k, "") for k in ("E2E_TEMPLATE", "E2E_PROBE", "E2E_WORK"))
DPI = int(os.environ.get("E2E_DPI", "96"))     # the LogPixels of the prefix (tests/e2e/dpi.sh)


def scaled(units):
    """A length of 96-DPI units in pixels at the prefix's DPI, as the game rounds it."""
    return (units * DPI + 48) // 96
MAIN = "ZENDRAKAPP"
WINDOW_RECT = (100, 50, 1000, 800)        # LEFT TOP RIGHT BOTTOM, wholly on 1280 x 1024
COLOURS = {"#": (0xFF, 0, 0), ".": (0xF0, 0xF0, 0xF0), " ": (0x6E, 0x6E, 0x6E),
           "!": (0xFF, 0xC8, 0), "+": (0, 0x6E, 0xE6)}     # a hint's marks


def ini_text(lines):
    return "".join(line + "\r\n" for line in lines)


def settings(*options):
    return ini_text(["[OPTIONS]", "AUTO_SIZE = 0", "BACKGROUND_TYPE = 1", "COLOR_BACK = 7237230",
                     "OPAQUE = 100", "SHOW_SHADOW = 0", "SHOW_LEGAL_MOVE = 0", "SHOW_INVERSE = 0",
                     "SIZE_SQUARE = 40", "SKIN = e2e no skin.bmp", *options, "", "[WINDOW]"] +
                    ["%s = %d" % kv for kv in zip(("LEFT", "TOP", "RIGHT", "BOTTOM"), WINDOW_RECT)])


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def log(message):
    print("    " + message, flush=True)


def wait_for(what, observe, accept, timeout=5.0):
    deadline = time.monotonic() + timeout
    while not accept(seen := observe()):
        check(time.monotonic() < deadline, "%s: still %r after %.1f s" % (what, seen, timeout))
        time.sleep(0.05)
    return seen


class Orientation:
    """A figure turned clockwise `position` times (from 4 on: flipped top to bottom first) as
    the offsets of its squares from square 3, the one under the pointer while in hand."""
    def __init__(self, position, rows):
        self.position = position
        cells = {(c, r): ch for r, row in enumerate(rows) for c, ch in enumerate(row) if ch != "."}
        c3, r3 = next(cell for cell, ch in cells.items() if ch == "3")
        self.offsets = frozenset((c - c3, r - r3) for c, r in cells)
        self.shape = self.at(-min(c for c, _ in self.offsets), -min(r for _, r in self.offsets))

    def keys(self):    # S turns clockwise, Q flips top to bottom
        return ["s"] * self.position if self.position < 4 else ["q"] + ["s"] * (self.position - 4)

    def at(self, c, r):
        return frozenset((c + dc, r + dr) for dc, dr in self.offsets)


def _orientations(rows):
    found = []
    for position in range(8):
        rows = rows[::-1] if position == 4 else rows
        o = Orientation(position, rows)
        if all(o.shape != other.shape for other in found):
            found.append(o)
        rows = ["".join(rows[4 - c][r] for c in range(5)) for r in range(5)]
    return found


# The figures "ILTVWYZPFUXN" in their first orientation.
PICTURES = [line.split() for line in """
..1.. ..... ..... ..... ..... ..... ..... ..... ..... ..... ..... .....
..2.. ..1.. .124. .1... .1... ..1.. .12.. ..1.. ..12. ..... ..1.. ...1.
..3.. ..2.. ..3.. .2... .23.. .23.. ..3.. ..32. .43.. .1.5. .234. ..32.
..4.. ..3.. ..5.. .345. ..45. ..4.. ..45. ..45. ..5.. .234. ..5.. ..4..
..5.. ..45. ..... ..... ..... ..5.. ..... ..... ..... ..... ..... ..5..""".strip().splitlines()]
ORIENTATIONS = {n: _orientations([row[n - 1] for row in PICTURES]) for n in range(1, 13)}


def tiling():
    """A tiling of the 10 x 6 field: (figure, orientation, cell of square 3) each."""
    with open(os.path.join(ROOT, "tests", "unit", "data", "solver", "10x6.txt")) as f:
        rows = f.read().split()
    for figure, letter in enumerate("ILTVWYZPFUXN", 1):
        cells = {(c, r) for r, row in enumerate(rows) for c, ch in enumerate(row) if ch == letter}
        yield next((figure, o, t) for o in ORIENTATIONS[figure] for t in cells if o.at(*t) == cells)


_server = None    # one "probe serve" process answers every probe command of a scenario


def probe(*args, timeout=30):
    """(exit status, output) of a probe command."""
    global _server
    if _server is None or _server.poll() is not None:
        _server = subprocess.Popen([WINE, PROBE, "serve"], stdin=subprocess.PIPE,
                                   stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    _server.stdin.write(("\t".join(map(str, args)) + "\n").encode("latin-1"))
    _server.stdin.flush()
    watchdog, lines = threading.Timer(timeout, _server.kill), []
    watchdog.start()
    try:
        for raw in iter(_server.stdout.readline, b""):
            line = raw.decode("latin-1").rstrip("\r\n")
            if line.startswith("@@rc="):
                return int(line[5:]), "\n".join(lines).strip()
            lines.append(line)
    finally:
        watchdog.cancel()
    raise AssertionError("probe %s: no answer within %d s" % (" ".join(map(str, args)), timeout))


def ask(*args):
    """The output of a probe command that must succeed."""
    rc, out = probe(*args)
    check(rc == 0, "probe %s failed (%d): %s" % (" ".join(map(str, args)), rc, out))
    return out


def numbers(text):
    return tuple(int(v) for v in text.split())


def fields(text):
    return {k: int(v) for k, v in (f.split("=") for f in text.split())}


def xdotool(*args):
    p = subprocess.run(["xdotool", *map(str, args)], stdin=subprocess.DEVNULL, capture_output=True,
                       timeout=20)
    check(p.returncode == 0, "xdotool %s: %s" % (args, p.stderr.decode().strip()))
    return p.stdout.decode()


def visible_windows(class_name, title=""):
    return [line for line in ask("list-windows").splitlines()
            if ' visible=1 class="%s" text="%s' % (class_name, title) in line]


def answer(text):
    """Waits for the game's message box, checks its text and closes it with Return."""
    box = ask("wait-window", "#32770:Zendrak", 10000)
    said = ask("text", box, 0xFFFF)
    check(said == text, "the message box says %r, not %r" % (said, text))
    xdotool("key", "Return")
    check(probe("wait-gone", box, 10000)[0] == 0, "the message box %r did not close" % text)


class Game:
    def __init__(self, name, ini, square):
        check(TEMPLATE and PROBE and WORK, "run the scenarios through tests/e2e/run.sh")
        self.dir = os.path.join(WORK, name, "Zendrak")
        shutil.rmtree(os.path.dirname(self.dir), ignore_errors=True)
        shutil.copytree(TEMPLATE, self.dir)
        self.ini_path = os.path.join(self.dir, "Zendrak.ini")
        with open(self.ini_path, "wb") as f:
            f.write(ini.encode("latin-1"))
        self.s, self.field, self.proc, self.last_click = scaled(square), (10, 6), None, (0, 0, 0.0)

    def launch(self, cwd=None):
        return subprocess.Popen([WINE, os.path.join(self.dir, "Zendrak.exe")], cwd=cwd or self.dir,
                                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)

    def start(self, cwd=None):
        """Starts the game from its folder, or from another current directory `cwd`."""
        check(not visible_windows(MAIN), "a Zendrak window is open before the start")
        self.proc = self.launch(cwd)
        rc, self.hwnd = probe("wait-window", MAIN, 20000)
        check(rc == 0, "no main window within 20 s (exit code %s)" % self.proc.poll())
        self.measure()

    def measure(self, field=None):
        """The field's frame lies right of the figure list (128 units) and the gap (32); a figure
        in hand is looked at on the background below the field."""
        ask("sync", MAIN)
        self.field = field or self.field
        st = self.list_state()
        self.frame = (st["x"] + scaled(128) + scaled(32), st["y"])
        self.spot = (self.frame[0] + 6 * self.s, self.frame[1] + (self.field[1] + 5) * self.s)

    def status(self):
        """The status bar's parts, one a line (["hidden"] while it is hidden)."""
        return ask("status", self.hwnd, 1022).splitlines()

    def list_state(self, target=MAIN, cid=1000):
        return fields(ask("list-state", target, cid))

    def alive(self, what):
        ask("sync", MAIN)
        check(self.proc.poll() is None, "Zendrak.exe ended " + what)

    def alt_f4(self):
        self.key("alt+F4")
        check(wait_for("the end after Alt+F4", self.proc.poll, lambda c: c is not None, 15) == 0,
              "Zendrak.exe ended with code %s" % self.proc.poll())

    def close(self):
        if self.proc is not None and self.proc.poll() is None:
            probe("close", MAIN)
            try:
                self.proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.proc.kill()

    def click(self, x, y, button=1):
        """Two clicks close together wait 0.6 s apart, so as not to make a double click."""
        lx, ly, lt = self.last_click
        if abs(lx - x) <= 6 and abs(ly - y) <= 6:
            time.sleep(max(0.0, 0.6 - (time.monotonic() - lt)))
        xdotool("mousemove", x, y, "click", button)
        self.last_click = (x, y, time.monotonic())

    def key(self, *keys):
        if keys:
            xdotool("key", *keys)

    def cell_center(self, c, r):
        return (self.frame[0] + (c + 1) * self.s + self.s // 2,
                self.frame[1] + (r + 1) * self.s + self.s // 2)

    def select(self, n):
        """Clicks entry n of the figure list (0 is the empty hand)."""
        st = self.list_state()
        check(st["top"] <= n < st["top"] + st["h"] // st["item"], "entry %d is not in view" % n)
        self.click(st["x"] + st["w"] // 2, st["y"] + (n - st["top"]) * st["item"] + st["item"] // 2)
        wait_for("figure list selection", lambda: self.list_state()["sel"], lambda sel: sel == n)

    def classified(self, points):
        """One character per screen point: "#" red, "." open cell, " " background, "!" and "+"
        a hint's marks."""
        w = int(xdotool("getdisplaygeometry").split()[0])
        shot = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"],
                              stdin=subprocess.DEVNULL, capture_output=True, timeout=30).stdout
        check(len(shot) % (w * 3) == 0 and shot, "no screenshot")
        return "".join(next((k for k, v in COLOURS.items() if all(
            abs(a - b) <= 8 for a, b in zip(shot[(y * w + x) * 3:(y * w + x) * 3 + 3], v))), "?")
            for x, y in points)

    def expect_held(self, orientation, what):
        """The figure in hand (None: nothing) drawn with square 3 under the pointer."""
        xdotool("mousemove", *self.spot)
        around = [(dc, dr) for dr in range(-4, 5) for dc in range(-4, 5)]
        points = [(self.spot[0] + dc * self.s, self.spot[1] + dr * self.s) for dc, dr in around]
        want = sorted(orientation.offsets) if orientation else []
        wait_for(what + ": the hand",
                 lambda: sorted(o for o, ch in zip(around, self.classified(points)) if ch == "#"),
                 lambda seen: seen == want)

    def expect_board(self, cells, what):
        """Exactly `cells` ((column, row) pairs) show figure squares, the others open cells."""
        xdotool("mousemove", *self.spot)
        columns, rows = self.field
        want = "".join("#" if (c, r) in cells else "." for r in range(rows) for c in range(columns))
        wait_for(what + ": the field", lambda: self.classified(
            [self.cell_center(c, r) for r in range(rows) for c in range(columns)]),
            lambda seen: seen == want)


def place(game, figure, orientation, target, what):
    """Takes `figure` from the list, turns it with the keys and drops square 3 on `target`."""
    game.select(figure)
    game.key(*orientation.keys())
    game.expect_held(orientation, what)
    game.click(*game.cell_center(*target))


def scenario(body, ini=settings(), square=40):
    """Runs body(game) on a fresh copy of the game; the exit status tells the runner the result."""
    name, game, rc = os.path.splitext(os.path.basename(sys.argv[0]))[0], None, 1
    try:
        game = Game(name, ini, square)
        body(game)
        rc = 0
    except Exception as e:      # an error of the scenario itself counts as a failure too
        print("    FAILED: %s%s" % ("" if isinstance(e, AssertionError) else type(e).__name__ + ": ", e))
        path = os.path.join(WORK, name + "-failure.png")
        if subprocess.run(["import", "-window", "root", path], capture_output=True).returncode == 0:
            print("    screenshot at the failure: " + path)
    finally:
        if game is not None:
            game.close()
        if _server is not None and _server.poll() is None:
            _server.stdin.close()
            _server.wait(timeout=10)
    sys.exit(rc)
