"""Create a puzzle "By figures": Save puzzle refuses while a figure is left, laying all
twelve announces no win and Ctrl+S opens nothing while editing; the saved puzzle is in the
New game tree under "My puzzles", selected as the current puzzle; played there, its win
marks it solved in the tree and in the settings file."""

from editor_e2e import BY_FIGURES, SAVED_MESSAGE, expect_puzzle_file, open_create, size_shown, type_name
from zendrak_e2e import (answer, check, lay_tiling, log, no_dialog_within, place, read_tiling,
                         scenario, Dialog)

TREE = 1007


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
