"""The Create puzzle dialog refuses a 7 x 8 area and a blank name and keeps its window;
the arrows stop at 3 and 24; a question mark cannot be typed into the name; for an existing
puzzle No keeps the dialog and the file, Yes starts the editor, and the saved drawing then
replaces the old, longer file wholly."""

import os

from editor_e2e import (BY_SQUARES, HEIGHT, HEIGHT_ARROWS, NAME, SAVED_MESSAGE,
                        click_arrow, drag, expect_puzzle_file, expect_squares, measure_field,
                        open_create, read_bytes, rectangle, set_size, size_shown, type_name,
                        user_puzzle_path)
from zendrak_e2e import answer, check, log, puzzle_text, scenario, wait_for


def body(new_game):
    game = new_game()
    folder = os.path.dirname(user_puzzle_path(game, "mine"))
    os.makedirs(folder, exist_ok=True)
    old = (puzzle_text(12, 9, frozenset({(0, 0)})) + ";" * 3000 + "\r\n").encode("latin-1")
    with open(user_puzzle_path(game, "mine"), "wb") as f:
        f.write(old)
    game.start()

    dialog = open_create(game)
    log("the arrows stop at 3 and 24")
    click_arrow(dialog, HEIGHT_ARROWS, up=False, times=6)
    wait_for("height after six clicks down from 6", lambda: dialog.text(HEIGHT), lambda v: v == "3")
    click_arrow(dialog, HEIGHT_ARROWS, up=True, times=24)
    wait_for("height after 24 clicks up from 3", lambda: dialog.text(HEIGHT), lambda v: v == "24")

    log("7 x 8 is refused, the dialog stays")
    set_size(dialog, 7, 8)
    type_name(dialog, "mi?ne")
    check(dialog.text(NAME) == "mine", "the name box holds %r" % dialog.text(NAME))
    dialog.click(1)
    answer(game, "Value of {Width * Height} must be equal or more than 60.")
    check(dialog.is_open(), "the dialog closed after 7 x 8")

    log("a blank name is refused, the dialog stays")
    set_size(dialog, 10, 8)
    type_name(dialog, "   ")
    dialog.click(1)
    answer(game, "Please enter a file name.")
    check(dialog.is_open(), "the dialog closed after a blank name")

    log("an existing name: No keeps the dialog and the file")
    type_name(dialog, "mine")
    dialog.click(BY_SQUARES)
    dialog.click(1)
    answer(game, "File exist. Overwrite?", "No")
    check(dialog.is_open(), "the dialog closed after No")
    check(read_bytes(user_puzzle_path(game, "mine")) == old, "No changed the old file")

    log("Yes starts the editor; the old file stays until the drawing is saved")
    dialog.click(1)
    answer(game, "File exist. Overwrite?", "Yes")
    dialog.wait_gone()
    game.sync()
    check(read_bytes(user_puzzle_path(game, "mine")) == old, "Yes alone changed the old file")
    measure_field(game, 10, 8)
    drag(game, 0, 2, 9, 7)
    expect_squares(game, rectangle(0, 2, 9, 7), "one rectangle of 60")
    game.key("ctrl+e")
    answer(game, SAVED_MESSAGE)
    expect_puzzle_file(game, "mine", 10, 6)

    log("the next Create puzzle shows the saved size")
    dialog = open_create(game)
    check(size_shown(dialog) == (10, 6), "size shown %r" % (size_shown(dialog),))
    check(dialog.text(NAME) == "mine", "the name box holds %r" % dialog.text(NAME))
    check(dialog.checked(BY_SQUARES), "By squares is not checked")
    dialog.click(2)
    dialog.wait_gone()


scenario(body)
