// The shape of a field's open cells, trimmed to their bounding box, under the eight turns and
// mirrors: telling fields apart up to turning and mirroring, and a field's own symmetries.
#pragma once

#include <string>
#include <vector>

#include "model/types.h"

// The open cells of a field within their bounding box, row-major, true = open.
struct FieldShape {
    int width = 0;
    int height = 0;
    std::vector<bool> open;
    bool operator==(const FieldShape&) const = default;
};

// The open cells (kCellOpen) of the top-left width x height part of cells, trimmed to their
// bounding box (an empty shape when none is open).
FieldShape ShapeOf(int width, int height, const Grid& cells);

// Symmetry t (0..7) of a shape: t % 4 clockwise quarter turns after a left-right mirror when
// t >= 4.
FieldShape Transformed(const FieldShape& shape, int t);

// The same text for two shapes exactly when one is a turned or mirrored copy of the other.
std::string CanonicalKey(const FieldShape& shape);

// The canonical key of a field's open cells.
std::string FieldKey(int width, int height, const Grid& cells);

// How many of the eight symmetries map the shape onto itself (1, 2, 4 or 8).
int SymmetryCount(const FieldShape& shape);
