"""Helpers of the puzzle editor's scenarios (h_editor_*): the Create puzzle dialog worked
with the mouse and keyboard, rectangles dragged over the field, and the field's picture
while editing."""

import os
import time

from zendrak_e2e import MAIN, SQUARE, Dialog, check, probe, puzzle_text, wait_for, xdotool

CREATE = "Create puzzle"
WIDTH, HEIGHT, BY_FIGURES, BY_SQUARES, NAME = 1000, 1001, 1002, 1003, 1004
WIDTH_ARROWS, HEIGHT_ARROWS = 1006, 1007

COUNT_MESSAGE = "Number of squares must be 60 (12 figures * 5 squares). Please check your task."
AREA_MESSAGE = "Area of closed figure must divide to 5. Please check your task."
SAVED_MESSAGE = "New puzzle saved succesfully."


def open_create(game):
    game.key("ctrl+c")
    return Dialog(game, CREATE)


def size_shown(dialog):
    return int(dialog.text(WIDTH)), int(dialog.text(HEIGHT))


def click_arrow(dialog, arrows, up, times=1):
    """Clicks the upper (up) or lower half of an up-down control `times` times (the control
    takes no double clicks, so the clicks may follow each other closely)."""
    if times <= 0:
        return
    left, top, right, bottom = dialog.control(arrows)["rect"]
    quarter = (bottom - top) // 4
    x, y = (left + right) // 2, top + quarter if up else bottom - quarter
    xdotool("mousemove", x, y, "click", "--repeat", times, "--delay", 80, 1)
    dialog.game.last_click = (x, y, time.monotonic())


def set_size(dialog, columns, rows):
    """Clicks the arrows until the boxes show columns x rows."""
    for arrows, box, want in ((WIDTH_ARROWS, WIDTH, columns), (HEIGHT_ARROWS, HEIGHT, rows)):
        shown = int(dialog.text(box))
        click_arrow(dialog, arrows, want > shown, abs(want - shown))
        wait_for("the size box %d" % box, lambda: int(dialog.text(box)), lambda v: v == want)


def type_name(dialog, name):
    """Clicks into the name box, deletes what it holds and types `name`."""
    dialog.click(NAME)
    dialog.game.key("End")
    xdotool("key", "--repeat", 110, "BackSpace")
    if name:
        xdotool("type", "--delay", 30, name)


def measure_field(game, columns, rows):
    """The geometry of a columns x rows field, like Game.measure but for any figure list
    (the "By squares" editor's list has a single entry)."""
    cx, cy, cw, ch = (int(v) for v in probe("client-origin", MAIN).split())
    need_w = (columns + 2) * SQUARE + 224
    need_h = max((rows + 2) * SQUARE, 546) + 64
    check(cw >= need_w and ch >= need_h, "client %dx%d is smaller than %dx%d" % (cw, ch, need_w, need_h))
    ox, oy = (cw - need_w) // 2, (ch - need_h) // 2
    game.field = (columns, rows)
    game.s = SQUARE
    game.frame = (cx + ox + 192, cy + oy + 32)
    game.spot = (game.frame[0] + 6 * SQUARE, game.frame[1] + (rows + 2) * SQUARE + 3 * SQUARE)


def press(game, c, r, button=1):
    game.move(*game.cell_center(c, r))
    xdotool("mousedown", button)


def release(game, c, r, button=1):
    game.move(*game.cell_center(c, r))
    xdotool("mouseup", button)


def drag(game, c0, r0, c1, r1, button=1):
    """A rectangle from cell (c0, r0) to cell (c1, r1): button 1 fills, button 3 clears."""
    press(game, c0, r0, button)
    release(game, c1, r1, button)
    game.sync()


def rectangle(c0, r0, c1, r1):
    return frozenset((c, r) for c in range(c0, c1 + 1) for r in range(r0, r1 + 1))


def expect_squares(game, squares, what, keep_pointer=False):
    """Waits until exactly `squares` show as squares without colour and every other cell
    of the field as an open cell."""
    if not keep_pointer:
        game.move(*game.spot)
    columns, rows = game.field
    want = tuple("".join("o" if (c, r) in squares else "." for c in range(columns))
                 for r in range(rows))
    wait_for(what + ": field", lambda: game.board(), lambda b: b == want)


def user_puzzle_path(game, name):
    return os.path.join(game.dir, "Puzzles", "My puzzles", name + ".zpz")


def read_bytes(path):
    with open(path, "rb") as f:
        return f.read()


def expect_puzzle_file(game, name, columns, rows, blocked=frozenset()):
    want = puzzle_text(columns, rows, blocked).encode("latin-1")
    seen = read_bytes(user_puzzle_path(game, name))
    check(seen == want, "%s.zpz holds %r, expected %r" % (name, seen, want))
    folder = sorted(os.listdir(os.path.dirname(user_puzzle_path(game, name))))
    check(all(f.endswith(".zpz") for f in folder), "stray files in My puzzles: %r" % folder)
