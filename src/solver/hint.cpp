// Hints answered by the exact tiling oracle over the field's open cells: a dead position by
// trying the sets of laid figures to take away, smallest first; a live one by asking, cell by
// cell, for a completion that covers the cell with a piece not yet seen there, until there is
// none. A completion found for one cell lays pieces on every other cell at once.
#include "solver/hint.h"

#include <algorithm>
#include <bit>
#include <memory>
#include <unordered_map>

#include "model/geometry.h"
#include "model/shapes.h"
#include "solver/tiling_oracle.h"

namespace {

constexpr int kPuzzleCells = 5 * kFigureCount;

struct Piece {
    int figure = 0;
    int orientation = 0; // catalogue index
    int x = 0, y = 0;    // the matrix's top-left cell
    uint64_t cells = 0;
};

// The field's open cells numbered row by row, the pieces of all twelve figures on them, and the
// oracle that answers whether a set of covered cells and missing figures can be completed.
class HintField {
  public:
    explicit HintField(const GameState& gs) : gs_(gs) {
        index_.fill(-1);
        const Position& p = gs.position;
        for (int y = 0; y < p.fieldHeight && cells_ <= 64; ++y)
            for (int x = 0; x < p.fieldWidth; ++x)
                if (At(p.board, x, y) != kCellBlocked) {
                    if (cells_ < 64) index_[static_cast<size_t>(y * kGridSide + x)] = cells_;
                    ++cells_;
                }
    }

    bool Usable() const { return cells_ == kPuzzleCells; }

    // The turns and mirrors of the field's box that map its open cells onto themselves, each
    // as the cell every cell goes to.
    std::vector<std::array<int, 64>> Symmetries() const {
        const int width = gs_.position.fieldWidth, height = gs_.position.fieldHeight;
        using Map = Point (*)(Point, int, int);
        std::vector<Map> maps = {[](Point p, int w, int) {
                                     return Point{w - 1 - p.x, p.y};
                                 },
                                 [](Point p, int, int h) {
                                     return Point{p.x, h - 1 - p.y};
                                 },
                                 [](Point p, int w, int h) {
                                     return Point{w - 1 - p.x, h - 1 - p.y};
                                 }};
        if (width == height)
            maps.insert(maps.end(), {[](Point p, int, int) {
                                         return Point{p.y, p.x};
                                     },
                                     [](Point p, int, int h) {
                                         return Point{h - 1 - p.y, p.x};
                                     },
                                     [](Point p, int w, int) {
                                         return Point{p.y, w - 1 - p.x};
                                     },
                                     [](Point p, int w, int h) {
                                         return Point{h - 1 - p.y, w - 1 - p.x};
                                     }});
        std::vector<std::array<int, 64>> symmetries;
        for (Map map : maps) {
            std::array<int, 64> to{};
            bool onto = true;
            for (int i = 0; i < kGridCells && onto; ++i) {
                const int from = index_[static_cast<size_t>(i)];
                if (from < 0) continue;
                const Point q = map({i % kGridSide, i / kGridSide}, width, height);
                const int image = index_[static_cast<size_t>(q.y * kGridSide + q.x)];
                onto = image >= 0;
                to[static_cast<size_t>(from)] = image;
            }
            if (onto) symmetries.push_back(to);
        }
        return symmetries;
    }

    static uint64_t Mapped(const std::array<int, 64>& to, uint64_t cells) {
        uint64_t image = 0;
        for (uint64_t bits = cells; bits; bits &= bits - 1)
            image |= uint64_t{1} << to[static_cast<size_t>(std::countr_zero(bits))];
        return image;
    }

