"""The clock and the status bar: the time counts while the game is played, a win with the
mouse stops it and shows it as the first best time, the bar is hidden and shown from the
Customize menu, and after a restart the best time is still there, in the bar and under the
New game preview. Screenshots of both are left in the work folder."""

import os
import re
import subprocess

from zendrak_e2e import (WORK, answer, ask, check, log, place, scenario, settings, tiling,
                         wait_for, xdotool)

STATUS_BAR = 1022


def status(game):
    return ask("status", game.hwnd, STATUS_BAR).splitlines()


def seconds(text):
    m, s = re.search(r"(\d+):(\d\d)$", text).groups()
    return int(m) * 60 + int(s)


def screenshot(name):
    path = os.path.join(WORK, name)
    subprocess.run(["import", "-window", "root", path], capture_output=True, check=True)
    log("screenshot: " + path)


def toggle_status_bar(game):
    """Customize, then the last item of the menu, Status bar."""
    xdotool("key", "alt+c")
    xdotool("key", "Up", "Return")
    game.sync()


def body(new_game):
    game = new_game()
    game.start()
    parts = wait_for("the clock counting", lambda: status(game),
                     lambda p: len(p) == 4 and p[2] != "Time 0:00", timeout=10)
    check(parts[:2] == ["Tutorial: move a figure", "2,339 solutions \xb7 Easy"] and
          parts[3] == "No best time yet", "the status bar says %r" % parts)

    log("win with the mouse: the clock stops and its time is the first best time")
    for figure, orientation, target in tiling():
        place(game, figure, orientation, target, "figure %d" % figure)
    answer("Congratulations! The game is won.")
    parts = status(game)
    check(parts[2].startswith("Solved in ") and parts[3] == "New best time!",
          "after the win the status bar says %r" % parts)
    won = seconds(parts[2])
    screenshot("status-bar.png")
    wait_for("the clock stopped", lambda: status(game)[2], lambda p: p == parts[2], timeout=2)

    log("the Customize menu hides the bar; the field moves to the middle of the whole window")
    top_shown = game.list_state()["y"]
    toggle_status_bar(game)
    check(status(game) == ["hidden"], "the bar is still shown")
    top_hidden = game.list_state()["y"]
    check(0 < top_hidden - top_shown < 20, "the figure list moved from y=%d to y=%d"
          % (top_shown, top_hidden))
    game.alt_f4()
    with open(game.ini_path, "rb") as f:
        ini = f.read().decode("latin-1")
    check("STATUS_BAR = 0\r\n" in ini, "STATUS_BAR = 0 is not written")
    check(ini.endswith("[BEST_TIMES]\r\nGROUP_0 = Tutorial\r\nPUZZLE_0 = move a figure\r\n"
                       "SECONDS_0 = %d\r\n" % won), "the best time is not written: " + ini)

    log("after a restart: the bar hidden, shown again from the menu with the best time")
    again = new_game(ini)
    again.start()
    check(status(again) == ["hidden"], "the bar is shown although the settings hide it")
    toggle_status_bar(again)
    best = "Best %d:%02d" % divmod(won, 60)
    wait_for("the best time in the bar", lambda: status(again),
             lambda p: len(p) == 4 and p[3] == best)
    xdotool("key", "ctrl+n")
    ask("wait-window", "#32770:New game", 10000)
    screenshot("new-game-preview.png")
    xdotool("key", "Escape")
    again.alt_f4()


scenario(body)
