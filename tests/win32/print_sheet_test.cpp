// The three print sheets page by page, on a stand-in device that keeps every page.
#include <tuple>
#include <vector>

#include "render/print_gdi.h"
#include "test_window.h"

namespace {

constexpr COLORREF kPaper = 0x00FFFF; // a page's pixels where nothing was printed
constexpr COLORREF kWhite = 0xFFFFFF;

// Up to three pages of a given size, one below the other on one canvas, that log every call.
// The document or the n-th page can be made to fail, and so does a fourth page: a job that
// never ends fails the test instead of hanging it.
class RecordingPages : public PageDevice {
  public:
    RecordingPages(int width, int height)
        : size_{width, height}, sheets_(width, 3 * height, kPaper) {}
    HDC Dc() override { return sheets_.dc(); }
    SIZE PageSize() override { return size_; }
    bool StartDocument(const char* name) override {
        log += std::string("doc ") + name + (failDocument ? " failed;" : ";");
        return !failDocument;
    }
    bool StartNextPage() override {
        const bool fails = ++started_ == failPage || started_ > 3;
        log += fails ? "page failed;" : "page;";
        SetViewportOrgEx(sheets_.dc(), 0, (started_ - 1) * size_.cy, nullptr);
        return !fails;
    }
    void EndCurrentPage() override { log += "end;"; }
    void EndDocument() override { log += "end doc"; }
    // Expects the colour at the centre of each cell (c, r) of page p at u pixels a cell
    // (halftone stretching of flat tiles may differ by 2).
    void Expect(int p, int u, const std::vector<std::tuple<int, int, COLORREF>>& cells) {
        SetViewportOrgEx(sheets_.dc(), 0, 0, nullptr);
        for (const auto& [c, r, colour] : cells)
            ExpectPixels(sheets_.dc(), {{{c * u + u / 2, p * size_.cy + r * u + u / 2}, colour}}, 2,
                         "page " + std::to_string(p));
    }

    std::string log;
    bool failDocument = false;
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

// Eleven strips of 10 x 5 units fit a page of 400 x 2200 (u = 40), so the twelfth figure
// goes alone on page 2. Each figure is printed as it lies in the hand, beside its mirror
// image from column 5, its empty cells white.
TEST_F(PrintSheet, FigureStripsWithMirrorImages) {
    gs.hand.matrices[4] = FigureMatrix{4, 4, 4, 0, 0, 4, 0, 0, 0, 0, 4}; // V turned
    RecordingPages pages(400, 2200);
    Print(PrintSheetKind::Figures, pages);
    EXPECT_EQ(pages.log, "doc Zendrak;page;end;page;end;end doc");
    const COLORREF v = TestTileColour(4), x = TestTileColour(11);
    // V in strip 3 (rows 15..19), X centred in strip 10; 12 alone on page 2.
    pages.Expect(0, 40, {{0, 17, v}, {1, 16, kWhite}, {9, 17, v}, {8, 16, kWhite}, {2, 52, x}});
    pages.Expect(1, 40, {{2, 2, TestTileColour(12)}, {2, 7, kPaper}});
}

// "Print..": the field as large as the page allows from its top-left corner: 20 x 3 a band at
// the top of a portrait page, 25 x 25 the whole picture, white where the screen-sized back
// buffer ends and where a cell is blocked.
TEST_F(PrintSheet, PositionAsLargeAsThePageAllows) {
    gs.position.fieldWidth = 20;
    gs.position.fieldHeight = 3;
    RecordingPages band(400, 600);
    Print(PrintSheetKind::Position, band);
    EXPECT_EQ(band.log, "doc Zendrak;page;end;end doc");
    band.Expect(0, 20, {{19, 2, TestTileColour(0)}, {0, 3, kPaper}});
    gs.position.fieldWidth = gs.position.fieldHeight = 25;
    ::At(gs.position.board, 24, 23) = kCellBlocked;
    RecordingPages full(1000, 1000);
    Print(PrintSheetKind::Position, full);
    full.Expect(0, 40, {{24, 24, TestTileColour(0)}, {24, 23, kWhite}});
}

// "Empty field...": 12 x 5 at u = 40 over pages of 10 columns, placed figures printed, a
// blocked cell white over a solid background and the pattern over a pattern.
TEST_F(PrintSheet, EmptyFieldTiledOverPages) {
    gs.position.fieldWidth = 12;
    gs.position.fieldHeight = 5;
    gs.position.placed[0] = {10, 0, FigureMatrix{1}};
    ::At(gs.position.board, 11, 4) = kCellBlocked;
    RecordingPages pages(400, 560);
    Print(PrintSheetKind::EmptyField, pages);
    EXPECT_EQ(pages.log, "doc Zendrak;page;end;page;end;end doc");
    pages.Expect(0, 40, {{9, 4, TestTileColour(0)}});
    pages.Expect(1, 40, {{0, 0, TestTileColour(1)}, {1, 4, kWhite}, {2, 0, kPaper}});
    UsePattern("flat.bmp", 64, 64, [](int, int) { return RGB(32, 64, 160); });
    RecordingPages pattern(400, 560);
    Print(PrintSheetKind::EmptyField, pattern);
    pattern.Expect(1, 40, {{1, 4, RGB(32, 64, 160)}});
}

// A document that does not start prints nothing; a page that does not start ends the job.
TEST_F(PrintSheet, FailedDocumentOrPageEndsTheJob) {
    gs.position.fieldWidth = 24; // the empty field on three pages of 10 columns
    const std::tuple<PrintSheetKind, bool, int, std::string> cases[] = {
        {PrintSheetKind::Position, true, 0, "doc Zendrak failed;"},
        {PrintSheetKind::Position, false, 1, "doc Zendrak;page failed;end doc"},
        {PrintSheetKind::Figures, false, 2, "doc Zendrak;page;end;page failed;end doc"},
        {PrintSheetKind::EmptyField, false, 2, "doc Zendrak;page;end;page failed;end doc"},
    };
    for (const auto& [kind, failDocument, failPage, log] : cases) {
        RecordingPages pages(400, 1000);
        pages.failDocument = failDocument;
        pages.failPage = failPage;
        Print(kind, pages);
        EXPECT_EQ(pages.log, log);
    }
}

} // namespace