    void Build() {
        neighbours_ = MakeNeighbours();
        oracle_ = std::make_unique<TilingOracle>(neighbours_);
        const auto& catalogue = Orientations().catalogue;
        for (int k = 0; k < kOrientationCount; ++k) {
            const FigureMatrix& m = catalogue[static_cast<size_t>(k)];
            // Only where the matrix's squares stay inside the field.
            int left = kMatrixSide, top = kMatrixSide, right = 0, bottom = 0;
            for (int i = 0; i < kMatrixCells; ++i)
                if (m[static_cast<size_t>(i)] != 0) {
                    left = std::min(left, i % kMatrixSide);
                    right = std::max(right, i % kMatrixSide);
                    top = std::min(top, i / kMatrixSide);
                    bottom = std::max(bottom, i / kMatrixSide);
                }
            for (int y = -top; y + bottom < gs_.position.fieldHeight; ++y)
                for (int x = -left; x + right < gs_.position.fieldWidth; ++x) {
                    const uint64_t cells = CellsOf(m, x, y);
                    if (cells == 0) continue;
                    pieces_.push_back({FigureOf(m), k, x, y, cells});
                    oracle_->AddPiece(FigureOf(m), cells);
                }
        }
        // Within a figure: by orientation, then row, then column, as they were made.
        std::stable_sort(pieces_.begin(), pieces_.end(),
                         [](const Piece& a, const Piece& b) { return a.figure < b.figure; });
        for (size_t i = 0; i < pieces_.size(); ++i) {
            byCells_[pieces_[i].cells] = i;
            byFigure_[static_cast<size_t>(pieces_[i].figure)].push_back(i);
            byLowest_[static_cast<size_t>(std::countr_zero(pieces_[i].cells))].push_back(i);
        }
        oracle_->Prepare();
    }

    // The cells a matrix covers at (x, y), or 0 when a square leaves the open cells.
    uint64_t CellsOf(const FigureMatrix& m, int x, int y) const {
        uint64_t cells = 0;
        for (int r = 0; r < kMatrixSide; ++r)
            for (int c = 0; c < kMatrixSide; ++c) {
                if (At(m, c, r) == 0) continue;
                const int cx = x + c, cy = y + r;
                if (cx < 0 || cy < 0 || cx >= gs_.position.fieldWidth ||
                    cy >= gs_.position.fieldHeight)
                    return 0;
                const int i = index_[static_cast<size_t>(cy * kGridSide + cx)];
                if (i < 0) return 0;
                cells |= uint64_t{1} << i;
            }
        return cells;
    }

    bool Completable(uint64_t occupied, uint32_t missing) {
        return oracle_->RegionsDivisibleByFive(occupied) && oracle_->Tileable(occupied, missing);
    }

    TilingOracle& oracle() { return *oracle_; }
    const std::vector<Piece>& pieces() const { return pieces_; }
    size_t PieceOf(uint64_t cells) const { return byCells_.at(cells); }
    // The piece covering exactly these cells, if there is one.
    const Piece* Exactly(uint64_t cells) const {
        const auto found = byCells_.find(cells);
        return found == byCells_.end() ? nullptr : &pieces_[found->second];
    }
    uint64_t Neighbours(int bit) const { return neighbours_[static_cast<size_t>(bit)]; }
    const std::vector<size_t>& PiecesOf(int figure) const {
        return byFigure_[static_cast<size_t>(figure)];
    }
    Point CellAt(int bit) const {
        for (int i = 0; i < kGridCells; ++i)
            if (index_[static_cast<size_t>(i)] == bit) return {i % kGridSide, i / kGridSide};
        return {};
    }

  private:
    std::vector<uint64_t> MakeNeighbours() const {
        std::vector<uint64_t> neighbours(static_cast<size_t>(cells_));
        for (int i = 0; i < kGridCells; ++i) {
            const int a = index_[static_cast<size_t>(i)];
            if (a < 0) continue;
            const int x = i % kGridSide, y = i / kGridSide;
            const int dx[4] = {1, -1, 0, 0}, dy[4] = {0, 0, 1, -1};
            for (int d = 0; d < 4; ++d) {
                const int nx = x + dx[d], ny = y + dy[d];
                if (nx < 0 || ny < 0 || nx >= kGridSide || ny >= kGridSide) continue;
                const int b = index_[static_cast<size_t>(ny * kGridSide + nx)];
                if (b >= 0) neighbours[static_cast<size_t>(a)] |= uint64_t{1} << b;
            }
        }
        return neighbours;
    }

    const GameState& gs_;
    std::array<int, kGridCells> index_{};
    int cells_ = 0;
    std::unique_ptr<TilingOracle> oracle_;
    std::vector<Piece> pieces_;
    std::unordered_map<uint64_t, size_t> byCells_;
    std::array<std::vector<size_t>, kFigureCount + 1> byFigure_;
    std::vector<uint64_t> neighbours_;
    std::array<std::vector<size_t>, 64> byLowest_;

