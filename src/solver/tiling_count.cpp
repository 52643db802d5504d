// Exact cover of a field's open cells by the missing figures: Algorithm X on 64-bit boards.
// The search first branches on the figure with the fewest places, taking one place of each
// class of places that the field's own turns and mirrors carry into each other, and then
// always on the first open cell in a scan along the field's shorter side.
#include "solver/tiling_count.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <vector>

#include "model/geometry.h"
#include "model/shapes.h"

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

using Board = uint64_t; // one bit per open cell, numbered in scan order

// One figure in one orientation at one place.
struct Place {
    Board cells = 0;
    Board border = 0; // the open cells beside the place
    int figure = 0;   // 0..11
};

// The open cells numbered in scan order, and every place of every missing figure.
struct Problem {
    int cellCount = 0;
    std::array<int, 64> gridIndex{};                      // cell number -> y * 25 + x
    std::array<Board, 64> neighbours{};                   // the open cells beside each cell
    std::vector<Place> places;                            // grouped by first cell, then by figure
    std::vector<std::array<int, kFigureCount + 1>> first; // [cell][figure]: start in places
    uint32_t missing = 0;                                 // bit f: figure f + 1 is to be laid
    std::vector<std::vector<int>>
        symmetries; // cell permutations mapping the open cells onto themselves
};

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
    for (int a = 0; a < (byColumns ? w : h); ++a)
        for (int b = 0; b < (byColumns ? h : w); ++b) {
            int x = left + (byColumns ? a : b), y = top + (byColumns ? b : a);
            if (At(field.cells, x, y) != kCellOpen) continue;
            number[y * kGridSide + x] = p.cellCount;
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

    // The turns and mirrors of the open cells' bounding box that map them onto themselves.
    for (int t = 0; t < 8; ++t) {
        bool quarter = t % 2 == 1;
        if (quarter && w != h) continue;
        std::vector<int> perm(p.cellCount);
        bool fits = true;
        for (int c = 0; c < p.cellCount && fits; ++c) {
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

class TilingSearch {
  public:
    TilingSearch(const Problem& p, uint64_t limit, const std::atomic<bool>* stop = nullptr)
        : p_(p), limit_(limit), stop_(stop) {}

    // Counts the tilings; with keepFirst the places of the first one are kept.
    uint64_t Run(bool keepFirst) {
        keepFirst_ = keepFirst;
        Board all = p_.cellCount == 64 ? ~Board{0} : (Board{1} << p_.cellCount) - 1;
        if (p_.missing == 0) return 1; // nothing to lay: the field as it is
        if (p_.symmetries.size() < 2) {
            // Nothing to gain from classes of places: the cell scan alone is faster here.
            Search(all, p_.missing);
        } else {
            int figure = FewestPlacesFigure();
            for (const auto& [place, weight] : PlaceClasses(figure)) {
                weight_ = weight;
                chosen_.push_back(place);
                Search(all & ~place.cells, p_.missing & ~(1u << figure));
                chosen_.pop_back();
                if (Done()) break;
            }
        }
        return limit_ != 0 ? std::min(count_, limit_) : count_;
    }

    const std::vector<Place>& FirstTiling() const { return first_; }

  private:
    bool Done() const {
        return (limit_ != 0 && count_ >= limit_) ||
               (stop_ != nullptr && stop_->load(std::memory_order_relaxed));
    }

    int FewestPlacesFigure() const {
        std::array<int, kFigureCount> n{};
        for (const Place& pl : p_.places)
            ++n[pl.figure];
        int best = -1;
        for (int f = 0; f < kFigureCount; ++f)
            if ((p_.missing >> f & 1) && (best < 0 || n[f] < n[best])) best = f;
        return best;
    }

    // One place of the figure per class of places that symmetries of the field carry into
    // each other, with the size of its class: the tilings with the figure at any place of a
    // class are the symmetric copies of those with it at the chosen one.
    std::vector<std::pair<Place, uint64_t>> PlaceClasses(int figure) const {
        std::vector<Board> seen;
        std::vector<std::pair<Place, uint64_t>> out;
        for (const Place& pl : p_.places) {
            if (pl.figure != figure || std::find(seen.begin(), seen.end(), pl.cells) != seen.end())
                continue;
            std::vector<Board> images;
            for (const std::vector<int>& perm : p_.symmetries) {
                Board image = 0;
                for (Board b = pl.cells; b != 0; b &= b - 1)
                    image |= Board{1} << perm[std::countr_zero(b)];
                if (std::find(images.begin(), images.end(), image) == images.end())
                    images.push_back(image);
            }
            seen.insert(seen.end(), images.begin(), images.end());
            out.push_back({pl, images.size()});
        }
        return out;
    }

    // True when one of the cells beside a place just laid is left alone or with a single
    // neighbour in an area of two cells that no figure can cover.
    bool CutsOffCells(Board beside, Board open) const {
        for (; beside != 0; beside &= beside - 1) {
            int c = std::countr_zero(beside);
            Board n = p_.neighbours[c] & open;
            if (n == 0) return true;
            if ((n & (n - 1)) == 0 &&
                (p_.neighbours[std::countr_zero(n)] & open & ~(Board{1} << c)) == 0)
                return true;
        }
        return false;
    }

    void Search(Board open, uint32_t missing) {
        if (open == 0) {
            if (count_ == 0 && keepFirst_) first_ = chosen_;
            count_ += weight_;
            return;
        }
        int cell = std::countr_zero(open);
        const std::array<int, kFigureCount + 1>& first = p_.first[cell];
        for (uint32_t left = missing; left != 0; left &= left - 1) {
            int f = std::countr_zero(left);
            for (int i = first[f]; i < first[f + 1]; ++i) {
                const Place& pl = p_.places[i];
                if (pl.cells & ~open) continue;
                Board rest = open & ~pl.cells;
                if (CutsOffCells(pl.border & rest, rest)) continue;
                chosen_.push_back(pl);
                Search(rest, missing & ~(1u << f));
                chosen_.pop_back();
                if (Done()) return;
            }
        }
    }

    const Problem& p_;
    uint64_t limit_;
    const std::atomic<bool>* stop_;
    uint64_t count_ = 0;
    uint64_t weight_ = 1;
    bool keepFirst_ = false;
    std::vector<Place> chosen_;
    std::vector<Place> first_;
};

} // namespace

TilingField OpenField(int width, int height, const Grid& cells) {
    TilingField field{width, height, {}};
    for (std::size_t i = 0; i < cells.size(); ++i)
        field.cells[i] = cells[i] == kCellBlocked ? kCellBlocked : kCellOpen;
    return field;
}

uint64_t CountTilings(const TilingField& field, uint64_t limit) {
    Problem p;
    if (!BuildProblem(field, p)) return 0;
    return TilingSearch(p, limit).Run(false);
}

uint64_t CountSolutions(const TilingField& field, const std::atomic<bool>* stop) {
    Problem p;
    if (!BuildProblem(field, p) || p.missing != (1u << kFigureCount) - 1) return 0;
    // No tiling by twelve different figures is its own turned or mirrored copy (the L figure
    // has no symmetry), so every solution lies on the field once per symmetry of the field.
    return TilingSearch(p, 0, stop).Run(false) / p.symmetries.size();
}

bool FindAnyTiling(const TilingField& field, Grid& tiling) {
    Problem p;
    if (!BuildProblem(field, p)) return false;
    TilingSearch search(p, 1);
    if (search.Run(true) == 0) return false;
    tiling = field.cells;
    for (const Place& pl : search.FirstTiling())
        for (Board b = pl.cells; b != 0; b &= b - 1)
            tiling[p.gridIndex[std::countr_zero(b)]] = static_cast<uint8_t>(pl.figure + 1);
    return true;
}
