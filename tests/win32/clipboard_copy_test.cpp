// "Copy to clipboard as image" and "as small image" from the real main window.
#include <thread>
#include <vector>

#include "game_window.h"
#include "render/gdi_handles_gdi.h"
#include "resource.h"

namespace {

constexpr COLORREF kBack = 0x123456;
constexpr COLORREF kRed = 0x0000FF;   // figure squares of the substitute skin
constexpr COLORREF kOpen = 0xF0F0F0;  // its open cell

// The bitmap on the clipboard, read back as the program that pastes it sees it.
struct ClipboardPicture {
    SIZE size{0, 0};
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const {
        const RGBQUAD q = reinterpret_cast<const RGBQUAD*>(pixels.data())[y * size.cx + x];
        return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
    }
};

ClipboardPicture ReadClipboardPicture() {
    ClipboardPicture picture;
    if (!OpenClipboard(nullptr)) return picture;
    HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    picture.size = BitmapSize(bitmap);
    if (picture.size.cx > 0) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), picture.size.cx, -picture.size.cy, 1, 32,
                          BI_RGB, 0, 0, 0, 0, 0};
        picture.pixels.resize(static_cast<size_t>(picture.size.cx * picture.size.cy));
        WindowDc screen(nullptr);
        GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(picture.size.cy),
                  picture.pixels.data(), &info, DIB_RGB_COLORS);
    }
    CloseClipboard();
    return picture;
}

// A 10 x 6 field at squares of 40 on a solid background, the I lying across cells 2..6 of
// row 1 and cell (9, 5) blocked.
class ClipboardCopy : public GameWindowTest {
protected:
    void SetUp() override {
        GameWindowTest::SetUp();
        WriteFile("Zendrak.ini", "[OPTIONS]\r\nAUTO_SIZE = 0\r\nSIZE_SQUARE = 40\r\n"
                                 "BACKGROUND_TYPE = 1\r\nCOLOR_BACK = 1193046\r\n");
        StartGame();
        DropFigure(1, FigureMatrix{1, 1, 1, 1, 1}, 2, 1);
        ASSERT_EQ(gs().position.inList[1], 0);
        At(gs().position.board, 9, 5) = kCellBlocked;
    }
};

TEST_F(ClipboardCopy, SmallAndLargeImageOfThePosition) {
    Command(IDM_COPY_SMALL_IMAGE);
    ClipboardPicture small = ReadClipboardPicture();
    ASSERT_EQ(small.size.cx, 80);
    ASSERT_EQ(small.size.cy, 48);
    EXPECT_EQ(small.At(2 * 8 + 4, 8 + 4), kRed);
    EXPECT_EQ(small.At(6 * 8 + 4, 8 + 4), kRed);
    EXPECT_EQ(small.At(7 * 8 + 4, 8 + 4), kOpen);
    EXPECT_EQ(small.At(9 * 8 + 4, 5 * 8 + 4), kBack); // blocked: the window's background

    Command(IDM_COPY_IMAGE);
    ClipboardPicture large = ReadClipboardPicture();
    ASSERT_EQ(large.size.cx, 400);
    ASSERT_EQ(large.size.cy, 240);
    EXPECT_EQ(large.At(6 * 40 + 20, 40 + 20), kRed);
    EXPECT_EQ(large.At(20, 20), kOpen);
    EXPECT_EQ(large.At(9 * 40 + 20, 5 * 40 + 20), kBack);
}

// While another program holds the clipboard open the copy is skipped; afterwards it works.
TEST_F(ClipboardCopy, SkippedWhileTheClipboardIsHeld) {
    const DWORD before = GetClipboardSequenceNumber();
    HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    bool held = false;
    std::thread other([&] {
        held = OpenClipboard(nullptr) != FALSE;
        SetEvent(opened);
        WaitForSingleObject(release, 10000);
        if (held) CloseClipboard();
    });
    WaitForSingleObject(opened, 10000);
    Command(IDM_COPY_IMAGE);
    SetEvent(release);
    other.join();
    CloseHandle(opened);
    CloseHandle(release);
    ASSERT_TRUE(held);
    EXPECT_TRUE(IsWindow(app().hwndMain));
    EXPECT_EQ(GetClipboardSequenceNumber(), before) << "the clipboard changed";

    Command(IDM_COPY_SMALL_IMAGE);
    EXPECT_EQ(ReadClipboardPicture().size.cx, 80);
}

} // namespace
