"""A hand-edited Zendrak.ini with every value out of range or of the wrong kind, keys
repeated, keys outside any section, a repeated section, names of 259 characters and more,
1001 solved puzzles and a window rectangle both inverted and larger than the screen: the
game starts on the screen with a sane size and plays (a figure dropped with the mouse and
taken back); Alt+F4 writes a file whose every value lies in its range, with the first 1000
solved puzzles; the game starts again from that file and writes it back unchanged. Then a
settings file of random bytes (no section at all) gives a game that starts and writes a
valid file too."""

import random

import zendrak_e2e
from zendrak_e2e import (ORIENTATIONS, check, ini_text, log, place, probe, read_ini,
                         scenario, screen_size, wait_for)

X = 11
SQUARE = 24                 # SIZE_SQUARE -48 clamped; the repeated 100000 does not count
LONG = 259

SECTIONS = ["OPTIONS", "LAST", "SOLVED_PUZZLES", "SOUND", "WINDOW"]
FLAGS = ["AUTO_SIZE", "SHOW_CONTOUR", "SHOW_INVERSE", "SHOW_LEGAL_MOVE", "SHOW_SHADOW",
         "USE_ONE_COLOR"]
COLOURS = ["COLOR_BACK", "COLOR_CONTOUR", "COLOR_INK", "COLOR_SHADOW"]
RANGES = dict({"SIZE_SQUARE": (24, 64), "OPAQUE": (50, 100), "SQUARE_INDEX": (0, 11),
               "CURSOR_MODE": (0, 2), "BACKGROUND_TYPE": (0, 1), "AI": (0, 2),
               "CREATION_METHOD": (0, 1), "DX": (3, 24), "DY": (3, 24)},
              **{k: (0, 1) for k in FLAGS}, **{k: (0, 0xFFFFFF) for k in COLOURS})
NAMES = {"OPTIONS": ["BACKGROUND_NAME", "SKIN"], "LAST": ["FILE", "FOLDER"]}
SOUNDS = ["drop", "take", "rotate", "level is completed", "error"]


def long_name(letter, length=LONG):
    """A name of `length` characters with blanks inside but not at its ends, nor at
    character 259 where a longer one is cut (the reader drops blanks around values)."""
    text = list(("%s name " % letter * length)[:length])
    for i in {LONG - 1, length - 1}:
        text[i] = letter
    return "".join(text)


def solved_pairs():
    """1001 pairs, the first and the last of the 1000 kept with the longest names (one of
    them longer still, to be cut to 259 characters)."""
    pairs = [("group %d" % n, "puzzle %d" % n) for n in range(1001)]
    pairs[0] = (long_name("g"), long_name("p", 400))
    pairs[999] = (long_name("G"), long_name("P"))
    return pairs


def hostile_ini():
    lines = ["; keys before the first section belong to none",
             "SIZE_SQUARE = 40", "OPAQUE = 50", "LEFT = 100",
             "[ options ]",
             "AUTO_SIZE = no",
             "BACKGROUND_NAME = " + long_name("b"),
             "BACKGROUND_TYPE = 9",
             "COLOR_BACK = 4285427310",         # 0xFF6E6E6E: the solid grey with a top byte
             "COLOR_CONTOUR = -16777216",
             "COLOR_INK = 99999999999",
             "COLOR_SHADOW = 4294967295",
             "CURSOR_MODE = 7",
             "OPAQUE = 1000",
             "OPAQUE = 0",                      # a repeated key: the first one counts
             "SHOW_CONTOUR = yes",
             "SHOW_INVERSE = false",
             "SHOW_LEGAL_MOVE = 0x10",
             "SHOW_SHADOW = off",
             "SIZE_SQUARE = -48",
             "SIZE_SQUARE = 100000",
             "SKIN = " + long_name("s"),
             "SQUARE_INDEX = 99",
             "USE_ONE_COLOR = 2147483648",
             "a line without an equals sign",
             "[LAST",                           # no closing bracket: not a section
             "= a value without a key",
             "[LAST]",
             "AI = 7",
             "CREATION_METHOD = -3",
             "DX = -5",
             "DY = 100000",
             "FILE = " + long_name("f"),
             "FOLDER = " + long_name("d", 300),
             "[OPTIONS]",                       # a repeated section is ignored as a whole
             "OPAQUE = 50",
             "SIZE_SQUARE = 40",
             "SHOW_INVERSE = 1",
             "[SOLVED_PUZZLES]"]
    for n, (group, puzzle) in enumerate(solved_pairs()):
        lines += ["GROUP_%d = %s" % (n, group), "PUZZLE_%d = %s" % (n, puzzle)]
    lines += ["GROUP_5 = repeated", "[SOUND]"]
    for i, name in enumerate(SOUNDS):
        lines += ["%s_FILE = %s" % (name, long_name(name[0])),
                  "%s_ENABLE = %s" % (name, ["7", "-1", "abc", "99999999999", ""][i])]
    lines += ["[WINDOW]", "LEFT = 2000000", "RIGHT = -2000000", "TOP = -3000",
              "BOTTOM = 90000", "[WINDOW]", "LEFT = 100", "TOP = 50", "RIGHT = 1000",
              "BOTTOM = 800"]
    return ini_text(lines)


def window_on_screen(problems, rect, what):
    w, h = screen_size()
    left, top, right, bottom = rect
    if not (0 <= left < right <= w and 0 <= top < bottom <= h):
        problems.append("%s %s is not a rectangle on the %dx%d screen" % (what, rect, w, h))


