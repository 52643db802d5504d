"""Hostile files in a puzzle group and among the saved games: empty, random bytes, over the
4 MiB the game reads, sizes of 0, below 0 and 1000, rows longer and shorter than DX, and
saved games whose figures overlap, stick out of the field or have an orientation index out
of range. Load closes without loading any of them; New game refuses each with its message
and stays open; the game never ends or hangs. Files named like devices (reading COM1.zpz
opens the serial port and waits for ever) are not listed. A valid saved game and a valid
puzzle still load and play; Alt+F4 ends the game cleanly."""

import os
import random
import shutil

from zendrak_e2e import (ORIENTATIONS, alive, answer, ask, check, ini_text, log, place, probe,
                         scenario, visible_windows, wait_for)

GROUP, TREE, GAMES = "Hostile", 1007, 1010
X = 11
X_INDEX = sum(len(ORIENTATIONS[f]) for f in range(1, X))    # X's first orientation in a save
VALID_PUZZLE, VALID_GAME = "z valid 12 x 5", "valid game.zpz"  # the puzzle sorts last
DEVICES = ["COM1", "aux", "LPT2.old"]       # valid puzzles under names that open devices


def puzzle(dx, dy, widths=None):
    rows = [dx] * dy if widths is None else widths
    return ini_text(["[GAME]", "DX = %d" % dx, "DY = %d" % dy, "", "[DATA]"] +
                    ["ROW_%d = %s" % (n + 1, "1" * w) for n, w in enumerate(rows)]).encode()


def saved(*figures):
    """The open 10 x 6 field with figures (X, Y, F)."""
    lines = ["%s%d = %d" % (k, i, v) for i, figure in enumerate(figures)
             for k, v in zip("XYF", figure)]
    return puzzle(10, 6) + ini_text(["[SAVE]"] + lines).encode()


noise = random.Random(5)
HOSTILE = {
    "empty": b"",
    "binary": bytes(noise.randrange(256) for _ in range(4096)) + b"\0\0[GAME]\0DX = 10\0",
    "huge": puzzle(10, 6) + (";" + "x" * 1022 + "\r\n").encode() * (5 * 1024 + 1),
    "size 0": puzzle(10, 0), "size below 0": puzzle(-10, 6, [10] * 6),
    "size 1000": puzzle(10, 1000), "width 1000": puzzle(1000, 6),
    "row too long": puzzle(10, 6, [10, 10, 11, 10, 10, 10]),
    "row too short": puzzle(10, 6, [10] * 5 + [9]),
}
# I upright in column 0 is (-2, 0, 0); X's squares lie in matrix columns 1 to 3.
BAD_GAMES = {"figures overlap": saved((-2, 0, 0), (-1, 0, X_INDEX)),
             "figure outside": saved((-3, 0, 0)), "figure index 63": saved((-2, 0, 0), (1, 0, 63))}
VALID_FIGURES = ORIENTATIONS[1][0].at(0, 2) | ORIENTATIONS[X][0].at(3, 2)


def tree(dialog):
    """(level, selected, expanded, text) of each item in tree order."""
    return [(int(level), sel == "1", exp == "1", text) for level, sel, exp, text in
            (line.split(" ", 3) for line in ask("tree", dialog, TREE).splitlines())]


def selected(dialog):
    return [text for _, sel, _, text in tree(dialog) if sel]


def body(new_game):
    game = new_game()
    shutil.rmtree(os.path.join(game.dir, "Puzzles"))
    files = {"Puzzles/Tutorial/move a figure.zpz": puzzle(10, 6),
             "Puzzles/%s/%s.zpz" % (GROUP, VALID_PUZZLE): puzzle(12, 5),
             "Save/" + VALID_GAME: saved((-2, 0, 0), (1, 0, X_INDEX))}
    for name, data in list(HOSTILE.items()) + [(d, puzzle(10, 6)) for d in DEVICES]:
        files["Puzzles/%s/%s.zpz" % (GROUP, name)] = files["Save/%s.zpz" % name] = data
    files.update(("Save/%s.zpz" % name, data) for name, data in BAD_GAMES.items())
    for name, data in files.items():
        os.makedirs(os.path.dirname(os.path.join(game.dir, name)), exist_ok=True)
        with open(os.path.join(game.dir, name), "wb") as f:
            f.write(data)
    game.start()
    place(game, 4, ORIENTATIONS[4][0], (7, 3), "V")
    board = ORIENTATIONS[4][0].at(7, 3)
    game.expect_board(board, "after V")

    log("Load: every hostile saved game listed, none loaded; then the valid one")
    games = sorted([n + ".zpz" for n in list(HOSTILE) + list(BAD_GAMES)] + [VALID_GAME],
                   key=str.lower)
    for name in [g for g in games if g != VALID_GAME] + [VALID_GAME]:
        game.key("ctrl+l")
        dialog = ask("wait-window", "#32770:Load", 10000)
        listed = ask("list-items", dialog, GAMES).split("\n")
        check(listed == games, "saved games listed as %r, expected %r" % (listed, games))
        st = game.list_state(dialog, GAMES)
        game.click(st["x"] + st["w"] // 2, st["y"] + st["item"] // 2)
        game.key("Home", *["Down"] * games.index(name))
        wait_for(name + " selected", lambda: game.list_state(dialog, GAMES)["sel"],
                 lambda sel: sel == games.index(name))
        game.key("Return")
        check(probe("wait-gone", dialog, 10000)[0] == 0, "Load stayed open after OK on " + name)
        check(not visible_windows("#32770", "Zendrak"), "a message after loading " + name)
        alive(game, "after loading " + name)
        game.expect_board(VALID_FIGURES if name == VALID_GAME else board, "after " + name)

    log("New game: every hostile puzzle listed and refused with its message")
    puzzles = sorted(list(HOSTILE) + [VALID_PUZZLE], key=str.lower)
    game.key("ctrl+n")
    dialog = ask("wait-window", "#32770:New game", 10000)
    game.key("Home")
    wait_for("the group selected", lambda: selected(dialog), lambda s: s == [GROUP])
    if not tree(dialog)[0][2]:
        game.key("Right")
    items = wait_for("the group opened", lambda: tree(dialog), lambda t: t[0][2])
    listed = [text for level, _, _, text in items[1:len(puzzles) + 1] if level == 1]
    check(listed == puzzles, "the group lists %r, expected %r" % (listed, puzzles))
    for name in puzzles:
        game.key("Down")
        wait_for(name + " selected", lambda: selected(dialog), lambda s: s == [name])
        game.key("Return")
        if name == VALID_PUZZLE:
            break
        answer("Please select a valid puzzle.")
        check(probe("wait-window", dialog, 0)[0] == 0, "New game closed after refusing " + name)
        alive(game, "after OK on the puzzle " + name)
    check(probe("wait-gone", dialog, 10000)[0] == 0, "New game stayed open on the valid puzzle")
    game.sync()
    game.measure(field=(12, 5))
    place(game, X, ORIENTATIONS[X][0], (5, 2), "X on the valid puzzle")
    game.expect_board(ORIENTATIONS[X][0].at(5, 2), "after X on the valid puzzle")
    game.alt_f4()


scenario(body)
