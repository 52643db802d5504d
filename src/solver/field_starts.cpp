// The fields a generator's search starts from, and the move from one field to the next.
#include "solver/field_starts.h"

#include <algorithm>
#include <array>

#include "model/game_state.h"
#include "solver/generator.h"

namespace generation {

namespace {

void SetOrbit(const Frame& f, Cells& in, int i, char value) {
    in[i] = in[f.Mirror(i)] = value;
}

int CountIn(const Cells& in) {
    return static_cast<int>(std::count(in.begin(), in.end(), 1));
}

int OpenNeighbours(const Frame& f, const Cells& in, int i) {
    int n = 0;
    f.ForNeighbours(i, [&](int j) { n += in[j]; });
    return n;
}

// Cells outside the field beside it whose orbit adds at most room cells.
std::vector<int> Border(const Frame& f, const Cells& in, int room) {
    std::vector<int> out;
    for (int i = 0; i < f.Cells(); ++i)
        if (!in[i] && f.OrbitSize(i) <= room && OpenNeighbours(f, in, i) > 0) out.push_back(i);
    return out;
}

// Adds orbits beside the field, at random, until it has kGenerateCells; false when no orbit
// beside it fits (the box is full, or only a pair is left where one cell is missing).
bool GrowTo60(const Frame& f, Cells& in, Random& random) {
    for (int room = kGenerateCells - CountIn(in); room > 0; room = kGenerateCells - CountIn(in)) {
        const std::vector<int> border = Border(f, in, room);
        if (border.empty()) return false;
        SetOrbit(f, in, border[random.Below(static_cast<int>(border.size()))], 1);
    }
    return true;
}

// Takes orbits off the field until it has kGenerateCells, keeping it connected: off its edge
// (cells with two neighbours at most), or anywhere when holes are wanted. False when it cannot.
bool TrimTo60(const Frame& f, Cells& in, Random& random, bool holes) {
    for (int guard = 0; CountIn(in) > kGenerateCells && guard < 400; ++guard) {
        const int over = CountIn(in) - kGenerateCells;
        std::vector<int> edge;
        for (int i = 0; i < f.Cells(); ++i)
            if (in[i] && f.OrbitSize(i) <= over && (holes || OpenNeighbours(f, in, i) <= 2))
                edge.push_back(i);
        if (edge.empty()) return false;
        Cells next = in;
        SetOrbit(f, next, edge[random.Below(static_cast<int>(edge.size()))], 0);
        if (Connected(f, next)) in = std::move(next);
    }
    return CountIn(in) == kGenerateCells;
}

// A rectangle of 60 to 72 cells in the frame, centred across the symmetry's axes, with cells
// taken off its edge (most often many solutions) or anywhere in it (holes: fewer). Not a square
// nor nearly one where the box allows: their fields have as many solutions, but counting them
// takes several times as long.
bool Rectangle(const Frame& f, Random& random, bool holes, Cells& in) {
    const bool centreX =
        f.symmetry == Symmetry::MirrorLeftRight || f.symmetry == Symmetry::HalfTurn;
    const bool centreY =
        f.symmetry == Symmetry::MirrorTopBottom || f.symmetry == Symmetry::HalfTurn;
    std::vector<std::pair<int, int>> sides, squarish;
    for (int w = kLeastRandomSide; w <= f.width; ++w)
        for (int h = kLeastRandomSide; h <= f.height; ++h) {
            const bool fits = w * h >= kGenerateCells && w * h <= 72 &&
                              (!centreX || (f.width - w) % 2 == 0) &&
                              (!centreY || (f.height - h) % 2 == 0);
            if (fits) (std::abs(w - h) >= 2 ? sides : squarish).push_back({w, h});
        }
    if (sides.empty()) sides = squarish;
    if (sides.empty()) return false;
    auto [w, h] = sides[random.Below(static_cast<int>(sides.size()))];
    int left = centreX ? (f.width - w) / 2 : random.Below(f.width - w + 1);
    int top = centreY ? (f.height - h) / 2 : random.Below(f.height - h + 1);
    in.assign(f.Cells(), 0);
    for (int y = top; y < top + h; ++y)
        for (int x = left; x < left + w; ++x)
            in[y * f.width + x] = 1;
    return TrimTo60(f, in, random, holes);
}

// The twelve figures laid one after the other beside those already laid, each at a random
// place among those touching the most cells of the field when compact, else anywhere beside
// it. The field has a tiling by construction; it is not symmetric.
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

// A field grown at random from a few cells near the frame's centre: one orbit in one piece
// (a single cell, a cell on the axis, a pair of partners side by side), else two neighbouring
// orbits that make one piece (the four middle cells of a half turn of an even box).
bool Grown(const Frame& f, Random& random, Cells& in) {
    std::vector<Cells> seeds;
    for (int i = 0; i < f.Cells(); ++i) {
        const int dx = 2 * (i % f.width) - (f.width - 1), dy = 2 * (i / f.width) - (f.height - 1);
        if (dx * dx + dy * dy > 16) continue;
        Cells seed(f.Cells(), 0);
        SetOrbit(f, seed, i, 1);
        if (Connected(f, seed)) {
            seeds.push_back(seed);
            continue;
        }
        f.ForNeighbours(i, [&](int j) {
            Cells both = seed;
            SetOrbit(f, both, j, 1);
            if (Connected(f, both)) seeds.push_back(both);
        });
    }
    if (seeds.empty()) return false;
    in = seeds[random.Below(static_cast<int>(seeds.size()))];
    return GrowTo60(f, in, random);
}

} // namespace

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

bool MakeStart(Shape shape, const Frame& f, Random& random, Cells& in) {
    const bool symmetric = f.symmetry != Symmetry::None;
    switch (shape) {
    case Shape::EdgedRectangle:
        return Rectangle(f, random, false, in);
    case Shape::HoledRectangle:
        return Rectangle(f, random, true, in);
    case Shape::CompactFigures:
        return !symmetric && FigureUnion(f, random, true, in);
    case Shape::LooseFigures:
        return !symmetric && FigureUnion(f, random, false, in);
    case Shape::Grown:
        return Grown(f, random, in);
    }
    return false;
}

bool MoveOneCell(const Frame& f, Random& random, Cells& in) {
    std::vector<int> field;
    for (int i = 0; i < f.Cells(); ++i)
        if (in[i]) field.push_back(i);
    const int from = field[random.Below(static_cast<int>(field.size()))];
    Cells next = in;
    SetOrbit(f, next, from, 0);
    for (int room = kGenerateCells - CountIn(next); room > 0;
         room = kGenerateCells - CountIn(next)) {
        std::vector<int> border = Border(f, next, room);
        std::erase_if(border, [&](int i) { return i == from || i == f.Mirror(from); });
        if (border.empty()) return false;
        SetOrbit(f, next, border[random.Below(static_cast<int>(border.size()))], 1);
    }
    if (!Connected(f, next)) return false;
    in = std::move(next);
    return true;
}

} // namespace generation