  public:
    // Every way to cover exactly `region` with one piece of each figure of `figures` (a plain
    // depth-first search, the lowest cell first), until `budget` steps are spent.
    void Covers(uint64_t region, uint32_t figures, int& budget, std::vector<size_t>& cover,
                std::vector<std::vector<size_t>>& covers) const {
        if (region == 0) {
            covers.push_back(cover);
            return;
        }
        if (--budget < 0) return;
        for (size_t i : byLowest_[static_cast<size_t>(std::countr_zero(region))]) {
            const Piece& p = pieces_[i];
            if (!(figures & (uint32_t{1} << p.figure)) || (p.cells & ~region)) continue;
            cover.push_back(i);
            Covers(region & ~p.cells, figures & ~(uint32_t{1} << p.figure), budget, cover, covers);
            cover.pop_back();
        }
    }
};

struct Laid {
    int figure = 0;
    uint64_t cells = 0;
};

constexpr uint32_t Bit(int figure) {
    return uint32_t{1} << figure;
}

// The laid figures in the order of their numbers; false when one lies off the open cells.
bool LaidFigures(const GameState& gs, const HintField& field, std::vector<Laid>& laid) {
    for (const Figure& f : gs.position.placed) {
        if (IsEmptyMatrix(f.matrix)) break;
        const uint64_t cells = field.CellsOf(f.matrix, f.x, f.y);
        if (cells == 0) return false;
        laid.push_back({FigureOf(f.matrix), cells});
    }
    std::sort(laid.begin(), laid.end(),
              [](const Laid& a, const Laid& b) { return a.figure < b.figure; });
    return true;
}

// The first set of `size` laid figures, in the order of their numbers, whose removal leaves a
// completable position.
bool FindCulprits(HintField& field, const std::vector<Laid>& laid, uint32_t missing, size_t size,
                  size_t from, std::vector<size_t>& chosen, std::vector<int>& culprits) {
    if (chosen.size() == size) {
        uint64_t occupied = 0;
        uint32_t left = missing;
        size_t next = 0;
        for (size_t i = 0; i < laid.size(); ++i) {
            if (next < chosen.size() && chosen[next] == i) {
                left |= Bit(laid[i].figure);
                ++next;
            } else {
                occupied |= laid[i].cells;
            }
        }
        if (!field.Completable(occupied, left)) return false;
        for (size_t i : chosen)
            culprits.push_back(laid[i].figure);
        return true;
    }
    for (size_t i = from; i < laid.size(); ++i) {
        chosen.push_back(i);
        if (FindCulprits(field, laid, missing, size, i + 1, chosen, culprits)) return true;
        chosen.pop_back();
    }
    return false;
}

// Which pieces of the missing figures lie in some completion, found out cell by cell as the
// hardest cell needs them. A completion found lays many pieces at once, and leads cheaply to
// others: its images under the field's symmetries, and two of its pieces traded for another
// pair.
class Completions {
  public:
    Completions(HintField& field, const std::vector<Laid>& laid, uint64_t occupied,
                uint32_t missing)
        : field_(field), pieces_(field.pieces()), occupied_(occupied), missing_(missing),
          known_(pieces_.size(), Known::Unknown) {
        // The symmetries that the laid figures share turn every completion into others.
        for (const std::array<int, 64>& to : field.Symmetries())
            if (std::all_of(laid.begin(), laid.end(), [&](const Laid& l) {
                    return HintField::Mapped(to, l.cells) == l.cells;
                }))
                symmetries_.push_back(to);
        Witness(Found({}, missing)); // the completion that showed the position live
    }

    bool Viable(size_t i) const { return known_[i] == Known::Viable; }
    void Rule(size_t i) { known_[i] = Known::Dead; }

    // Settles the unknown pieces of `mine`, all on cell c, by asking for a completion that
    // covers c with any of them: each one found settles at least one more, and when there is
    // none the rest lie in no completion. One question for all the pieces that turn out dead
    // shares the search they need. Stops as soon as `enough` says so.
    template <class Enough> void Settle(int c, const std::vector<size_t>& mine, Enough enough) {
        for (;;) {
            std::vector<uint64_t> unknown;
            for (size_t i : mine)
                if (known_[i] == Known::Unknown) unknown.push_back(pieces_[i].cells);
            if (unknown.empty()) return;
            if (!field_.oracle().TileableCovering(occupied_, missing_, c, std::move(unknown))) {
                for (size_t i : mine)
                    if (known_[i] == Known::Unknown) known_[i] = Known::Dead;
                return;
            }
            Witness(Found({}, missing_));
            if (enough()) return;
        }
    }

