"""The keyboard alone, without a single mouse event: Tab and Shift+Tab move the focus between
the figure list and the field, whose frame then shows a focus rectangle; the cursor stops at the
field's corner. Enter in the list brings the chosen figure to the field at the cursor, the
arrows carry it, Enter lays it, Enter with the empty hand takes it back and Escape puts it back
into the list. Then the figures of the tiling in tests/unit/data/solver/10x6.txt (the one the
analysis search lays on the open 10 x 6) are chosen with Home and Down, turned with S and Q,
carried and laid until the game is won."""

from zendrak_e2e import ORIENTATIONS, answer, check, log, scenario, tiling, wait_for

I = 1


def focus_shown(game):
    """The focus rectangle's dots (the background inverted) along the top of the frame."""
    x, y = game.frame
    return "?" in game.classified([(x + i, y - d) for i in range(8, 24) for d in (2, 3, 4)])


def board(game):
    columns, rows = game.field
    return game.classified([game.cell_center(c, r) for r in range(rows) for c in range(columns)])


def expect_at_cursor(game, cell, orientation, what):
    """The figure in hand drawn with square 3 on the cursor cell, sticking out of the field."""
    around = [(dc, dr) for dr in range(-4, 5) for dc in range(-4, 5)]
    x, y = game.cell_center(*cell)
    points = [(x + dc * game.s, y + dr * game.s) for dc, dr in around]
    wait_for(what, lambda: sorted(o for o, ch in zip(around, game.classified(points)) if ch == "#"),
             lambda seen: seen == sorted(orientation.offsets))


def selected(game, figure):
    wait_for("list entry %d" % figure, lambda: game.list_state()["sel"], lambda s: s == figure)


def body(game):
    game.start()
    check(not focus_shown(game), "the field shows the focus at the start")
    log("Tab to the field: the focus rectangle, the cursor's mark stopped in the corner")
    game.key("Tab", "Left", "Up", "Left", "Up")
    wait_for("the focus rectangle", lambda: focus_shown(game), bool)
    mark = (game.frame[0] + game.s + 3, game.cell_center(0, 0)[1])   # the cell's inverted edge
    wait_for("the cursor's mark", lambda: game.classified([mark]), lambda ch: ch == "?")
    game.key("shift+Tab")
    wait_for("the focus back in the list", lambda: focus_shown(game), lambda shown: not shown)

    log("Enter brings the I to the cursor, the arrows carry it, Enter lays it")
    upright = ORIENTATIONS[I][0]
    game.key("Home", "Down", "Return")
    selected(game, I)
    expect_at_cursor(game, (0, 0), upright, "the I at the cursor")
    game.key("Down", "Down", "Return")
    wait_for("the I laid", lambda: board(game)[0::10], lambda column: column == "#####.")
    log("Enter with the empty hand takes it back, Escape puts it back into the list")
    game.key("Return", "Up", "Up")
    expect_at_cursor(game, (0, 0), upright, "the I taken back")
    game.key("Escape")
    selected(game, 0)
    wait_for("the field empty", lambda: board(game), lambda cells: cells == "." * 60)

    log("the tiling laid from the keys")
    cursor = (0, 0)
    for figure, orientation, (c, r) in tiling():
        game.key("Tab", "Home", *["Down"] * figure)
        selected(game, figure)
        dx, dy = c - cursor[0], r - cursor[1]
        game.key(*orientation.keys(), "Return", *["Right" if dx > 0 else "Left"] * abs(dx),
                 *["Down" if dy > 0 else "Up"] * abs(dy), "Return")
        cursor = (c, r)
    answer("Congratulations! The game is won.")
    wait_for("the field covered", lambda: board(game), lambda cells: cells == "#" * 60)
    wait_for("the focus back in the field after the message", lambda: focus_shown(game), bool)


scenario(body)
