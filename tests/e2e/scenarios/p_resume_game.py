"""Nothing a player did is lost. Started from another current directory, the game still finds
its library (the status bar names the tutorial with its count). Three figures laid, a pause,
the window closed: Resume.zpz is written, and the next start shows the same three figures
with the clock going on from where it stood; three undos empty the field. Then one more figure
and the end of the Windows session (the question, the notice, the process ended without its
window being destroyed): the settings file and Resume.zpz are written all the same."""

import os, re, time

from zendrak_e2e import ask, check, log, place, scenario, tiling, wait_for


def clock(game):
    m = re.fullmatch(r"Time (\d+):(\d\d)", game.status()[2])
    check(m, "the status bar shows no clock: %r" % game.status())
    return int(m[1]) * 60 + int(m[2])


def cells_of(placed):
    return frozenset(c for _, o, t in placed for c in o.at(*t))


def body(game):
    resume = os.path.join(game.dir, "Resume.zpz")
    game.start(cwd=os.path.dirname(game.dir))
    wait_for("the library found from another folder", lambda: game.status()[:2],
             lambda p: p == ["Tutorial: move a figure", "2,339 solutions \xb7 Easy"])

    log("lay three figures, play on for two seconds, close the window")
    laid = list(tiling())[:3]
    for figure, orientation, target in laid:
        place(game, figure, orientation, target, "figure %d" % figure)
    game.expect_board(cells_of(laid), "three figures laid")
    time.sleep(2.2)     # the clock must have counted at least two seconds
    played = clock(game)
    check(played >= 2, "the clock stands at %d s" % played)
    game.close()

    log("started again: the same figures, the clock going on, three undos empty the field")
    game.start()
    game.expect_board(cells_of(laid), "after the restart")
    check(game.status()[0] == "Tutorial: move a figure", "the status bar says %r" % game.status())
    check(clock(game) >= played, "the clock started again at %d s, not %d" % (clock(game), played))
    for undone in range(1, 4):
        game.key("ctrl+u")
        game.expect_board(cells_of(laid[:3 - undone]), "after %d undos" % undone)

    log("one figure, then the Windows session ends")
    game.key("ctrl+r")
    game.expect_board(cells_of(laid[:1]), "after a redo")
    os.remove(game.ini_path)
    os.remove(resume)
    check(ask("end-session", game.hwnd) == "query=1", "the game refused the end of the session")
    game.proc.wait(timeout=10)
    check(os.path.isfile(game.ini_path), "no Zendrak.ini after the end of the session")
    with open(resume, "rb") as f:
        check(b"\r\n[RESUME]\r\n" in f.read(), "Resume.zpz holds no game to resume")


scenario(body)
