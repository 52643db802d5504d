// New puzzles on demand. A field starts as a near-rectangle (many solutions) or as the union of
// the twelve figures laid side by side at random (few), and then moves one cell (or one pair
// of mirror cells) at a time while its number of solutions comes no further from the band;
// a search that stalls starts again from a new field.
#include "solver/generator.h"

#include <algorithm>
#include <vector>

#include "model/game_state.h"
#include "solver/tiling_count.h"

namespace {

constexpr int kBudget = 6000; // steps (a field counted or a move tried) before giving up
constexpr int kStall = 120;   // steps without coming nearer before starting again

// A small generator of the same numbers on every platform (SplitMix64).
class Random {
  public:
    explicit Random(uint64_t seed) : state_(seed) {}
    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }

  private:
    uint64_t state_;
};

enum class Symmetry { None, MirrorLeftRight, MirrorTopBottom, HalfTurn };

// The box the field grows in, cell i at (i % width, i / width), and the symmetry that pairs
// its cells: mirror(i) is i's partner, i itself when the field need not be symmetric.
struct Frame {
    int width = 0;
    int height = 0;
    Symmetry symmetry = Symmetry::None;

    int Cells() const { return width * height; }
    int Mirror(int i) const {
        int x = i % width, y = i / width;
        switch (symmetry) {
        case Symmetry::MirrorLeftRight:
            x = width - 1 - x;
            break;
        case Symmetry::MirrorTopBottom:
            y = height - 1 - y;
            break;
        case Symmetry::HalfTurn:
            x = width - 1 - x, y = height - 1 - y;
            break;
        case Symmetry::None:
            break;
        }
        return y * width + x;
    }
    template <typename F> void ForNeighbours(int i, F f) const {
        int x = i % width, y = i / width;
        if (x > 0) f(i - 1);
        if (x + 1 < width) f(i + 1);
        if (y > 0) f(i - width);
        if (y + 1 < height) f(i + width);
    }
};

using Cells = std::vector<char>; // one per frame cell: part of the field or not

// A symmetric field needs a symmetry without a cell of its own: the mirror's axis and the half
// turn's centre between cells. An odd side gives up a line for it when both are odd.
Frame ChooseFrame(const GenerateRequest& r, Random& random) {
    Frame f{r.maxWidth, r.maxHeight, Symmetry::None};
    if (!r.symmetric) return f;
    if (f.width % 2 != 0 && f.height % 2 != 0) {
        if (f.width >= f.height)
            --f.width;
        else
            --f.height;
    }
    std::vector<Symmetry> kinds{Symmetry::HalfTurn};
    if (f.width % 2 == 0) kinds.push_back(Symmetry::MirrorLeftRight);
    if (f.height % 2 == 0) kinds.push_back(Symmetry::MirrorTopBottom);
    f.symmetry = kinds[random.Below(static_cast<int>(kinds.size()))];
    return f;
}

int CountIn(const Cells& in) {
    return static_cast<int>(std::count(in.begin(), in.end(), 1));
}

bool Connected(const Frame& f, const Cells& in) {
    int start = static_cast<int>(std::find(in.begin(), in.end(), 1) - in.begin());
    if (start == f.Cells()) return false;
    std::vector<char> seen(in.size(), 0);
    std::vector<int> todo{start};
    seen[start] = 1;
    int reached = 0;
    while (!todo.empty()) {
        int i = todo.back();
        todo.pop_back();
        ++reached;
        f.ForNeighbours(i, [&](int n) {
            if (in[n] && !seen[n]) seen[n] = 1, todo.push_back(n);
        });
    }
    return reached == CountIn(in);
}

int OpenNeighbours(const Frame& f, const Cells& in, int i) {
    int n = 0;
    f.ForNeighbours(i, [&](int j) { n += in[j]; });
    return n;
}

// Cells outside the field beside it.
std::vector<int> Border(const Frame& f, const Cells& in) {
    std::vector<int> out;
    for (int i = 0; i < f.Cells(); ++i)
        if (!in[i] && OpenNeighbours(f, in, i) > 0) out.push_back(i);
    return out;
}

// Takes cells (with their partners) off the field's edge until it has kGenerateCells, keeping
// it connected. False when it cannot.
bool TrimTo60(const Frame& f, Cells& in, Random& random) {
    for (int guard = 0; CountIn(in) > kGenerateCells && guard < 400; ++guard) {
        int i = random.Below(f.Cells());
        if (!in[i] || OpenNeighbours(f, in, i) > 2) continue;
        Cells next = in;
        next[i] = next[f.Mirror(i)] = 0;
        if (CountIn(next) >= kGenerateCells && Connected(f, next)) in = std::move(next);
    }
    return CountIn(in) == kGenerateCells;
}

