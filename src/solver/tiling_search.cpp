// The counter's search, and what each thread keeps from one search to the next.
#include "solver/tiling_search.h"

#include <algorithm>
#include <array>
#include <bit>

#include "solver/position_memo.h"

namespace tiling {

namespace {

// Figures left up to which a position's count is read from the tilings of its open cells by
// every set of figures (see TailTable) instead of searched; from one more, positions are
// remembered with their figures (see Memo).
constexpr int kTailMost = 4;
constexpr int kMemoLeast = kTailMost + 1;

// What a thread keeps from one search to the next.
struct ThreadTables {
    Memo memo;
    TailTable tails;
    // Per figures left: the counts of the tails being gathered by their figures, and which
    // figures have a count.
    std::array<std::array<uint32_t, 1 << kFigureCount>, kTailMost + 1> sums{};
    std::array<std::vector<uint32_t>, kTailMost + 1> touched;
};

ThreadTables& TablesOfThisThread() {
    thread_local ThreadTables tables;
    Memo& memo = tables.memo;
    if (++memo.epoch == 0) { // the epochs went round: forget everything
        std::fill(memo.slots.begin(), memo.slots.end(), MemoEntry{});
        memo.epoch = 1;
    }
    tables.tails.Reset();
    return tables;
}

class TilingSearch {
  public:
    TilingSearch(const Problem& p, uint64_t limit, const std::atomic<bool>* stop = nullptr,
                 SharedTails* shared = nullptr)
        : p_(p), limit_(limit), stop_(stop), shared_(shared), tables_(TablesOfThisThread()),
          memo_(tables_.memo) {}

    // Counts the tilings; with keepFirst the places of the first one are kept.
    uint64_t Run(bool keepFirst) {
        keepFirst_ = keepFirst;
        if (p_.missing == 0) return 1; // nothing to lay: the field as it is
        for (const Part& part : Parts(false)) {
            weight_ = part.weight;
            if (part.laid.figure >= 0) chosen_.push_back(part.laid);
            SearchPart(part);
            chosen_.clear();
            if (Done()) break;
        }
        return Found();
    }

    // Counts the tilings of the parts of a shared search that `parts` hands to this thread.
    uint64_t RunParts(PartsQueue& parts, bool fromBack) {
        for (const Part* part; !Done() && (part = parts.Take(fromBack)) != nullptr;) {
            weight_ = part->weight;
            SearchPart(*part);
        }
        return Found();
    }

    // The search cut into parts whose counts add up to the whole: one for each class of
    // places of the figure with the fewest places when the field has symmetries (see
    // PlaceClasses), else the whole search; split once more by the first open cell's places
    // when several threads are to share them, so that they end together.
    std::vector<Part> Parts(bool fine) const {
        std::vector<Part> parts;
        if (p_.symmetries.size() < 2) {
            // Nothing to gain from classes of places: the cell scan alone is faster here.
            parts.push_back({p_.open, p_.missing, 1, Place{0, 0, -1}});
        } else {
            int figure = FewestPlacesFigure();
            for (const auto& [place, weight] : PlaceClasses(figure))
                parts.push_back(
                    {p_.open & ~place.cells, p_.missing & ~(1u << figure), weight, place});
        }
        if (!fine) return parts;
        std::vector<Part> finer;
        for (const Part& part : parts) {
            if (part.open == 0 || std::popcount(part.missing) <= 2) {
                finer.push_back(part);
                continue;
            }
            const auto& first = p_.first[std::countr_zero(part.open)];
            for (uint32_t left = part.missing; left != 0; left &= left - 1) {
                int f = std::countr_zero(left);
                for (int i = first[f]; i < first[f + 1]; ++i) {
                    const Place& pl = p_.places[i];
                    Board rest = part.open & ~pl.cells;
                    if ((pl.cells & ~part.open) == 0 && !CutsOffCells(pl.border & rest, rest))
                        finer.push_back({rest, part.missing & ~(1u << f), part.weight, pl});
                }
            }
        }
        return finer;
    }

    const std::vector<Place>& FirstTiling() const { return first_; }

  private:
    uint64_t Found() const { return limit_ != 0 ? std::min(found_, limit_) : found_; }

