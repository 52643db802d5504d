"""Alt+? opens the About box, whose first line reads "Zendrak version 1.4"; Help > Tutorial
starts the help viewer with "-mapid 1 Zendrak.chm" and, when the distribution holds the help
file, the viewer's window (titled from the file) opens at the tutorial's page."""

import os
import re
import subprocess

from zendrak_e2e import ROOT, WINE, Dialog, check, log, probe, run, scenario, wait_for
from print_e2e import menu_command

ABOUT_LINES = (1019, 1020, 1021)
TUTORIAL = ["Down"]                    # Help > Tutorial (after "User manual")
VIEWER = re.compile(r'(?:^|[\\/"\s])hh(?:\.exe)?"?\s+(.*)$', re.I)
HELP_SOURCE = os.path.join(ROOT, "data", "help", "Zendrak.hhp")


def launch_with_help_log(game, path):
    """Starts the game with Wine's trace of the help viewer (inherited by hh.exe) in `path`."""
    def launch():
        env = dict(os.environ, WINEDEBUG="-all,+htmlhelp")
        with open(path, "wb") as f:
            return subprocess.Popen([WINE, os.path.join(game.dir, "Zendrak.exe")], cwd=game.dir,
                                    stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                    stderr=f, env=env)
    game.launch = launch


def viewer_parameters():
    """The parameter lines of the running help viewers, as the process list shows them."""
    found = []
    for line in run(["ps", "-eo", "args="])[1].splitlines():
        m = VIEWER.search(line.strip())
        if m:
            found.append(m.group(1).strip())
    return found


def help_project():
    """The help file's title and the page mapped to topic 1, from its project file."""
    with open(HELP_SOURCE, encoding="latin-1") as f:
        text = f.read()
    title = re.search(r"^Title=(.*)$", text, re.M).group(1).strip()
    alias = re.search(r"^#define\s+(\w+)\s+1\s*$", text, re.M).group(1)
    page = re.search(r"^%s=(.*)$" % alias, text, re.M).group(1).strip()
    return title, page


def body(new_game):
    game = new_game()
    log_path = os.path.join(os.path.dirname(game.dir), "help-trace.log")
    launch_with_help_log(game, log_path)
    game.start()
    game.click(*game.spot)

    log("Alt+? opens About")
    game.key("alt+question")
    about = Dialog(game, "About")
    lines = [about.text(i) for i in ABOUT_LINES]
    check(lines[0] == "Zendrak version 1.4", "the About box's first line is %r" % lines[0])
    check(all(lines[1:]), "an empty About line: %r" % lines)
    about.click(1)
    about.wait_gone("About")

    log("Help > Tutorial")
    menu_command(game, "h", TUTORIAL)
    wait_for("the help viewer's parameters", viewer_parameters,
             lambda seen: "-mapid 1 Zendrak.chm" in seen, timeout=20)
    if not os.path.exists(os.path.join(game.dir, "Zendrak.chm")):
        log("no Zendrak.chm in the distribution: only the viewer's parameters were checked")
        return
    title, page = help_project()
    rc, hwnd, _ = probe("wait-window", "HH Parent:" + title, 20000, check_rc=False)
    check(rc == 0, "no help window %r" % title)
    wait_for("the tutorial's page in the viewer's trace",
             lambda: open(log_path, "rb").read().decode("latin-1"),
             lambda trace: 'FindContextAlias returning "/%s"' % page in trace, timeout=10)
    probe("close", hwnd)
    check(probe("wait-gone", hwnd, 10000, check_rc=False)[0] == 0, "the help window stays")


scenario(body)
