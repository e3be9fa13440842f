#include "recording/GraphGeometry.h"

#include <gtest/gtest.h>

using namespace GraphGeometry;

TEST(GraphGeometry, AreaGridLabelsAndBar) {
    const Layout layout(240, 136); // a 200 x 120 graph: lines every 30 points
    EXPECT_EQ(layout.graphArea(), (Rect{20, 8, 200, 120}));
    EXPECT_EQ(layout.zeroValuePoint(), (Point{20, 68}));
    EXPECT_DOUBLE_EQ(layout.yForValue(2), 128);
    EXPECT_EQ(layout.barRect(0.25), (Rect{70, 8, 2, 120}));
    const auto grid = layout.gridLines();
    ASSERT_EQ(grid.size(), 6u);
    EXPECT_EQ(grid[1], (Rect{20, 38, 200, 1}));
    EXPECT_EQ(grid[5], (Rect{20, 8, 1, 120}));
    const auto labels = layout.labels();
    ASSERT_EQ(labels.size(), 5u);
    EXPECT_EQ(labels[3].text, "+1");
    EXPECT_EQ(labels[3].anchor, (Point{20, 98}));
    // Right edge 2 points left of x = 20; origin at y - (text height / 2 - 2).
    EXPECT_EQ(Layout::labelOrigin(labels[2], 7, 14), (Point{11, 68 - 5}));
}

TEST(GraphGeometry, ClickReadsTheBarsPositionBackClampedToTheGraph) {
    const Layout layout(240, 136);
    EXPECT_DOUBLE_EQ(layout.timePositionAtX(layout.barRect(0.25).x), 0.25);
    EXPECT_DOUBLE_EQ(layout.timePositionAtX(5), 0);
    EXPECT_DOUBLE_EQ(layout.timePositionAtX(400), 1);
    EXPECT_DOUBLE_EQ(Layout(30, 136).timePositionAtX(25), 0) << "no width to click in";
}

// The G-sensor box of the player window: 130 points high, so 28.5 points per g.
TEST(GraphGeometry, CurveTakesTenStepsPerPointFromTheSamplesUnclipped) {
    const Layout layout(240, 130);
    EXPECT_TRUE(layout.curvePoints({}, Axis::X).empty());
    const std::vector<ZRVGSensor> one{{3.0f, -1.0f, -2.0f}};
    const auto flat = layout.curvePoints(one, Axis::Y);
    ASSERT_EQ(flat.size(), 2001u);
    EXPECT_EQ(flat.front(), (Point{21, 65 - 28.5}));
    EXPECT_EQ(flat.back(), (Point{21 + 2000 * 0.1, 65 - 28.5}));
    EXPECT_DOUBLE_EQ(layout.curvePoints(one, Axis::Z)[7].y, layout.gridLines()[0].y);
    EXPECT_DOUBLE_EQ(layout.curvePoints(one, Axis::X)[7].y, 65 + 3 * 28.5);
}

TEST(GraphGeometry, StepTakesSampleFloorOfIByNOverSteps) {
    const Layout layout(1040, 130);                       // W = 1000: 10001 steps
    EXPECT_EQ(layout.sampleIndex(1, 100000), 9u);         // 100000 / 10001
    EXPECT_EQ(layout.sampleIndex(10000, 100000), 99990u); // 10^9 / 10001
    EXPECT_EQ(layout.sampleIndex(5000, 100), 49u);        // 500000 / 10001
    EXPECT_EQ(layout.sampleIndex(10000, 1), 0u);

    // However many samples, at most ten points per horizontal point.
    std::vector<ZRVGSensor> samples(3000000);
    samples[5000ull * 3000000 / 10001].x = 1;
    const auto points = layout.curvePoints(samples, Axis::X);
    ASSERT_EQ(points.size(), 10001u);
    EXPECT_EQ(points[5000], (Point{21 + 5000 * 0.1, 65 + 28.5}));
}

TEST(GraphGeometry, NarrowAndFractionalWidthsCountEveryStepBelowTheLimit) {
    const Layout narrow(30, 10); // negative graph size: just the start point
    const auto points = narrow.curvePoints({{1, 1, 1}, {2, 2, 2}}, Axis::X);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_DOUBLE_EQ(points[0].x, 21);

    const Layout fractional(40.25, 130); // W = 0.25: steps i < 3.5, so i = 0..3
    EXPECT_EQ(fractional.curvePointCount(), 4u);
    EXPECT_EQ(fractional.sampleIndex(3, 7), 6u); // floor(21 / 3.5) = 6
}

TEST(GraphGeometry, ColumnReductionKeepsFirstLowestHighestLast) {
    const std::vector<Point> points{{21.0, 5}, {21.1, 9}, {21.2, 1}, {21.3, 4},
                                    {21.9, 3}, {22.0, 7}, {22.1, 7}, {22.5, 7}};
    std::vector<Point> reduced;
    reduceToColumnExtremes(points, 1.0, reduced);
    const std::vector<Point> expected{{21.0, 5}, {21.1, 9}, {21.2, 1},
                                      {21.9, 3}, {22.0, 7}, {22.5, 7}};
    EXPECT_EQ(reduced, expected);
    // Half-point columns (a screen of two pixels per point) keep more.
    reduceToColumnExtremes(points, 0.5, reduced);
    EXPECT_EQ(reduced.size(), 8u);
}
