// New puzzles on demand. A field starts as a rectangle with cells taken off its edge (most
// often many solutions) or with holes in it (fewer), as the twelve figures laid side by side
// or as cells grown around the middle, and then moves one cell (or one pair of mirror cells)
// at a time while its number of solutions comes no further from the band. A search that stalls
// starts again from a new field: every other time of the kind that suits the difficulty best,
// in between of each other kind in turn, symmetric ones included, so that whatever the box one
// kind can start and the search goes on until its time is up.
#include "solver/generator.h"

#include <algorithm>
#include <chrono>
#include <vector>

#include "solver/field_starts.h"
#include "solver/tiling_count.h"

using namespace generation;

namespace {

constexpr int kStall = 30; // moves without coming nearer before starting again
constexpr int kPlateauStall = 10;
constexpr int kLeastBudgetMs = 1000;

// A kind of start: its shape, and whether the field is to be symmetric. A symmetric field
// fits a plain request too, and in a small box it is more often hard: its holes lie in the
// middle as often as at the edge.
struct Start {
    Shape shape;
    bool symmetric;
};

// The starts of a request, the preferred one first.
std::vector<Start> StartsFor(const GenerateRequest& r) {
    const bool easy = r.difficulty == Difficulty::Easy;
    const Shape preferred = easy ? Shape::EdgedRectangle : Shape::HoledRectangle;
    const Shape otherRectangle = easy ? Shape::HoledRectangle : Shape::EdgedRectangle;
    std::vector<Start> starts{{preferred, r.symmetric}};
    if (r.symmetric) {
        starts.insert(starts.end(), {{otherRectangle, true}, {Shape::Grown, true}});
        return starts;
    }
    starts.insert(starts.end(), {{preferred, true},
                                 {otherRectangle, false},
                                 {Shape::Grown, true},
                                 {Shape::Grown, false},
                                 {preferred, true},
                                 {Shape::CompactFigures, false},
                                 {Shape::Grown, true},
                                 {Shape::LooseFigures, false}});
    return starts;
}

// The whole box, with one of the three symmetries at random for a symmetric field: each start
// may take another.
Frame ChooseFrame(const GenerateRequest& r, bool symmetric, Random& random) {
    Frame f{r.maxWidth, r.maxHeight, Symmetry::None};
    if (symmetric) {
        constexpr Symmetry kinds[] = {Symmetry::HalfTurn, Symmetry::MirrorLeftRight,
                                      Symmetry::MirrorTopBottom};
        f.symmetry = kinds[random.Below(3)];
    }
    return f;
}

// Every other start is of the preferred kind; the others take turns in between. A kind that
// cannot be made in the box gives way to the next.
bool StartField(const GenerateRequest& r, const std::vector<Start>& starts, int restart,
                Random& random, Frame& frame, Cells& in) {
    const int n = static_cast<int>(starts.size());
    const int first = restart % 2 == 0 || n == 1 ? 0 : 1 + restart / 2 % (n - 1);
    for (int k = 0; k < n; ++k) {
        const Start& s = starts[(first + k) % n];
        frame = ChooseFrame(r, s.symmetric, random);
        if (MakeStart(s.shape, frame, random, in)) return true;
    }
    return false;
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
    const std::vector<Start> starts = StartsFor(request);
    Random random(request.seed);
    const auto began = std::chrono::steady_clock::now();
    const auto budget = std::chrono::milliseconds(std::max(request.budgetMs, kLeastBudgetMs));
    auto stopped = [&] { return stop != nullptr && stop->load(); };
    // Only the time ends a search that has not found its field, never the field found: the same
    // request finds the same field on every machine, a faster one may search further.
    auto spent = [&] { return stopped() || std::chrono::steady_clock::now() - began >= budget; };
    for (int restart = 0; !spent(); ++restart) {
        Frame frame;
        Cells in;
        if (!StartField(request, starts, restart, random, frame, in)) continue;
        auto count = [&](const Cells& cells) {
            if (tried != nullptr) ++*tried;
            return CountSolutions(FieldOf(frame, cells), stop, cap);
        };
        uint64_t solutions = count(in);
        double distance = Distance(solutions, band);
        // A climb on a plateau (every count so far cut at the cap: nothing tells which way is
        // nearer) gives up sooner.
        bool plateau = solutions >= cap;
        for (int stall = 0; stall < (plateau ? kPlateauStall : kStall) && !spent();) {
            // Every start and every move keeps the field in one piece; checked once more here,
            // where a field becomes a puzzle.
            if (distance == 0 && Connected(frame, in)) {
                const TilingField field = FieldOf(frame, in);
                if (known.count(FieldKey(field.width, field.height, field.cells)) == 0) {
                    // Below the cap the count is whole; at the cap it was cut short.
                    if (solutions >= cap) solutions = CountSolutions(field, stop);
                    if (stopped()) break;
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
            plateau = plateau && n >= cap;
            stall = d < distance ? 0 : stall + 1;
            if (d <= distance) in = std::move(next), distance = d, solutions = n;
        }
    }
    GeneratedPuzzle none;
    none.searchedMs = static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                           std::chrono::steady_clock::now() - began)
                                           .count());
    return none;
}
