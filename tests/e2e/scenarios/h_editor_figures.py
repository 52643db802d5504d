"""Create a puzzle "By figures": Save puzzle refuses while a figure is left, laying all
twelve announces no win and Ctrl+S opens nothing while editing; the saved puzzle is in the
New game tree under "My puzzles", selected as the current puzzle; played there, its win
marks it solved in the tree and in the settings file."""

import os

from zendrak_e2e import (answer, check, lay_tiling, log, no_dialog_within, place, puzzle_text,
                         read_tiling, scenario, xdotool, Dialog)

TREE = 1007
WIDTH, HEIGHT, BY_FIGURES, NAME = 1000, 1001, 1002, 1004
SAVED_MESSAGE = "New puzzle saved succesfully."


def open_create(game):
    game.key("ctrl+c")
    return Dialog(game, "Create puzzle")


def size_shown(dialog):
    return int(dialog.text(WIDTH)), int(dialog.text(HEIGHT))


def type_name(dialog, name):
    """Clicks into the name box, deletes what it holds and types `name`."""
    dialog.click(NAME)
    dialog.game.key("End")
    xdotool("key", "--repeat", 110, "BackSpace")
    xdotool("type", "--delay", 30, name)


def expect_puzzle_file(game, name, columns, rows):
    folder = os.path.join(game.dir, "Puzzles", "My puzzles")
    with open(os.path.join(folder, name + ".zpz"), "rb") as f:
        seen = f.read()
    want = puzzle_text(columns, rows, frozenset()).encode("latin-1")
    check(seen == want, "%s.zpz holds %r, expected %r" % (name, seen, want))
    check(all(f.endswith(".zpz") for f in os.listdir(folder)), "stray files in My puzzles")


def body(new_game):
    game = new_game()
    game.start()

    log("Ctrl+C: the remembered 10 x 6, By figures, a name")
    dialog = open_create(game)
    check(size_shown(dialog) == (10, 6), "size shown %r" % (size_shown(dialog),))
    check(dialog.checked(BY_FIGURES), "By figures is not checked")
    type_name(dialog, "laid")
    dialog.click(1)
    dialog.wait_gone()
    game.sync()

    log("Save puzzle with figures left")
    moves = read_tiling()
    figure, orientation, target, cells = moves[0]
    place(game, figure, orientation, target, "the first figure")
    game.expect_board(cells, "after the first figure")
    game.key("ctrl+e")
    answer(game, "Please put all figures.")
    game.key("ctrl+s")
    check(no_dialog_within("Save", 1.0), "Ctrl+S opened the Save dialog while editing")

    log("lay the other eleven: no win while editing")
    laid = set(cells)
    for figure, orientation, target, cells in moves[1:]:
        place(game, figure, orientation, target, "figure %d" % figure)
        laid |= cells
    game.expect_board(laid, "all twelve laid")
    game.sync()
    check(no_dialog_within("Zendrak", 1.0), "a message box after laying all figures in the editor")

    log("Save puzzle")
    game.key("ctrl+e")
    answer(game, SAVED_MESSAGE)
    expect_puzzle_file(game, "laid", 10, 6)
    game.sync()
    game.measure(field=(10, 6))
    game.expect_board(frozenset(), "the new puzzle's empty field")

    log("Ctrl+N: the new puzzle under My puzzles, selected and not solved")
    game.key("ctrl+n")
    dialog = Dialog(game, "New game")
    item = dialog.tree_item(TREE, ("My puzzles", "laid"))
    check(item["selected"] == 1 and item["image"] == 0, "the new puzzle's item: %r" % item)
    dialog.click(1)
    dialog.wait_gone()
    game.sync()

    log("play it to the win")
    lay_tiling(game, verify_each=False)

    log("Ctrl+N: now marked solved")
    game.key("ctrl+n")
    dialog = Dialog(game, "New game")
    item = dialog.tree_item(TREE, ("My puzzles", "laid"))
    check(item["image"] == 1, "the solved puzzle's item: %r" % item)
    dialog.click(2)
    dialog.wait_gone()

    log("the settings file remembers the editor and the solved puzzle")
    game.close()
    with open(game.ini_path, "rb") as f:
        ini = f.read().decode("latin-1")
    for line in ("CREATION_METHOD = 0", "DX = 10", "DY = 6", "FILE = laid", "FOLDER = My puzzles"):
        check(line + "\r\n" in ini, "%r is not in Zendrak.ini" % line)
    check("GROUP_0 = My puzzles\r\nPUZZLE_0 = laid\r\n" in ini, "the solved puzzle is not in Zendrak.ini")


scenario(body)
