// The game's placement search: the same order and the same first tiling as the straightforward
// search, found much faster.
//
// The straightforward search walks the placements of each figure in a fixed order (figures by
// number, then orientation, origin row, origin column) and takes the first complete tiling.
// That tiling's first placement is the first placement of the first figure after which the
// rest can still be tiled at all; and so on for each figure. So this search walks the same
// placements in the same order but, before going deeper, asks an exact oracle whether the
// rest can be tiled (solver/tiling_oracle.h). Because the oracle is exact the walk never backs
// up, and it stops at the same tiling.
//
// When the missing figures must fill the field there are at most 60 free cells, so each cell
// is one bit of a 64-bit mask. When figure 12 already lies on the field and there are more
// free cells than the missing figures cover, the analysis does not have to fill the field;
// that rare case keeps the plain walk with the region rule, on row bitboards, with a memory
// of dead positions.
#include <algorithm>
#include <bit>
#include <string>
#include <unordered_set>
#include <vector>

#include "solver/search.h"
#include "solver/tiling_oracle.h"

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
    for (int i = 0; i < p.height; ++i)
        occupied[p.top + i] ^= p.rows[i];
}

// What the search starts from: the field as row bits and the figures still to lay.
struct Start {
    int width = 0;
    int height = 0;
    Rows occupied{};
    int freeCells = 0;
    std::vector<int> missing;
    // Every placement of each missing figure that fits the start, in the order the search
    // takes them: orientation, then origin row, then origin column.
    std::array<std::vector<Piece>, kFigureCount + 1> pieces;
};

bool MakePiece(const Start& s, const FigureMatrix& m, int column, int row, Piece& p) {
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
            if (x < 0 || x >= s.width || y < 0 || y >= s.height) return false;
            p.rows[i - top] |= 1u << x;
        }
    return true;
}

Start ReadStart(const GameState& gs, int first) {
    Start s;
    s.width = std::clamp(static_cast<int>(gs.position.fieldWidth), 0, kGridSide);
    s.height = std::clamp(static_cast<int>(gs.position.fieldHeight), 0, kGridSide);
    bool present[kFigureCount + 1] = {};
    for (int r = 0; r < s.height; ++r)
        for (int c = 0; c < s.width; ++c) {
            uint8_t v = At(gs.position.solverGrid, c, r);
            if (v != 0)
                s.occupied[r] |= 1u << c;
            else
                ++s.freeCells;
            if (v >= 1 && v <= kFigureCount) present[v] = true;
        }
    for (int f = std::max(first, 1); f <= kFigureCount; ++f)
        if (!present[f]) s.missing.push_back(f);
    return s;
}

void ListPieces(Start& s) {
    for (int f : s.missing) {
        const OrientationSet& set = Orientations().byFigure[f];
        for (int o = 0; o < set.count; ++o)
            for (int r = -2; r <= s.height - 3; ++r)
                for (int c = -2; c <= s.width - 3; ++c) {
                    Piece p;
                    if (MakePiece(s, set.matrices[o], c, r, p) && Fits(s.occupied, p))
                        s.pieces[f].push_back(p);
                }
    }
}

uint32_t FigureBits(const std::vector<int>& figures, size_t from) {
    uint32_t bits = 0;
    for (size_t j = from; j < figures.size(); ++j)
        bits |= 1u << figures[j];
    return bits;
}

// The missing figures fill the field: at most 60 free cells, one bit each.
class FillingWalk {
  public:
    explicit FillingWalk(const Start& s)
        : s_(s), index_(NumberFreeCells(s)), oracle_(Neighbours(s, index_)) {
        const std::array<int, kGridCells>& index = index_;
        for (int f : s.missing) {
            for (const Piece& p : s.pieces[f]) {
                uint64_t mask = 0;
                for (int row = 0; row < p.height; ++row)
                    for (uint32_t bits = p.rows[row]; bits; bits &= bits - 1)
                        mask |= uint64_t{1} << index[static_cast<size_t>((p.top + row) * kGridSide +
                                                                         std::countr_zero(bits))];
                masks_[f].push_back(mask);
                oracle_.AddPiece(f, mask);
            }
        }
        oracle_.Prepare();
    }

