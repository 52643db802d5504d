"""Take a figure from the figure list, carry it over the field, turn it with S and with the
wheel, drop it; an illegal drop changes nothing; take a figure back from the field."""

from zendrak_e2e import (ORIENTATIONS, FIELD_H, FIELD_W, check, log, scenario, turned,
                         wait_for)

L_FIGURE = 2
I_FIGURE = 1


def body(new_game):
    game = new_game()
    game.start()
    empty = frozenset()
    game.expect_board(empty, "at the start")
    check(game.list_state()["sel"] == 0, "the hand is not empty at the start")
    game.expect_nothing_held("at the start")
    for figure in range(1, 13):
        game.expect_list_picture(figure, ORIENTATIONS[figure][0], "#", "at the start")

    log("take L from the list and carry it over the field")
    game.select(L_FIGURE)
    base = ORIENTATIONS[L_FIGURE][0]
    game.move(*game.cell_center(2, 2))
    game.move(*game.cell_center(6, 3))
    game.expect_held(base, "L taken")

    log("turn with S (clockwise), the wheel towards the user (clockwise) and away")
    game.move(*game.cell_center(5, 2))
    game.key("s")
    once = turned(base, "s")
    game.expect_held(once, "after S")
    game.move(*game.cell_center(5, 2))
    game.click(*game.cell_center(5, 2), button=5)
    twice = turned(base, "ss")
    game.expect_held(twice, "after the wheel towards the user")
    game.move(*game.cell_center(5, 2))
    game.click(*game.cell_center(5, 2), button=4)
    game.expect_held(once, "after the wheel away from the user")
    game.expect_board(empty, "while carrying")

    log("drop L with square 3 on cell (4, 2)")
    target = (4, 2)
    game.click(*game.cell_center(*target))
    r3, c3 = once.square3
    l_cells = frozenset((target[0] + c - c3, target[1] + r - r3) for r, c in once.cells)
    game.expect_board(l_cells, "after dropping L")
    game.expect_nothing_held("after dropping L")
    check(game.list_state()["sel"] == L_FIGURE, "the list selection moved after the drop")
    game.expect_list_picture(L_FIGURE, once, "o", "after dropping L")

    log("illegal drops: I over L, and I sticking out above the field")
    game.select(I_FIGURE)
    i_base = ORIENTATIONS[I_FIGURE][0]
    game.expect_held(i_base, "I taken")
    before = game.board()
    occupied = sorted(l_cells)[0]
    for cell, why in ((occupied, "on L"), ((8, 0), "above the field")):
        game.click(*game.cell_center(*cell))
        game.sync()
        game.expect_held(i_base, "after the illegal drop " + why)
        check(game.board() == before, "the field changed after the illegal drop " + why)
        check(game.list_state()["sel"] == I_FIGURE, "the hand changed after an illegal drop")

    log("empty hand, then take L back from the field")
    game.select(0)
    game.expect_nothing_held("with the empty hand")
    game.click(*game.cell_center(*occupied))
    wait_for("figure list selection after taking L back", lambda: game.list_state()["sel"],
             lambda sel: sel == L_FIGURE)
    game.expect_held(once, "L taken back (in its orientation on the field)")
    game.expect_board(empty, "after taking L back")
    game.expect_list_picture(L_FIGURE, once, "#", "after taking L back")

    log("drop it again elsewhere: a legal drop after taking back")
    target = (FIELD_W - 3, FIELD_H - 3)
    game.click(*game.cell_center(*target))
    l_cells = frozenset((target[0] + c - c3, target[1] + r - r3) for r, c in once.cells)
    game.expect_board(l_cells, "after dropping L again")


scenario(body)
