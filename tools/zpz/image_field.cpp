// A read image's field shape, and the image composed for the tiling counter.
#include "image_field.h"

#include "files/puzzle_file.h"
#include "solver/tiling_count.h"

FieldShape TrimmedShape(const PuzzleImage& image) {
    return ShapeOf(image.width, image.height, image.cells);
}

TilingField ComposedField(const PuzzleImage& image) {
    TilingField field{image.width, image.height, image.cells};
    for (const Figure& f : image.figures)
        for (int i = 0; i < kMatrixSide; ++i)
            for (int j = 0; j < kMatrixSide; ++j)
                if (uint8_t v = At(f.matrix, j, i); v != 0) At(field.cells, f.x + j, f.y + i) = v;
    return field;
}

int FiguresOnField(const PuzzleImage& image) {
    int n = 0;
    for (const Figure& f : image.figures)
        n += !IsEmptyMatrix(f.matrix);
    return n;
}
