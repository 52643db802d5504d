// The three print sheets page by page, on a stand-in device that keeps every page.
#include <memory>
#include <string>
#include <vector>

#include "render/print_gdi.h"
#include "test_window.h"

namespace {

constexpr COLORREF kPaper = 0x00FFFF; // a page's pixels where nothing was printed
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr int kTolerance = 2;         // halftone stretching of flat tiles

// Pages of a given size; logs every call and keeps a copy of each ended page. The document
// or the n-th page (from 1) can be made to fail.
class RecordingPages : public PageDevice {
public:
    RecordingPages(int width, int height) : sheet_(width, height, kPaper), size_{width, height} {}
    HDC Dc() override { return sheet_.dc(); }
    SIZE PageSize() override { return size_; }
    bool StartDocument(const char* name) override {
        log += std::string("doc ") + name + (failDocument ? " failed;" : ";");
        return !failDocument;
    }
    bool StartNextPage() override {
        if (++started_ == failPage) {
            log += "page failed;";
            return false;
        }
        log += "page;";
        const RECT all{0, 0, size_.cx, size_.cy};
        HBRUSH paper = CreateSolidBrush(kPaper);
        FillRect(sheet_.dc(), &all, paper);
        DeleteObject(paper);
        return true;
    }
    void EndCurrentPage() override {
        log += "end;";
        pages.push_back(std::make_unique<TestCanvas>(size_.cx, size_.cy, 0));
        BitBlt(pages.back()->dc(), 0, 0, size_.cx, size_.cy, sheet_.dc(), 0, 0, SRCCOPY);
    }
    void EndDocument() override { log += "end doc"; }

    ::testing::AssertionResult At(size_t page, int x, int y, COLORREF colour) {
        if (page >= pages.size()) return ::testing::AssertionFailure() << "no page " << page;
        return PixelNear(pages[page]->dc(), x, y, colour, kTolerance);
    }

