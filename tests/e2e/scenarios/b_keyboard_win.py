"""The keyboard alone, no mouse event: Tab moves the focus to the field (a focus rectangle), Enter
brings the chosen figure to the cursor, the arrows carry it, Enter lays it and takes it back.
Then the open 10 x 6 is won with the tiling of tests/unit/data/solver/10x6.txt (the analysis
search's), each figure chosen with Home and Down and turned with S and Q. What Escape and the
other keys do in the field is tested in process."""

from zendrak_e2e import answer, scenario, tiling, wait_for


def body(game):
    def focus_shown():    # the focus rectangle's dots (the background inverted) above the frame
        x, y = game.frame
        return "?" in game.classified([(x + i, y - d) for i in range(8, 24) for d in (2, 3, 4)])

    def board():
        return game.classified([game.cell_center(c, r) for r in range(6) for c in range(10)])

    def held_in_corner(what):    # square 3 of the upright I on cell (0, 0), sticking out above
        x, y = game.cell_center(0, 0)
        wait_for(what, lambda: game.classified([(x, y + d * game.s) for d in range(-3, 4)]),
                 lambda column: column == " #####.")

    def chosen(figure):
        wait_for("entry %d" % figure, lambda: game.list_state()["sel"], lambda s: s == figure)

    game.start()
    game.key("Tab", "Left", "Up", "Left", "Up")    # the cursor stops in the corner
    wait_for("the focus rectangle", focus_shown, bool)
    game.key("shift+Tab", "Home", "Down", "Return")
    chosen(1)
    held_in_corner("the I brought to the cursor")
    game.key("Down", "Down", "Return")
    wait_for("the I laid", lambda: board()[0::10], lambda column: column == "#####.")
    game.key("Return", "Up", "Up")
    held_in_corner("the I taken back")

    cursor = (0, 0)
    for figure, orientation, (c, r) in tiling():
        game.key("Tab", "Home", *["Down"] * figure)
        chosen(figure)
        dx, dy = c - cursor[0], r - cursor[1]
        game.key(*orientation.keys(), "Return", *["Right" if dx > 0 else "Left"] * abs(dx),
                 *["Down" if dy > 0 else "Up"] * abs(dy), "Return")
        cursor = (c, r)
    answer("Congratulations! The game is won.")
    wait_for("the field covered", board, lambda cells: cells == "#" * 60)
    wait_for("the focus back in the field after the message", focus_shown, bool)


scenario(body)