    // The completions found so far, each with the pieces around cell c laid every other way
    // their cells allow: the piece on c and those next to it, re-tiled by their own figures.
    void Explore(int c) {
        const size_t found = std::min(tilings_.size(), kExploreBases);
        for (size_t k = 0; k < found; ++k) {
            const Tiling base = tilings_[k * tilings_.size() / found];
            uint64_t near = 0;
            for (size_t q : base)
                if (pieces_[q].cells & (uint64_t{1} << c)) near = pieces_[q].cells;
            uint64_t around = near;
            for (uint64_t bits = near; bits; bits &= bits - 1)
                around |= field_.Neighbours(std::countr_zero(bits));
            Tiling kept;
            uint64_t region = 0;
            uint32_t figures = 0;
            for (size_t q : base) {
                if (pieces_[q].cells & around) {
                    region |= pieces_[q].cells;
                    figures |= Bit(pieces_[q].figure);
                } else {
                    kept.push_back(q);
                }
            }
            std::vector<Tiling> covers;
            Tiling cover;
            int budget = kExploreSteps;
            field_.Covers(region, figures, budget, cover, covers);
            for (Tiling& each : covers) {
                if (std::all_of(each.begin(), each.end(), [&](size_t i) { return Viable(i); }))
                    continue;
                each.insert(each.end(), kept.begin(), kept.end());
                Witness(std::move(each));
            }
        }
    }

  private:
    enum class Known : uint8_t { Unknown, Viable, Dead };
    using Tiling = std::vector<size_t>; // one piece of each missing figure
    static constexpr size_t kMostTilings = 4096;
    static constexpr size_t kExploreBases = 8;
    static constexpr int kExploreSteps = 20000;

    // `tiling` completed by the oracle's last find for the figures of `rest`.
    Tiling Found(Tiling tiling, uint32_t rest) const {
        for (int f = 1; f <= kFigureCount; ++f)
            if (rest & Bit(f)) tiling.push_back(field_.PieceOf(field_.oracle().FoundPiece(f)));
        return tiling;
    }

    // A completion, and all those it leads to by symmetries and trades.
    void Witness(Tiling tiling) {
        std::vector<Tiling> queue{std::move(tiling)};
        for (size_t next = 0; next < queue.size(); ++next) {
            for (size_t i : queue[next])
                known_[i] = Known::Viable;
            if (tilings_.size() < kMostTilings) tilings_.push_back(queue[next]);
            for (const std::array<int, 64>& to : symmetries_) {
                Tiling image;
                bool adds = false;
                for (size_t i : queue[next]) {
                    image.push_back(field_.PieceOf(HintField::Mapped(to, pieces_[i].cells)));
                    adds = adds || known_[image.back()] != Known::Viable;
                }
                if (adds && queue.size() < kMostTilings) Keep(queue, std::move(image));
            }
            Trades(queue, next);
        }
    }

    // Two pieces of the tiling laid the other way their cells allow.
    void Trades(std::vector<Tiling>& queue, size_t next) {
        const Tiling tiling = queue[next];
        for (size_t a = 0; a < tiling.size(); ++a)
            for (size_t b = a + 1; b < tiling.size(); ++b) {
                const Piece& pa = pieces_[tiling[a]];
                const Piece& pb = pieces_[tiling[b]];
                const uint64_t both = pa.cells | pb.cells;
                for (size_t i : field_.PiecesOf(pa.figure)) {
                    if ((pieces_[i].cells & ~both) != 0 || i == tiling[a]) continue;
                    const Piece* other = field_.Exactly(both & ~pieces_[i].cells);
                    if (other == nullptr || other->figure != pb.figure) continue;
                    const size_t j = static_cast<size_t>(other - pieces_.data());
                    if ((Viable(i) && Viable(j)) || queue.size() >= kMostTilings) continue;
                    Tiling traded = tiling;
                    traded[a] = i;
                    traded[b] = j;
                    Keep(queue, std::move(traded));
                }
            }
    }

    void Keep(std::vector<Tiling>& queue, Tiling tiling) {
        for (size_t i : tiling)
            known_[i] = Known::Viable;
        queue.push_back(std::move(tiling));
    }

