// Trimmed field shapes, their eight symmetries and canonical keys.
#include "solver/field_shape.h"

#include <algorithm>

FieldShape ShapeOf(int width, int height, const Grid& cells) {
    int left = width, top = height, right = -1, bottom = -1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (At(cells, x, y) == kCellOpen) {
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
            s.open[y * s.width + x] = At(cells, left + x, top + y) == kCellOpen;
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

std::string FieldKey(int width, int height, const Grid& cells) {
    return CanonicalKey(ShapeOf(width, height, cells));
}

int SymmetryCount(const FieldShape& shape) {
    int n = 0;
    for (int t = 0; t < 8; ++t)
        n += Transformed(shape, t) == shape;
    return n;
}
