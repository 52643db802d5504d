// The base and numbered shape tables of the twelve figures.
#include "model/shapes.h"

#include <string_view>

namespace {

// Each shape as five rows of five characters: '.' empty, a digit the square's number 1..5.
// The exact place inside the 5 x 5 box matters: orientations turn about the centre cell.
constexpr std::string_view kNumberedRows[kFigureCount + 1] = {
    ".........................",
    "..1....2....3....4....5..", // 1 I
    ".......1....2....3....45.", // 2 L
    "......124...3....5.......", // 3 T
    "......1....2....345......", // 4 V
    "......1....23....45......", // 5 W
    ".......1...23....4....5..", // 6 Y
    "......12....3....45......", // 7 Z
    ".......1....32...45......", // 8 P
    ".......12..43....5.......", // 9 F
    "...........1.5..234......", // 10 U
    ".......1...234...5.......", // 11 X
    "........1...32...4....5..", // 12 N
};

struct ShapeTables {
    std::array<FigureMatrix, kFigureCount + 1> base{};
    std::array<FigureMatrix, kFigureCount + 1> numbered{};
    ShapeTables() {
        for (int n = 0; n <= kFigureCount; ++n) {
            for (int i = 0; i < kMatrixCells; ++i) {
                char c = kNumberedRows[n][i];
                if (c == '.') continue;
                numbered[n][i] = static_cast<uint8_t>(c - '0');
                base[n][i] = static_cast<uint8_t>(n);
            }
        }
    }
};

const ShapeTables& Tables() {
    static const ShapeTables tables;
    return tables;
}

} // namespace

const std::array<FigureMatrix, kFigureCount + 1>& BaseShapes() {
    return Tables().base;
}
const std::array<FigureMatrix, kFigureCount + 1>& NumberedShapes() {
    return Tables().numbered;
}

char FigureLetter(int figure) {
    constexpr std::string_view kLetters = "?ILTVWYZPFUXN";
    return figure >= 1 && figure <= kFigureCount ? kLetters[figure] : '?';
}

int FigureOf(const FigureMatrix& m) {
    for (uint8_t v : m)
        if (v != 0) return v;
    return 0;
}

bool IsEmptyMatrix(const FigureMatrix& m) {
    return FigureOf(m) == 0;
}

bool RowHasSquare(const FigureMatrix& m, int row) {
    for (int c = 0; c < kMatrixSide; ++c)
        if (At(m, c, row) != 0) return true;
    return false;
}

bool ColumnHasSquare(const FigureMatrix& m, int column) {
    for (int r = 0; r < kMatrixSide; ++r)
        if (At(m, column, r) != 0) return true;
    return false;
}