// A rectangle of 60 to 72 cells in the middle of the frame (anywhere in it when the field
// need not be symmetric) with cells taken off its edge. Not a square nor nearly one: their
// fields have as many solutions, but counting them takes several times as long.
bool NearRectangle(const Frame& f, Random& random, Cells& in) {
    std::vector<std::pair<int, int>> sides;
    for (int w = kLeastRandomSide; w <= f.width; ++w)
        for (int h = kLeastRandomSide; h <= f.height; ++h) {
            bool centred =
                f.symmetry == Symmetry::None || ((f.width - w) % 2 == 0 && (f.height - h) % 2 == 0);
            if (w * h >= kGenerateCells && w * h <= 72 && w * h % 2 == 0 && centred &&
                std::abs(w - h) >= 2)
                sides.push_back({w, h});
        }
    if (sides.empty()) return false;
    auto [w, h] = sides[random.Below(static_cast<int>(sides.size()))];
    int left = f.symmetry == Symmetry::None ? random.Below(f.width - w + 1) : (f.width - w) / 2;
    int top = f.symmetry == Symmetry::None ? random.Below(f.height - h + 1) : (f.height - h) / 2;
    in.assign(f.Cells(), 0);
    for (int y = top; y < top + h; ++y)
        for (int x = left; x < left + w; ++x)
            in[y * f.width + x] = 1;
    return TrimTo60(f, in, random);
}

// The twelve figures laid one after the other beside those already laid, each at a random
// place among those touching the most cells of the field when compact, else anywhere beside
// it. The field has a tiling by construction.
bool FigureUnion(const Frame& f, Random& random, bool compact, Cells& in) {
    in.assign(f.Cells(), 0);
    std::array<int, kFigureCount> order{};
    for (int k = 0; k < kFigureCount; ++k)
        order[k] = k + 1;
    for (int k = kFigureCount - 1; k > 0; --k)
        std::swap(order[k], order[random.Below(k + 1)]);
    for (int figure : order) {
        std::vector<std::array<int, 5>> places;
        std::vector<int> touching;
        for (const FigureMatrix& a : Orientations().aligned) {
            if (FigureOf(a) != figure) continue;
            for (int y = 0; y < f.height; ++y)
                for (int x = 0; x < f.width; ++x) {
                    std::array<int, 5> cells{};
                    int n = 0, touch = 0;
                    bool fits = true;
                    for (int r = 0; r < kMatrixSide && fits; ++r)
                        for (int c = 0; c < kMatrixSide && fits; ++c) {
                            if (At(a, c, r) == 0) continue;
                            int cx = x + c, cy = y + r;
                            fits = cx < f.width && cy < f.height && !in[cy * f.width + cx];
                            if (fits) cells[n++] = cy * f.width + cx;
                        }
                    if (!fits) continue;
                    for (int c : cells)
                        touch += OpenNeighbours(f, in, c);
                    if (touch == 0 && CountIn(in) > 0) continue;
                    places.push_back(cells);
                    touching.push_back(touch);
                }
        }
        if (places.empty()) return false;
        std::vector<int> pick;
        int most = *std::max_element(touching.begin(), touching.end());
        for (int k = 0; k < static_cast<int>(places.size()); ++k)
            if (!compact || touching[k] == most) pick.push_back(k);
        for (int c : places[pick[random.Below(static_cast<int>(pick.size()))]])
            in[c] = 1;
    }
    return true;
}

// A symmetric field grown from a pair of cells beside the frame's centre by pairs of cells
// beside it.
bool SymmetricBlob(const Frame& f, Random& random, Cells& in) {
    in.assign(f.Cells(), 0);
    int centre = f.height / 2 * f.width + f.width / 2;
    std::vector<int> seeds;
    for (int i = 0; i < f.Cells(); ++i) {
        bool paired = false;
        f.ForNeighbours(i, [&](int n) { paired = paired || n == f.Mirror(i); });
        int dx = i % f.width - centre % f.width, dy = i / f.width - centre / f.width;
        if (paired && dx * dx + dy * dy <= 4) seeds.push_back(i);
    }
    if (seeds.empty()) return false;
    int seed = seeds[random.Below(static_cast<int>(seeds.size()))];
    in[seed] = in[f.Mirror(seed)] = 1;
    while (CountIn(in) < kGenerateCells) {
        std::vector<int> border = Border(f, in);
        if (border.empty()) return false;
        int i = border[random.Below(static_cast<int>(border.size()))];
        in[i] = in[f.Mirror(i)] = 1;
    }
    return CountIn(in) == kGenerateCells;
}

