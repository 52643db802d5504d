"""Hostile files in a puzzle group and among the saved games: empty, random bytes, larger
than the game reads, sizes of 0, below 0 and 1000, rows longer and shorter than DX, and
saved games whose figures overlap, stick out of the field or have an orientation index out
of range. Each is listed and previewed as invalid; New game refuses it with its message and
keeps the dialog open (also on a double click), Load closes without loading it; the field
stays as it was and the game lives on. Files named like devices (COM1.zpz: reading opens
the serial port and waits for ever) are not listed. A 24 x 24 field with every cell open is
a valid file: it previews and loads. Then a valid saved game and a valid puzzle load, and
Alt+F4 ends the game cleanly."""

import os
import random

from zendrak_e2e import (ORIENTATIONS, Dialog, answer, check, ini_text, log, make_library,
                         place, probe, puzzle_text, scenario, wait_for)

TREE = 1007
GAMES = 1010
GROUP = "Hostile"
X = 11
X_INDEX = sum(len(ORIENTATIONS[f]) for f in range(1, X))   # F of X in the saved-game format
BIG = "wide open 24 x 24"
VALID_PUZZLE = "valid 12 x 5"
VALID_GAME = "valid game.zpz"
DEVICES = ["COM1", "aux", "LPT2.old"]     # valid puzzles under names that open devices


def field(dx, dy, widths):
    """A puzzle text with the given DX and DY values and rows of the given widths."""
    return ini_text(["[GAME]", "DX = %s" % dx, "DY = %s" % dy, "", "[DATA]"] +
                    ["ROW_%d = %s" % (n + 1, "1" * w) for n, w in enumerate(widths)])


def saved(*figures):
    """A saved game of the open 10 x 6 field with figures (x, y, catalogue index)."""
    lines = ["", "[SAVE]"]
    for i, (x, y, f) in enumerate(figures):
        lines += ["X%d = %d" % (i, x), "Y%d = %d" % (i, y), "F%d = %d" % (i, f), ""]
    return puzzle_text(10, 6) + ini_text(lines)


def invalid_files():
    noise = random.Random(5)
    binary = bytes(noise.randrange(256) for _ in range(4096)) + b"\0\0[GAME]\0DX = 10\0"
    padding = (";" + "x" * 1022 + "\r\n").encode("latin-1") * (5 * 1024 + 1)
    return {
        "empty": b"",
        "binary": binary,
        # A valid puzzle but for its size: over the 4 MiB the game reads.
        "huge": puzzle_text(10, 6).encode("latin-1") + padding,
        "size 0": field(10, 0, []).encode("latin-1"),
        "size below 0": field(-10, 6, [10] * 6).encode("latin-1"),
        "size 1000": field(10, 1000, [10] * 1000).encode("latin-1"),
        "width 1000": field(1000, 6, [1000] * 6).encode("latin-1"),
        "row too long": field(10, 6, [10, 10, 11, 10, 10, 10]).encode("latin-1"),
        "row too short": field(10, 6, [10, 10, 10, 10, 10, 9]).encode("latin-1"),
    }


# I upright in column 0 is (-2, 0, 0); X's squares lie in matrix columns 1 to 3.
INVALID_GAMES = {
    "figures overlap": saved((-2, 0, 0), (-1, 0, X_INDEX)),
    "figure outside": saved((-3, 0, 0)),
    "figure index 63": saved((-2, 0, 0), (1, 0, 63)),
}
VALID_FIGURES = frozenset([(0, r) for r in range(5)] + [(3, 1), (2, 2), (3, 2), (4, 2), (3, 3)])


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def selected(dialog):
    return [i["text"] for i in dialog.tree(TREE) if i["selected"]]


def open_group(game):
    """Ctrl+N, then the hostile group (the first item) selected with Home and opened."""
    game.key("ctrl+n")
    dialog = Dialog(game, "New game")
    game.key("Home")
    wait_for("the group selected", lambda: selected(dialog), lambda s: s == [GROUP])
    if not dialog.tree_item(TREE, (GROUP,))["expanded"]:
        game.key("Right")
        wait_for("the group opened", lambda: dialog.tree_item(TREE, (GROUP,))["expanded"], bool)
    return dialog


def start_puzzle(game, puzzles, name):
    """Ctrl+N, the group's puzzles stepped through down to `name`, and OK."""
    dialog = open_group(game)
    for step in puzzles[:puzzles.index(name) + 1]:
        next_puzzle(game, dialog, step)
    game.key("Return")
    dialog.wait_gone()


def next_puzzle(game, dialog, name):
    game.key("Down")
    wait_for("%s selected" % name, lambda: selected(dialog), lambda s: s == [name])


def expect_alive(game, what):
    game.sync()
    check(game.running(), "Zendrak.exe ended " + what)


