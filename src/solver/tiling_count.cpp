// Exact cover of a field's open cells by the missing figures: Algorithm X on 64-bit boards.
// The search first branches on the figure with the fewest places, taking one place of each
// class of places that the field's own turns and mirrors carry into each other, and then
// always on the first open cell in a scan along the field's shorter side. What makes it quick:
// - a field whose bounding box has at most 64 cells is a grid board, where the cells cut off by
//   a place are found with a few shifts of the whole board;
// - the count of a position met again (the same open cells, the same figures left) is looked up
//   in a memory of positions instead of searched again;
// - the last four figures are not searched: the tilings of the open cells left by every set of
//   four (or three, or two) figures are found once, when the cells first come up, and the
//   count for the figures left is read from them;
// - a whole count is cut into parts that the machine's processors share, with the tails each
//   finds.
#include "solver/tiling_count.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <memory>
#include <thread>
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

using Board = uint64_t; // one bit per cell, numbered in scan order (see Problem)

// One figure in one orientation at one place.
struct Place {
    Board cells = 0;
    Board border = 0; // the open cells beside the place
    int figure = 0;   // 0..11
};

// The cells numbered in scan order (the open cells only, or every cell of a grid field), and
// every place of every missing figure.
struct Problem {
    int cellCount = 0;
    Board open = 0; // the cells to cover
    // When the open cells' bounding box has at most 64 cells, every cell of the box has its
    // number, blocked or not, lines of lineLength cells one after the other, so that the
    // cells beside a whole board are a few shifts away.
    bool grid = false;
    int lineLength = 0;
    Board lineStarts = 0, lineEnds = 0;
    std::array<int, 64> gridIndex{};                      // cell number -> y * 25 + x
    std::array<Board, 64> neighbours{};                   // the open cells beside each cell
    std::vector<Place> places;                            // grouped by first cell, then by figure
    std::vector<std::array<int, kFigureCount + 1>> first; // [cell][figure]: start in places
    uint32_t missing = 0;                                 // bit f: figure f + 1 is to be laid
    std::vector<std::vector<int>>
        symmetries; // cell permutations mapping the open cells onto themselves
    // Every place by its cells, to tell at once which figure, if any, covers a set of cells
    // exactly: an open-addressed table of lastSlot + 1 slots.
    std::vector<Place> byCells;
    std::size_t lastSlot = 0;

    std::size_t SlotOf(Board cells) const {
        return (cells * 0x9E3779B97F4A7C15ull >> 40) & lastSlot;
    }
    // The figure (0..11) whose place covers exactly these cells, or -1.
    int FigureCovering(Board cells) const {
        for (std::size_t i = SlotOf(cells);; i = (i + 1) & lastSlot) {
            if (byCells[i].cells == cells) return byCells[i].figure;
            if (byCells[i].cells == 0) return -1;
        }
    }
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

// Figures left up to which a position's count is read from the tilings of its open cells by
// every set of figures (see TailTable) instead of searched; from one more, positions are
// remembered with their figures (see Memo).
constexpr int kTailMost = 4;
constexpr int kMemoLeast = kTailMost + 1;

struct MemoEntry {
    Board open = 0;
    uint32_t missing = 0;
    uint32_t epoch = 0; // the search that wrote the entry
    uint64_t count = 0;

    bool Holds(Board o, uint32_t m, uint32_t e) const {
        return epoch == e && open == o && missing == m;
    }
};

// The counts of positions already searched, a fixed table where a newer position takes the
// place of an older one. Kept per thread and reused: a new search only moves to a new epoch.
struct Memo {
    static constexpr int kBits = 14;
    std::vector<MemoEntry> slots = std::vector<MemoEntry>(std::size_t{1} << kBits);
    uint32_t epoch = 0;

