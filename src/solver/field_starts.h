// The fields a generator's search starts from, and the move from one field to the next: sixty
// connected cells in a frame (the box the field must fit in), with the symmetry of the field
// to be made.
#pragma once

#include <cstdint>
#include <vector>

namespace generation {

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
// its cells: Mirror(i) is i's partner, i itself on the mirror's axis, at the half turn's centre
// or when the field need not be symmetric. A cell and its partner are an orbit: they join and
// leave the field together.
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
    int OrbitSize(int i) const { return Mirror(i) == i ? 1 : 2; }
    template <typename F> void ForNeighbours(int i, F f) const {
        int x = i % width, y = i / width;
        if (x > 0) f(i - 1);
        if (x + 1 < width) f(i + 1);
        if (y > 0) f(i - width);
        if (y + 1 < height) f(i + width);
    }
};

using Cells = std::vector<char>; // one per frame cell: part of the field or not

// The ways a field can start.
enum class Shape {
    EdgedRectangle, // a rectangle with cells taken off its edge: most often many solutions
    HoledRectangle, // a rectangle with holes anywhere in it: fewer
    CompactFigures, // the twelve figures laid side by side, close together: few
    LooseFigures,   // the same, anywhere beside the others
    Grown,          // cells added at random around a few cells in the middle
};

// A start of that shape in the frame; false when the frame or its symmetry does not allow it
// (the figures laid side by side are not symmetric, a rectangle of 60 cells does not fit).
bool MakeStart(Shape shape, const Frame& f, Random& random, Cells& in);

// One orbit moved from the field to places beside it; false when the try does not give a
// connected field of 60 cells.
bool MoveOneCell(const Frame& f, Random& random, Cells& in);

// The field is in one piece.
bool Connected(const Frame& f, const Cells& in);

} // namespace generation
