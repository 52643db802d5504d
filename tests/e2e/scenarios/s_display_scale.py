"""The display's scale (run at 96 DPI with the others, and at 144 and 192 by tests/e2e/dpi.sh
in prefixes of their own): the figure list's entries and width, the field's squares and the
frame's place are the 96-DPI lengths scaled; a figure dropped at the scaled pixel of a cell
lands in that cell; the Options and New game dialogs open whole on the screen."""

import subprocess

from zendrak_e2e import (DPI, ORIENTATIONS, ask, check, log, place, probe, scaled, scenario,
                         settings, xdotool)

SQUARE = 24     # in units: 10 x 6 at 192 DPI still fits the 1280 x 1024 screen across


def row_of_pixels(y, x0, x1):
    shot = subprocess.run(["import", "-window", "root", "-depth", "8", "-crop",
                           "%dx1+%d+%d" % (x1 - x0, x0, y), "rgb:-"],
                          stdin=subprocess.DEVNULL, capture_output=True, timeout=30).stdout
    return [tuple(shot[i:i + 3]) for i in range(0, len(shot), 3)]


def dialog_on_screen(game, keys, caption):
    game.key(keys)
    dialog = ask("wait-window", "#32770:" + caption, 10000)
    left, top, right, bottom = (int(v) for v in ask("window-rect", dialog).split())
    width, height = (int(v) for v in xdotool("getdisplaygeometry").split())
    check(0 <= left and 0 <= top and right <= width and bottom <= height,
          "%s lies at %s, not wholly on the %dx%d screen" % (caption, (left, top, right, bottom),
                                                             width, height))
    game.key("Escape")
    check(probe("wait-gone", dialog, 10000)[0] == 0, caption + " did not close")


def body(game):
    log("at %d DPI: squares of %d pixels, entries of %d" % (DPI, scaled(SQUARE), scaled(42)))
    game.start()
    st = game.list_state()
    check((st["item"], st["w"]) == (scaled(42), scaled(128)),
          "the figure list has entries of %d and a width of %d" % (st["item"], st["w"]))

    # Along the middle of the first row, up to the middle of the frame's right margin: the
    # open cells run exactly ten squares, one square right of the frame's border.
    x0, y = game.frame[0] - 4, game.cell_center(0, 0)[1]
    row = row_of_pixels(y, x0, game.frame[0] + 11 * game.s + game.s // 2)
    back = row[0]
    cells = [i for i, p in enumerate(row) if max(abs(a - b) for a, b in zip(p, back)) > 40]
    border, first, last = cells[0] + x0, cells[1] + x0, cells[-1] + x0
    check(border == game.frame[0], "the frame's border at x=%d, not %d" % (border, game.frame[0]))
    check((first - game.frame[0], last + 1 - first) == (game.s, 10 * game.s),
          "the cells run from x=%d to %d, not %d squares of %d from x=%d"
          % (first, last, 10, game.s, game.frame[0] + game.s))

    log("a figure dropped at the scaled pixel of a cell lands there")
    i = ORIENTATIONS[1][0]    # an entry near the top: at 192 DPI the list is cut by the screen
    place(game, 1, i, (7, 3), "I")
    game.expect_board(i.at(7, 3), "after dropping I on (7, 3)")

    dialog_on_screen(game, "ctrl+o", "Options")
    dialog_on_screen(game, "ctrl+n", "New game")
    game.alt_f4()


scenario(body, ini=settings().replace("SIZE_SQUARE = 40", "SIZE_SQUARE = %d" % SQUARE)
         .replace("LEFT = 100", "LEFT = 0").replace("TOP = 50", "TOP = 0")
         .replace("RIGHT = 1000", "RIGHT = 1280").replace("BOTTOM = 800", "BOTTOM = 1000"),
         square=SQUARE)
