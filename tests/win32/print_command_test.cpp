// The print and copy commands of the real main window: the print dialog each print command
// opens, and the picture of the position the copy commands put on the clipboard.
#include <future>
#include <thread>

#include "dialog_driver.h"
#include "resource.h"
#include "test_window.h"

namespace {

using PrintCommand = DialogTest;

// With no printer installed Wine shows its notice, owned by the hidden print dialog.
TEST_F(PrintCommand, EachOpensThePrintDialogOwnedByTheMainWindow) {
    StartPlainGame();
    for (int id : {IDM_PRINT_POSITION, IDM_PRINT_FIGURES, IDM_PRINT_EMPTY_FIELD}) {
        bool owned = false;
        DialogRun run = Run(id, [&](DialogDriver& d) {
            HWND dialog = d.Wait("Print");
            for (HWND o = GetWindow(dialog, GW_OWNER); o != nullptr; o = GetWindow(o, GW_OWNER))
                owned = owned || o == app().hwndMain;
            d.Press(dialog, IDCANCEL);
        });
        EXPECT_TRUE(run.failures.empty()) << "command " << id << ": " << run.failures[0];
        EXPECT_TRUE(owned) << "command " << id;
    }
}

// A 10 x 6 field at squares of 40 on a solid background, the I across cells 2..6 of row 1,
// cell (9, 5) blocked, and no skin file: the substitute's red figures and light grey open
// cells. Each copy is pasted onto a canvas and probed at the centres of cells.
class ClipboardCopy : public GameWindowTest {};

TEST_F(ClipboardCopy, SmallAndLargeImageOfThePosition) {
    WriteFile("Zendrak.ini", "[OPTIONS]\r\nAUTO_SIZE = 0\r\nSIZE_SQUARE = 40\r\n"
                             "BACKGROUND_TYPE = 1\r\nCOLOR_BACK = 1193046\r\n"); // 0x123456
    StartGame();
    DropFigure(1, FigureMatrix{1, 1, 1, 1, 1}, 2, 1);
    At(gs().position.board, 9, 5) = kCellBlocked;
    for (const auto& [command, s] : {std::pair{IDM_COPY_SMALL_IMAGE, 8}, {IDM_COPY_IMAGE, 40}}) {
        Command(command);
        TestCanvas canvas(400, 240, 0);
        ASSERT_TRUE(OpenClipboard(nullptr));
        HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
        const SIZE size = BitmapSize(bitmap);
        MemoryDc pasted(canvas.dc());
        {
            ScopedSelect select(pasted.get(), bitmap);
            BitBlt(canvas.dc(), 0, 0, size.cx, size.cy, pasted.get(), 0, 0, SRCCOPY);
        }
        CloseClipboard();
        EXPECT_EQ(size.cx, 10 * s);
        EXPECT_EQ(size.cy, 6 * s);
        const auto centre = [s = s](int c, int r) { return POINT{c * s + s / 2, r * s + s / 2}; };
        ExpectPixels(canvas.dc(),
                     {{centre(6, 1), 0x0000FF}, {centre(7, 1), 0xF0F0F0}, {centre(9, 5), 0x123456}},
                     0, std::to_string(s));
    }
}

// While another program holds the clipboard open, the copy is dropped.
TEST_F(ClipboardCopy, DroppedWhileTheClipboardIsHeld) {
    StartGame();
    const DWORD before = GetClipboardSequenceNumber();
    std::promise<bool> opened;
    std::promise<void> copied;
    std::thread other([&, done = copied.get_future()] {
        const bool held = OpenClipboard(nullptr) != FALSE;
        opened.set_value(held);
        done.wait();
        if (held) CloseClipboard();
    });
    const bool held = opened.get_future().get();
    Command(IDM_COPY_IMAGE);
    copied.set_value();
    other.join();
    ASSERT_TRUE(held);
    EXPECT_EQ(GetClipboardSequenceNumber(), before);
}

} // namespace
