// Trimmed field shapes, their eight symmetries and canonical keys; composing a read image for
// the tiling counter.
#include "field_shape.h"

#include <algorithm>

#include "files/puzzle_file.h"
#include "solver/tiling_count.h"

FieldShape TrimmedShape(const PuzzleImage& image) {
    int left = image.width, top = image.height, right = -1, bottom = -1;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (At(image.cells, x, y) == kCellOpen) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    FieldShape s;
    if (right < 0) return s;
    s.width = right - left + 1;
    s.height = bottom - top + 1;
    s.open.resize(static_cast<size_t>(s.width * s.height));
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            s.open[y * s.width + x] = At(image.cells, left + x, top + y) == kCellOpen;
    return s;
}

namespace {

FieldShape MirrorLeftRight(const FieldShape& s) {
    FieldShape out = s;
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            out.open[y * s.width + x] = s.open[y * s.width + (s.width - 1 - x)];
    return out;
}

// A quarter turn clockwise: the left column becomes the top row.
FieldShape TurnClockwise(const FieldShape& s) {
    FieldShape out{s.height, s.width, std::vector<bool>(s.open.size())};
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            out.open[x * out.width + (s.height - 1 - y)] = s.open[y * s.width + x];
    return out;
}

std::string Key(const FieldShape& s) {
    std::string key = std::to_string(s.width) + "x" + std::to_string(s.height) + ":";
    for (bool b : s.open)
        key += b ? '1' : '0';
    return key;
}

} // namespace

FieldShape Transformed(const FieldShape& shape, int t) {
    FieldShape out = t >= 4 ? MirrorLeftRight(shape) : shape;
    for (int i = 0; i < t % 4; ++i)
        out = TurnClockwise(out);
    return out;
}

std::string CanonicalKey(const FieldShape& shape) {
    std::string best = Key(shape);
    for (int t = 1; t < 8; ++t)
        best = std::min(best, Key(Transformed(shape, t)));
    return best;
}

int SymmetryCount(const FieldShape& shape) {
    int n = 0;
    for (int t = 0; t < 8; ++t)
        n += Transformed(shape, t) == shape;
    return n;
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
