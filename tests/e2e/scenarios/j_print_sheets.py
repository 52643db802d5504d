"""Print to a printer that writes PDF files: the print dialog offers neither a selection nor
page numbers; "Figures..." prints three pages of five strips, each figure beside its mirror
image; "Print.." prints the position as one band at the top of a page; "Empty field..."
prints the field with the laid figure; a cancelled dialog prints nothing; without any
printer the command only shows the system's notice."""

import os

from zendrak_e2e import BASE, ORIENTATIONS, Dialog, check, log, place, probe, scenario
from print_e2e import PRINTER, PdfPrinter, Page, menu_command, pdf_info

ALL, SELECTION, PAGES = 1056, 1057, 1058      # the print range of the print dialog
FIGURES = ["Up", "Up", "Right"]              # Game > Print > Figures...
EMPTY_FIELD = ["Up", "Up", "Right", "Down"]  # Game > Print > Empty field...
POSITION = ["Up"]                            # Position > Print..
I_CELLS = frozenset((0, r) for r in range(5))


def strip(figure):
    """A strip's 10 x 5 cells: the figure's base shape and its mirror image."""
    return tuple("".join(" #"[ch == "#"] for ch in row + row[::-1]) for row in BASE[figure])


def sheet_page(first):
    """25 rows of cells: the strips of figures first.., five at most, then blank."""
    rows = []
    for figure in range(first, min(first + 5, 13)):
        rows += strip(figure)
    return tuple(rows + [" " * 10] * (25 - len(rows)))


def field_picture(rows_below=0):
    rows = tuple("".join("#" if (c, r) in I_CELLS else "." for c in range(10)) for r in range(6))
    return rows + (" " * 10,) * rows_below


def print_with_dialog(game, menu, keys, what):
    menu_command(game, menu, keys)
    dialog = Dialog(game, "Print")
    check(dialog.enabled(ALL), "%s: the print range All is disabled" % what)
    check(not dialog.enabled(SELECTION), "%s: the print dialog offers a selection" % what)
    check(not dialog.enabled(PAGES), "%s: the print dialog offers page numbers" % what)
    return dialog


def print_sheet(game, printer, menu, keys, what):
    dialog = print_with_dialog(game, menu, keys, what)
    dialog.click(1)
    dialog.wait_gone(what + ": the print dialog")
    game.sync()
    path = printer.take(what)
    info = pdf_info(path)
    title = info.get("Title")
    check(title == "Zendrak", "%s: the document is named %r" % (what, title))
    check(info.get("Page size", "").startswith("240 x 660"),
          "%s: pages of %s" % (what, info.get("Page size")))
    log("%s: %s pages" % (what, info.get("Pages")))
    return path, int(info["Pages"])


def expect_cells(page, want, what, top=0):
    seen = page.cells(10, len(want), top=top)
    check(seen == want, "%s:\n      seen %s\n      want %s" % (what, seen, want))


def body(new_game):
    game = new_game()
    printer = PdfPrinter(os.path.dirname(game.dir))
    try:
        game.start()
        log("lay I upright in column 0")
        place(game, 1, ORIENTATIONS[1][0], (0, 2), "I")
        game.expect_board(I_CELLS, "after laying I")

        log("Game > Print > Figures...")
        path, pages = print_sheet(game, printer, "g", FIGURES, "figure sheet")
        check(pages == 3, "the figure sheet has %d pages, expected 3" % pages)
        for number in (1, 2, 3):
            expect_cells(Page(path, number, 30), sheet_page(5 * number - 4),
                         "figure sheet page %d" % number)

        log("Position > Print..")
        path, pages = print_sheet(game, printer, "p", POSITION, "position")
        check(pages == 1, "the position has %d pages" % pages)
        expect_cells(Page(path, 1, 30), field_picture(rows_below=2), "position")

        log("Game > Print > Empty field...")
        path, pages = print_sheet(game, printer, "g", EMPTY_FIELD, "empty field")
        check(pages == 1, "the empty field has %d pages" % pages)
        expect_cells(Page(path, 1, 30), field_picture(rows_below=2), "empty field")

        log("cancel the print dialog")
        dialog = print_with_dialog(game, "g", FIGURES, "cancelled")
        dialog.click(2)
        dialog.wait_gone("the cancelled print dialog")
        game.sync()
        check(printer.nothing_printed(), "the cancelled dialog printed")
    finally:
        probe("remove-printer", PRINTER, check_rc=False)

    log("without a printer: the system's notice, then nothing")
    menu_command(game, "p", POSITION)
    notice = Dialog(game, "Print")
    check("install a printer" in notice.text(), "no notice of a missing printer")
    notice.click(1)
    notice.wait_gone("the notice")
    game.sync()
    check(printer.nothing_printed() and game.running(), "printed without a printer")
    game.expect_board(I_CELLS, "after printing")


scenario(body)
