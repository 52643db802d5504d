"""Close with Alt+F4 after a won game and read the settings file written at the end:
sections and keys in their order, CURSOR_MODE written as 1, the window rectangle, and the
solved puzzle "Tutorial" / "move a figure" as GROUP_0 / PUZZLE_0."""

from zendrak_e2e import (SQUARE, WINDOW_RECT, check, default_ini_lines, ini_text, lay_tiling,
                         log, probe, scenario)


def expected_text(rect):
    left, top, right, bottom = rect
    lines = [
        "[OPTIONS]",
        "AUTO_SIZE = 0",
        "BACKGROUND_NAME = wood 2.bmp",
        "BACKGROUND_TYPE = 1",
        "COLOR_BACK = 7237230",
        "COLOR_CONTOUR = 0",
        "COLOR_INK = 16777215",
        "COLOR_SHADOW = 0",
        "CURSOR_MODE = 1",
        "OPAQUE = 100",
        "SHOW_CONTOUR = 1",
        "SHOW_INVERSE = 0",
        "SHOW_LEGAL_MOVE = 0",
        "SHOW_SHADOW = 0",
        "SIZE_SQUARE = %d" % SQUARE,
        "SKIN = e2e no skin.bmp",
        "SQUARE_INDEX = 0",
        "USE_ONE_COLOR = 0",
        "",
        "[LAST]",
        "AI = 1",
        "CREATION_METHOD = 0",
        "DX = 10",
        "DY = 6",
        "FILE = move a figure",
        "FOLDER = Tutorial",
        "",
        "[SOLVED_PUZZLES]",
        "GROUP_0 = Tutorial",
        "PUZZLE_0 = move a figure",
        "",
        "[SOUND]",
    ]
    for name in ("drop", "take", "rotate", "level is completed", "error"):
        lines.append("%s_FILE = .\\Sound\\%s.wav" % (name, name))
        lines.append("%s_ENABLE = 1" % name)
    lines += ["", "[WINDOW]", "LEFT = %d" % left, "RIGHT = %d" % right, "TOP = %d" % top,
              "BOTTOM = %d" % bottom]
    return ini_text(lines)


def body(new_game):
    # CURSOR_MODE 2 in the file: the game starts with 1 all the same (the moves below rely
    # on the pointer holding square 3) and writes 1 back.
    game = new_game(ini_text(default_ini_lines(cursor_mode=2)))
    game.start()
    rect = tuple(int(v) for v in probe("window-rect").split())
    check(rect == WINDOW_RECT, "window at %s, the settings file said %s" % (rect, WINDOW_RECT))
    log("lay the tiling")
    lay_tiling(game, verify_each=False)

    log("Alt+F4")
    game.key("alt+F4")
    code = game.wait_exit()
    check(code == 0, "Zendrak.exe ended with code %d" % code)
    with open(game.ini_path, "rb") as f:
        written = f.read().decode("latin-1")
    want = expected_text(WINDOW_RECT)
    if written != want:
        got_lines = written.split("\r\n")
        want_lines = want.split("\r\n")
        for i in range(max(len(got_lines), len(want_lines))):
            g = got_lines[i] if i < len(got_lines) else "<end>"
            w = want_lines[i] if i < len(want_lines) else "<end>"
            if g != w:
                check(False, "Zendrak.ini line %d is %r, expected %r" % (i + 1, g, w))
        check(False, "Zendrak.ini differs from the expected text (line ends?)")


scenario(body)
