"""Sound with Ctrl+D like a player: the five events listed and switched on; "Play" with no
line selected says so; "take" switched off with the keyboard and OK; the dialog shows it
switched off when opened again, Cancel; the settings file written at the end has
take_ENABLE = 0 and the other events on."""

from zendrak_e2e import Dialog, answer, check, log, probe, scenario, wait_for

SOUND_LIST, PLAY = 1010, 4
EVENTS = ("drop", "take", "rotate", "level is completed", "error")


def checks(dialog):
    return probe("list-view-checks", dialog.hwnd, SOUND_LIST).split("\n")


def body(new_game):
    game = new_game()
    game.start()

    log("Ctrl+D: every event switched on; Play without a line")
    game.key("ctrl+d")
    dialog = Dialog(game, "Sound")
    check(checks(dialog) == ["1"] * 5, "check boxes on opening: %r" % checks(dialog))
    dialog.click(PLAY)
    answer(game, "Please select a line in list box.")

    log("switch off \"take\": click into the list, Home, Down, Space; OK")
    left, top, right, bottom = dialog.control(SOUND_LIST)["rect"]
    game.click(left + 60, bottom - 12)          # below the five lines
    game.key("Home", "Down", "space")
    wait_for("the check boxes", lambda: checks(dialog), lambda c: c == ["1", "0", "1", "1", "1"])
    dialog.click(1)
    dialog.wait_gone()

    log("Ctrl+D again: \"take\" is off; Cancel")
    game.key("ctrl+d")
    dialog = Dialog(game, "Sound")
    check(checks(dialog) == ["1", "0", "1", "1", "1"], "check boxes: %r" % checks(dialog))
    dialog.click(2)
    dialog.wait_gone()

    game.close()
    with open(game.ini_path, "rb") as f:
        lines = f.read().decode("latin-1").split("\r\n")
    for name in EVENTS:
        for want in ("%s_ENABLE = %d" % (name, 0 if name == "take" else 1),
                     "%s_FILE = .\\Sound\\%s.wav" % (name, name)):
            check(want in lines, "Zendrak.ini has no line %r" % want)


scenario(body)