    MemoEntry& Slot(Board open, uint32_t missing) {
        uint64_t h = (open ^ (uint64_t{missing} << 52 | missing)) * 0x9E3779B97F4A7C15ull;
        return slots[h >> (64 - kBits)];
    }
};

// The tilings of one set of open cells by a few figures, one entry per set of figures that
// tiles it.
struct Tail {
    uint32_t figures; // bit f: figure f + 1
    uint32_t count;
};

// The tails of one set of open cells, where a table keeps them.
struct Tails {
    const Tail* first = nullptr;
    uint32_t size = 0;
};

uint64_t HashOfCells(Board open) {
    return open * 0x9E3779B97F4A7C15ull;
}

// The open cells of the last positions of a search come back again and again with other
// figures left: the tilings of each such set of cells are found once, for every set of
// figures at the same time. An open-addressed table from the cells to their tails, growing
// up to a limit and emptied when full. What it gives stays valid until the next Keep.
class TailTable {
  public:
    void Reset() {
        if (++epoch_ == 0) {
            std::fill(slots_.begin(), slots_.end(), Slot{});
            epoch_ = 1;
        }
        tails_.clear();
        used_ = 0;
    }
    // The tails of open, when known.
    bool Find(Board open, Tails& found) const {
        const Slot& s = slots_[SlotOf(open)];
        found = {tails_.data() + s.begin, s.size};
        return s.epoch == epoch_;
    }
    // Keeps the tails gathered in `sums` (figures -> count) for open and empties `sums`.
    Tails Keep(Board open, std::array<uint32_t, 1 << kFigureCount>& sums,
               std::vector<uint32_t>& touched) {
        if (2 * (used_ + 1) > slots_.size()) Grow();
        const auto begin = static_cast<uint32_t>(tails_.size());
        const auto size = static_cast<uint32_t>(touched.size());
        for (uint32_t figures : touched) {
            tails_.push_back({figures, sums[figures]});
            sums[figures] = 0;
        }
        touched.clear();
        slots_[SlotOf(open)] = Slot{open, epoch_, begin, size};
        ++used_;
        return {tails_.data() + begin, size};
    }

  private:
    struct Slot {
        Board open = 0;
        uint32_t epoch = 0;
        uint32_t begin = 0, size = 0; // in tails_
    };
    static constexpr std::size_t kMostSlots = std::size_t{1} << 20;

    // The slot of open: its own, or the empty one where it goes.
    std::size_t SlotOf(Board open) const {
        const std::size_t last = slots_.size() - 1;
        for (std::size_t i = HashOfCells(open) >> 40 & last;; i = (i + 1) & last)
            if (slots_[i].epoch != epoch_ || slots_[i].open == open) return i;
    }
    void Grow() {
        if (slots_.size() >= kMostSlots) {
            Reset();
            return;
        }
        std::vector<Slot> old(slots_.size() * 2);
        old.swap(slots_);
        for (const Slot& s : old)
            if (s.epoch == epoch_) slots_[SlotOf(s.open)] = s;
    }

    std::vector<Slot> slots_ = std::vector<Slot>(1 << 12);
    std::vector<Tail> tails_;
    std::size_t used_ = 0;
    uint32_t epoch_ = 1;
};

// The tails found by the threads of one shared count, so that each set of cells is gathered
// once rather than once per thread. A fixed table that only grows: a thread writes the
// tails, then claims a slot for the cells and marks it ready; another thread reads a slot
// only once it is ready. When it is full, the threads keep what they find to themselves.
class SharedTails {
  public:
    bool Find(Board open, Tails& found) const {
        for (std::size_t i = HashOfCells(open) >> 40 & kLastSlot;; i = (i + 1) & kLastSlot) {
            const Board cells = slots_[i].open.load(std::memory_order_acquire);
            if (cells == 0) return false;
            if (cells != open) continue;
            const uint32_t ready = slots_[i].sizeAfter.load(std::memory_order_acquire);
            if (ready == 0) return false; // being written
            found = {tails_.get() + slots_[i].begin.load(std::memory_order_relaxed), ready - 1};
            return true;
        }
    }
    // Shares the tails of open; false when the table is full.
    bool Offer(Board open, Tails tails) {
        const std::size_t begin = used_.fetch_add(tails.size, std::memory_order_relaxed);
        if (begin + tails.size > kMostTails ||
            claimed_.fetch_add(1, std::memory_order_relaxed) >= (kLastSlot + 1) / 2)
            return false;
        std::copy(tails.first, tails.first + tails.size, tails_.get() + begin);
        for (std::size_t i = HashOfCells(open) >> 40 & kLastSlot;; i = (i + 1) & kLastSlot) {
            Board cells = 0;
            if (slots_[i].open.compare_exchange_strong(cells, open, std::memory_order_acq_rel)) {
                slots_[i].begin.store(static_cast<uint32_t>(begin), std::memory_order_relaxed);
                slots_[i].sizeAfter.store(tails.size + 1, std::memory_order_release);
                return true;
            }
            if (cells == open) return true; // another thread shared them first
        }
    }

