"""Create a puzzle "By squares": the arrows set a 12 x 8 area, rectangles are dragged with
the left button and cleared with the right one, undo and redo work on them, a drag that
leaves the frame changes nothing; Save puzzle refuses 59 and 61 squares and a group of 31,
and saves two groups of 30 trimmed to 11 x 6, which is then in play. While editing, Ctrl+A
opens nothing."""

from editor_e2e import (AREA_MESSAGE, BY_SQUARES, COUNT_MESSAGE, SAVED_MESSAGE, drag,
                        expect_puzzle_file, expect_squares, measure_field, open_create,
                        press, rectangle, release, set_size, type_name)
from zendrak_e2e import answer, check, log, no_dialog_within, scenario, xdotool

A = rectangle(1, 1, 5, 6)
B = rectangle(7, 1, 11, 6)


def body(new_game):
    game = new_game()
    game.start()

    log("Ctrl+C: 12 x 8 with the arrows, By squares, a name")
    dialog = open_create(game)
    set_size(dialog, 12, 8)
    dialog.click(BY_SQUARES)
    type_name(dialog, "halves")
    dialog.click(1)
    dialog.wait_gone()
    game.sync()
    measure_field(game, 12, 8)
    check(game.list_state()["count"] == 1, "the figure list has more than the square")
    expect_squares(game, frozenset(), "the empty area")

    log("Ctrl+A opens nothing while editing")
    game.key("ctrl+a")
    check(no_dialog_within("Analyse by computer", 1.0), "Ctrl+A opened the analysis while editing")

    log("drag A, undo and redo it")
    drag(game, 1, 1, 5, 6)
    expect_squares(game, A, "after A")
    game.key("ctrl+u")
    expect_squares(game, frozenset(), "after undo")
    game.key("ctrl+r")
    expect_squares(game, A, "after redo")

    log("drag B: shown while the button is held")
    press(game, 11, 6)
    game.move(*game.cell_center(7, 1))
    expect_squares(game, A | B, "while dragging B", keep_pointer=True)
    release(game, 7, 1)
    expect_squares(game, A | B, "after B")

    log("clear one square with the right button: 59")
    drag(game, 11, 6, 11, 6, button=3)
    expect_squares(game, A | B - {(11, 6)}, "after clearing (11, 6)")
    game.key("ctrl+e")
    answer(game, COUNT_MESSAGE)

    log("a drag that leaves the frame changes nothing")
    press(game, 1, 7)
    game.move(*game.spot)
    release(game, 3, 7)
    game.sync()
    expect_squares(game, A | B - {(11, 6)}, "after the abandoned drag")

    log("a drag released outside the window is abandoned too")
    press(game, 1, 7)
    game.move(1200, 1000)
    xdotool("mouseup", 1)
    game.move(*game.cell_center(4, 7))
    game.sync()
    expect_squares(game, A | B - {(11, 6)}, "pointer back over the field", keep_pointer=True)

    log("one square below A: 31 and 29")
    drag(game, 1, 7, 1, 7)
    game.key("ctrl+e")
    answer(game, AREA_MESSAGE)
    log("the missing square of B back: 61")
    drag(game, 11, 6, 11, 6)
    game.key("ctrl+e")
    answer(game, COUNT_MESSAGE)
    log("the square below A cleared: two groups of 30, saved")
    drag(game, 1, 7, 1, 7, button=3)
    expect_squares(game, A | B, "two groups of 30")
    game.key("ctrl+e")
    answer(game, SAVED_MESSAGE)
    column5 = frozenset((5, r) for r in range(6))
    expect_puzzle_file(game, "halves", 11, 6, column5)

    log("the new puzzle is in play")
    game.sync()
    game.measure(field=(11, 6))
    game.expect_board(frozenset(), "the saved field", blocked=column5)


scenario(body)
