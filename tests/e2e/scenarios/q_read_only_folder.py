"""The game unzipped into a folder the player cannot write (a read-only bind mount of its
copy; skipped where mounting is not allowed). The settings of the program's folder are read
once; a saved game, a puzzle made in the editor, its win and the settings all go to the
prefix's AppData\\Local\\Zendrak; and a second start finds each of them there."""

import glob, os, subprocess

from zendrak_e2e import answer, ask, check, log, place, probe, scenario, settings, tiling, xdotool

TREE, GAMES, FILE_NAME, IDOK = 1007, 1010, 1004, 1


def mount_read_only(folder):
    for command in (["mount", "--bind", folder, folder],
                    ["mount", "-o", "remount,bind,ro", folder, folder]):
        if subprocess.run(command, capture_output=True).returncode != 0:
            subprocess.run(["umount", folder], capture_output=True)
            return False
    return True


def dialog_text(game, caption, text):
    """Fills the name box of the dialog that has just opened and presses its OK."""
    dialog = ask("wait-window", "#32770:" + caption, 10000)
    ask("set-text", dialog, FILE_NAME, text)
    ask("click-button", dialog, IDOK)
    return dialog


def player_files(root):
    return sorted(os.path.relpath(os.path.join(d, f), root)
                  for d, _, files in os.walk(root) for f in files)


def played(game, local):
    log("lay a figure and save the game")
    first = next(tiling())
    place(game, first[0], first[1], first[2], "the first figure")
    game.key("ctrl+s")
    dialog_text(game, "Save", "kept game")
    answer("Game saved.")

    log("make a 10 x 6 puzzle by squares, save it, win it, exit")
    game.key("ctrl+c")
    dialog_text(game, "Create puzzle", "my field")
    ask("sync", game.hwnd)
    game.measure()
    xdotool("mousemove", *game.cell_center(0, 0), "mousedown", 1)
    xdotool("mousemove", *game.cell_center(9, 5), "mouseup", 1)
    game.key("ctrl+e")
    answer("New puzzle saved succesfully.")
    game.measure()
    for figure, orientation, target in tiling():
        place(game, figure, orientation, target, "figure %d" % figure)
    answer("Congratulations! The game is won.")
    game.alt_f4()
    found = player_files(local)
    check(found == ["Puzzles/My puzzles/my field.zpz", "Save/kept game.zpz", "Zendrak.ini"],
          "the player's folder holds %s" % found)


def started_again(game):
    log("started again: the puzzle, the solved mark, the saved game and the settings are there")
    game.start()
    check(game.status()[0] == "My puzzles: my field", "the current puzzle was not kept")
    game.key("ctrl+l")
    dialog = ask("wait-window", "#32770:Load", 10000)
    games = ask("list-items", dialog, GAMES).splitlines()
    check(any("kept game" in line for line in games), "the Load list shows %r" % games)
    game.key("Escape")
    check(probe("wait-gone", dialog, 10000)[0] == 0, "Load did not close")
    game.key("ctrl+n")
    dialog = ask("wait-window", "#32770:New game", 10000)
    items = ask("tree", dialog, TREE)
    check("My puzzles (1/1)" in items, "the New game tree shows\n%s" % items)
    game.key("Escape")
    check(probe("wait-gone", dialog, 10000)[0] == 0, "New game did not close")
    game.alt_f4()


def body(game):
    users = os.path.join(os.environ["WINEPREFIX"], "drive_c", "users")
    locals_ = glob.glob(os.path.join(users, "*", "AppData", "Local"))
    check(locals_, "the prefix has no AppData\\Local under %s" % users)
    local = os.path.join(locals_[0], "Zendrak")
    subprocess.run(["rm", "-rf", local], check=True)
    if not mount_read_only(game.dir):
        log("mounting is not allowed here: the read-only case is skipped")
        return
    try:
        check(subprocess.run(["touch", os.path.join(game.dir, "x")], capture_output=True)
              .returncode != 0, "the mounted copy can be written")
        game.start()
        check(game.status()[0] == "Tutorial: move a figure", "the program's settings were not read")
        played(game, local)
        started_again(game)
    finally:
        game.close()
        subprocess.run(["umount", "-l", game.dir], capture_output=True)


scenario(body, ini=settings() + "\r\n[LAST]\r\nCREATION_METHOD = 1\r\nDX = 10\r\nDY = 6\r\n")
