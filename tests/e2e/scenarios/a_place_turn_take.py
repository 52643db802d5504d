"""The real mouse: take L from the figure list, carry it over the field, turn it with S and
the wheel, drop it; illegal drops change nothing; take it back from the field and drop it
again."""

from zendrak_e2e import ORIENTATIONS, log, scenario, wait_for

L, I = 2, 1


def body(new_game):
    game = new_game()
    game.start()
    game.expect_board(frozenset(), "at the start")
    game.expect_held(None, "at the start")

    log("take L from the list, carry it over the field, turn it with S and the wheel")
    game.select(L)
    game.move(*game.cell_center(2, 2))
    game.move(*game.cell_center(6, 3))
    base, once, twice = ORIENTATIONS[L][:3]       # L has no symmetry: turned 0, 1, 2 times
    game.expect_held(base, "L taken")
    game.move(*game.cell_center(5, 2))
    game.key("s")
    game.expect_held(once, "after S")
    for button, turned, what in ((5, twice, "towards the user"), (4, once, "away from the user")):
        game.click(*game.cell_center(5, 2), button=button)
        game.expect_held(turned, "after the wheel " + what)
    game.expect_board(frozenset(), "while carrying")

    log("drop L with square 3 on cell (4, 2)")
    game.click(*game.cell_center(4, 2))
    l_cells = once.at(4, 2)
    game.expect_board(l_cells, "after dropping L")
    game.expect_held(None, "after dropping L")

    log("illegal drops: I over L, and I sticking out above the field")
    game.select(I)
    game.expect_held(ORIENTATIONS[I][0], "I taken")
    occupied = min(l_cells)
    for cell, why in ((occupied, "on L"), ((8, 0), "above the field")):
        game.click(*game.cell_center(*cell))
        game.sync()
        game.expect_held(ORIENTATIONS[I][0], "after the illegal drop " + why)
        game.expect_board(l_cells, "after the illegal drop " + why)

    log("the empty hand takes L back from the field, then drops it elsewhere")
    game.select(0)
    game.expect_held(None, "with the empty hand")
    game.click(*game.cell_center(*occupied))
    wait_for("the list selection after taking L back", lambda: game.list_state()["sel"],
             lambda sel: sel == L)
    game.expect_held(once, "L taken back in its orientation on the field")
    game.expect_board(frozenset(), "after taking L back")
    game.click(*game.cell_center(7, 3))
    game.expect_board(once.at(7, 3), "after dropping L again")


scenario(body)
