// Turning and mirroring figure matrices, and the orientation tables built from the shapes.
#include "model/geometry.h"

#include "model/shapes.h"

namespace {

// Rebuilds m through a temporary: new[dstRow][dstCol] = old[r][c] for the given mapping.
template <typename Map> void Remap(FigureMatrix& m, Map map) {
    FigureMatrix out{};
    for (int r = 0; r < kMatrixSide; ++r)
        for (int c = 0; c < kMatrixSide; ++c) {
            auto [nr, nc] = map(r, c);
            out[nr * kMatrixSide + nc] = m[r * kMatrixSide + c];
        }
    m = out;
}

// The eight enumeration positions of one matrix: base, three clockwise turns, the top-bottom
// flip and its three turns.
std::array<FigureMatrix, 8> EnumeratePositions(const FigureMatrix& base) {
    std::array<FigureMatrix, 8> pos{};
    pos[0] = base;
    for (int i = 1; i < 4; ++i) {
        pos[i] = pos[i - 1];
        TurnClockwise(pos[i]);
    }
    pos[4] = base;
    FlipTopBottom(pos[4]);
    for (int i = 5; i < 8; ++i) {
        pos[i] = pos[i - 1];
        TurnClockwise(pos[i]);
    }
    return pos;
}

// Which positions survive: a later position equal to an earlier surviving one is dropped.
std::array<bool, 8> SurvivingPositions(const std::array<FigureMatrix, 8>& pos) {
    std::array<bool, 8> keep{};
    keep.fill(true);
    for (int i = 0; i < 7; ++i) {
        if (!keep[i]) continue;
        for (int j = i + 1; j < 8; ++j)
            if (keep[j] && pos[j] == pos[i]) keep[j] = false;
    }
    return keep;
}

} // namespace

void TurnClockwise(FigureMatrix& m) {
    Remap(m, [](int r, int c) { return std::pair{c, 4 - r}; });
}

void TurnCounterClockwise(FigureMatrix& m) {
    Remap(m, [](int r, int c) { return std::pair{4 - c, r}; });
}

void FlipTopBottom(FigureMatrix& m) {
    Remap(m, [](int r, int c) { return std::pair{4 - r, c}; });
}

void FlipLeftRight(FigureMatrix& m) {
    Remap(m, [](int r, int c) { return std::pair{r, 4 - c}; });
}

void MoveToTopLeft(FigureMatrix& m) {
    if (IsEmptyMatrix(m) || m[0] != 0) return;
    while (!RowHasSquare(m, 0)) {
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < kMatrixSide; ++c)
                At(m, c, r) = At(m, c, r + 1);
        for (int c = 0; c < kMatrixSide; ++c)
            At(m, c, 4) = 0;
    }
    while (!ColumnHasSquare(m, 0)) {
        for (int c = 0; c < 4; ++c)
            for (int r = 0; r < kMatrixSide; ++r)
                At(m, c, r) = At(m, c + 1, r);
        for (int r = 0; r < kMatrixSide; ++r)
            At(m, 4, r) = 0;
    }
}

namespace {

OrientationTables BuildOrientationTables() {
    OrientationTables tables;
    int k = 0;
    for (int f = 1; f <= kFigureCount; ++f) {
        auto pos = EnumeratePositions(BaseShapes()[f]);
        auto numbered = EnumeratePositions(NumberedShapes()[f]);
        auto keep = SurvivingPositions(pos);
        OrientationSet& set = tables.byFigure[f];
        for (int i = 0; i < 8; ++i) {
            if (!keep[i]) continue;
            set.matrices[set.count++] = pos[i];
            // Numbers do not change a shape, so the numbered twin of a surviving position is
            // the numbered catalogue's entry for the same orientation.
            if (k < kOrientationCount) {
                tables.catalogue[k] = pos[i];
                tables.numbered[k] = numbered[i];
                ++k;
            }
        }
    }
    for (int i = 0; i < kOrientationCount; ++i) {
        tables.aligned[i] = tables.catalogue[i];
        MoveToTopLeft(tables.aligned[i]);
    }
    return tables;
}

} // namespace

const OrientationTables& Orientations() {
    static const OrientationTables tables = BuildOrientationTables();
    return tables;
}

int CatalogueIndex(const FigureMatrix& m) {
    for (int k = 0; k < kOrientationCount; ++k)
        if (Orientations().catalogue[k] == m) return k;
    return -1;
}

bool NthOrientation(int figure, int n, FigureMatrix& out) {
    if (figure < 1 || figure > kFigureCount || n < 1) return false;
    int seen = 0;
    for (const FigureMatrix& m : Orientations().catalogue) {
        if (FigureOf(m) == figure && ++seen == n) {
            out = m;
            return true;
        }
    }
    return false;
}
