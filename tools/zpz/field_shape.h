// The shape of a puzzle's open cells, trimmed to their bounding box, under the eight turns and
// mirrors of the whole field: duplicate detection and the field's own symmetries.
#pragma once

#include <string>
#include <vector>

#include "model/types.h"

struct PuzzleImage;
struct TilingField;

// The open cells of a field within their bounding box, row-major, true = open.
struct FieldShape {
    int width = 0;
    int height = 0;
    std::vector<bool> open;
    bool operator==(const FieldShape&) const = default;
};

// The image's open cells trimmed to their bounding box (empty shape when none is open).
FieldShape TrimmedShape(const PuzzleImage& image);

// Symmetry t (0..7) of a shape: t % 4 clockwise quarter turns after a left-right mirror when
// t >= 4.
FieldShape Transformed(const FieldShape& shape, int t);

// The same text for two shapes exactly when one is a turned or mirrored copy of the other.
std::string CanonicalKey(const FieldShape& shape);

// How many of the eight symmetries map the shape onto itself (1, 2, 4 or 8).
int SymmetryCount(const FieldShape& shape);

// The image's cells with its figures laid on them, ready for the tiling counter.
TilingField ComposedField(const PuzzleImage& image);

// Number of figures lying on the image's field.
int FiguresOnField(const PuzzleImage& image);
