// Where figure pictures go: the legal-move mark, the shadow of the figure in hand and the
// picture inside a list or menu item.
#include "render/figure_pictures.h"

#include "render/shading.h"

FigureMatrix LegalMoveMark(const FigureMatrix& held) {
    FigureMatrix mark = held;
    for (uint8_t& v : mark) {
        if (v != 0) v = kCellSquare;
    }
    return mark;
}

std::vector<Point> ShadowSquares(const FigureMatrix& matrix, Point figureOrigin, int squareSize) {
    const int d = ShadowOffset(squareSize);
    std::vector<Point> squares;
    for (int i = 0; i < kMatrixSide; ++i) {
        for (int j = 0; j < kMatrixSide; ++j) {
            if (At(matrix, j, i) == 0) continue;
            squares.push_back(
                {figureOrigin.x + j * squareSize + d, figureOrigin.y + i * squareSize + d});
        }
    }
    return squares;
}

Point ItemPictureOrigin(int right, int top, int tile) {
    return {right / 2 - kMatrixSide * tile / 2, top + 1};
}