// One cell (with its partner) moved from the field's edge to a place beside it; false when
// the try does not give a connected field of 60 cells.
bool MoveOneCell(const Frame& f, Random& random, Cells& in) {
    std::vector<int> field;
    for (int i = 0; i < f.Cells(); ++i)
        if (in[i]) field.push_back(i);
    int from = field[random.Below(static_cast<int>(field.size()))];
    Cells next = in;
    next[from] = next[f.Mirror(from)] = 0;
    std::vector<int> border = Border(f, next);
    std::erase_if(border, [&](int i) { return i == from || i == f.Mirror(from); });
    if (border.empty()) return false;
    int to = border[random.Below(static_cast<int>(border.size()))];
    next[to] = next[f.Mirror(to)] = 1;
    if (CountIn(next) != kGenerateCells || !Connected(f, next)) return false;
    in = std::move(next);
    return true;
}

TilingField FieldOf(const Frame& f, const Cells& in) {
    TilingField field{f.width, f.height, {}};
    field.cells.fill(kCellBlocked);
    for (int i = 0; i < f.Cells(); ++i)
        if (in[i]) At(field.cells, i % f.width, i / f.width) = kCellOpen;
    return field;
}

// How far a number of solutions lies from the band, 0 inside it: by how many times it falls
// short or goes over (a quotient, so that every platform computes the same).
double Distance(uint64_t solutions, SolutionBand band) {
    if (solutions == 0) return 1e9;
    if (solutions < band.least) return double(band.least) / double(solutions) - 1;
    if (band.most != 0 && solutions > band.most) return double(solutions) / double(band.most) - 1;
    return 0;
}

GeneratedPuzzle Cropped(const TilingField& field, uint64_t solutions) {
    GeneratedPuzzle out;
    int left = field.width, right = -1, top = field.height, bottom = -1;
    for (int y = 0; y < field.height; ++y)
        for (int x = 0; x < field.width; ++x)
            if (At(field.cells, x, y) == kCellOpen)
                left = std::min(left, x), right = std::max(right, x), top = std::min(top, y),
                bottom = std::max(bottom, y);
    out.found = true;
    out.width = right - left + 1;
    out.height = bottom - top + 1;
    out.cells.fill(0);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x)
            At(out.cells, x, y) = At(field.cells, left + x, top + y);
    out.solutions = solutions;
    return out;
}

} // namespace

GeneratedPuzzle GeneratePuzzle(const GenerateRequest& request, const std::set<std::string>& known,
                               const std::atomic<bool>* stop, std::atomic<int>* tried) {
    const SolutionBand band = BandOf(request.difficulty);
    if (band.least == 0 || request.maxWidth * request.maxHeight < kGenerateCells) return {};
    // Counting stops just above the band: a field with more solutions is as far off as any.
    const uint64_t cap = band.most == 0 ? band.least : band.most + 1;
    const bool many = band.least >= 100;
    Random random(request.seed);
    const Frame frame = ChooseFrame(request, random);
    auto stopped = [&] { return stop != nullptr && stop->load(); };
    int steps = 0;
    auto count = [&](const Cells& in) {
        ++steps;
        if (tried != nullptr) ++*tried;
        return CountSolutions(FieldOf(frame, in), stop, cap);
    };
    while (steps < kBudget && !stopped()) {
        Cells in;
        bool started = many ? NearRectangle(frame, random, in)
                       : frame.symmetry == Symmetry::None
                           ? FigureUnion(frame, random, random.Below(2) == 0, in)
                           : SymmetricBlob(frame, random, in);
        if (!started && !SymmetricBlob(frame, random, in)) return {};
        uint64_t solutions = count(in);
        double distance = Distance(solutions, band);
        for (int stall = 0; stall < kStall && steps < kBudget && !stopped(); ++steps) {
            // Every start and every move keeps the field in one piece; checked once more here,
            // where a field becomes a puzzle.
            if (distance == 0 && Connected(frame, in)) {
                const TilingField field = FieldOf(frame, in);
                if (known.count(FieldKey(field.width, field.height, field.cells)) == 0) {
                    // Below the cap the count is whole; at the cap it was cut short.
                    if (solutions >= cap) solutions = CountSolutions(field, stop);
                    if (stopped()) return {};
                    return Cropped(field, solutions);
                }
            }
            Cells next = in;
            if (!MoveOneCell(frame, random, next)) {
                ++stall;
                continue;
            }
            const uint64_t n = count(next);
            const double d = Distance(n, band);
            stall = d < distance ? 0 : stall + 1;
            if (d <= distance) in = std::move(next), distance = d, solutions = n;
        }
    }
    return {};
}
