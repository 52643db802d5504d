// Printing the position, the figure sheet and the empty field onto the pages of a device.
#pragma once

#include <windows.h>

#include <string>

#include "render/surfaces_gdi.h"

// Where the pages of a print job go: the printer's device context, or a stand-in that keeps
// the pages. Each call reports whether the device took it.
class PageDevice {
  public:
    virtual ~PageDevice() = default;
    virtual HDC Dc() = 0;        // what a page is drawn on
    virtual SIZE PageSize() = 0; // printable pixels: HORZRES x VERTRES
    virtual bool StartDocument(const char* name) = 0;
    virtual bool StartNextPage() = 0;
    virtual void EndCurrentPage() = 0;
    virtual void EndDocument() = 0;
};

// A printer device context (from the print dialog) as a page device. The context stays the
// caller's.
class PrinterPages : public PageDevice {
  public:
    explicit PrinterPages(HDC printer) : dc_(printer) {}
    HDC Dc() override { return dc_; }
    SIZE PageSize() override;
    bool StartDocument(const char* name) override;
    bool StartNextPage() override;
    void EndCurrentPage() override;
    void EndDocument() override;

  private:
    HDC dc_;
};

enum class PrintSheetKind {
    Position,   // "Print..": the position as large as the page allows
    Figures,    // "Figures...": each figure beside its mirror image, 10 x 5 page units a strip
    EmptyField, // "Empty field...": the field at one page unit per cell, over as many pages
};

// Draws the sheet into a 1600 x 1600 picture compatible with `reference` (the main window's
// device context) and prints it as one document of the given name. A document
// that does not start prints nothing; a page that does not start ends the document there.
// Uses backBuffer as scratch and composes gs.position.board.
void PrintPages(Surfaces& s, GameState& gs, HDC reference, PrintSheetKind kind, PageDevice& device,
                const std::string& documentName);
