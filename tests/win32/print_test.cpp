// The three print sheets page by page on a device that keeps every page; the print commands'
// dialog, and the picture of the position the copy commands put on the clipboard.
#include <tuple>

#include "fixtures.h"
#include "render/print_gdi.h"

namespace {

constexpr COLORREF kPaper = 0x00FFFF; // a page's pixels where nothing was printed
constexpr COLORREF kWhite = 0xFFFFFF;

// Up to three pages one below the other on one canvas, logging every call. Page n can be made
// to fail, and so does a fourth page: a job that never ends fails the test.
class RecordingPages : public PageDevice {
  public:
    RecordingPages(int width, int height)
        : size_{width, height}, sheets_(width, 3 * height, kPaper) {}
    HDC Dc() override { return sheets_.dc(); }
    SIZE PageSize() override { return size_; }
    bool StartDocument(const char* name) override {
        log += std::string("doc ") + name + ";";
        return true;
    }
    bool StartNextPage() override {
        const bool fails = ++started_ == failPage || started_ > 3;
        log += fails ? "page failed;" : "page;";
        SetViewportOrgEx(sheets_.dc(), 0, (started_ - 1) * size_.cy, nullptr);
        return !fails;
    }
    void EndCurrentPage() override { log += "end;"; }
    void EndDocument() override { log += "end doc"; }
    // The colour at the centre of cell (c, r) of page p at u pixels a cell, within 2.
    void Expect(int p, int u, const std::vector<std::tuple<int, int, COLORREF>>& cells) {
        SetViewportOrgEx(sheets_.dc(), 0, 0, nullptr);
        for (const auto& [c, r, colour] : cells)
            ExpectPixels(sheets_.dc(), {{{c * u + u / 2, p * size_.cy + r * u + u / 2}, colour}}, 2,
                         "page " + std::to_string(p));
    }

    std::string log;
    int failPage = 0;

  private:
    SIZE size_;
    TestCanvas sheets_;
    int started_ = 0;
};

class PrintSheet : public RenderTest {
  protected:
    void Print(PrintSheetKind kind, RecordingPages& pages) {
        PrintPages(surfaces, gs, WindowDc(hwnd).get(), kind, pages, "Zendrak");
    }
};

// Figures: 11 strips of 10 x 5 units a page of 400 x 2200 (u = 40), each figure beside its mirror
// image from column 5. Position: 25 x 25 the whole page, beyond the screen-sized back buffer.
// Empty field: 12 x 5 over pages of 10 columns; a blocked cell white, or the pattern.
TEST_F(PrintSheet, PagesOfEachSheet) {
    gs.hand.matrices[4] = FigureMatrix{4, 4, 4, 0, 0, 4, 0, 0, 0, 0, 4}; // V turned
    RecordingPages figures(400, 2200);
    Print(PrintSheetKind::Figures, figures);
    EXPECT_EQ(figures.log, "doc Zendrak;page;end;page;end;end doc");
    const COLORREF v = TestTileColour(4), x = TestTileColour(11);
    // V in strip 3 (rows 15..19), X centred in strip 10; 12 alone on page 2.
    figures.Expect(0, 40, {{0, 17, v}, {1, 16, kWhite}, {9, 17, v}, {8, 16, kWhite}, {2, 52, x}});
    figures.Expect(1, 40, {{2, 2, TestTileColour(12)}, {2, 7, kPaper}});

    gs.position.fieldWidth = gs.position.fieldHeight = 25;
    ::At(gs.position.board, 24, 23) = kCellBlocked;
    RecordingPages position(1000, 1000);
    Print(PrintSheetKind::Position, position);
    EXPECT_EQ(position.log, "doc Zendrak;page;end;end doc");
    position.Expect(0, 40, {{24, 24, TestTileColour(0)}, {24, 23, kWhite}});

    gs.position.fieldWidth = 12;
    gs.position.fieldHeight = 5;
    gs.position.placed[0] = {10, 0, FigureMatrix{1}};
    ::At(gs.position.board, 11, 4) = kCellBlocked;
    RecordingPages empty(400, 560);
    Print(PrintSheetKind::EmptyField, empty);
    EXPECT_EQ(empty.log, "doc Zendrak;page;end;page;end;end doc");
    empty.Expect(0, 40, {{9, 4, TestTileColour(0)}});
    empty.Expect(1, 40, {{0, 0, TestTileColour(1)}, {1, 4, kWhite}, {2, 0, kPaper}});
    UsePattern("flat.bmp", 64, 64, [](int, int) { return RGB(32, 64, 160); });
    RecordingPages pattern(400, 560);
    Print(PrintSheetKind::EmptyField, pattern);
    pattern.Expect(1, 40, {{1, 4, RGB(32, 64, 160)}});
    RecordingPages failing(400, 2200);
    failing.failPage = 2; // a page that does not start ends the job
    Print(PrintSheetKind::Figures, failing);
    EXPECT_EQ(failing.log, "doc Zendrak;page;end;page failed;end doc");
}

using PrintCommand = GameTest;

// Each print command opens the print dialog owned by the main window. The I across cells 2..6 of
// row 1 and cell (9, 5) blocked, in the substitute skin, copied small and large to the clipboard.
TEST_F(PrintCommand, PrintDialogsAndClipboardImages) {
    StartGame(
        "AUTO_SIZE = 0\r\nSIZE_SQUARE = 40\r\nBACKGROUND_TYPE = 1\r\nCOLOR_BACK = 1193046\r\n");
    for (int id : {IDM_PRINT_POSITION, IDM_PRINT_FIGURES, IDM_PRINT_EMPTY_FIELD}) {
        bool owned = false;
        Run(id, "Print", [&](DialogDriver& d, HWND dialog) {
            for (HWND o = GetWindow(dialog, GW_OWNER); o != nullptr; o = GetWindow(o, GW_OWNER))
                owned = owned || o == app().hwndMain;
            d.Press(dialog, IDCANCEL);
        });
        EXPECT_TRUE(owned) << "command " << id;
    }
    DropFigure(1, FigureMatrix{1, 1, 1, 1, 1}, 2, 1);
    At(gs().position.board, 9, 5) = kCellBlocked;
    for (const auto& [command, s] : {std::pair{IDM_COPY_SMALL_IMAGE, 8}, {IDM_COPY_IMAGE, 40}}) {
        Command(command);
        ASSERT_TRUE(OpenClipboard(nullptr));
        HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
        MemoryDc copy(nullptr);
        ScopedSelect select(copy.get(), bitmap);
        const SIZE size = BitmapSize(bitmap);
        EXPECT_EQ(std::pair(size.cx, size.cy), (std::pair<LONG, LONG>(10 * s, 6 * s)));
        const auto centre = [s = s](int c, int r) { return POINT{c * s + s / 2, r * s + s / 2}; };
        ExpectPixels(copy.get(),
                     {{centre(6, 1), 0x0000FF}, {centre(7, 1), 0xF0F0F0}, {centre(9, 5), 0x123456}},
                     0, std::to_string(s));
        CloseClipboard();
    }
}

} // namespace
