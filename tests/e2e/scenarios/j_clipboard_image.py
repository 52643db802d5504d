"""Copy the position to the clipboard as an image (squares of 40: 400 x 240 pixels) and as
a small image (8 pixels a cell: 80 x 48), and read the bitmap's size and pixels from
another program."""

from zendrak_e2e import ORIENTATIONS, check, log, place, probe, scenario, wait_for
from print_e2e import menu_command

IMAGE = ["Down"]                # Position > Copy to clipboard as image
SMALL_IMAGE = ["Down", "Down"]  # Position > Copy to clipboard as small image
RED, OPEN = "255 0 0", "240 240 240"


def copy(game, keys, size, what):
    menu_command(game, "p", keys)
    game.sync()
    wait_for("%s: the clipboard bitmap's size" % what,
             lambda: probe("clipboard-size", check_rc=False)[1], lambda seen: seen == size)


def expect_pixels(cell, what):
    """The I upright in column 0: its squares red, the open cell beside them light grey."""
    half = cell // 2
    for x, y, want in ((half, half, RED), (half, 4 * cell + half, RED),
                       (cell + half, half, OPEN), (half, 5 * cell + half, OPEN)):
        seen = probe("clipboard-pixel", x, y)
        check(seen == want, "%s: pixel %d,%d is %s, expected %s" % (what, x, y, seen, want))


def body(new_game):
    game = new_game()
    game.start()
    log("lay I upright in column 0")
    place(game, 1, ORIENTATIONS[1][0], (0, 2), "I")
    game.expect_board(frozenset((0, r) for r in range(5)), "after laying I")

    log("Position > Copy to clipboard as image")
    copy(game, IMAGE, "400 240", "image")
    expect_pixels(40, "image")

    log("Position > Copy to clipboard as small image")
    copy(game, SMALL_IMAGE, "80 48", "small image")
    expect_pixels(8, "small image")
    check(game.running() and not game.message_boxes(), "a message after copying")


scenario(body)
