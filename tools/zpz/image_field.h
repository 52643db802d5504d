// A read puzzle image for the tools: its field's shape, and its field with the figures laid.
#pragma once

#include "solver/field_shape.h"

struct PuzzleImage;
struct TilingField;

// The image's open cells trimmed to their bounding box (empty shape when none is open).
FieldShape TrimmedShape(const PuzzleImage& image);

// The image's cells with its figures laid on them, ready for the tiling counter.
TilingField ComposedField(const PuzzleImage& image);

// Number of figures lying on the image's field.
int FiguresOnField(const PuzzleImage& image);