    std::string log;
    std::vector<std::unique_ptr<TestCanvas>> pages;
    bool failDocument = false;
    int failPage = 0;

private:
    TestCanvas sheet_;
    SIZE size_;
    int started_ = 0;
};

class PrintSheet : public RenderTest {
protected:
    void Print(PrintSheetKind kind, RecordingPages& pages) {
        HDC window = GetDC(hwnd);
        PrintPages(surfaces, gs, window, kind, pages, "Zendrak");
        ReleaseDC(hwnd, window);
    }
    // The centre of cell (c, r) of a page at `unit` pixels per cell.
    static POINT Centre(int c, int r, int unit) {
        return {c * unit + unit / 2, r * unit + unit / 2};
    }
    ::testing::AssertionResult Cell(RecordingPages& pages, size_t page, int c, int r, int unit,
                                    COLORREF colour) {
        const POINT p = Centre(c, r, unit);
        return pages.At(page, p.x, p.y, colour);
    }
};

// Five strips of 10 x 5 units fit a page of 400 x 1000 (u = 40): 5 + 5 + 2 figures.
TEST_F(PrintSheet, FigureStripsWithMirrorImagesThreePages) {
    gs.hand.matrices[4] = FigureMatrix{4, 4, 4, 0, 0, 4, 0, 0, 0, 0, 4}; // V turned, as laid
    gs.position.placed[0] = {0, 0, gs.hand.matrices[4]};
    RecordingPages pages(400, 1000);
    Print(PrintSheetKind::Figures, pages);
    EXPECT_EQ(pages.log, "doc Zendrak;page;end;page;end;page;end;end doc");
    ASSERT_EQ(pages.pages.size(), 3u);
    const int u = 40;
    // Figure 1, I, is column 2 of its matrix, and so is its mirror image at x 200.
    EXPECT_TRUE(Cell(pages, 0, 2, 4, u, TestTileColour(1)));
    EXPECT_TRUE(Cell(pages, 0, 7, 0, u, TestTileColour(1)));
    EXPECT_TRUE(Cell(pages, 0, 1, 0, u, kWhite)); // empty matrix cells on white
    // Figure 2, L, in the second strip: its foot at column 3, mirrored to column 1.
    EXPECT_TRUE(Cell(pages, 0, 3, 5 + 4, u, TestTileColour(2)));
    EXPECT_TRUE(Cell(pages, 0, 5 + 1, 5 + 4, u, TestTileColour(2)));
    EXPECT_TRUE(Cell(pages, 0, 5 + 3, 5 + 4, u, kWhite));
    // Figure 4 in the orientation it was laid in, its corner top left; mirrored top right.
    EXPECT_TRUE(Cell(pages, 0, 0, 15 + 2, u, TestTileColour(4)));
    EXPECT_TRUE(Cell(pages, 0, 1, 15 + 1, u, kWhite));
    EXPECT_TRUE(Cell(pages, 0, 5 + 4, 15 + 2, u, TestTileColour(4)));
    EXPECT_TRUE(Cell(pages, 0, 5 + 0, 15 + 2, u, kWhite));
    // Page 2 opens with figure 6, page 3 holds 11 (X) and 12 and nothing below them.
    EXPECT_TRUE(Cell(pages, 1, 2, 1, u, TestTileColour(6)));
    EXPECT_TRUE(Cell(pages, 2, 2, 2, u, TestTileColour(11)));
    EXPECT_TRUE(Cell(pages, 2, 2, 5 + 2, u, TestTileColour(12)));
    EXPECT_TRUE(Cell(pages, 2, 2, 10 + 2, u, kPaper));

    RecordingPages six(400, 1200);
    Print(PrintSheetKind::Figures, six);
    EXPECT_EQ(six.pages.size(), 2u);
}

// A 12 x 5 field with u = 40, 10 columns and 14 rows a page: columns 0-9, then 10 and 11.
TEST_F(PrintSheet, EmptyFieldTiledOverPages) {
    gs.position.fieldWidth = 12;
    gs.position.fieldHeight = 5;
    gs.position.placed[0] = {10, 0, FigureMatrix{1}};
    ::At(gs.position.board, 11, 4) = kCellBlocked;
    RecordingPages pages(400, 560);
    Print(PrintSheetKind::EmptyField, pages);
    EXPECT_EQ(pages.log, "doc Zendrak;page;end;page;end;end doc");
    ASSERT_EQ(pages.pages.size(), 2u);
    const int u = 40;
    EXPECT_TRUE(Cell(pages, 0, 0, 0, u, TestTileColour(0)));
    EXPECT_TRUE(Cell(pages, 0, 9, 4, u, TestTileColour(0)));
    EXPECT_TRUE(Cell(pages, 0, 0, 5, u, kPaper));
    EXPECT_TRUE(Cell(pages, 1, 0, 0, u, TestTileColour(1))); // the placed figure is printed
    EXPECT_TRUE(Cell(pages, 1, 1, 0, u, TestTileColour(0)));
    EXPECT_TRUE(Cell(pages, 1, 1, 4, u, kWhite)); // blocked: the solid background turns white
    EXPECT_TRUE(Cell(pages, 1, 2, 0, u, kPaper));

    // A pattern background shows through blocked cells.
    WriteBackground("flat.bmp", 64, 64, [](int, int) { return RGB(32, 64, 160); });
    gs.settings.view.backgroundName = "flat.bmp";
    gs.settings.view.backgroundType = BackgroundType::PatternImage;
    BuildBackground(surfaces, gs, hwnd);
    RecordingPages pattern(400, 560);
    Print(PrintSheetKind::EmptyField, pattern);
    EXPECT_TRUE(Cell(pattern, 1, 1, 4, u, RGB(32, 64, 160)));
}

TEST_F(PrintSheet, PositionAsLargeAsThePageAllows) {
    // A 20 x 3 field on a portrait page: k = 400 / 20, a band at the top.
    gs.position.fieldWidth = 20;
    gs.position.fieldHeight = 3;
    gs.position.placed[0] = {17, -1, FigureMatrix{0, 0, 0, 0, 0, 3, 3, 3}};
    RecordingPages band(400, 600);
    Print(PrintSheetKind::Position, band);
    EXPECT_EQ(band.log, "doc Zendrak;page;end;end doc");
    EXPECT_TRUE(Cell(band, 0, 19, 0, 20, TestTileColour(3)));
    EXPECT_TRUE(Cell(band, 0, 19, 2, 20, TestTileColour(0)));
    EXPECT_TRUE(Cell(band, 0, 0, 3, 20, kPaper));

    // 25 x 25 fills the whole picture, also beyond the screen-sized back buffer.
    gs.position.fieldWidth = gs.position.fieldHeight = 25;
    ::At(gs.position.board, 24, 23) = kCellBlocked;
    RecordingPages full(1000, 1000);
    Print(PrintSheetKind::Position, full);
    EXPECT_TRUE(Cell(full, 0, 24, 24, 40, TestTileColour(0)));
    EXPECT_TRUE(Cell(full, 0, 24, 23, 40, kWhite));
}

TEST_F(PrintSheet, FailedDocumentOrPageEndsTheJob) {
    RecordingPages noDocument(400, 1000);
    noDocument.failDocument = true;
    Print(PrintSheetKind::Position, noDocument);
    EXPECT_EQ(noDocument.log, "doc Zendrak failed;");

    RecordingPages secondPage(400, 1000);
    secondPage.failPage = 2;
    Print(PrintSheetKind::Figures, secondPage);
    EXPECT_EQ(secondPage.log, "doc Zendrak;page;end;page failed;end doc");

    gs.position.fieldWidth = 24;
    RecordingPages firstPage(100, 1000); // u = 10: three pages of 10 columns
    firstPage.failPage = 1;
    Print(PrintSheetKind::EmptyField, firstPage);
    EXPECT_EQ(firstPage.log, "doc Zendrak;page failed;end doc");
}

} // namespace
