"""New game with Ctrl+N on a small library of the scenario's own: the groups sorted by name
whatever their letter case, the current puzzle selected in its open group, the preview
following the selection, OK on a group refused, a puzzle of another group chosen with OK
(the field changes and play goes on there), Cancel after browsing changes nothing, and a
double click on a puzzle starts it."""

from zendrak_e2e import (ORIENTATIONS, Dialog, answer, check, log, make_library, place,
                         puzzle_text, scenario, wait_for)

TREE = 1007
X = 11
CORNERS = frozenset({(0, 0), (7, 0), (0, 7), (7, 7)})


def tree_outline(dialog):
    """(level, text, expanded, selected) of the items that are shown."""
    return [(i["level"], i["text"], i["expanded"], i["selected"])
            for i in dialog.tree(TREE) if i["w"] > 0]


def body(new_game):
    game = new_game()
    make_library(game, {
        "Tutorial": {"move a figure": puzzle_text(10, 6)},
        "shapes": {"square": puzzle_text(8, 8, CORNERS), "Long": puzzle_text(12, 5)},
        "Empty": {},
    })
    game.start()

    log("Ctrl+N: groups sorted ignoring case, the current puzzle selected")
    game.key("ctrl+n")
    dialog = Dialog(game, "New game")
    seen = tree_outline(dialog)
    check(seen == [(0, "Empty", 0, 0), (0, "shapes", 0, 0), (0, "Tutorial", 1, 0),
                   (1, "move a figure", 0, 1)], "tree on opening: %r" % seen)
    dialog.expect_preview(10, 6, what="preview of the current puzzle")

    log("OK on a group: \"Puzzle is not selected.\", the dialog stays")
    dialog.click_tree_item(TREE, ("Empty",))
    wait_for("the preview's text with a group selected", dialog.preview_text_shown, bool)
    dialog.click(1)
    answer(game, "Puzzle is not selected.")
    check(dialog.is_open(), "the dialog closed after the refused OK")

    log("open the other group with a double click, pick its puzzle, OK")
    dialog.click_tree_item(TREE, ("shapes",), double=True)
    seen = tree_outline(dialog)
    check((1, "Long", 0, 0) in seen and (1, "square", 0, 0) in seen and
          seen.index((1, "Long", 0, 0)) < seen.index((1, "square", 0, 0)),
          "the group's puzzles after the double click: %r" % seen)
    dialog.click_tree_item(TREE, ("shapes", "square"))
    dialog.expect_preview(8, 8, blocked=CORNERS, what="preview of the chosen puzzle")
    dialog.click(1)
    dialog.wait_gone()
    game.sync()
    game.measure(field=(8, 8))
    game.expect_board(frozenset(), "the new field", blocked=CORNERS)

    log("play on the new field")
    x = ORIENTATIONS[X][0]
    place(game, X, x, (4, 4), "X on the new field")
    x_cells = frozenset((4 + dc, 4 + dr) for dc, dr in x.offsets())
    game.expect_board(x_cells, "after X", blocked=CORNERS)

    log("Ctrl+N again: the new puzzle is current; browse, then Cancel")
    game.key("ctrl+n")
    dialog = Dialog(game, "New game")
    selected = [i["text"] for i in dialog.tree(TREE) if i["selected"]]
    check(selected == ["square"], "selected on opening: %r" % selected)
    dialog.click_tree_item(TREE, ("shapes", "Long"))
    dialog.expect_preview(12, 5, what="preview while browsing")
    dialog.click(2)
    dialog.wait_gone()
    game.expect_board(x_cells, "after Cancel", blocked=CORNERS)

    log("Ctrl+N, a double click on a puzzle starts it")
    game.key("ctrl+n")
    dialog = Dialog(game, "New game")
    dialog.click_tree_item(TREE, ("shapes", "Long"), double=True)
    dialog.wait_gone()
    game.sync()
    game.measure(field=(12, 5))
    game.expect_board(frozenset(), "the field of the double-clicked puzzle")


scenario(body)
