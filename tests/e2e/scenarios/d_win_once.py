"""Lay the twelve figures of a tiling one by one: "Congratulations! The game is won." shows
exactly once; taking a figure off and putting it back announces nothing more."""

from zendrak_e2e import check, lay_tiling, log, scenario, wait_for


def body(new_game):
    game = new_game()
    game.start()
    log("lay the tiling")
    moves = lay_tiling(game)
    full = frozenset().union(*(cells for _, _, _, cells in moves))

    for figure, orientation, target, cells in (moves[10], moves[0]):
        log("take figure %d off and put it back" % figure)
        game.select(0)
        game.click(*game.cell_center(*target))
        wait_for("selection after taking figure %d back" % figure,
                 lambda: game.list_state()["sel"], lambda sel: sel == figure)
        game.expect_held(orientation, "figure %d taken back" % figure)
        game.expect_board(full - cells, "after taking figure %d off" % figure)
        game.click(*game.cell_center(*target))
        game.expect_board(full, "after putting figure %d back" % figure)
        game.sync()
        check(not game.message_boxes(), "a second message box after putting it back")


scenario(body)