    bool Run() {
        // One question to the oracle on the whole position answers "no variant" at once.
        if (!oracle_.Tileable(0, FigureBits(s_.missing, 0))) return false;
        Remember(0);
        return Walk(0, 0);
    }

    const std::vector<size_t>& Chosen() const { return chosen_; }

  private:
    // Keeps the pieces of the tiling the oracle just found for the figures from missing[k] on.
    void Remember(size_t k) {
        for (size_t j = k; j < s_.missing.size(); ++j)
            known_[static_cast<size_t>(s_.missing[j])] = oracle_.FoundPiece(s_.missing[j]);
    }

    // Walks the placements of figure missing[k] in order and keeps the first after which the
    // rest of the field can be tiled.
    bool Walk(size_t k, uint64_t occupied) {
        if (k == s_.missing.size()) return true;
        int f = s_.missing[k];
        uint32_t rest = FigureBits(s_.missing, k + 1);
        const std::vector<uint64_t>& masks = masks_[f];
        for (size_t i = 0; i < masks.size(); ++i) {
            if (masks[i] & occupied) continue;
            uint64_t next = occupied | masks[i];
            // The region rule is cheap and cuts most placements before the oracle.
            if (masks[i] == known_[static_cast<size_t>(f)]) {
                // The last tiling found lays this piece: no need to ask.
            } else if (!oracle_.RegionsDivisibleByFive(next) || !oracle_.Tileable(next, rest)) {
                continue;
            } else {
                Remember(k + 1);
            }
            chosen_.push_back(i);
            if (Walk(k + 1, next)) return true;
            chosen_.pop_back(); // cannot happen: the oracle is exact
        }
        return false;
    }

    // The free cells numbered row by row: the bit each grid cell has, or -1.
    static std::array<int, kGridCells> NumberFreeCells(const Start& s) {
        std::array<int, kGridCells> index;
        index.fill(-1);
        int n = 0;
        for (int r = 0; r < s.height; ++r)
            for (int c = 0; c < s.width; ++c)
                if (!(s.occupied[r] & (1u << c)))
                    index[static_cast<size_t>(r * kGridSide + c)] = n++;
        return index;
    }

    static std::vector<uint64_t> Neighbours(const Start& s,
                                            const std::array<int, kGridCells>& index) {
        std::vector<uint64_t> neighbours(static_cast<size_t>(s.freeCells));
        const int dx[4] = {1, -1, 0, 0}, dy[4] = {0, 0, 1, -1};
        for (int r = 0; r < s.height; ++r)
            for (int c = 0; c < s.width; ++c) {
                int i = index[static_cast<size_t>(r * kGridSide + c)];
                if (i < 0) continue;
                for (int d = 0; d < 4; ++d) {
                    int x = c + dx[d], y = r + dy[d];
                    if (x < 0 || y < 0 || x >= s.width || y >= s.height) continue;
                    int j = index[static_cast<size_t>(y * kGridSide + x)];
                    if (j >= 0) neighbours[static_cast<size_t>(i)] |= uint64_t{1} << j;
                }
            }
        return neighbours;
    }

    const Start& s_;
    std::array<int, kGridCells> index_;
    TilingOracle oracle_;
    std::array<std::vector<uint64_t>, kFigureCount + 1> masks_;
    std::vector<size_t> chosen_;
    std::array<uint64_t, kFigureCount + 1> known_{};
};

// Figure 12 lies on the field and there is room to spare: every placement of each figure in
// order, kept while each empty region holds a multiple of five cells.
class SparseWalk {
  public:
    explicit SparseWalk(const Start& s) : s_(s), occupied_(s.occupied) {
        fullRow_ = s.width >= 32 ? ~0u : (1u << s.width) - 1u;
    }

    bool Run() { return Walk(0); }
    const std::vector<size_t>& Chosen() const { return chosen_; }

