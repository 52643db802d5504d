"""Hints. A kept game with the X cutting off the corner: Ctrl+H outlines
the X in amber and the status bar says why; the hint is counted in Resume.zpz when the game
closes. A kept game with eleven figures of the tiling laid: Ctrl+H frames the hardest cell,
Ctrl+H again outlines the N where it fits; the N laid there wins "with 1 hint", and the win
keeps no best time."""

import os, re

from zendrak_e2e import answer, ask, check, log, place, scenario, tiling, wait_for

STATUS_BAR = 1022
# The open 10 x 6 of "Tutorial: move a figure" as a saved game, and the F:X:Y of the figures
# of tests/unit/data/solver/10x6.txt but the N (figures 1 to 11).
FIELD = "[GAME]\r\nDX = 10\r\nDY = 6\r\n\r\n[DATA]\r\n" + "".join(
    "ROW_%d = 1111111111\r\n" % r for r in range(1, 7))
ELEVEN = "0:-2:0 2:-1:-1 12:3:-1 16:6:-1 18:4:2 23:2:3 33:5:-1 40:7:2 46:1:0 52:1:-1 54:5:1"
CORNER_X = "54:-1:-1"    # the X around cell (1, 1): cell (0, 0) is cut off


def kept_game(step):
    text = FIELD + "\r\n[SAVE]\r\nTIME = 0\r\n"
    for i, (f, x, y) in enumerate(e.split(":") for e in step.split()):
        text += "X%d = %s\r\nY%d = %s\r\nF%d = %s\r\n\r\n" % (i, x, i, y, i, f)
    return text + ("[RESUME]\r\nGROUP = Tutorial\r\nPUZZLE = move a figure\r\nSTEPS = 1\r\n"
                   "CURRENT = 1\r\nSTEP_1 = %s\r\n" % step)


def body(game):
    resume = os.path.join(game.dir, "Resume.zpz")

    def status():
        return ask("status", game.hwnd, STATUS_BAR).splitlines()

    def said(text):
        wait_for("the status bar's hint", lambda: status()[0], lambda s: s == text)

    def edge(c, r, side):    # a point just inside one side of a cell
        x, y = game.cell_center(c, r)
        h = game.s // 2 - 2
        return {"left": (x - h, y), "right": (x + h, y), "top": (x, y - h), "bottom": (x, y + h)}[side]

    def marks(points, want, what):
        wait_for(what, lambda: game.classified(points), lambda seen: seen == want)

    log("a dead position: the X outlined, the reason in the status bar")
    with open(resume, "w", newline="") as f:
        f.write(kept_game(CORNER_X))
    game.start()
    x_outline = [edge(0, 1, "left"), edge(1, 0, "top"), edge(2, 1, "right"), edge(1, 2, "bottom")]
    inside = [game.cell_center(1, 1), edge(1, 1, "left")]
    marks(x_outline + inside, "######", "the X before the hint")
    game.key("ctrl+h")
    said("The field cannot be finished with the X where it lies.")
    marks(x_outline + inside, "!!!!##", "the X outlined")
    game.close()
    with open(resume, "rb") as f:
        check(b"\r\nHINTS = 1\r\n" in f.read(), "Resume.zpz does not count the hint")

    log("a live position: the hardest cell, then the N where it fits; laid there, it wins")
    with open(resume, "w", newline="") as f:
        f.write(kept_game(ELEVEN))
    game.start()
    figure, orientation, target = list(tiling())[-1]
    n_cells = sorted(orientation.at(*target))
    ghost = [edge(c, r, "left") for c, r in n_cells if (c - 1, r) not in n_cells]
    hardest = min(n_cells, key=lambda cell: (cell[1], cell[0]))
    ring = (game.cell_center(*hardest)[0] - game.s // 2 + game.s // 8 + 2,
            game.cell_center(*hardest)[1])
    game.key("ctrl+h")
    said("This square is the hardest to cover.")
    marks([ring] + ghost, "+" + "." * len(ghost), "the hardest cell framed")
    game.key("ctrl+h")
    said("The N fits here.")
    marks(ghost, "+" * len(ghost), "the N outlined")
    place(game, figure, orientation, target, "the N")
    answer("Congratulations! The game is won.")
    won = wait_for("the win in the status bar", status, lambda s: s[2].startswith("Solved"))
    check(re.fullmatch(r"Solved in \d+:\d\d with 1 hint", won[2]), "the status bar says %r" % won)
    check(won[3] == "No best time yet", "a win with a hint kept a best time: %r" % won)


scenario(body)
