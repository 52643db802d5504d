// The game's placement search: the same order and the same first tiling as the straightforward
// search, found much faster.
//
// The straightforward search walks the placements of each figure in a fixed order (figures by
// number, then orientation, origin row, origin column) and takes the first complete tiling.
// That tiling's first placement is the first placement of the first figure after which the
// rest can still be tiled at all; and so on for each figure. So this search walks the same
// placements in the same order but, before going deeper, asks a fast oracle whether the rest
// can be tiled: an exact-cover search that always branches on the free cell the fewest pieces
// can cover and remembers the positions it found dead. The oracle is exact, so the walk never has to back up more than one
// step, and it stops at the same tiling.
//
// When figure 12 already lies on the field and there are more free cells than the missing
// figures cover, the analysis does not have to fill the field; that rare case keeps the plain
// walk with the region rule, made cheaper by bitboards and the memory of dead positions.
#include <algorithm>
#include <bit>
#include <string>
#include <unordered_set>
#include <vector>

#include "solver/search.h"

namespace {

using Rows = std::array<uint32_t, kGridSide>; // bit c of entry r: cell (c, r)

// One way to lay a figure: its squares as row bits from row `top` on.
struct Piece {
    int top = 0;
    int height = 0;
    std::array<uint32_t, kMatrixSide> rows{};
};

bool Fits(const Rows& occupied, const Piece& p) {
    for (int i = 0; i < p.height; ++i)
        if (occupied[p.top + i] & p.rows[i]) return false;
    return true;
}

void Toggle(Rows& occupied, const Piece& p) {
    for (int i = 0; i < p.height; ++i) occupied[p.top + i] ^= p.rows[i];
}

class FastSearch {
public:
    FastSearch(const GameState& gs, int first) : gs_(gs) {
        width_ = std::clamp(static_cast<int>(gs.fieldWidth), 0, kGridSide);
        height_ = std::clamp(static_cast<int>(gs.fieldHeight), 0, kGridSide);
        fullRow_ = width_ >= 32 ? ~0u : (1u << width_) - 1u;
        int freeCells = 0;
        bool present[kFigureCount + 1] = {};
        for (int r = 0; r < height_; ++r)
            for (int c = 0; c < width_; ++c) {
                uint8_t v = At(gs.solverGrid, c, r);
                if (v != 0) occupied_[r] |= 1u << c;
                else ++freeCells;
                if (v >= 1 && v <= kFigureCount) present[v] = true;
            }
        for (int f = std::max(first, 1); f <= kFigureCount; ++f)
            if (!present[f]) missing_.push_back(f);
        figure12Missing_ = !missing_.empty() && missing_.back() == kFigureCount;
        int needed = 5 * static_cast<int>(missing_.size());
        // Every missing figure is laid once on free cells, so there must be room for all of
        // them; with figure 12 among them the field must end up full.
        possible_ = freeCells >= needed && (!figure12Missing_ || freeCells == needed);
        mustFill_ = freeCells == needed;
        if (possible_) BuildPieces();
    }

    // Figures already complete (nothing missing) count as solved without laying anything.
    bool Run() {
        if (!possible_) return false;
        // One run of the oracle on the whole position answers "no variant" at once.
        if (mustFill_ && !Tileable(RemainingMask(0))) return false;
        return Place(0);
    }

    // The chosen pieces, one per missing figure.
    void WriteSolution(Grid& grid) const {
        for (size_t k = 0; k < chosen_.size(); ++k) {
            const Piece& p = pieces_[missing_[k]][chosen_[k]];
            for (int i = 0; i < p.height; ++i)
                for (int c = 0; c < width_; ++c)
                    if (p.rows[i] & (1u << c)) At(grid, c, p.top + i) = static_cast<uint8_t>(missing_[k]);
        }
    }

private:
    // Every placement of each missing figure that fits the starting position, in the order
    // the search takes them: orientation, then origin row, then origin column.
    void BuildPieces() {
        for (int f : missing_) {
            const OrientationSet& set = gs_.orientationTable[f];
            for (int o = 0; o < set.count; ++o)
                for (int r = -2; r <= height_ - 3; ++r)
                    for (int c = -2; c <= width_ - 3; ++c) {
                        Piece p;
                        if (MakePiece(set.matrices[o], c, r, p) && Fits(occupied_, p)) pieces_[f].push_back(p);
                    }
            for (size_t i = 0; i < pieces_[f].size(); ++i) {
                const Piece& p = pieces_[f][i];
                for (int row = 0; row < p.height; ++row)
                    for (uint32_t bits = p.rows[row]; bits; bits &= bits - 1)
                        covering_[static_cast<size_t>((p.top + row) * kGridSide + std::countr_zero(bits))].push_back({f, i});
            }
        }
    }