def written_problems(path, solved, rect=None):
    """What is wrong with the settings file the game wrote: missing, repeated or unknown
    sections and keys, numbers out of range, names over 259 characters, more than 1000 or
    other solved puzzles than `solved`, a window rectangle off the screen or other than
    `rect`, the window's place at the end."""
    sections = read_ini(path)
    problems = []
    names = [name for name, _ in sections]
    if names != SECTIONS:
        return ["sections %s, expected %s" % (names, SECTIONS)]
    values = {}
    for name, keys in sections:
        values[name] = dict(keys)
        if len(values[name]) != len(keys):
            problems.append("a key repeated in [%s]" % name)
    expected = {"OPTIONS": set(RANGES) - {"AI", "CREATION_METHOD", "DX", "DY"} |
                set(NAMES["OPTIONS"]),
                "LAST": {"AI", "CREATION_METHOD", "DX", "DY"} | set(NAMES["LAST"]),
                "SOUND": {"%s_%s" % (n, k) for n in SOUNDS for k in ("FILE", "ENABLE")},
                "WINDOW": {"LEFT", "TOP", "RIGHT", "BOTTOM"}}
    for name, keys in expected.items():
        if set(values[name]) != keys:
            problems.append("[%s] has the keys %s" % (name, sorted(values[name])))
    ranges = dict(RANGES, **{"%s_ENABLE" % n: (0, 1) for n in SOUNDS})
    for name in ("OPTIONS", "LAST", "SOUND", "WINDOW"):
        for key, value in values[name].items():
            if key in ranges or name == "WINDOW":
                low, high = ranges.get(key, (-2 ** 31, 2 ** 31 - 1))
                if not value.lstrip("-").isdigit() or not low <= int(value) <= high:
                    problems.append("%s = %s is not a number in %d..%d" % (key, value, low, high))
            elif len(value) > LONG:
                problems.append("%s has %d characters" % (key, len(value)))
    pairs = values["SOLVED_PUZZLES"]
    count = len(pairs) // 2
    listed = [(pairs.get("GROUP_%d" % n), pairs.get("PUZZLE_%d" % n)) for n in range(count)]
    if len(pairs) % 2 or count > 1000 or any(None in p for p in listed):
        problems.append("%d solved keys, not up to 1000 numbered pairs" % len(pairs))
    elif listed != solved:
        first = next(n for n in range(max(len(listed), len(solved)))
                     if listed[n:n + 1] != solved[n:n + 1])
        problems.append("%d solved puzzles written, pair %d is %r, expected %r" % (
            count, first, listed[first:first + 1], solved[first:first + 1]))
    window = values["WINDOW"]
    if all(window.get(k, "").lstrip("-").isdigit() for k in ("LEFT", "TOP", "RIGHT", "BOTTOM")):
        written = tuple(int(window[k]) for k in ("LEFT", "TOP", "RIGHT", "BOTTOM"))
        window_on_screen(problems, written, "the written window")
        if rect is not None and written != rect:
            problems.append("written window %s, the window was at %s" % (written, rect))
    return problems


def start(game):
    """Starts the game and checks that its window lies on the screen; returns its rectangle."""
    game.start()          # also checks that the client area holds the field and the list
    rect = tuple(int(v) for v in probe("window-rect").split())
    problems = []
    window_on_screen(problems, rect, "the main window")
    check(not problems, "; ".join(problems))
    return rect


def close(game):
    log("Alt+F4")
    game.key("alt+F4")
    code = game.wait_exit()
    check(code == 0, "Zendrak.exe ended with code %d" % code)
    with open(game.ini_path, "rb") as f:
        return f.read()


def body(new_game):
    # The figures must show in the substitute skin's red at full opacity and the field on
    # the solid grey: the hostile values are chosen so that their clamped or first values
    # give exactly that, and a wrong reading shows in the pictures.
    zendrak_e2e.SQUARE = SQUARE
    game = new_game(hostile_ini())
    log("start on the hostile settings file")
    start(game)

    log("drop X with the mouse, take it back")
    x = ORIENTATIONS[X][0]
    place(game, X, x, (4, 2), "X")
    cells = frozenset((4 + dc, 2 + dr) for dc, dr in x.offsets())
    game.expect_board(cells, "after dropping X")
    game.select(0)
    game.expect_nothing_held("with the empty hand")
    game.click(*game.cell_center(4, 2))
    wait_for("figure list selection after taking X back", lambda: game.list_state()["sel"],
             lambda sel: sel == X)
    game.expect_held(x, "X taken back")
    game.expect_board(frozenset(), "after taking X back")
    rect = tuple(int(v) for v in probe("window-rect").split())

    first = close(game)
    cut = [(g[:LONG], p[:LONG]) for g, p in solved_pairs()[:1000]]
    problems = written_problems(game.ini_path, cut, rect)
    for p in problems:
        log("written file: " + p)

    log("start again from the written file")
    again = start(game)
    check(again == rect, "window at %s on the second start, %s before" % (again, rect))
    second = close(game)
    if second != first:
        a, b = first.split(b"\r\n"), second.split(b"\r\n")
        n = next(n for n in range(min(len(a), len(b)) + 1) if a[n:n + 1] != b[n:n + 1])
        check(False, "line %d written after the second start is %r, after the first %r"
              % (n + 1, b[n:n + 1], a[n:n + 1]))

    log("a settings file of random bytes: no section at all")
    noise = bytes(random.Random(11).randrange(256) for _ in range(3000)) + b"\0\r\n\0"
    game = new_game(noise.decode("latin-1"), suffix="-noise")
    zendrak_e2e.SQUARE = 64     # the default automatic size on the desktop-sized window
    rect = start(game)
    close(game)
    noise_problems = written_problems(game.ini_path, [], rect)
    check(not problems and not noise_problems,
          "the written settings files are not valid: " + "; ".join(problems + noise_problems))


scenario(body)