    HintField& field_;
    const std::vector<Piece>& pieces_;
    uint64_t occupied_;
    uint32_t missing_;
    std::vector<Known> known_;
    std::vector<std::array<int, 64>> symmetries_;
    std::vector<Tiling> tilings_;
};

// The hardest cell without asking about every piece: a cell's ways are at least its pieces
// known to lie in some completion. Cells are taken with the fewest fitting pieces first, and a
// cell is given up as soon as it has more ways than the fewest found (or as many, and comes
// later in row order).
void LiveHint(HintField& field, const std::vector<Laid>& laid, uint64_t occupied, uint32_t missing,
              PositionHint& hint) {
    const std::vector<Piece>& pieces = field.pieces();
    Completions completions(field, laid, occupied, missing);
    std::array<std::vector<size_t>, 64> candidates;
    for (size_t i = 0; i < pieces.size(); ++i) {
        const Piece& p = pieces[i];
        if (!(missing & Bit(p.figure)) || (p.cells & occupied) ||
            !field.oracle().RegionsDivisibleByFive(occupied | p.cells)) {
            completions.Rule(i);
            continue;
        }
        for (uint64_t bits = p.cells; bits; bits &= bits - 1)
            candidates[static_cast<size_t>(std::countr_zero(bits))].push_back(i);
    }
    std::vector<int> cells;
    for (int c = 0; c < 64; ++c)
        if (!candidates[static_cast<size_t>(c)].empty()) cells.push_back(c);
    std::stable_sort(cells.begin(), cells.end(), [&](int a, int b) {
        return candidates[static_cast<size_t>(a)].size() <
               candidates[static_cast<size_t>(b)].size();
    });
    int hardest = -1;
    size_t fewest = 0;
    // Whether a cell with at least `ways` ways can no longer be the hardest.
    const auto beaten = [&](int c, size_t ways) {
        return hardest >= 0 && (ways > fewest || (ways == fewest && c > hardest));
    };
    const auto viableAmong = [&](const std::vector<size_t>& mine) {
        return static_cast<size_t>(std::count_if(mine.begin(), mine.end(),
                                                 [&](size_t i) { return completions.Viable(i); }));
    };
    for (int c : cells) {
        const std::vector<size_t>& mine = candidates[static_cast<size_t>(c)];
        bool given = beaten(c, viableAmong(mine));
        if (!given) {
            completions.Explore(c);
            given = beaten(c, viableAmong(mine));
        }
        if (!given)
            completions.Settle(c, mine, [&] {
                given = beaten(c, viableAmong(mine));
                return given;
            });
        const size_t ways = viableAmong(mine);
        if (!given && ways > 0 && !beaten(c, ways) && !(ways == fewest && c == hardest)) {
            hardest = c;
            fewest = ways;
        }
    }
    if (hardest < 0) return;
    hint.cell = field.CellAt(hardest);
    for (size_t i : candidates[static_cast<size_t>(hardest)]) {
        const Piece& p = pieces[i];
        if (completions.Viable(i)) {
            hint.ghost = {p.x, p.y, Orientations().catalogue[static_cast<size_t>(p.orientation)]};
            hint.orientation = p.orientation;
            return;
        }
    }
}

} // namespace

PositionHint ComputeHint(const GameState& gs) {
    PositionHint hint;
    HintField field(gs);
    if (!field.Usable()) return hint;
    field.Build();
    std::vector<Laid> laid;
    if (!LaidFigures(gs, field, laid)) return hint;
    uint64_t occupied = 0;
    uint32_t missing = 0;
    for (int f = 1; f <= kFigureCount; ++f)
        missing |= Bit(f);
    for (const Laid& l : laid) {
        occupied |= l.cells;
        missing &= ~Bit(l.figure);
    }
    if (field.Completable(occupied, missing)) {
        hint.kind = HintKind::Live;
        LiveHint(field, laid, occupied, missing, hint);
        return hint;
    }
    for (size_t size = 1; size <= laid.size(); ++size) {
        std::vector<size_t> chosen;
        if (FindCulprits(field, laid, missing, size, 0, chosen, hint.culprits)) {
            hint.kind = HintKind::Dead;
            return hint;
        }
    }
    return hint; // not even the empty field can be tiled
}