    bool MakePiece(const FigureMatrix& m, int column, int row, Piece& p) const {
        int top = -1, bottom = -1;
        for (int i = 0; i < kMatrixSide; ++i)
            if (RowHasSquare(m, i)) {
                if (top < 0) top = i;
                bottom = i;
            }
        p.top = row + top;
        p.height = bottom - top + 1;
        for (int i = top; i <= bottom; ++i)
            for (int j = 0; j < kMatrixSide; ++j) {
                if (At(m, j, i) == 0) continue;
                int x = column + j, y = row + i;
                if (x < 0 || x >= width_ || y < 0 || y >= height_) return false;
                p.rows[i - top] |= 1u << x;
            }
        return true;
    }

    bool Place(size_t k) { return mustFill_ ? PlaceInOrder(k) : PlaceWithoutFilling(k); }

    // Walks the placements of figure missing_[k] in order and keeps the first after which the
    // rest of the field can be tiled.
    bool PlaceInOrder(size_t k) {
        if (k == missing_.size()) return true;
        int f = missing_[k];
        const std::vector<Piece>& pieces = pieces_[f];
        uint32_t rest = RemainingMask(k + 1);
        for (size_t i = 0; i < pieces.size(); ++i) {
            const Piece& p = pieces[i];
            if (!Fits(occupied_, p)) continue;
            Toggle(occupied_, p);
            // The region rule of the walk is cheap and cuts most placements before the oracle.
            if ((f == kFigureCount || RegionsDivisibleByFive()) && Tileable(rest)) {
                chosen_.push_back(i);
                if (PlaceInOrder(k + 1)) return true;
                chosen_.pop_back(); // cannot happen: the oracle is exact
            }
            Toggle(occupied_, p);
        }
        return false;
    }

    uint32_t RemainingMask(size_t from) const {
        uint32_t mask = 0;
        for (size_t j = from; j < missing_.size(); ++j) mask |= 1u << missing_[j];
        return mask;
    }

    // Whether the free cells can be tiled exactly by the figures in `remaining`: fill the first
    // free cell (row by row) with every piece that has it as its own first cell.
    bool Tileable(uint32_t remaining) {
        if (remaining == 0) return true;
        std::string key = OracleKey(remaining);
        if (deadTilings_.count(key)) return false;
        int cell = FewestChoicesCell(remaining);
        if (cell < 0) {
            if (deadTilings_.size() < kMaxRemembered) deadTilings_.insert(std::move(key));
            return false;
        }
        for (const Anchored& a : covering_[cell]) {
            if (!(remaining & (1u << a.figure))) continue;
            const Piece& p = pieces_[a.figure][a.index];
            if (!Fits(occupied_, p)) continue;
            Toggle(occupied_, p);
            bool ok = Tileable(remaining & ~(1u << a.figure));
            Toggle(occupied_, p);
            if (ok) return true;
        }
        if (deadTilings_.size() < kMaxRemembered) deadTilings_.insert(std::move(key));
        return false;
    }

    // The free cell that the fewest fitting pieces of the remaining figures can cover (the
    // branching of the oracle); -1 when some free cell cannot be covered at all.
    int FewestChoicesCell(uint32_t remaining) const {
        int best = -1;
        size_t bestCount = ~size_t{0};
        for (int r = 0; r < height_; ++r) {
            for (uint32_t free = ~occupied_[r] & fullRow_; free; free &= free - 1) {
                int cell = r * kGridSide + std::countr_zero(free);
                size_t count = 0;
                for (const Anchored& a : covering_[cell]) {
                    if (!(remaining & (1u << a.figure)) || !Fits(occupied_, pieces_[a.figure][a.index])) continue;
                    if (++count >= bestCount) break;
                }
                if (count == 0) return -1;
                if (count < bestCount) {
                    bestCount = count;
                    best = cell;
                    if (count == 1) return best;
                }
            }
        }
        return best;
    }

