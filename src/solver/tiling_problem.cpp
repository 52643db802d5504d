// The counter's problem: the cells numbered in scan order, the places of the missing figures,
// and the field's own symmetries.
#include "solver/tiling_problem.h"

#include <algorithm>
#include <bit>

#include "model/geometry.h"
#include "model/shapes.h"

namespace tiling {

namespace {

constexpr int kSquares = 5;

struct Orientation {
    int figure = 0;
    std::array<Point, kSquares> squares{}; // offsets from the top-left corner of the box
};

// The 63 distinct orientations: each base shape turned four times, mirrored and turned again,
// moved to the top-left corner, duplicates dropped.
std::vector<Orientation> BuildOrientations() {
    std::vector<Orientation> out;
    for (int f = 1; f <= kFigureCount; ++f) {
        std::vector<FigureMatrix> seen;
        FigureMatrix m = BaseShapes()[f];
        for (int i = 0; i < 8; ++i) {
            if (i == 4) FlipTopBottom(m);
            FigureMatrix aligned = m;
            MoveToTopLeft(aligned);
            bool known = false;
            for (const FigureMatrix& s : seen)
                known = known || s == aligned;
            if (!known) {
                seen.push_back(aligned);
                Orientation o;
                o.figure = f;
                int k = 0;
                for (int r = 0; r < kMatrixSide; ++r)
                    for (int c = 0; c < kMatrixSide; ++c)
                        if (At(aligned, c, r) != 0) o.squares[k++] = Point{c, r};
                out.push_back(o);
            }
            TurnClockwise(m);
        }
    }
    return out;
}

const std::vector<Orientation>& Orientations() {
    static const std::vector<Orientation> orientations = BuildOrientations();
    return orientations;
}

} // namespace

// Scan order: down the columns when the open cells' bounding box is at least as wide as high,
// else along the rows, so that the search fills the field along its short side.
bool BuildProblem(const TilingField& field, Problem& p) {
    std::vector<int> number(kGridCells, -1);
    int open = 0, left = field.width, right = -1, top = field.height, bottom = -1;
    for (int y = 0; y < field.height; ++y)
        for (int x = 0; x < field.width; ++x) {
            uint8_t v = At(field.cells, x, y);
            if (v == kCellOpen) {
                ++open;
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            } else if (v <= kFigureCount) {
                p.missing |= 1u << (v - 1);
            }
        }
    p.missing ^= (1u << kFigureCount) - 1;
    if (open != std::popcount(p.missing) * kSquares) return false;
    if (open == 0) return true;
    int w = right - left + 1, h = bottom - top + 1;
    bool byColumns = w >= h;
    p.grid = w * h <= 64;
    p.lineLength = byColumns ? h : w;
    for (int a = 0; a < (byColumns ? w : h); ++a)
        for (int b = 0; b < p.lineLength; ++b) {
            int x = left + (byColumns ? a : b), y = top + (byColumns ? b : a);
            bool isOpen = At(field.cells, x, y) == kCellOpen;
            if (!isOpen && !p.grid) continue;
            if (b == 0) p.lineStarts |= Board{1} << p.cellCount;
            if (b == p.lineLength - 1) p.lineEnds |= Board{1} << p.cellCount;
            if (isOpen) {
                number[y * kGridSide + x] = p.cellCount;
                p.open |= Board{1} << p.cellCount;
            }
            p.gridIndex[p.cellCount++] = y * kGridSide + x;
        }

    for (int c = 0; c < p.cellCount; ++c) {
        int x = p.gridIndex[c] % kGridSide, y = p.gridIndex[c] / kGridSide;
        for (auto [nx, ny] : {std::pair{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}})
            if (nx >= left && nx <= right && ny >= top && ny <= bottom &&
                number[ny * kGridSide + nx] >= 0)
                p.neighbours[c] |= Board{1} << number[ny * kGridSide + nx];
    }
    std::vector<std::vector<Place>> byFirst(p.cellCount);
    for (const Orientation& o : Orientations()) {
        if (!(p.missing >> (o.figure - 1) & 1)) continue;
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x) {
                Board cells = 0;
                for (int k = 0; k < kSquares && cells != ~Board{0}; ++k) {
                    int cx = x + o.squares[k].x, cy = y + o.squares[k].y;
                    int n = cx <= right && cy <= bottom ? number[cy * kGridSide + cx] : -1;
                    cells = n < 0 ? ~Board{0} : cells | Board{1} << n;
                }
                if (cells != ~Board{0})
                    byFirst[std::countr_zero(cells)].push_back({cells, 0, o.figure - 1});
            }
    }
    p.first.resize(p.cellCount);
    for (int c = 0; c < p.cellCount; ++c) {
        std::stable_sort(byFirst[c].begin(), byFirst[c].end(),
                         [](const Place& a, const Place& b) { return a.figure < b.figure; });
        int at = 0;
        for (int f = 0; f <= kFigureCount; ++f) {
            while (at < static_cast<int>(byFirst[c].size()) && byFirst[c][at].figure < f)
                ++at;
            p.first[c][f] = static_cast<int>(p.places.size()) + at;
        }
        p.places.insert(p.places.end(), byFirst[c].begin(), byFirst[c].end());
    }
    for (Place& pl : p.places) {
        for (Board b = pl.cells; b != 0; b &= b - 1)
            pl.border |= p.neighbours[std::countr_zero(b)];
        pl.border &= ~pl.cells;
    }
    p.lastSlot = std::bit_ceil(p.places.size() * 2 + 1) - 1;
    p.byCells.assign(p.lastSlot + 1, Place{});
    for (const Place& pl : p.places) {
        std::size_t i = p.SlotOf(pl.cells);
        while (p.byCells[i].cells != 0)
            i = (i + 1) & p.lastSlot;
        p.byCells[i] = pl;
    }

    // The turns and mirrors of the open cells' bounding box that map them onto themselves.
    for (int t = 0; t < 8; ++t) {
        bool quarter = t % 2 == 1;
        if (quarter && w != h) continue;
        std::vector<int> perm(p.cellCount);
        bool fits = true;
        for (int c = 0; c < p.cellCount && fits; ++c) {
            if (!(p.open >> c & 1)) continue;
            int x = p.gridIndex[c] % kGridSide - left, y = p.gridIndex[c] / kGridSide - top;
            if (t >= 4) x = w - 1 - x;
            switch (t % 4) {
            case 1:
                std::swap(x, y), x = w - 1 - x;
                break; // quarter turns only when w == h
            case 2:
                x = w - 1 - x, y = h - 1 - y;
                break;
            case 3:
                std::swap(x, y), y = h - 1 - y;
                break;
            default:
                break;
            }
            perm[c] = number[(top + y) * kGridSide + left + x];
            fits = perm[c] >= 0;
        }
        if (fits) p.symmetries.push_back(perm);
    }
    return true;
}

} // namespace tiling
