"""A second Zendrak.exe started while the first runs ends at once with code 0, and the
first window, minimised and behind another program's window, is restored and brought
forward."""

import subprocess

from zendrak_e2e import (DEFAULT_INI, MAIN, WINE, check, log, probe, scenario, visible_windows,
                         wait_for)


def state():
    return dict(f.split("=") for f in probe("state", MAIN).split())


def body(new_game):
    game = new_game()
    game.start()
    first = game.hwnd

    log("another program comes forward")
    notepad = subprocess.Popen([WINE, "notepad"], stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        probe("wait-window", "Notepad", 20000)
        wait_for("foreground window", lambda: probe("foreground"),
                 lambda line: 'class="Notepad"' in line)
        log("minimise the game")
        probe("show", MAIN, "minimize")
        wait_for("game window state", state, lambda st: st["iconic"] == "1")

        log("start a second copy")
        second = game.launch()
        try:
            code = second.wait(timeout=20)
        except subprocess.TimeoutExpired:
            second.kill()
            second.wait()
            check(False, "the second Zendrak.exe did not end within 20 s")
        check(code == 0, "the second Zendrak.exe ended with code %d" % code)
        check(game.running(), "the first Zendrak.exe has ended")
        st = wait_for("first window after the second start", state,
                      lambda s: s["iconic"] == "0" and s["foreground"] == "1")
        check(st["visible"] == "1", "the first window is hidden")
        mains = visible_windows(class_name=MAIN)
        check(len(mains) == 1 and mains[0].startswith(first + " "),
              "main windows now: %s (first was %s)" % (mains, first))
        with open(game.ini_path, "rb") as f:
            check(f.read() == DEFAULT_INI.encode("latin-1"),
                  "the settings file changed while the first copy runs")
    finally:
        probe("close", "Notepad", check_rc=False)
        try:
            notepad.wait(timeout=10)
        except subprocess.TimeoutExpired:
            notepad.kill()
            notepad.wait()


scenario(body)
