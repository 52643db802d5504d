// The Options dialog: what its controls open with, which of them are enabled, and what Set
// default, Pick from skin, OK and Apply do.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/game_state.h"

// The texts of the two combo boxes: the square sizes "24" ... "64" in steps of 8, and the skin
// tiles "01" ... "12" of "Use one color".
std::vector<std::string> SquareSizeItems();
std::vector<std::string> SquareIndexItems();

// The bitmaps the dialog lists, in the lists' order: "Skins\*.bmp" and "Background\*.bmp".
struct OptionsLists {
    std::vector<std::string> skins;
    std::vector<std::string> backgrounds;
};

// What the controls hold. A line or item of -1 is no selection.
struct OptionsForm {
    uint32_t colorBack = 0;
    uint32_t colorInk = 0;
    uint32_t colorContour = 0;
    bool autoSize = false;
    bool showContour = false;
    bool showLegalMove = false;
    bool showShadow = false;
    bool showInverse = false;
    bool useOneColor = false;
    bool solidColour = false; // "Solid color" is checked, else "Pattern image"
    int squareSizeItem = -1;
    int squareIndexItem = -1;
    int opacityPercent = 0; // the track bar, 50..100
    int skinLine = -1;
    int backgroundLine = -1;
    bool operator==(const OptionsForm&) const = default;
};

// The controls for `view`: each list selects the first name that begins with the option's
// name, letter case ignored, or its first line; the size box the option's size, or "24".
OptionsForm OpenOptions(const ViewOptions& view, const OptionsLists& lists);
// "Set default": the controls for the default view options (the game keeps its own until OK).
OptionsForm DefaultOptions(const OptionsLists& lists);

struct OptionsEnabling {
    bool contourColour = false; // with "Contour"
    bool squareIndex = false;   // the index box and its label, with "Use one color"
    bool backgrounds = false;   // the background list and its preview, with "Pattern image"
    bool backColour = false;    // with "Solid color"
    bool squareSize = false;    // without "Auto"
    bool pickFromSkin = false;  // only when a skin is listed
    bool operator==(const OptionsEnabling&) const = default;
};
OptionsEnabling EnabledOptions(const OptionsForm& form, const OptionsLists& lists);

// The skin the preview shows: the selected line; "" (the substitute skin) when none is.
std::string PreviewSkinName(const OptionsForm& form, const OptionsLists& lists);

// "Pick from skin": the ink from the average colour of the skin's open cell, the back and
// contour colours from that of its plain square.
void PickColoursFromSkin(OptionsForm& form, uint32_t openCell, uint32_t plainSquare);

// The view options the controls stand for, what the previews draw: `view` with the controls'
// values; a list or box without selection keeps the option of `view`. The cursor follows the
// figure's middle square.
ViewOptions FormOptions(const ViewOptions& view, const OptionsForm& form,
                        const OptionsLists& lists);

// OK and Apply: the controls' options, brought into their ranges, become the game's. The
// caller then rebuilds the picture.
void ApplyOptions(GameState& gs, const OptionsForm& form, const OptionsLists& lists);
