"""Win the game with the mouse, close it with Alt+F4 and compare the Zendrak.ini written at
the end byte for byte: sections and keys in their order, CURSOR_MODE 2 written back as 1
(the game always starts with square 3 under the pointer), the window rectangle, and the
solved puzzle "Tutorial" / "move a figure"."""

import difflib

from zendrak_e2e import (WINDOW_RECT, answer, ask, check, ini_text, log, numbers, place,
                         scenario, settings, tiling)

OPTIONS = ("AUTO_SIZE = 0|BACKGROUND_NAME = wood 2.bmp|BACKGROUND_TYPE = 1|"
           "COLOR_BACK = 7237230|COLOR_CONTOUR = 0|COLOR_INK = 16777215|COLOR_SHADOW = 0|"
           "CURSOR_MODE = 1|OPAQUE = 100|SHOW_CONTOUR = 1|SHOW_INVERSE = 0|"
           "SHOW_LEGAL_MOVE = 0|SHOW_SHADOW = 0|SIZE_SQUARE = 40|SKIN = e2e no skin.bmp|"
           "SQUARE_INDEX = 0|USE_ONE_COLOR = 0").split("|")
LAST = ["AI = 1", "CREATION_METHOD = 0", "DX = 10", "DY = 6", "FILE = move a figure",
        "FOLDER = Tutorial"]
SOUNDS = ["drop", "take", "rotate", "level is completed", "error"]


def expected_text(left, top, right, bottom):
    return ini_text(
        ["[OPTIONS]", *OPTIONS, "", "[LAST]", *LAST, "", "[SOLVED_PUZZLES]",
         "GROUP_0 = Tutorial", "PUZZLE_0 = move a figure", "", "[SOUND]"] +
        [line for s in SOUNDS
         for line in ("%s_FILE = .\\Sound\\%s.wav" % (s, s), s + "_ENABLE = 1")] +
        ["", "[WINDOW]", "LEFT = %d" % left, "RIGHT = %d" % right, "TOP = %d" % top,
         "BOTTOM = %d" % bottom])


def body(new_game):
    game = new_game(settings("CURSOR_MODE = 2"))
    game.start()
    rect = numbers(ask("window-rect", game.hwnd))
    check(rect == WINDOW_RECT, "window at %s, the settings file said %s" % (rect, WINDOW_RECT))
    log("lay the tiling")
    for figure, orientation, target in tiling():
        place(game, figure, orientation, target, "figure %d" % figure)
    answer("Congratulations! The game is won.")

    log("Alt+F4")
    game.alt_f4()
    with open(game.ini_path, "rb") as f:
        written, want = f.read().decode("latin-1"), expected_text(*WINDOW_RECT)
    check(written == want, "Zendrak.ini differs:\n" + "".join(difflib.unified_diff(
        want.splitlines(True), written.splitlines(True), "expected", "written")))


scenario(body)
