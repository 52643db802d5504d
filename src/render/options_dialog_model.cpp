// The Options dialog's decisions: opening values, enabling, Set default, Pick from skin, OK.
#include "render/options_dialog_model.h"

#include <cctype>

namespace {

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    if (prefix.size() > text.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

// The first line that begins with `prefix`, else the first line; -1 for an empty list.
int LineStartingWith(const std::vector<std::string>& lines, const std::string& prefix) {
    for (size_t i = 0; i < lines.size(); ++i)
        if (StartsWithIgnoringCase(lines[i], prefix)) return static_cast<int>(i);
    return lines.empty() ? -1 : 0;
}

bool Holds(const std::vector<std::string>& lines, int line) {
    return line >= 0 && static_cast<size_t>(line) < lines.size();
}

int SquareSizeOfItem(int item) {
    return kMinSquareSize + kSquareSizeStep * item;
}

} // namespace

std::vector<std::string> SquareSizeItems() {
    std::vector<std::string> items;
    for (int size = kMinSquareSize; size <= kMaxSquareSize; size += kSquareSizeStep)
        items.push_back(std::to_string(size));
    return items;
}

std::vector<std::string> SquareIndexItems() {
    std::vector<std::string> items;
    for (int tile = 1; tile <= kFigureCount; ++tile) {
        std::string item = std::to_string(tile);
        if (item.size() < 2) item.insert(item.begin(), '0');
        items.push_back(item);
    }
    return items;
}

OptionsForm OpenOptions(const ViewOptions& view, const OptionsLists& lists) {
    OptionsForm form;
    form.colorBack = view.colorBack;
    form.colorInk = view.colorInk;
    form.colorContour = view.colorContour;
    form.autoSize = view.autoSize;
    form.showContour = view.showContour;
    form.showLegalMove = view.showLegalMove;
    form.showShadow = view.showShadow;
    form.showInverse = view.showInverse;
    form.useOneColor = view.useOneColor;
    form.solidColour = view.backgroundType == BackgroundType::SolidColour;
    form.squareSizeItem = LineStartingWith(SquareSizeItems(), std::to_string(view.squareSize));
    form.squareIndexItem = Holds(SquareIndexItems(), view.squareIndex) ? view.squareIndex : -1;
    form.opacityPercent = LimitOpacity(view.opacityPercent);
    form.skinLine = LineStartingWith(lists.skins, view.skinName);
    form.backgroundLine = LineStartingWith(lists.backgrounds, view.backgroundName);
    return form;
}

OptionsForm DefaultOptions(const OptionsLists& lists) {
    return OpenOptions(ViewOptions{}, lists);
}

OptionsEnabling EnabledOptions(const OptionsForm& form, const OptionsLists& lists) {
    OptionsEnabling enabling;
    enabling.contourColour = form.showContour;
    enabling.squareIndex = form.useOneColor;
    enabling.backgrounds = !form.solidColour;
    enabling.backColour = form.solidColour;
    enabling.squareSize = !form.autoSize;
    enabling.pickFromSkin = !lists.skins.empty();
    return enabling;
}

std::string PreviewSkinName(const OptionsForm& form, const OptionsLists& lists) {
    return Holds(lists.skins, form.skinLine) ? lists.skins[static_cast<size_t>(form.skinLine)] : "";
}

void PickColoursFromSkin(OptionsForm& form, uint32_t openCell, uint32_t plainSquare) {
    form.colorInk = openCell;
    form.colorBack = plainSquare;
    form.colorContour = plainSquare;
}

ViewOptions FormOptions(const ViewOptions& view, const OptionsForm& form,
                        const OptionsLists& lists) {
    ViewOptions o = view;
    o.colorBack = form.colorBack;
    o.colorInk = form.colorInk;
    o.colorContour = form.colorContour;
    o.cursorMode = CursorMode::MiddleSquare;
    o.autoSize = form.autoSize;
    o.showLegalMove = form.showLegalMove;
    o.showShadow = form.showShadow;
    o.showInverse = form.showInverse;
    o.showContour = form.showContour;
    if (Holds(SquareSizeItems(), form.squareSizeItem))
        o.squareSize = SquareSizeOfItem(form.squareSizeItem);
    if (Holds(lists.skins, form.skinLine))
        o.skinName = lists.skins[static_cast<size_t>(form.skinLine)];
    if (Holds(SquareIndexItems(), form.squareIndexItem)) o.squareIndex = form.squareIndexItem;
    o.useOneColor = form.useOneColor;
    o.opacityPercent = form.opacityPercent;
    if (Holds(lists.backgrounds, form.backgroundLine))
        o.backgroundName = lists.backgrounds[static_cast<size_t>(form.backgroundLine)];
    o.backgroundType =
        form.solidColour ? BackgroundType::SolidColour : BackgroundType::PatternImage;
    return o;
}

void ApplyOptions(GameState& gs, const OptionsForm& form, const OptionsLists& lists) {
    gs.settings.view = FormOptions(gs.settings.view, form, lists);
    LimitViewOptions(gs.settings.view);
}
