"""Options with Ctrl+O like a player: choose a skin of the scenario's own and squares of 56
pixels. Cancel leaves the field as it was; Apply redraws the field at once while the dialog
stays open; OK keeps the choice, and the settings file written at the end stores it."""

import os
import shutil
import struct

from zendrak_e2e import (FIELD_H, FIELD_W, Dialog, check, log, near, probe, scenario,
                         visible_windows, wait_for)

SKIN_LIST, SIZE_COMBO, APPLY = 1010, 1015, 9
GREEN = (0x20, 0x90, 0x20)          # the open cells of the scenario's skin
NEW_SIZE = 56


def write_skin(path, open_rgb, figure_rgb, plain_rgb):
    """A 24-bit bitmap of 14 flat tiles of 64 pixels: open cell, twelve figures, plain."""
    w, h = 896, 64
    row = b"".join(bytes(reversed(open_rgb if x < 64 else plain_rgb if x >= 832 else figure_rgb))
                   for x in range(w))
    pixels = row * h
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 0, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


def cell_centres(game, s):
    """Screen centres of the field cells with squares of s pixels, by (column, row)."""
    cx, cy, cw, ch = (int(v) for v in probe("client-origin").split())
    need_w, need_h = (FIELD_W + 2) * s + 224, max((FIELD_H + 2) * s, 546) + 64
    ox = (cw - need_w) // 2 if cw >= need_w else 0
    oy = (ch - need_h) // 2 if ch >= need_h else 0
    left, top = cx + ox + 192 + s, cy + oy + 32 + s
    return {(c, r): (left + c * s + s // 2, top + r * s + s // 2)
            for c in range(FIELD_W) for r in range(FIELD_H)}


def choose(game, dialog, skin, size):
    """Clicks the skin in the list, then picks the size from the drop-down list."""
    names = dialog.list_items(SKIN_LIST)
    check(skin in names, "the skin list shows %r" % names)
    st = {k: int(v) for k, v in (f.split("=") for f in probe("list-state", dialog.hwnd,
                                                               SKIN_LIST).split())}
    n = names.index(skin)
    game.click(st["x"] + st["w"] // 2, st["y"] + (n - st["top"]) * st["item"] + st["item"] // 2)
    wait_for("the skin list's selection", lambda: probe("list-state", dialog.hwnd, SKIN_LIST),
             lambda out: " sel=%d " % n in out)
    dialog.click(SIZE_COMBO)
    game.key(str(size)[0])      # picks the first size with that digit
    wait_for("the square size shown", lambda: dialog.text(SIZE_COMBO), lambda t: t == str(size))
    probe("sync", dialog.hwnd)
    if visible_windows(class_name="ComboLBox"):
        game.key("Return")      # the list is still down: take the item
        wait_for("the size list to close", lambda: visible_windows(class_name="ComboLBox"),
                 lambda shown: not shown)


def green_cells(game, s, outside=None):
    """Waits until every field cell (or each one outside the rectangle `outside`) shows the
    green open cell at squares of s pixels; returns how many were looked at."""
    cells = [p for p in cell_centres(game, s).values()
             if outside is None or not (outside[0] <= p[0] < outside[2] and
                                        outside[1] <= p[1] < outside[3])]
    check(len(cells) >= FIELD_W, "only %d cells are not hidden by the dialog" % len(cells))
    game.sync()
    def look():
        shot = game.shot()
        return [shot.pixel(*p) for p in cells]
    wait_for("open cells in the new skin at %d pixels" % s, look,
             lambda seen: all(near(rgb, GREEN, 2) for rgb in seen))
    return len(cells)


def body(new_game):
    game = new_game()
    skins = os.path.join(game.dir, "Skins")
    shutil.rmtree(skins, ignore_errors=True)
    os.makedirs(skins)
    write_skin(os.path.join(skins, "e2e green.bmp"), GREEN, (0x20, 0x20, 0xC0), (0x80, 0x80, 0x80))
    write_skin(os.path.join(skins, "E2E another.bmp"), (0xC0, 0xC0, 0x20), (0xC0, 0x20, 0x20),
               (0x40, 0x40, 0x40))
    game.start()
    game.expect_board(frozenset(), "at the start")

    log("Ctrl+O: the green skin and squares of 56, then Cancel")
    game.key("ctrl+o")
    dialog = Dialog(game, "Options")
    check(dialog.list_items(SKIN_LIST) == ["E2E another.bmp", "e2e green.bmp"],
          "the skins are not sorted by name: %r" % dialog.list_items(SKIN_LIST))
    check(dialog.text(SIZE_COMBO) == "40", "the size shown is %r" % dialog.text(SIZE_COMBO))
    choose(game, dialog, "e2e green.bmp", NEW_SIZE)
    dialog.click(2)
    dialog.wait_gone()
    game.sync()
    game.measure()      # the figure list is where squares of 40 put it
    game.expect_board(frozenset(), "after Cancel")

    log("Ctrl+O again: the same choice, Apply")
    game.key("ctrl+o")
    dialog = Dialog(game, "Options")
    choose(game, dialog, "e2e green.bmp", NEW_SIZE)
    dialog.click(APPLY)
    out = probe("window-rect", dialog.hwnd)
    shown = green_cells(game, NEW_SIZE, tuple(int(v) for v in out.split()))
    log("%d cells beside the dialog show the new skin at %d pixels" % (shown, NEW_SIZE))
    check(dialog.is_open(), "the dialog closed on Apply")

    log("OK: the whole field in the new skin; the settings file keeps it")
    dialog.click(1)
    dialog.wait_gone()
    green_cells(game, NEW_SIZE)
    game.close()
    with open(game.ini_path, "rb") as f:
        lines = f.read().decode("latin-1").split("\r\n")
    for want in ("SKIN = e2e green.bmp", "SIZE_SQUARE = %d" % NEW_SIZE, "AUTO_SIZE = 0"):
        check(want in lines, "Zendrak.ini has no line %r" % want)


scenario(body)
