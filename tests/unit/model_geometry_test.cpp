// Figure geometry: the transforms, the orientation tables and their lookups.
#include <gtest/gtest.h>

#include "model/geometry.h"
#include "model/shapes.h"
#include "test_support.h"

namespace {

std::string Draw(const FigureMatrix& m) {
    std::string s;
    for (int i = 0; i < kMatrixCells; ++i) {
        if (i > 0 && i % 5 == 0) s += '/';
        s += m[i] ? '#' : '.';
    }
    return s;
}

TEST(Geometry, TransformsFollowTheirCellMappings) {
    FigureMatrix m{};
    m[0 * 5 + 4] = 1; // top-right cell
    FigureMatrix cw = m;
    TurnClockwise(cw);
    EXPECT_EQ(cw[4 * 5 + 4], 1) << "clockwise sends top-right to bottom-right";
    FigureMatrix ccw = m;
    TurnCounterClockwise(ccw);
    EXPECT_EQ(ccw[0], 1) << "counter-clockwise sends top-right to top-left";
    FigureMatrix tb = m;
    FlipTopBottom(tb);
    EXPECT_EQ(tb[4 * 5 + 4], 1);
    FigureMatrix lr = m;
    FlipLeftRight(lr);
    EXPECT_EQ(lr[0], 1);
}

TEST(Geometry, TurnsAndFlipsReturnToTheStart) {
    for (int f = 1; f <= kFigureCount; ++f) {
        const FigureMatrix base = BaseShapes()[f];
        FigureMatrix m = base;
        for (int i = 0; i < 4; ++i) TurnClockwise(m);
        EXPECT_EQ(m, base);
        TurnClockwise(m);
        TurnCounterClockwise(m);
        EXPECT_EQ(m, base);
        FlipTopBottom(m);
        FlipTopBottom(m);
        FlipLeftRight(m);
        FlipLeftRight(m);
        EXPECT_EQ(m, base);
    }
}

TEST(Geometry, MoveToTopLeftShiftsSquaresAndLeavesEmptyMatrices) {
    FigureMatrix m = MatrixFromText("...../...../..##./..#../.....", 3);
    MoveToTopLeft(m);
    EXPECT_EQ(Draw(m), "##.../#..../...../...../.....");
    FigureMatrix empty{};
    MoveToTopLeft(empty);
    EXPECT_TRUE(IsEmptyMatrix(empty));
}

TEST(Geometry, OrientationCountsAndTotal) {
    GameState gs = ReadyState();
    const int counts[] = {0, 2, 8, 4, 4, 4, 8, 4, 8, 8, 4, 1, 8};
    int total = 0;
    for (int f = 1; f <= kFigureCount; ++f) {
        EXPECT_EQ(Orientations().byFigure[f].count, counts[f]) << "figure " << f;
        total += Orientations().byFigure[f].count;
    }
    EXPECT_EQ(total, kOrientationCount);
}

// The catalogue order is part of the saved-game format: a file's F index must name the same
// orientation in every build.
TEST(Geometry, CatalogueOrderIsTheSavedGameFormat) {
    GameState gs = ReadyState();
    auto lines = ReadLines(DataPath("catalogue.txt"));
    ASSERT_EQ(lines.size(), 63u);
    for (int k = 0; k < kOrientationCount; ++k) {
        const FigureMatrix& m = Orientations().catalogue[k];
        EXPECT_EQ(std::string(1, FigureLetter(FigureOf(m))) + " " + Draw(m), lines[k]) << "F" << k;
        EXPECT_EQ(CatalogueIndex(m), k);
    }
}

TEST(Geometry, IZAndXFacts) {
    GameState gs = ReadyState();
    // I: the upright base, then the horizontal line; two turns give the base back.
    EXPECT_EQ(Draw(Orientations().catalogue[0]), "..#../..#../..#../..#../..#..");
    EXPECT_EQ(Draw(Orientations().catalogue[1]), "...../...../#####/...../.....");
    FigureMatrix i = BaseShapes()[1];
    TurnClockwise(i);
    TurnClockwise(i);
    EXPECT_EQ(i, BaseShapes()[1]);
    // Z keeps enumeration positions 0, 1, 4 and 5.
    FigureMatrix z = BaseShapes()[7], z4 = z;
    FlipTopBottom(z4);
    FigureMatrix z1 = z, z5 = z4;
    TurnClockwise(z1);
    TurnClockwise(z5);
    const OrientationSet& zs = Orientations().byFigure[7];
    ASSERT_EQ(zs.count, 4);
    EXPECT_EQ(zs.matrices[0], z);
    EXPECT_EQ(zs.matrices[1], z1);
    EXPECT_EQ(zs.matrices[2], z4);
    EXPECT_EQ(zs.matrices[3], z5);
    EXPECT_EQ(Orientations().byFigure[11].count, 1) << "X";
}

TEST(Geometry, CataloguesAgree) {
    GameState gs = ReadyState();
    for (int k = 0; k < kOrientationCount; ++k) {
        const FigureMatrix &m = Orientations().catalogue[k], &n = Orientations().numbered[k];
        int numbers = 0;
        for (int i = 0; i < kMatrixCells; ++i) {
            EXPECT_EQ(m[i] != 0, n[i] != 0) << "entry " << k;
            if (n[i]) numbers |= 1 << n[i];
        }
        EXPECT_EQ(numbers, 0b111110) << "squares numbered 1..5 in entry " << k;
        FigureMatrix aligned = m;
        MoveToTopLeft(aligned);
        EXPECT_EQ(Orientations().aligned[k], aligned);
    }
}

TEST(Geometry, AnyTurnedFigureIsInTheCatalogue) {
    GameState gs = ReadyState();
    void (*ops[])(FigureMatrix&) = {TurnClockwise, TurnCounterClockwise, FlipTopBottom, FlipLeftRight};
    for (int f = 1; f <= kFigureCount; ++f) {
        FigureMatrix m = BaseShapes()[f];
        for (int step = 0; step < 40; ++step) {
            ops[(step * 7 + f) % 4](m);
            EXPECT_GE(CatalogueIndex(m), 0) << "figure " << f << " step " << step;
        }
    }
}

TEST(Geometry, NthOrientation) {
    FigureMatrix out{};
    ASSERT_TRUE(NthOrientation(2, 8, out));
    EXPECT_EQ(out, Orientations().byFigure[2].matrices[7]);
    FigureMatrix untouched = BaseShapes()[3];
    FigureMatrix target = untouched;
    EXPECT_FALSE(NthOrientation(3, 5, target)) << "T has four orientations";
    EXPECT_EQ(target, untouched);
    EXPECT_FALSE(NthOrientation(0, 1, target));
    EXPECT_FALSE(NthOrientation(13, 1, target));
}

} // namespace
