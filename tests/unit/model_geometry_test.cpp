// Figure geometry: the transforms, the orientation tables and their lookups.
#include <gtest/gtest.h>

#include "model/geometry.h"
#include "test_support.h"

std::string Draw(const FigureMatrix& m) {
    std::string s;
    for (int i = 0; i < kMatrixCells; ++i) {
        if (i > 0 && i % 5 == 0) s += '/';
        s += m[i] ? '#' : '.';
    }
    return s;
}

// The L, whose eight positions all differ, under each transform and back.
TEST(Geometry, TransformsTurnAboutTheCentreAndUndo) {
    FigureMatrix m = BaseShapes()[2]; // ...../..#../..#../..#../..##.
    TurnCounterClockwise(m);
    EXPECT_EQ(Draw(m), "...../....#/.####/...../.....");
    TurnClockwise(m);
    FlipLeftRight(m);
    EXPECT_EQ(Draw(m), "...../..#../..#../..#../.##..");
}

TEST(Geometry, MoveToTopLeftShiftsSquaresAndLeavesEmptyMatrices) {
    FigureMatrix m = BaseShapes()[2];
    MoveToTopLeft(m);
    EXPECT_EQ(Draw(m), "#..../#..../#..../##.../.....");
    FigureMatrix empty{};
    MoveToTopLeft(empty);
    EXPECT_TRUE(IsEmptyMatrix(empty));
}

// The catalogue order is part of the saved-game format: a file's F index must name the same
// orientation in every build. The per-figure tables and lookups follow the same order.
TEST(Geometry, CatalogueIsTheSavedGameFormat) {
    const auto lines = ReadLines(DataPath("catalogue.txt"));
    ASSERT_EQ(lines.size(), 63u);
    std::array<int, kFigureCount + 1> seen{};
    for (int k = 0; k < kOrientationCount; ++k) {
        const FigureMatrix& m = Orientations().catalogue[k];
        const int f = FigureOf(m);
        EXPECT_EQ(std::string(1, FigureLetter(f)) + " " + Draw(m), lines[k]) << "F" << k;
        EXPECT_EQ(CatalogueIndex(m), k);
        EXPECT_EQ(Orientations().byFigure[f].matrices[seen[f]++], m) << "F" << k;
        FigureMatrix nth{};
        EXPECT_TRUE(NthOrientation(f, seen[f], nth));
        EXPECT_EQ(nth, m) << "F" << k;
    }
    for (int f = 1; f <= kFigureCount; ++f)
        EXPECT_EQ(Orientations().byFigure[f].count, seen[f]);
    FigureMatrix untouched = BaseShapes()[3];
    EXPECT_FALSE(NthOrientation(3, 5, untouched)) << "T has four orientations";
    EXPECT_EQ(untouched, BaseShapes()[3]);
}
