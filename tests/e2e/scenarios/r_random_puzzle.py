"""Ctrl+G, Hard, OK: a new puzzle file in Puzzles\\Random named by its difficulty, date and time,
with 60 open cells and between 10 and 99 solutions; play starts on it (the field on screen is the
file's, the status bar names it, a figure is laid on it). Cancel during the making is tested in
process; what the game keeps of the puzzle and of the choice is unit-tested."""

import os
import re

from zendrak_e2e import (ORIENTATIONS, WINDOW_RECT, ask, check, log, place, probe, scenario,
                         settings, wait_for)

DIFFICULTY = 1040
NAME = re.compile(r"Hard \d{4}-\d\d-\d\d \d\d-\d\d-\d\d\.zpz")


def read_puzzle(path):
    with open(path, encoding="latin-1") as f:
        keys = dict(line.split(" = ", 1) for line in f.read().splitlines() if " = " in line)
    rows = [keys["ROW_%d" % (n + 1)] for n in range(int(keys["DY"]))]
    return int(keys["DX"]), rows, int(keys["SOLUTIONS"]), keys["SEED"]


def body(game):
    game.start()
    game.key("ctrl+g")
    dialog = ask("wait-window", "#32770:Random puzzle", 10000)
    game.key("Home", "Down", "Down")
    check(ask("text", dialog, DIFFICULTY) == "Hard", "Hard is not chosen")
    game.key("Return")
    check(probe("wait-gone", dialog, 30000)[0] == 0, "Random puzzle stayed open after OK")

    folder = os.path.join(game.dir, "Puzzles", "Random")
    files = os.listdir(folder)
    check(len(files) == 1 and NAME.fullmatch(files[0]), "Puzzles\\Random holds %r" % files)
    width, rows, solutions, seed = read_puzzle(os.path.join(folder, files[0]))
    log("%s: %d x %d, %d solutions, seed %s" % (files[0], width, len(rows), solutions, seed))
    check("".join(rows).count("1") == 60 and 10 <= solutions <= 99 and seed.isdigit(),
          "the file is not a Hard puzzle of 60 cells with its seed")
    parts = game.status()
    check(parts[:2] == ["Random: " + files[0][:-4], "%d solutions \xb7 Hard" % solutions],
          "the status bar says %r" % parts)

    log("the field on screen is the file's; a figure fits where the file leaves room")
    game.measure(field=(width, len(rows)))
    open_cells = {(c, r) for r, row in enumerate(rows) for c, ch in enumerate(row) if ch == "1"}
    cells = [(c, r) for r in range(len(rows)) for c in range(width)]

    def expect_field(laid, what):
        want = "".join("#" if p in laid else "." if p in open_cells else " " for p in cells)
        wait_for(what, lambda: game.classified([game.cell_center(*p) for p in cells]),
                 lambda seen: seen == want)

    expect_field(set(), "the field of the file")
    figure, o, target = next((f, o, (c, r)) for f in range(1, 13) for o in ORIENTATIONS[f]
                             for c, r in sorted(open_cells) if o.at(c, r) <= open_cells)
    place(game, figure, o, target, "a figure on the new puzzle")
    expect_field(o.at(*target), "the figure laid on the new puzzle")
    game.alt_f4()


# A window tall enough to show a figure in hand below a field of up to ten rows.
scenario(body, ini=settings().replace("BOTTOM = %d" % WINDOW_RECT[3], "BOTTOM = 1000"))
