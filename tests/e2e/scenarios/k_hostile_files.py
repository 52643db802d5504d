"""Hostile files in a puzzle group and among the saved games: empty, random bytes, over the
4 MiB the game reads, and valid files named like devices (reading COM1.zpz opens the serial
port and waits for ever). The devices are not listed; Load closes without loading any of the
others and New game refuses each with its message, the game never ending or hanging; a valid
saved game and a valid puzzle still load and play. Which texts are refused is unit-tested."""

import os
import random
import shutil

from zendrak_e2e import (ORIENTATIONS, answer, ask, check, ini_text, log, place, probe, scenario,
                         visible_windows, wait_for)

GROUP, TREE, GAMES = "Hostile", 1007, 1010
I, X = ORIENTATIONS[1][0], ORIENTATIONS[11][0]
X_INDEX = sum(len(ORIENTATIONS[f]) for f in range(1, 11))    # X's first orientation in a save
VALID_PUZZLE, VALID_GAME = "z valid 12 x 5", "valid game"    # the puzzle sorts last


def puzzle(dx, dy):
    return ini_text(["[GAME]", "DX = %d" % dx, "DY = %d" % dy, "", "[DATA]"] +
                    ["ROW_%d = %s" % (n + 1, "1" * dx) for n in range(dy)]).encode()


HOSTILE = {"empty": b"", "binary": random.Random(5).randbytes(4096) + b"\0[GAME]\0DX = 10\0",
           "huge": puzzle(10, 6) + (";" + "x" * 1022 + "\r\n").encode() * (5 * 1024 + 1)}


def tree(dialog):
    """(level, selected, expanded, text) of each item in tree order."""
    return [(int(level), sel == "1", exp == "1", text) for level, sel, exp, text in
            (line.split(" ", 3) for line in ask("tree", dialog, TREE).splitlines())]


def selected(dialog):
    return [text for _, sel, _, text in tree(dialog) if sel]


def body(game):
    shutil.rmtree(os.path.join(game.dir, "Puzzles"))
    files = {"Puzzles/Tutorial/move a figure": puzzle(10, 6),
             "Puzzles/%s/%s" % (GROUP, VALID_PUZZLE): puzzle(12, 5),
             "Save/" + VALID_GAME: puzzle(10, 6) + ini_text(["[SAVE]", "X0 = -2", "Y0 = 0",
                                                            "F0 = 0", "X1 = 1", "Y1 = 0",
                                                            "F1 = %d" % X_INDEX]).encode()}
    devices = [(d, puzzle(10, 6)) for d in ("COM1", "aux", "LPT2.old")]
    for name, data in list(HOSTILE.items()) + devices:
        files["Puzzles/%s/%s" % (GROUP, name)] = files["Save/" + name] = data
    for name, data in files.items():
        os.makedirs(os.path.dirname(os.path.join(game.dir, name)), exist_ok=True)
        with open(os.path.join(game.dir, name + ".zpz"), "wb") as f:
            f.write(data)
    game.start()
    place(game, 4, ORIENTATIONS[4][0], (7, 3), "V")
    board = ORIENTATIONS[4][0].at(7, 3)

    log("Load: the saved games listed without the devices, none loaded; then the valid one")
    games = sorted([n + ".zpz" for n in [*HOSTILE, VALID_GAME]], key=str.lower)
    for name in sorted(games, key=lambda n: n == VALID_GAME + ".zpz"):
        game.key("ctrl+l")
        dialog = ask("wait-window", "#32770:Load", 10000)
        check(ask("list-items", dialog, GAMES).split("\n") == games, "saved games listed otherwise")
        st = game.list_state(dialog, GAMES)
        game.click(st["x"] + st["w"] // 2, st["y"] + st["item"] // 2)
        game.key("Home", *["Down"] * games.index(name))
        wait_for(name + " selected", lambda: game.list_state(dialog, GAMES)["sel"],
                 lambda sel: sel == games.index(name))
        game.key("Return")
        check(probe("wait-gone", dialog, 10000)[0] == 0, "Load stayed open after OK on " + name)
        check(not visible_windows("#32770", "Zendrak"), "a message after loading " + name)
        game.alive("after loading " + name)
        game.expect_board(I.at(0, 2) | X.at(3, 2) if name == VALID_GAME + ".zpz" else board, name)

    log("New game: each hostile puzzle refused, one after the other in the group")
    puzzles = sorted([*HOSTILE, VALID_PUZZLE], key=str.lower)
    game.key("ctrl+n")
    dialog = ask("wait-window", "#32770:New game", 10000)
    game.key("Home")
    wait_for("the group selected, none of its puzzles solved", lambda: selected(dialog),
             lambda s: s == ["%s (0/%d)" % (GROUP, len(puzzles))])
    if not tree(dialog)[0][2]:
        game.key("Right")
    wait_for("the group opened", lambda: tree(dialog)[0][2], lambda expanded: expanded)
    for name in puzzles:
        game.key("Down")
        wait_for(name + " selected", lambda: selected(dialog), lambda s: s == [name])
        game.key("Return")
        if name != VALID_PUZZLE:
            answer("Please select a valid puzzle.")
            check(probe("wait-window", dialog, 0)[0] == 0, "New game closed after refusing " + name)
            game.alive("after OK on the puzzle " + name)
    check(probe("wait-gone", dialog, 10000)[0] == 0, "New game stayed open on the valid puzzle")
    game.measure(field=(12, 5))
    place(game, 11, X, (5, 2), "X on the valid puzzle")
    game.expect_board(X.at(5, 2), "after X on the valid puzzle")
    game.alt_f4()


scenario(body)
