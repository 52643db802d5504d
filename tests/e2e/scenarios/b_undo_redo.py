"""Undo and redo with Ctrl+U and Ctrl+R: positions come back, the hand is emptied, a new
drop after an undo cuts the redo part, and an undo after taking a figure back restores the
last recorded position."""

from zendrak_e2e import ORIENTATIONS, check, log, place, scenario, wait_for

X, I, V, T, Y = 11, 1, 4, 3, 6


def cells_of(figure, target, number=1):
    o = ORIENTATIONS[figure][number - 1]
    r3, c3 = o.square3
    return o, frozenset((target[0] + c - c3, target[1] + r - r3) for r, c in o.cells)


def body(new_game):
    game = new_game()
    game.start()

    x_o, x_cells = cells_of(X, (1, 1))
    i_o, i_cells = cells_of(I, (4, 2))
    v_o, v_cells = cells_of(V, (7, 3))
    t_o, t_cells = cells_of(T, (1, 4))
    log("drop X, I and V")
    place(game, X, x_o, (1, 1), "X")
    game.expect_board(x_cells, "after X")
    place(game, I, i_o, (4, 2), "I")
    game.expect_board(x_cells | i_cells, "after I")
    place(game, V, v_o, (7, 3), "V")
    game.expect_board(x_cells | i_cells | v_cells, "after V")

    def key_and_wait(keys, cells, what):
        # Hold a figure first: undo and redo empty the hand, which shows the key arrived.
        game.select(Y)
        game.key(keys)
        wait_for(what + ": figure list selection", lambda: game.list_state()["sel"],
                 lambda sel: sel == 0)
        game.expect_board(cells, what)
        game.expect_nothing_held(what)

    log("Ctrl+U twice, Ctrl+R once")
    key_and_wait("ctrl+u", x_cells | i_cells, "first undo")
    key_and_wait("ctrl+u", x_cells, "second undo")
    key_and_wait("ctrl+r", x_cells | i_cells, "redo")

    log("undo, then a new drop: the redo part is cut")
    key_and_wait("ctrl+u", x_cells, "undo before a new drop")
    place(game, T, t_o, (1, 4), "T")
    game.expect_board(x_cells | t_cells, "after T")
    # Redo is greyed now, so Ctrl+R sends nothing; the undo after it shows where the
    # history stands: one step before T, not one step before a restored I and V.
    game.select(Y)
    game.key("ctrl+r", "ctrl+u")
    wait_for("figure list selection after Ctrl+R, Ctrl+U", lambda: game.list_state()["sel"],
             lambda sel: sel == 0)
    game.expect_board(x_cells, "Ctrl+R then Ctrl+U after T")
    key_and_wait("ctrl+r", x_cells | t_cells, "redo to T")

    log("take T back, then undo: the position before the last recorded drop")
    game.select(0)
    game.click(*game.cell_center(1, 4))
    wait_for("selection after taking T back", lambda: game.list_state()["sel"],
             lambda sel: sel == T)
    game.expect_board(x_cells, "after taking T back")
    key_and_wait("ctrl+u", x_cells, "undo after taking T back")
    key_and_wait("ctrl+r", x_cells | t_cells, "redo after that")
    key_and_wait("ctrl+u", x_cells, "undo to position 1")
    key_and_wait("ctrl+u", frozenset(), "undo to position 0")


scenario(body)