def body(new_game):
    game = new_game()
    files = invalid_files()
    make_library(game, {"Tutorial": {"move a figure": puzzle_text(10, 6)},
                        GROUP: {BIG: puzzle_text(24, 24), VALID_PUZZLE: puzzle_text(12, 5)}})
    for name, data in files.items():
        write(os.path.join(game.dir, "Puzzles", GROUP, name + ".zpz"), data)
        write(os.path.join(game.dir, "Save", name + ".zpz"), data)
    for name in DEVICES:
        for folder in (os.path.join("Puzzles", GROUP), "Save"):
            write(os.path.join(game.dir, folder, name + ".zpz"),
                  puzzle_text(10, 6).encode("latin-1"))
    for name, text in INVALID_GAMES.items():
        write(os.path.join(game.dir, "Save", name + ".zpz"), text.encode("latin-1"))
    write(os.path.join(game.dir, "Save", VALID_GAME),
          saved((-2, 0, 0), (1, 0, X_INDEX)).encode("latin-1"))
    game.start()
    v = ORIENTATIONS[4][0]
    place(game, 4, v, (7, 3), "V")
    board = frozenset((7 + dc, 3 + dr) for dc, dr in v.offsets())
    game.expect_board(board, "after V")

    log("New game: every hostile puzzle listed, previewed as invalid and refused by OK")
    puzzles = sorted(list(files) + [BIG, VALID_PUZZLE], key=str.lower)
    dialog = open_group(game)
    items = dialog.tree(TREE)
    start = next(n for n, i in enumerate(items) if i["text"] == GROUP)
    listed = [i["text"] for i in items[start + 1:start + 1 + len(puzzles)] if i["level"] == 1]
    check(listed == puzzles, "the group lists %r, expected %r" % (listed, puzzles))
    for n, name in enumerate(puzzles):
        next_puzzle(game, dialog, name)
        if name == BIG:
            # 192 x 192 pixels fill the preview but for its border: no margin to look at.
            wait_for("the preview of the open 24 x 24 field", lambda: dialog.preview(24, 24)[0],
                     lambda p: p == ("." * 24,) * 24)
            continue
        if name == VALID_PUZZLE:
            dialog.expect_preview(12, 5, what="preview of the valid puzzle")
            continue
        wait_for("the preview of %r as invalid" % name, dialog.preview_text_shown, bool)
        if n == 0:
            # A double click acts as OK.
            dialog.click_tree_item(TREE, (GROUP, name), double=True)
        else:
            game.key("Return")
        answer(game, "Please select a valid puzzle.")
        check(dialog.is_open(), "the New game dialog closed after refusing %r" % name)
        expect_alive(game, "after OK on the puzzle %r" % name)
    dialog.click(2)
    dialog.wait_gone()
    game.expect_board(board, "after the hostile puzzles")

    log("Load: every hostile saved game listed, previewed as invalid, not loaded by OK")
    games = sorted([n + ".zpz" for n in list(files) + list(INVALID_GAMES)] + [VALID_GAME],
                   key=str.lower)
    for n, name in enumerate(games):
        if name == VALID_GAME:
            continue
        game.key("ctrl+l")
        dialog = Dialog(game, "Load")
        if n == 0:
            lines = dialog.list_items(GAMES)
            check(lines == games, "saved games listed as %r, expected %r" % (lines, games))
        dialog.select_line(GAMES, n)
        wait_for("the preview of %r as invalid" % name, dialog.preview_text_shown, bool)
        game.key("Return")
        dialog.wait_gone("the Load dialog after OK on %r" % name)
        check(not game.message_boxes(), "a message after loading %r" % name)
        expect_alive(game, "after loading %r" % name)
        game.expect_board(board, "after OK on the saved game %r" % name)

    log("a valid saved game still loads")
    game.key("ctrl+l")
    dialog = Dialog(game, "Load")
    dialog.select_line(GAMES, games.index(VALID_GAME))
    dialog.expect_preview(10, 6, figures=VALID_FIGURES, what="preview of the valid game")
    game.key("Return")
    dialog.wait_gone()
    game.expect_board(VALID_FIGURES, "after loading the valid game")

    log("the open 24 x 24 field loads and its visible part is open")
    start_puzzle(game, puzzles, BIG)
    expect_alive(game, "after loading the 24 x 24 field")
    # The field is larger than the window: the layout puts it at the client's corner.
    cx, cy, cw, ch = (int(v) for v in probe("client-origin").split())
    s = game.s
    game.frame = (cx + 192, cy + 32)
    game.field = (min(24, (cw - 192) // s - 1), min(24, (ch - 32) // s - 1))
    game.spot = (cx + 96, cy + ch - 8)
    game.expect_board(frozenset(), "the visible part of the 24 x 24 field")

    log("a valid puzzle still loads and plays")
    start_puzzle(game, puzzles, VALID_PUZZLE)
    game.sync()
    game.measure(field=(12, 5))
    game.expect_board(frozenset(), "the valid puzzle's field")
    x = ORIENTATIONS[X][0]
    place(game, X, x, (5, 2), "X on the valid puzzle")
    game.expect_board(frozenset((5 + dc, 2 + dr) for dc, dr in x.offsets()), "after X")

    log("Alt+F4")
    expect_alive(game, "before Alt+F4")
    game.key("alt+F4")
    code = game.wait_exit()
    check(code == 0, "Zendrak.exe ended with code %d" % code)


scenario(body)
