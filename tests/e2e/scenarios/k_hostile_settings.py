"""A hand-edited Zendrak.ini with every value out of range or of the wrong kind, repeated
keys and sections, keys outside any section, names of 259 characters and more, 1001 solved
puzzles and a window both inverted and larger than the screen: the game starts on the
screen and plays with the mouse (the pictures show that the first SIZE_SQUARE, clamped to
24, and the solid grey counted); Alt+F4 writes every value back in its range, the first 1000
solved puzzles with their names cut to 259 characters, and the window where it was."""

import configparser

from zendrak_e2e import (ORIENTATIONS, ask, check, ini_text, log, numbers, place, scenario,
                         screen_size)

X, LONG = 11, 259
SECTIONS = ["OPTIONS", "LAST", "SOLVED_PUZZLES", "SOUND", "WINDOW"]
SOUNDS = ["drop", "take", "rotate", "level is completed", "error"]
RANGES = dict({"SIZE_SQUARE": (24, 64), "OPAQUE": (50, 100), "SQUARE_INDEX": (0, 11),
               "CURSOR_MODE": (0, 2), "BACKGROUND_TYPE": (0, 1), "AI": (0, 2),
               "CREATION_METHOD": (0, 1), "DX": (3, 24), "DY": (3, 24)},
              **{k: (0, 1) for k in ("AUTO_SIZE", "SHOW_CONTOUR", "SHOW_INVERSE",
                                     "SHOW_LEGAL_MOVE", "SHOW_SHADOW", "USE_ONE_COLOR")},
              **{"COLOR_" + k: (0, 0xFFFFFF) for k in ("BACK", "CONTOUR", "INK", "SHADOW")},
              **{s + "_ENABLE": (0, 1) for s in SOUNDS})
NAMES = ["BACKGROUND_NAME", "SKIN", "FILE", "FOLDER"] + [s + "_FILE" for s in SOUNDS]


def long_name(letter, length=LONG):
    """Blanks inside but not at the ends, nor at character 259 where a longer name is cut
    (the reader drops blanks around values)."""
    text = list(("%s name " % letter * length)[:length])
    for i in {LONG - 1, length - 1}:
        text[i] = letter
    return "".join(text)


# 1001 pairs; the first and the last of the 1000 kept have the longest names.
SOLVED = [("group %d" % n, "puzzle %d" % n) for n in range(1001)]
SOLVED[0], SOLVED[999] = (long_name("g"), long_name("p", 400)), (long_name("G"), long_name("P"))

HOSTILE = ini_text(
    ["; keys before the first section belong to none", "SIZE_SQUARE = 40", "OPAQUE = 50",
     "LEFT = 100", "[ options ]", "AUTO_SIZE = no", "BACKGROUND_NAME = " + long_name("b"),
     "BACKGROUND_TYPE = 9", "COLOR_BACK = 4285427310",      # the solid grey with a top byte
     "COLOR_CONTOUR = -16777216", "COLOR_INK = 99999999999", "COLOR_SHADOW = 4294967295",
     "CURSOR_MODE = 7", "OPAQUE = 1000", "OPAQUE = 0",      # a repeated key: the first counts
     "SHOW_CONTOUR = yes", "SHOW_INVERSE = false", "SHOW_LEGAL_MOVE = 0x10",
     "SHOW_SHADOW = off", "SIZE_SQUARE = -48", "SIZE_SQUARE = 100000",
     "SKIN = " + long_name("s"), "SQUARE_INDEX = 99", "USE_ONE_COLOR = 2147483648",
     "a line without an equals sign", "[LAST", "= a value without a key",
     "[LAST]", "AI = 7", "CREATION_METHOD = -3", "DX = -5", "DY = 100000",
     "FILE = " + long_name("f"), "FOLDER = " + long_name("d", 300),
     "[OPTIONS]", "OPAQUE = 50", "SIZE_SQUARE = 40", "SHOW_INVERSE = 1",  # ignored as a whole
     "[SOLVED_PUZZLES]"] +
    ["%s_%d = %s" % (k, n, v) for n, pair in enumerate(SOLVED)
     for k, v in zip(("GROUP", "PUZZLE"), pair)] +
    ["GROUP_5 = repeated", "[SOUND]"] +
    ["%s_%s = %s" % (s, k, v) for s, enable in zip(SOUNDS, ["7", "-1", "abc", "99999999999", ""])
     for k, v in (("FILE", long_name(s[0])), ("ENABLE", enable))] +
    ["[WINDOW]", "LEFT = 2000000", "RIGHT = -2000000", "TOP = -3000", "BOTTOM = 90000",
     "[WINDOW]", "LEFT = 100", "TOP = 50", "RIGHT = 1000", "BOTTOM = 800"])


def check_written(path, rect):
    with open(path, "rb") as f:
        text = f.read().decode("latin-1")
    check(text.endswith("\r\n"), "Zendrak.ini does not end with CR LF")
    sections = configparser.ConfigParser(delimiters="=", interpolation=None)
    sections.optionxform = str
    sections.read_string(text)      # fails on a repeated section or key
    check(sections.sections() == SECTIONS, "sections %s" % sections.sections())
    values = dict(sections["OPTIONS"], **sections["LAST"], **sections["SOUND"])
    for key, (low, high) in RANGES.items():
        check(values.get(key, "").isdigit() and low <= int(values[key]) <= high,
              "%s = %s is not a number in %d..%d" % (key, values.get(key), low, high))
    for key in NAMES:
        check(len(values.get(key, "x" * 999)) <= LONG, "%s is missing or too long" % key)
    want = {"%s_%d" % (k, n): v[:LONG] for n, pair in enumerate(SOLVED[:1000])
            for k, v in zip(("GROUP", "PUZZLE"), pair)}
    check(dict(sections["SOLVED_PUZZLES"]) == want,
          "solved puzzles other than the first 1000 cut to %d characters" % LONG)
    window = tuple(int(sections["WINDOW"][k]) for k in ("LEFT", "TOP", "RIGHT", "BOTTOM"))
    check(window == rect, "window %s written, the window was at %s" % (window, rect))


def body(new_game):
    game = new_game(HOSTILE, square=24)
    log("start on the hostile settings file")
    game.start()
    rect = numbers(ask("window-rect", game.hwnd))
    w, h = screen_size()
    check(0 <= rect[0] < rect[2] <= w and 0 <= rect[1] < rect[3] <= h,
          "the window %s is not on the %dx%d screen" % (rect, w, h))

    log("drop X with the mouse")
    place(game, X, ORIENTATIONS[X][0], (4, 2), "X")
    game.expect_board(ORIENTATIONS[X][0].at(4, 2), "after dropping X")

    log("Alt+F4")
    game.alt_f4()
    check_written(game.ini_path, rect)


scenario(body)
