"""A hand-edited Zendrak.ini with values out of range or of the wrong kind, repeated keys and
sections, keys outside any section, names of 320 characters, 1001 solved puzzles and a window
both inverted and larger than the screen: the game starts on the screen and plays with the
mouse at the first SIZE_SQUARE, clamped to 24, made 32 with Ctrl+Plus; Alt+F4 writes a valid
file: each section and key once, numbers where numbers belong, names of at most 259
characters, the window where it was. What each value reads as, and how many solved puzzles are
kept, is unit-tested."""

import configparser
import re

from zendrak_e2e import ORIENTATIONS, ask, check, ini_text, log, numbers, place, scenario, xdotool

X, LONG = 11, "a long name " * 27
NAME = re.compile(r"BACKGROUND_NAME|SKIN|FILE|FOLDER|(GROUP|PUZZLE)_\d+|.*_FILE")
HOSTILE = ini_text(
    ["SIZE_SQUARE = 40", "OPAQUE = 50", "[ options ]", "AUTO_SIZE = no", "BACKGROUND_TYPE = 9",
     "BACKGROUND_NAME = " + LONG, "COLOR_BACK = 4285427310", "COLOR_INK = 99999999999",
     "CURSOR_MODE = 7", "OPAQUE = 1000", "OPAQUE = 0", "SHOW_CONTOUR = yes", "SHOW_INVERSE = false",
     "SHOW_LEGAL_MOVE = 0x10", "SHOW_SHADOW = off", "SIZE_SQUARE = -48", "SIZE_SQUARE = 100",
     "SKIN = " + LONG, "SQUARE_INDEX = 99", "STATUS_BAR = 5", "a line without an equals sign", "[LAST",
     "= a value without a key", "[LAST]", "AI = 7", "DX = -5", "DY = 100000", "FILE = " + LONG,
     "[OPTIONS]", "SIZE_SQUARE = 40", "OPAQUE = 50", "[SOLVED_PUZZLES]"] +
    ["%s_%d = %s %d" % (k, n, LONG, n) for n in range(1001) for k in ("GROUP", "PUZZLE")] +
    ["GROUP_5 = repeated", "[SOUND]", "drop_ENABLE = -1", "take_FILE = " + LONG, "[WINDOW]",
     "LEFT = 2000000", "RIGHT = -2000000", "TOP = -3000", "BOTTOM = 90000", "[WINDOW]",
     "LEFT = 100", "[BEST_TIMES]", "GROUP_0 = " + LONG, "PUZZLE_0 = " + LONG, "SECONDS_0 = -5",
     "GROUP_1 = a", "PUZZLE_1 = b", "SECONDS_1 = 99999999999", "[RANDOM_PUZZLE]",
     "DIFFICULTY = 0", "WIDTH = -4", "HEIGHT = 99999999999", "SYMMETRIC = maybe"])


def body(game):
    game.start()
    rect = numbers(ask("window-rect", game.hwnd))
    w, h = numbers(xdotool("getdisplaygeometry"))
    check(0 <= rect[0] < rect[2] <= w and 0 <= rect[1] < rect[3] <= h,
          "the window %s is not on the %dx%d screen" % (rect, w, h))
    log("Ctrl+Plus, drop X with the mouse, Alt+F4")
    game.key("ctrl+KP_Add")
    game.s = 32
    game.measure()
    place(game, X, ORIENTATIONS[X][0], (4, 2), "X")
    game.expect_board(ORIENTATIONS[X][0].at(4, 2), "after dropping X")
    game.alt_f4()

    with open(game.ini_path, "rb") as f:
        text = f.read().decode("latin-1")
    ini = configparser.ConfigParser(delimiters="=", interpolation=None)
    ini.optionxform = str
    ini.read_string(text)      # fails on a repeated section or key
    check(text.endswith("\r\n") and ini.sections() == [
        "OPTIONS", "LAST", "SOLVED_PUZZLES", "SOUND", "WINDOW", "BEST_TIMES", "RANDOM_PUZZLE"],
        "sections %s" % ini.sections())
    for key, value in (kv for section in ini.sections() for kv in ini[section].items()):
        check(len(value) <= 259 if NAME.fullmatch(key) else value.isdigit(), key + " = " + value)
    check(ini["OPTIONS"]["SIZE_SQUARE"] == "32", "SIZE_SQUARE = " + ini["OPTIONS"]["SIZE_SQUARE"])
    window = tuple(int(ini["WINDOW"][k]) for k in ("LEFT", "TOP", "RIGHT", "BOTTOM"))
    check(window == rect, "window %s written, the window was at %s" % (window, rect))


scenario(body, ini=HOSTILE, square=24)
