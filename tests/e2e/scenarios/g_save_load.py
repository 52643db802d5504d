"""Saving and loading as a player: two figures played, Ctrl+S proposes the current puzzle and
today's date, a typed name (a refused "?" among it) is saved, Save is then unavailable;
after a third figure the same name is answered No (the file stays as it was) and then Yes
(the file holds the three figures); Ctrl+L lists the saved games sorted, previews and loads
one, Undo empties the field and Redo brings the figures back; Delete removes another saved
game from the list and the disk."""

import datetime
import os

from zendrak_e2e import (ORIENTATIONS, Dialog, answer, check, log, no_dialog_within, place,
                         probe, puzzle_text, scenario, wait_for, xdotool)

NAME = 1004
GAMES = 1010
DELETE = 3
X, I, V = 11, 1, 4


def cells_of(figure, target):
    o = ORIENTATIONS[figure][0]
    return o, frozenset((target[0] + dc, target[1] + dr) for dc, dr in o.offsets())


def saved_figures(path):
    """How many figures a saved game lists."""
    with open(path, "rb") as f:
        lines = f.read().decode("latin-1").split("\r\n")
    return sum(1 for line in lines[lines.index("[SAVE]"):] if line.startswith("F"))


def save_as(game, name, expect_proposal=None):
    """Ctrl+S and the name typed; returns the Save dialog."""
    game.key("ctrl+s")
    dialog = Dialog(game, "Save")
    if expect_proposal is not None:
        proposed = dialog.text(NAME)
        check(proposed == expect_proposal, "proposed name %r, expected %r"
              % (proposed, expect_proposal))
    # The proposed name is selected: typing replaces it.
    xdotool("type", "--delay", 30, name)
    return dialog


def click_line(dialog, index):
    st = {k: int(v) for k, v in (f.split("=") for f in
                                 probe("list-state", dialog.hwnd, GAMES).split())}
    dialog.game.click(st["x"] + st["w"] // 2, st["y"] + (index - st["top"]) * st["item"]
                      + st["item"] // 2)
    wait_for("selection of line %d" % index,
             lambda: probe("list-state", dialog.hwnd, GAMES).split()[1], lambda s: s == "sel=%d" % index)


def body(new_game):
    game = new_game()
    save_dir = os.path.join(game.dir, "Save")
    os.makedirs(save_dir)
    with open(os.path.join(save_dir, "old one.zpz"), "wb") as f:
        f.write((puzzle_text(10, 6) + "\r\n[SAVE]\r\n").encode("latin-1"))
    game.start()

    x_o, x_cells = cells_of(X, (1, 1))
    i_o, i_cells = cells_of(I, (4, 2))
    v_o, v_cells = cells_of(V, (7, 3))
    log("two figures, then Ctrl+S: the proposed name, a typed one with a refused \"?\"")
    place(game, X, x_o, (1, 1), "X")
    place(game, I, i_o, (4, 2), "I")
    game.expect_board(x_cells | i_cells, "after X and I")
    today = datetime.date.today()
    dialog = save_as(game, "my game?",
                     "[Tutorial] move a figure [%d_%d_%d]" % (today.month, today.day, today.year))
    check(dialog.text(NAME) == "my game", "typed name shows as %r" % dialog.text(NAME))
    dialog.click(1)
    answer(game, "Game saved.")
    dialog.wait_gone()
    mine = os.path.join(save_dir, "my game.zpz")
    check(os.path.isfile(mine) and saved_figures(mine) == 2, "my game.zpz with two figures")
    check(no_dialog_within("Save", 1.0), "Ctrl+S opened the Save dialog with nothing new to save")

    log("a third figure; save under the same name: No, then Yes")
    place(game, V, v_o, (7, 3), "V")
    game.expect_board(x_cells | i_cells | v_cells, "after V")
    with open(mine, "rb") as f:
        before = f.read()
    dialog = save_as(game, "my game")
    game.key("Return")
    answer(game, "File exist. Overwrite?", "No")
    dialog.wait_gone()
    check(not game.message_boxes(), "a message after answering No")
    with open(mine, "rb") as f:
        check(f.read() == before, "the file changed although the overwrite was refused")
    dialog = save_as(game, "my game")
    dialog.click(1)
    answer(game, "File exist. Overwrite?", "Yes")
    answer(game, "Game saved.")
    dialog.wait_gone()
    check(saved_figures(mine) == 3, "the overwritten file does not hold three figures")

    log("clear the field, then Ctrl+L: the list, the preview, OK")
    for _ in range(3):
        game.key("ctrl+u")
    game.expect_board(frozenset(), "after three undos")
    game.key("ctrl+l")
    dialog = Dialog(game, "Load")
    lines = dialog.list_items(GAMES)
    check(lines == ["my game.zpz", "old one.zpz"], "saved games listed as %r" % lines)
    click_line(dialog, 0)
    dialog.expect_preview(10, 6, figures=x_cells | i_cells | v_cells, what="preview of my game")
    dialog.click(1)
    dialog.wait_gone()
    game.expect_board(x_cells | i_cells | v_cells, "after loading")
    game.key("ctrl+u")
    game.expect_board(frozenset(), "undo after loading")
    game.key("ctrl+r")
    game.expect_board(x_cells | i_cells | v_cells, "redo after that")

    log("Ctrl+L, Delete the old game")
    game.key("ctrl+l")
    dialog = Dialog(game, "Load")
    click_line(dialog, 1)
    dialog.click(DELETE)
    wait_for("the list after Delete", lambda: dialog.list_items(GAMES),
             lambda lines: lines == ["my game.zpz"])
    wait_for("the preview's text with no game selected", dialog.preview_text_shown, bool)
    check(not os.path.exists(os.path.join(save_dir, "old one.zpz")), "old one.zpz is still there")
    dialog.click(2)
    dialog.wait_gone()
    game.expect_board(x_cells | i_cells | v_cells, "after Cancel")


scenario(body)