    bool Done() const {
        return (limit_ != 0 && found_ >= limit_) ||
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
        if (p_.grid) return CutsOffCellsOfGrid(open);
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

    // The cells of a board whose neighbour before (after) them along their line lies in it.
    Board BeforeIn(Board b) const { return b << 1 & ~p_.lineStarts; }
    Board AfterIn(Board b) const { return b >> 1 & ~p_.lineEnds; }

    // The same test on a whole grid board at once: a cell without an open neighbour, or two
    // cells each other's only open neighbour.
    bool CutsOffCellsOfGrid(Board open) const {
        const int n = p_.lineLength;
        Board before = BeforeIn(open), after = AfterIn(open);
        Board prev = open << n, next = open >> n;
        Board any = before | after | prev | next;
        if (open & ~any) return true;
        Board two = (before & (after | prev | next)) | (after & (prev | next)) | (prev & next);
        Board single = open & ~two;
        return (single & (BeforeIn(single) | AfterIn(single) | single << n | single >> n)) != 0;
    }

    // The search compiled for each kind of field and for keeping the first tiling or not.
    void SearchPart(const Part& part) {
        const int left = std::popcount(part.missing);
        if (keepFirst_) {
            if (p_.grid)
                Search<true, true>(part.open, part.missing, left);
            else
                Search<false, true>(part.open, part.missing, left);
        } else {
            if (p_.grid)
                Search<true, false>(part.open, part.missing, left);
            else
                Search<false, false>(part.open, part.missing, left);
        }
    }

    // The number of ways to cover open with the missing figures. The last few figures are
    // read from the tails of the open cells; positions met again by another order of the same
    // figures (the same open cells and the same figures left) are looked up in the memory
    // instead of searched again.
    template <bool kGrid, bool kKeepFirst>
    uint64_t Search(Board open, uint32_t missing, int figuresLeft) {
        if (open == 0) {
            if (kKeepFirst && found_ == 0) first_ = chosen_;
            found_ += weight_;
            return 1;
        }
        if (!kKeepFirst && figuresLeft == 1) {
            // The last figure: the open cells must be one of its places.
            if (p_.FigureCovering(open) != std::countr_zero(missing)) return 0;
            found_ += weight_;
            return 1;
        }
        if (!kKeepFirst && figuresLeft <= kTailMost) {
            const Tails tails = TailsOf<kGrid>(open, figuresLeft);
            uint64_t n = 0;
            for (uint32_t i = 0; i < tails.size; ++i)
                if (tails.first[i].figures == missing) n = tails.first[i].count;
            found_ += weight_ * n;
            return n;
        }
        MemoEntry* entry = nullptr;
        if (!kKeepFirst && figuresLeft >= kMemoLeast) {
            entry = &memo_.Slot(open, missing);
            if (entry->Holds(open, missing, memo_.epoch)) {
                found_ += weight_ * entry->count;
                return entry->count;
            }
        }
        uint64_t n = 0;
        const Place* const places = p_.places.data();
        const std::array<int, kFigureCount + 1>& first = p_.first[std::countr_zero(open)];
        // The places that fit, gathered without a branch on each, then the search after each.
        std::array<const Place*, kOrientationCount + 1> fit;
        int fits = 0;
        for (uint32_t left = missing; left != 0; left &= left - 1) {
            const int f = std::countr_zero(left);
            for (const Place *pl = places + first[f], *end = places + first[f + 1]; pl < end;
                 ++pl) {
                fit[fits] = pl;
                fits += (pl->cells & ~open) == 0;
            }
        }
        for (int k = 0; k < fits; ++k) {
            const Place* pl = fit[k];
            const Board rest = open & ~pl->cells;
            if (kGrid ? CutsOffCellsOfGrid(rest) : CutsOffCells(pl->border & rest, rest)) continue;
            if constexpr (kKeepFirst) chosen_.push_back(*pl);
            n += Search<kGrid, kKeepFirst>(rest, missing & ~(1u << pl->figure), figuresLeft - 1);
            if constexpr (kKeepFirst) chosen_.pop_back();
            if (Done()) return n;
        }
        if (entry != nullptr) *entry = MemoEntry{open, missing, memo_.epoch, n};
        return n;
    }

    // The tilings of open by every set of figuresLeft (2 or more) missing figures.
    template <bool kGrid> Tails TailsOf(Board open, int figuresLeft) {
        TailTable& table = tables_.tails;
        Tails found;
        if ((shared_ != nullptr && shared_->Find(open, found)) || table.Find(open, found))
            return found;
        auto& sums = tables_.sums[figuresLeft];
        auto& touched = tables_.touched[figuresLeft];
        const auto add = [&](uint32_t figures, uint32_t count) {
            if (sums[figures] == 0) touched.push_back(figures);
            sums[figures] += count;
        };
        const std::array<int, kFigureCount + 1>& first = p_.first[std::countr_zero(open)];
        for (const Place *pl = p_.places.data() + first[0],
                         *end = p_.places.data() + first[kFigureCount];
             pl < end; ++pl) {
            if ((pl->cells & ~open) != 0) continue;
            const Board rest = open & ~pl->cells;
            const uint32_t own = 1u << pl->figure;
            if (figuresLeft == 2) {
                const int other = p_.FigureCovering(rest);
                if (other >= 0 && other != pl->figure) add(own | 1u << other, 1);
                continue;
            }
            if (kGrid ? CutsOffCellsOfGrid(rest) : CutsOffCells(pl->border & rest, rest)) continue;
            const Tails tails = TailsOf<kGrid>(rest, figuresLeft - 1);
            for (const Tail *t = tails.first, *last = t + tails.size; t < last; ++t)
                if ((t->figures & own) == 0) add(t->figures | own, t->count);
        }
        found = table.Keep(open, sums, touched);
        if (shared_ != nullptr) shared_->Offer(open, found);
        return found;
    }

    const Problem& p_;
    uint64_t limit_;
    const std::atomic<bool>* stop_;
    SharedTails* shared_; // the tails shared with the other threads of the count, if any
    uint64_t found_ = 0;
    uint64_t weight_ = 1;
    bool keepFirst_ = false;
    std::vector<Place> chosen_;
    std::vector<Place> first_;
    ThreadTables& tables_;
    Memo& memo_; // the thread's own memory of positions
};

} // namespace

uint64_t CountTilingsOf(const Problem& p, uint64_t limit, const std::atomic<bool>* stop) {
    return TilingSearch(p, limit, stop).Run(false);
}

bool FindFirstTiling(const Problem& p, std::vector<Place>& places) {
    TilingSearch search(p, 1);
    if (search.Run(true) == 0) return false;
    places = search.FirstTiling();
    return true;
}

std::vector<Part> SharedParts(const Problem& p) {
    return TilingSearch(p, 0).Parts(true);
}

uint64_t CountParts(const Problem& p, PartsQueue& parts, bool fromBack,
                    const std::atomic<bool>* stop, SharedTails& shared) {
    return TilingSearch(p, 0, stop, &shared).RunParts(parts, fromBack);
}

} // namespace tiling
