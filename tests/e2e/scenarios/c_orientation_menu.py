"""The right button: pressing it over the field neither drops nor takes anything, its
release opens the orientation menu of the held figure at the pointer, an item chooses the
orientation; one item for X; no menu with an empty hand."""

from zendrak_e2e import (ITEM_HEIGHT, ORIENTATIONS, check, choose_from_menu, log, scenario,
                         wait_for, xdotool)

L_FIGURE, X_FIGURE = 2, 11


def body(new_game):
    game = new_game()
    game.start()
    empty = frozenset()

    log("hold L, press the right button over an empty cell: no menu, nothing dropped")
    game.select(L_FIGURE)
    px, py = game.cell_center(5, 2)
    xdotool("mousemove", px, py, "mousedown", 3)
    # Carry the figure off the field with the button still down: once it shows there, the
    # press has been handled.
    game.expect_held(ORIENTATIONS[L_FIGURE][0], "with the right button down")
    check(game.menu_rect() is None, "a menu is open while the right button is down")
    game.expect_board(empty, "with the right button down")
    px, py = game.spot
    xdotool("mouseup", 3)
    rect = wait_for("orientation menu after the release", game.menu_rect,
                    lambda r: r is not None)
    x, y, w, h = rect
    log("menu at %d,%d size %dx%d, pointer at %d,%d" % (x, y, w, h, px, py))
    check(abs(x - px) <= 8 and abs(y - py) <= 8, "the menu is not at the pointer")
    count = len(ORIENTATIONS[L_FIGURE])
    check(count * ITEM_HEIGHT <= h <= count * ITEM_HEIGHT + 16 and w >= ITEM_HEIGHT,
          "menu of L is %dx%d, expected %d items of %d" % (w, h, count, ITEM_HEIGHT))
    xdotool("key", "Escape")
    wait_for("menu to close", game.menu_rect, lambda r: r is None)
    game.expect_board(empty, "after the right click")
    game.expect_held(ORIENTATIONS[L_FIGURE][0], "after closing the menu")

    sixth = ORIENTATIONS[L_FIGURE][5]
    log("choose orientation 6 of L from the menu, then drop it")
    choose_from_menu(game, sixth)
    game.expect_held(sixth, "after choosing orientation 6")
    target = (4, 2)
    game.click(*game.cell_center(*target))
    r3, c3 = sixth.square3
    game.expect_board(frozenset((target[0] + c - c3, target[1] + r - r3) for r, c in sixth.cells),
                      "after dropping L in orientation 6")

    log("X has a menu of one item")
    game.select(X_FIGURE)
    game.click(*game.spot, button=3)
    rect = wait_for("orientation menu of X", game.menu_rect, lambda r: r is not None)
    check(ITEM_HEIGHT <= rect[3] <= ITEM_HEIGHT + 16, "menu of X is %d high" % rect[3])
    xdotool("key", "Escape")
    wait_for("menu to close", game.menu_rect, lambda r: r is None)

    log("an empty hand gets no menu")
    game.select(0)
    before = game.board()
    px, py = game.cell_center(8, 4)
    game.click(px, py, button=3)
    game.sync()
    check(game.menu_rect() is None, "a menu opened with an empty hand")
    check(game.board() == before, "the right click changed the field")


scenario(body)