    std::string OracleKey(uint32_t remaining) const {
        std::string key(reinterpret_cast<const char*>(&remaining), sizeof remaining);
        key.append(reinterpret_cast<const char*>(occupied_.data()), static_cast<size_t>(height_) * sizeof(uint32_t));
        return key;
    }

    // The rare walk without the duty to fill the field: every placement of each figure in
    // order, kept while each empty region holds a multiple of five cells.
    bool PlaceWithoutFilling(size_t k) {
        if (k == missing_.size()) return true;
        std::string key = Key(k);
        if (dead_.count(key)) return false;
        int f = missing_[k];
        const std::vector<Piece>& pieces = pieces_[f];
        for (size_t i = 0; i < pieces.size(); ++i) {
            const Piece& p = pieces[i];
            if (!Fits(occupied_, p)) continue;
            Toggle(occupied_, p);
            chosen_.push_back(i);
            // Figure 12 is always present here, so every figure laid takes the region test.
            if (RegionsDivisibleByFive() && PlaceWithoutFilling(k + 1)) return true;
            chosen_.pop_back();
            Toggle(occupied_, p);
        }
        if (dead_.size() < kMaxRemembered) dead_.insert(std::move(key));
        return false;
    }

    bool RegionsDivisibleByFive() const {
        Rows left{};
        for (int r = 0; r < height_; ++r) left[r] = ~occupied_[r] & fullRow_;
        for (int r0 = 0; r0 < height_; ++r0) {
            while (left[r0] != 0) {
                Rows region{};
                region[r0] = left[r0] & (~left[r0] + 1u);
                int size = Fill(left, region, r0);
                if (size % 5 != 0) return false;
                for (int r = r0; r < height_; ++r) left[r] &= ~region[r];
            }
        }
        return true;
    }

    // Grows the region from its seed row over the cells of `left`; returns its size.
    int Fill(const Rows& left, Rows& region, int seedRow) const {
        bool changed = true;
        while (changed) {
            changed = false;
            for (int pass = 0; pass < 2; ++pass)
                for (int step = 0; step < height_ - seedRow; ++step) {
                    int r = pass == 0 ? seedRow + step : height_ - 1 - step;
                    uint32_t x = region[r];
                    if (r > seedRow) x |= region[r - 1];
                    if (r + 1 < height_) x |= region[r + 1];
                    x &= left[r];
                    for (uint32_t y = x;; x = y) {
                        y = (x | (x << 1) | (x >> 1)) & left[r];
                        if (y == x) break;
                    }
                    if (x != region[r]) {
                        region[r] = x;
                        changed = true;
                    }
                }
        }
        int size = 0;
        for (int r = seedRow; r < height_; ++r) size += std::popcount(region[r]);
        return size;
    }

    std::string Key(size_t k) const {
        std::string key(1, static_cast<char>(k));
        key.append(reinterpret_cast<const char*>(occupied_.data()), static_cast<size_t>(height_) * sizeof(uint32_t));
        return key;
    }

    static constexpr size_t kMaxRemembered = 1u << 21;

    struct Anchored {
        int figure;
        size_t index;
    };

    const GameState& gs_;
    int width_ = 0;
    int height_ = 0;
    uint32_t fullRow_ = 0;
    Rows occupied_{};
    std::vector<int> missing_;
    std::array<std::vector<Piece>, kFigureCount + 1> pieces_;
    std::vector<size_t> chosen_;
    std::unordered_set<std::string> dead_;
    std::unordered_set<std::string> deadTilings_;
    std::array<std::vector<Anchored>, kGridCells> covering_;
    bool figure12Missing_ = false;
    bool possible_ = false;
    bool mustFill_ = false;
};

} // namespace

void Search(GameState& gs, int n) {
    gs.solutionFound = 0;
    if (n > kFigureCount) return;
    FastSearch search(gs, n);
    if (!search.Run()) return;
    search.WriteSolution(gs.solverGrid);
    gs.solutionFound = 1;
}
