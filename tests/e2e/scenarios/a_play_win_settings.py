"""The real mouse: take L from the figure list, turn it with S and the wheel, drop it; illegal
drops change nothing; the empty hand takes it back from the field. Then win with the mouse:
the status bar shows the time as the first best time. Hide the bar from the Customize menu,
close with Alt+F4 and compare the Zendrak.ini written at the end byte for byte: keys in their
order, CURSOR_MODE 2 written back as 1 (the game always starts with square 3 under the
pointer), the window where it was, the solved puzzle and its time. Started again, the game
keeps the bar hidden and the best time."""

import re

from zendrak_e2e import (ORIENTATIONS, WINDOW_RECT, answer, ask, check, ini_text, log, place,
                         scenario, settings, tiling, wait_for, xdotool)

L, I = 2, 1
SOUNDS = ["drop", "take", "rotate", "level is completed", "error"]
WRITTEN = ini_text((
    "[OPTIONS]|AUTO_SIZE = 0|BACKGROUND_NAME = wood 2.bmp|BACKGROUND_TYPE = 1|COLOR_BACK = 7237230|"
    "COLOR_CONTOUR = 0|COLOR_INK = 16777215|COLOR_SHADOW = 0|CURSOR_MODE = 1|OPAQUE = 100|"
    "SHOW_CONTOUR = 1|SHOW_INVERSE = 0|SHOW_LEGAL_MOVE = 0|SHOW_SHADOW = 0|SIZE_SQUARE = 40|"
    "SKIN = e2e no skin.bmp|SQUARE_INDEX = 0|USE_ONE_COLOR = 0|STATUS_BAR = 0||[LAST]|AI = 1|CREATION_METHOD = 0|"
    "DX = 10|DY = 6|FILE = move a figure|FOLDER = Tutorial||[SOLVED_PUZZLES]|GROUP_0 = Tutorial|"
    "PUZZLE_0 = move a figure||[SOUND]|" +
    "|".join("%s_FILE = .\\Sound\\%s.wav|%s_ENABLE = 1" % (s, s, s) for s in SOUNDS) +
    "||[WINDOW]|LEFT = %d|RIGHT = %d|TOP = %d|BOTTOM = %d" % (
        WINDOW_RECT[0], WINDOW_RECT[2], WINDOW_RECT[1], WINDOW_RECT[3]) +
    "||[BEST_TIMES]|GROUP_0 = Tutorial|PUZZLE_0 = move a figure|SECONDS_0 = %d||"
    "[RANDOM_PUZZLE]|DIFFICULTY = 3|WIDTH = 12|HEIGHT = 10|SYMMETRIC = 0"
).split("|"))


def toggle_status_bar(game):
    """Customize, then its last item, Status bar."""
    xdotool("key", "alt+c", "Up", "Return")
    ask("sync", game.hwnd)


def body(game):
    game.start()
    game.expect_held(None, "at the start")

    log("take L, turn it with S and the wheel both ways, drop it with square 3 on (1, 2)")
    game.select(L)
    base, once, twice = ORIENTATIONS[L][:3]       # L has no symmetry: turned 0, 1, 2 times
    game.expect_held(base, "L taken")
    game.key("s")
    game.expect_held(once, "after S")
    for button, turned in ((5, twice), (4, once), (4, base)):
        game.click(*game.cell_center(5, 2), button=button)
        game.expect_held(turned, "after the wheel button %d" % button)
    game.expect_board(frozenset(), "while carrying")
    game.click(*game.cell_center(1, 2))
    l_cells = base.at(1, 2)
    game.expect_board(l_cells, "after dropping L")
    game.expect_held(None, "after dropping L")

    log("illegal drops: I over L, and I sticking out above the field")
    game.select(I)
    for cell in ((1, 2), (8, 0)):
        game.click(*game.cell_center(*cell))
        game.alive("after the illegal drop on %s" % (cell,))
        game.expect_held(ORIENTATIONS[I][0], "after the illegal drop on %s" % (cell,))
        game.expect_board(l_cells, "after the illegal drop on %s" % (cell,))

    log("the empty hand takes L back from the field, then drops it again")
    game.select(0)
    game.expect_held(None, "with the empty hand")
    game.click(*game.cell_center(1, 0))
    wait_for("L selected after taking it back", lambda: game.list_state()["sel"], lambda s: s == L)
    game.expect_held(base, "L taken back in its orientation on the field")
    game.expect_board(frozenset(), "after taking L back")
    game.click(*game.cell_center(1, 2))
    game.expect_board(l_cells, "after dropping L again")

    log("lay the rest of the tiling, Alt+F4")
    for figure, orientation, target in tiling():
        if figure != L:
            place(game, figure, orientation, target, "figure %d" % figure)
    answer("Congratulations! The game is won.")
    parts = game.status()
    won = re.fullmatch(r"Solved in (\d+):(\d\d)", parts[2])
    check(won and parts[3] == "New best time!", "after the win the status bar says %r" % parts)
    seconds = int(won[1]) * 60 + int(won[2])
    check(seconds >= 1, "the clock did not count while the game was played")

    log("hide the status bar: the field moves down to the middle of the whole window")
    top = game.list_state()["y"]
    toggle_status_bar(game)
    check(game.status() == ["hidden"], "the status bar is still shown")
    check(0 < game.list_state()["y"] - top < 20, "the figure list moved from y=%d to y=%d"
          % (top, game.list_state()["y"]))
    game.alt_f4()
    with open(game.ini_path, "rb") as f:
        written = f.read().decode("latin-1")
    check(written == WRITTEN % seconds,
          "Zendrak.ini differs:\n%s\nexpected:\n%s" % (written, WRITTEN % seconds))

    log("started again: the bar hidden, shown from the menu with the best time")
    game.start()
    check(game.status() == ["hidden"], "the status bar is shown although the settings hide it")
    toggle_status_bar(game)
    best = "Best %d:%02d" % divmod(seconds, 60)
    wait_for("the best time", lambda: game.status(), lambda p: p[3:] == [best])
    game.alt_f4()


scenario(body, ini=settings("CURSOR_MODE = 2"))