  private:
    bool Walk(size_t k) {
        if (k == s_.missing.size()) return true;
        std::string key = Key(k);
        if (dead_.count(key)) return false;
        const std::vector<Piece>& pieces = s_.pieces[s_.missing[k]];
        for (size_t i = 0; i < pieces.size(); ++i) {
            const Piece& p = pieces[i];
            if (!Fits(occupied_, p)) continue;
            Toggle(occupied_, p);
            chosen_.push_back(i);
            if (RegionsDivisibleByFive() && Walk(k + 1)) return true;
            chosen_.pop_back();
            Toggle(occupied_, p);
        }
        if (dead_.size() < kMaxRemembered) dead_.insert(std::move(key));
        return false;
    }

    bool RegionsDivisibleByFive() const {
        Rows left{};
        for (int r = 0; r < s_.height; ++r)
            left[r] = ~occupied_[r] & fullRow_;
        for (int r0 = 0; r0 < s_.height; ++r0) {
            while (left[r0] != 0) {
                Rows region{};
                region[r0] = left[r0] & (~left[r0] + 1u);
                int size = Fill(left, region, r0);
                if (size % 5 != 0) return false;
                for (int r = r0; r < s_.height; ++r)
                    left[r] &= ~region[r];
            }
        }
        return true;
    }

    // Grows the region from its seed row over the cells of `left`; returns its size.
    int Fill(const Rows& left, Rows& region, int seedRow) const {
        int height = s_.height;
        bool changed = true;
        while (changed) {
            changed = false;
            for (int pass = 0; pass < 2; ++pass)
                for (int step = 0; step < height - seedRow; ++step) {
                    int r = pass == 0 ? seedRow + step : height - 1 - step;
                    uint32_t x = region[r];
                    if (r > seedRow) x |= region[r - 1];
                    if (r + 1 < height) x |= region[r + 1];
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
        for (int r = seedRow; r < height; ++r)
            size += std::popcount(region[r]);
        return size;
    }

    std::string Key(size_t k) const {
        std::string key(1, static_cast<char>(k));
        key.append(reinterpret_cast<const char*>(occupied_.data()),
                   static_cast<size_t>(s_.height) * sizeof(uint32_t));
        return key;
    }

    static constexpr size_t kMaxRemembered = 1u << 21;

    const Start& s_;
    Rows occupied_;
    uint32_t fullRow_ = 0;
    std::vector<size_t> chosen_;
    std::unordered_set<std::string> dead_;
};

void WriteSolution(const Start& s, const std::vector<size_t>& chosen, Grid& grid) {
    for (size_t k = 0; k < chosen.size(); ++k) {
        const Piece& p = s.pieces[s.missing[k]][chosen[k]];
        for (int i = 0; i < p.height; ++i)
            for (uint32_t bits = p.rows[i]; bits; bits &= bits - 1)
                At(grid, std::countr_zero(bits), p.top + i) = static_cast<uint8_t>(s.missing[k]);
    }
}

} // namespace

void Search(GameState& gs, int n) {
    gs.position.solutionFound = 0;
    if (n > kFigureCount) return;
    Start s = ReadStart(gs, n);
    int needed = 5 * static_cast<int>(s.missing.size());
    bool figure12Missing = !s.missing.empty() && s.missing.back() == kFigureCount;
    // Every missing figure is laid once on free cells, so there must be room for all of them;
    // with figure 12 among them the field must end up full.
    if (s.freeCells < needed || (figure12Missing && s.freeCells != needed)) return;
    ListPieces(s);
    bool found = false;
    if (s.freeCells == needed) {
        FillingWalk walk(s);
        found = walk.Run();
        if (found) WriteSolution(s, walk.Chosen(), gs.position.solverGrid);
    } else {
        SparseWalk walk(s);
        found = walk.Run();
        if (found) WriteSolution(s, walk.Chosen(), gs.position.solverGrid);
    }
    gs.position.solutionFound = found ? 1 : 0;
}
