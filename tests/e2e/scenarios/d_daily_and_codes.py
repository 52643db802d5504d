"""Ctrl+Y: today's puzzle is written to Puzzles\\Daily\\<date>.zpz, the same field zpz daily makes
for the date, and the status bar names the day and its difficulty. Copy puzzle code (Position
menu, from the keyboard) puts its code on the clipboard; Ctrl+K, a bad code refused with its
message, then the copied code pasted: play goes on the same field, kept in Puzzles\\Shared."""

import datetime, os, re, subprocess, tempfile

from zendrak_e2e import ROOT, answer, ask, check, log, probe, scenario, wait_for

STATUS_BAR, CODE_BOX = 1022, 1050
DIFFICULTIES = ["Easy", "Medium", "Medium", "Hard", "Hard", "Expert", "Unique"]    # Monday first
ZPZ = os.path.join(ROOT, "build", "release", "zpz")


def rows_of(path):
    with open(path, encoding="latin-1") as f:
        return [line for line in f.read().splitlines() if line.startswith(("DX", "DY", "ROW_"))]


def body(game):
    def status():
        return ask("status", game.hwnd, STATUS_BAR).splitlines()

    game.start()
    today = datetime.date.today()
    title = "Daily %s (%s)" % (today.isoformat(), DIFFICULTIES[today.weekday()])
    game.key("ctrl+y")
    wait_for("today's puzzle in play", lambda: status()[0], lambda s: s == title, 30)
    daily = os.path.join(game.dir, "Puzzles", "Daily", today.isoformat() + ".zpz")
    check(os.path.isfile(daily), "no " + daily)
    if os.access(ZPZ, os.X_OK):    # the same field from the native tool
        with tempfile.TemporaryDirectory() as tmp:
            subprocess.run([ZPZ, "daily", today.isoformat(), "--out", tmp + "/d.zpz"], check=True,
                           capture_output=True)
            check(rows_of(tmp + "/d.zpz") == rows_of(daily), "zpz daily makes another field")
    else:
        log("no build/release/zpz: the field is not compared with the native tool's")

    log("Copy puzzle code, then a bad code and the copied one in Open puzzle code")
    game.key("alt+p", "Down", "Down", "Down", "Down", "Return")
    code = wait_for("the code on the clipboard", lambda: probe("clipboard")[1],
                    lambda text: re.fullmatch(r"Z[A-Za-z0-9_-]+", text))
    game.key("ctrl+k")
    dialog = ask("wait-window", "#32770:Open puzzle code", 10000)
    game.key("h", "e", "l", "l", "o", "Return")
    answer("This is not a puzzle code.")
    ask("set-text", dialog, CODE_BOX, "")
    game.key("ctrl+v", "Return")
    check(probe("wait-gone", dialog, 10000)[0] == 0, "Open puzzle code stayed open")
    shared = wait_for("the shared puzzle in play", lambda: status()[0],
                      lambda s: s.startswith("Shared: "))[8:]
    check(rows_of(os.path.join(game.dir, "Puzzles", "Shared", shared + ".zpz")) == rows_of(daily),
          "the shared puzzle %r is not today's field" % shared)


scenario(body)