  private:
    struct Slot {
        std::atomic<Board> open{0}; // 0: empty
        std::atomic<uint32_t> begin{0};
        std::atomic<uint32_t> sizeAfter{0}; // the number of tails + 1 once written, else 0
    };
    static constexpr std::size_t kLastSlot = (std::size_t{1} << 16) - 1;
    static constexpr std::size_t kMostTails = std::size_t{1} << 18;

    std::unique_ptr<Slot[]> slots_ = std::make_unique<Slot[]>(kLastSlot + 1);
    std::unique_ptr<Tail[]> tails_ = std::make_unique_for_overwrite<Tail[]>(kMostTails);
    std::atomic<std::size_t> used_{0}, claimed_{0};
};

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

// Figures to lay from which a count is shared between threads: smaller counts take less
// time than starting a thread.
constexpr int kSharedLeast = 10;

// A part of a search: the cells still open and the figures still to lay after one place
// (laid; figure -1 when none), and how many tilings each tiling of the part stands for.
struct Part {
    Board open = 0;
    uint32_t missing = 0;
    uint64_t weight = 1;
    Place laid;
};

// The parts of a shared search, taken from the front by some threads and from the back by the
// others: a thread goes on with the parts next to those it searched, which the memory of its
// positions is most likely to share.
class PartsQueue {
  public:
    explicit PartsQueue(std::vector<Part> parts)
        : parts_(std::move(parts)), range_(uint64_t{parts_.size()}) {}
    const Part* Take(bool fromBack) {
        uint64_t r = range_.load();
        for (;;) {
            const uint64_t front = r >> 32, back = r & 0xFFFFFFFF;
            if (front >= back) return nullptr;
            const uint64_t taken = fromBack ? back - 1 : front;
            const uint64_t next =
                fromBack ? (front << 32 | (back - 1)) : ((front + 1) << 32 | back);
            if (range_.compare_exchange_weak(r, next)) return &parts_[taken];
        }
    }

  private:
    std::vector<Part> parts_;
    std::atomic<uint64_t> range_; // the parts not yet taken: front in the high half, back low
};

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

// The whole count shared by the machine's processors (at most four): each thread takes the
// next part of the search not yet taken.
uint64_t CountShared(const Problem& p, const std::atomic<bool>* stop) {
    const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    if (threads == 1 || p.missing == 0 || std::popcount(p.missing) < kSharedLeast)
        return TilingSearch(p, 0, stop).Run(false);
    PartsQueue parts(TilingSearch(p, 0).Parts(true));
    SharedTails shared;
    std::vector<uint64_t> counts(threads);
    auto work = [&](unsigned k) {
        counts[k] = TilingSearch(p, 0, stop, &shared).RunParts(parts, k % 2 == 1);
    };
    std::vector<std::thread> helpers;
    for (unsigned k = 1; k < threads; ++k)
        helpers.emplace_back(work, k);
    work(0);
    for (std::thread& t : helpers)
        t.join();
    uint64_t total = 0;
    for (uint64_t c : counts)
        total += c;
    return total;
}

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
    return limit == 0 ? CountShared(p, nullptr) : TilingSearch(p, limit).Run(false);
}

uint64_t CountSolutions(const TilingField& field, const std::atomic<bool>* stop, uint64_t limit) {
    Problem p;
    if (!BuildProblem(field, p) || p.missing != (1u << kFigureCount) - 1) return 0;
    // No tiling by twelve different figures is its own turned or mirrored copy (the L figure
    // has no symmetry), so every solution lies on the field once per symmetry of the field.
    const uint64_t copies = p.symmetries.size();
    if (limit == 0) return CountShared(p, stop) / copies;
    return TilingSearch(p, limit * copies, stop).Run(false) / copies;
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
