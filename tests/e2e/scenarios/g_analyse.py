"""Analyse by computer with Ctrl+A as a player: "Nothing" reports and lays nothing, Cancel
keeps the remembered choice, "One figure" lays one figure, "All figures" lays the rest
without a win message, then the finished position says "This task is completed."; after a
new game, a W laid so that it shuts a corner cell off gives "There is no variant." and the
field stays as it was."""

from zendrak_e2e import (MAIN, ORIENTATIONS, Dialog, answer, check, log, no_dialog_within,
                         place, probe, read_tiling, scenario, wait_for)

CAPTION = "Analyse by computer"
NOTHING, ONE, ALL = 1016, 1017, 1018
START, CANCEL = 1, 2
W = 5


def red_cells(game):
    return sum(row.count("#") for row in game.board())


def open_analyse(game, expect_checked):
    game.key("ctrl+a")
    dialog = Dialog(game, CAPTION)
    checked = [cid for cid in (NOTHING, ONE, ALL) if dialog.checked(cid)]
    check(checked == [expect_checked], "checked on opening: %r, expected %r"
          % (checked, expect_checked))
    return dialog


def analyse(game, expect_checked, choice, message=None):
    dialog = open_analyse(game, expect_checked)
    dialog.click(choice)
    wait_for("radio button %d" % choice, lambda: dialog.checked(choice), bool)
    dialog.click(START)
    if message is not None:
        answer(game, message)
    dialog.wait_gone(timeout=30)
    # After a long search the game's thread may still count as hung for a moment.
    wait_for("the game to answer after the analysis",
             lambda: probe("sync", MAIN, check_rc=False)[0], lambda rc: rc == 0, timeout=30)
    check(not game.message_boxes(), "a message box after the analysis")


def body(new_game):
    game = new_game()
    game.start()
    moves = read_tiling()
    log("lay four figures of a tiling")
    laid = frozenset()
    for figure, orientation, target, cells in moves[:4]:
        place(game, figure, orientation, target, "figure %d" % figure)
        laid |= cells
    game.expect_board(laid, "after four figures")

    log("Nothing: reported, nothing laid")
    analyse(game, ONE, NOTHING, "Analyse is completed.")
    game.expect_board(laid, "after Nothing")

    log("Cancel keeps the remembered choice")
    dialog = open_analyse(game, NOTHING)
    dialog.click(ALL)
    dialog.click(CANCEL)
    dialog.wait_gone()
    game.expect_board(laid, "after Cancel")

    log("One figure")
    analyse(game, NOTHING, ONE)
    wait_for("squares on the field after One figure", lambda: red_cells(game),
             lambda n: n == 25)

    log("All figures: the field is full, no win message")
    analyse(game, ONE, ALL)
    wait_for("squares on the field after All figures", lambda: red_cells(game),
             lambda n: n == 60)

    log("with every figure laid: \"This task is completed.\"")
    game.key("ctrl+a")
    Dialog(game, "Zendrak")
    check(no_dialog_within(CAPTION, 0), "the Analyse dialog shows beside the message")
    answer(game, "This task is completed.")
    check(no_dialog_within(CAPTION, 0.5), "the Analyse dialog shows after the message")
    game.key("ctrl+u")
    wait_for("squares on the field after Ctrl+U", lambda: red_cells(game),
             lambda n: n == 55)

    log("new game; a W that shuts the corner cell off: no variant")
    game.key("ctrl+n")
    dialog = Dialog(game, "New game")
    dialog.click(1)
    dialog.wait_gone()
    game.expect_board(frozenset(), "the new game")
    w_cells = frozenset({(1, 0), (2, 0), (0, 1), (1, 1), (0, 2)})
    w = next(o for o in ORIENTATIONS[W]
             if frozenset((1 + dc, 1 + dr) for dc, dr in o.offsets()) == w_cells)
    place(game, W, w, (1, 1), "W in the corner")
    game.expect_board(w_cells, "after the W")
    analyse(game, ALL, ALL, "There is no variant.")
    game.expect_board(w_cells, "after no variant")


scenario(body)
