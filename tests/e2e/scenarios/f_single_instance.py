"""A second Zendrak.exe started while the first runs ends at once with code 0 and leaves the
settings file alone; the first window, minimised and behind another program's window, is
restored and brought forward."""

import subprocess

from zendrak_e2e import (MAIN, WINE, ask, check, fields, log, probe, scenario, settings,
                         visible_windows, wait_for)


def body(game):
    game.start()
    log("another program comes forward, the game is minimised")
    notepad = subprocess.Popen([WINE, "notepad"], stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        ask("wait-window", "Notepad", 20000)
        wait_for("Notepad in front", lambda: fields(ask("state", "Notepad"))["foreground"],
                 lambda f: f == 1)
        ask("minimize", MAIN)
        wait_for("the game minimised", lambda: fields(ask("state", MAIN))["iconic"],
                 lambda i: i == 1)
        log("start a second copy")
        second = game.launch()
        check(wait_for("the second Zendrak.exe", second.poll, lambda c: c is not None, 20) == 0,
              "the second Zendrak.exe ended with code %s" % second.poll())
        game.alive("when the second one started")
        wait_for("the first window", lambda: fields(ask("state", game.hwnd)),
                 lambda st: st == {"visible": 1, "iconic": 0, "foreground": 1})
        check(len(visible_windows(MAIN)) == 1, "more than one main window")
        with open(game.ini_path, "rb") as f:
            check(f.read() == settings().encode("latin-1"), "the settings file changed")
    finally:
        probe("close", "Notepad")
        notepad.wait(timeout=10)


scenario(body)
