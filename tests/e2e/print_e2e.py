"""Helpers of the printing, clipboard and help scenarios (j_*): menu commands chosen with
the keyboard, a printer in the Wine prefix that turns what it is sent into PDF files
(Wine's PostScript driver, its LPT1: port piped into ps2pdf of ghostscript), and the pages
of those files read through poppler-utils (pdfinfo, pdftoppm).

The printer's paper is 240 x 660 points, printable to the edges, at 300 dpi: a page of
1000 x 2750 printer pixels. Its page unit is min(1000 / 10, 2750 / 5) = 100 pixels, so five
figure strips (500 pixels each) fit a page and the figure sheet takes three pages.
"""

import os
import shutil

from zendrak_e2e import Shot, check, probe, read_ppm, run, wait_for

PRINTER = "Zendrak PDF"
PAPER_POINTS = (240, 660)
PAGE_UNIT_INCHES = 1 / 3           # 100 printer pixels at 300 dpi

PPD = """*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "ZENDRAK.PPD"
*Manufacturer: "Zendrak"
*Product: "(Zendrak test printer)"
*ModelName: "Zendrak test printer"
*ShortNickName: "Zendrak test printer"
*NickName: "Zendrak test printer"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*DefaultResolution: 300dpi
*OpenUI *PageSize: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: Tall
*PageSize Tall/Tall: "<</PageSize[240 660]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: Tall
*PageRegion Tall/Tall: "<</PageSize[240 660]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: Tall
*ImageableArea Tall/Tall: "0 0 240 660"
*DefaultPaperDimension: Tall
*PaperDimension Tall/Tall: "240 660"
"""


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def menu_command(game, letter, keys):
    """Opens the menu with Alt+letter (its first item is then highlighted), walks it with
    `keys` (Up, Down, Right) and chooses the item with Return."""
    game.key("alt+" + letter)
    wait_for("menu %s to open" % letter, game.menu_rect, lambda r: r is not None)
    game.key(*(list(keys) + ["Return"]))


class PdfPrinter:
    """The default printer of the prefix, writing each job to `folder`/job.pdf; take()
    moves a finished job to a name of its own."""

    def __init__(self, folder):
        for tool in ("ps2pdf", "pdfinfo", "pdftoppm"):
            check(shutil.which(tool), "%s is missing (packages ghostscript, poppler-utils)" % tool)
        self.folder = folder
        self.job = os.path.join(folder, "job.pdf")
        self.count = 0
        ppd = os.path.join(folder, "zendrak-e2e.ppd")
        with open(ppd, "w") as f:
            f.write(PPD)
        probe("add-printer", PRINTER, windows_path(ppd), "ps2pdf - '%s'" % self.job,
              timeout=60)

    def take(self, what):
        """Waits for the job's PDF to be complete and returns its new path."""
        def complete():
            if not os.path.exists(self.job):
                return False
            return run(["pdfinfo", self.job], check_rc=False)[0] == 0
        wait_for("%s: the printed file %s" % (what, self.job), complete, lambda ok: ok,
                 timeout=30, interval=0.2)
        self.count += 1
        path = os.path.join(self.folder, "print-%d.pdf" % self.count)
        os.replace(self.job, path)
        return path

    def nothing_printed(self):
        return not os.path.exists(self.job)


def pdf_info(path):
    out = run(["pdfinfo", path])[1]
    return dict((k.strip(), v.strip()) for k, v in
                (line.split(":", 1) for line in out.splitlines() if ":" in line))


class Page(Shot):
    """One page of a PDF rendered at `dpi`."""

    def __init__(self, path, page, dpi):
        shot = read_ppm(["pdftoppm", "-f", str(page), "-l", str(page), "-r", str(dpi), path])
        super().__init__(shot.data, shot.width, shot.height)
        self.unit = round(dpi * PAGE_UNIT_INCHES)

    def cells(self, columns, rows, unit=None, top=0):
        """The page's picture at `unit` pixels per cell from its top-left (`top` cells down),
        one character a cell read at its centre: "#" red, "." an open cell, " " white."""
        u = unit or self.unit
        return tuple("".join(self.classify(self.pixel(c * u + u // 2, (top + r) * u + u // 2))
                             for c in range(columns)) for r in range(rows))

    @staticmethod
    def classify(rgb):
        r, g, b = rgb
        if r > 200 and g < 80 and b < 80:
            return "#"
        if min(rgb) > 250:
            return " "
        if all(215 <= v <= 250 for v in rgb):
            return "."
        return "?"
