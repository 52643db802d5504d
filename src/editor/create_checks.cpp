// The "Create puzzle" dialog's checks of the typed size and name.
#include "editor/create_checks.h"

#include <algorithm>

#include "editor/editor_checks.h"
#include "editor/editor_messages.h"
#include "files/save_name.h"

CreateCheck CheckCreateInput(int width, int height, std::string_view name) {
    if (width * height < kPuzzleSquares) return CreateCheck::AreaTooSmall;
    if (IsBlankName(std::string(name))) return CreateCheck::NameMissing;
    return CreateCheck::Ok;
}

const char* CreateCheckMessage(CreateCheck check) {
    switch (check) {
    case CreateCheck::Ok:
        return "";
    case CreateCheck::AreaTooSmall:
        return kEditorAreaTooSmall;
    case CreateCheck::NameMissing:
        return kEditorEnterFileName;
    }
    return "";
}
