#include "recording/GraphGeometry.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>

using namespace GraphGeometry;

// The G-sensor box of the player window: 130 points high. The width gives a
// 200-point graph.
TEST(GraphGeometry, AreaZeroLineAndScale) {
    const Layout layout(240, 130);
    EXPECT_EQ(layout.graphArea(), (Rect{20, 8, 200, 114}));
    EXPECT_EQ(layout.zeroValuePoint(), (Point{20, 65}));
    EXPECT_DOUBLE_EQ(layout.scale(), 28.5);
    EXPECT_DOUBLE_EQ(layout.yForValue(2), 122); // top of the graph
    EXPECT_DOUBLE_EQ(layout.yForValue(-2), 8);  // bottom of the graph
}

TEST(GraphGeometry, GridLinesAndLabels) {
    const Layout layout(240, 136); // h = 120: lines every 30 points
    const auto grid = layout.gridLines();
    ASSERT_EQ(grid.size(), 6u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(grid[i], (Rect{20, 8 + 30.0 * i, 200, 1})) << i;
    }
    EXPECT_EQ(grid[5], (Rect{20, 8, 1, 120}));

    const auto labels = layout.labels();
    ASSERT_EQ(labels.size(), 5u);
    const char* texts[] = {"-2", "-1", "0", "+1", "+2"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(labels[i].text, texts[i]);
        EXPECT_EQ(labels[i].anchor, (Point{20, 8 + 30.0 * i}));
    }
    // Right edge 2 points left of x = 20; origin at y - (text height / 2 - 2).
    EXPECT_EQ(Layout::labelOrigin(labels[2], 7, 14), (Point{11, 68 - 5}));
}

TEST(GraphGeometry, EmptyListHasNoCurve) {
    const Layout layout(240, 130);
    EXPECT_TRUE(layout.curvePoints({}, Axis::X).empty());
}

TEST(GraphGeometry, OneSampleIsAFlatLineAcrossTheGraph) {
    const Layout layout(240, 130);
    const std::vector<ZRVGSensor> one{{0.5f, -1.0f, 1.5f}};
    const auto points = layout.curvePoints(one, Axis::Y);
    ASSERT_EQ(points.size(), 2001u); // W * 10 + 1 steps
    EXPECT_EQ(points.front(), (Point{21, 65 - 28.5}));
    EXPECT_DOUBLE_EQ(points.back().x, 21 + 2000 * 0.1);
    for (const auto& point : points) {
        EXPECT_DOUBLE_EQ(point.y, 65 - 28.5);
    }
}

TEST(GraphGeometry, ValuesOnTheGrid) {
    const Layout layout(240, 130);
    const std::vector<ZRVGSensor> samples{{1.0f, 0.0f, -2.0f}};
    // x = 1.0: a quarter of the graph height above the middle line.
    EXPECT_DOUBLE_EQ(layout.curvePoints(samples, Axis::X)[7].y, 65 + 114.0 / 4);
    // z = -2.0: on the bottom grid line.
    EXPECT_DOUBLE_EQ(layout.curvePoints(samples, Axis::Z)[7].y, layout.gridLines()[0].y);
    // Beyond +-2 is not clipped.
    const std::vector<ZRVGSensor> big{{3.0f, 0, 0}};
    EXPECT_DOUBLE_EQ(layout.curvePoints(big, Axis::X)[0].y, 65 + 3 * 28.5);
}

TEST(GraphGeometry, StepTakesSampleFloorOfIByNOverSteps) {
    const Layout layout(1040, 130); // W = 1000: 10001 steps
    EXPECT_EQ(layout.curvePointCount(), 10001u);
    EXPECT_EQ(layout.sampleIndex(0, 100000), 0u);
    EXPECT_EQ(layout.sampleIndex(1, 100000), 9u);         // 100000 / 10001
    EXPECT_EQ(layout.sampleIndex(10000, 100000), 99990u); // 10^9 / 10001
    EXPECT_EQ(layout.sampleIndex(5000, 100), 49u);        // 500000 / 10001
    EXPECT_EQ(layout.sampleIndex(10000, 1), 0u);

    std::vector<ZRVGSensor> samples;
    for (int k = 0; k < 100; ++k) {
        samples.emplace_back(static_cast<float>(k) / 100, 0, 0);
    }
    const auto points = layout.curvePoints(samples, Axis::X);
    ASSERT_EQ(points.size(), 10001u);
    for (std::size_t i = 0; i < points.size(); i += 997) {
        const auto k = static_cast<std::size_t>(std::floor(i * 100.0 / 10001));
        EXPECT_DOUBLE_EQ(points[i].y, 65 + samples[k].x * 28.5) << i;
        EXPECT_DOUBLE_EQ(points[i].x, 21 + i * 0.1) << i;
    }
}

TEST(GraphGeometry, AtMostTenPointsPerHorizontalPointHoweverManySamples) {
    const Layout layout(1040, 130);
    for (const std::size_t n :
         {std::size_t{1}, std::size_t{100}, std::size_t{100000}, std::size_t{3000000}}) {
        const std::vector<ZRVGSensor> samples(n, ZRVGSensor{0.1f, 0.2f, 0.3f});
        const auto points = layout.curvePoints(samples, Axis::Z);
        EXPECT_EQ(points.size(), 10001u) << n;
        std::map<long, int> perPoint;
        for (const auto& point : points) {
            ++perPoint[static_cast<long>(std::floor(point.x + 1e-9))];
        }
        for (const auto& [x, count] : perPoint) {
            EXPECT_LE(count, 10) << x;
        }
    }
}

TEST(GraphGeometry, BarAtThePlayPosition) {
    const Layout layout(240, 130);
    EXPECT_EQ(layout.barRect(0), (Rect{20, 8, 2, 114}));  // on the left axis
    EXPECT_EQ(layout.barRect(1), (Rect{220, 8, 2, 114})); // at the right end
    EXPECT_EQ(layout.barRect(0.25), (Rect{70, 8, 2, 114}));
}

TEST(GraphGeometry, NarrowViewsKeepTheStartPoint) {
    const Layout layout(30, 10); // negative graph size
    EXPECT_EQ(layout.curvePointCount(), 1u);
    const std::vector<ZRVGSensor> samples{{1, 1, 1}, {2, 2, 2}};
    const auto points = layout.curvePoints(samples, Axis::X);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_DOUBLE_EQ(points[0].x, 21);
}

TEST(GraphGeometry, FractionalWidthCountsEveryStepBelowTheLimit) {
    const Layout layout(40.25, 130); // W = 0.25: steps i < 3.5, so i = 0..3
    EXPECT_EQ(layout.curvePointCount(), 4u);
    EXPECT_EQ(layout.sampleIndex(3, 7), 6u); // floor(21 / 3.5) = 6
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
    EXPECT_EQ(reduced.size(), 8u); // every point: no column holds more than four
}

TEST(GraphGeometry, ColumnReductionOfALongRecordingKeepsEachColumnsExtent) {
    const Layout layout(1040, 130);
    std::vector<ZRVGSensor> samples;
    for (int k = 0; k < 100000; ++k) {
        samples.emplace_back(static_cast<float>(std::sin(k * 0.37)), 0, 0);
    }
    const auto points = layout.curvePoints(samples, Axis::X);
    std::vector<Point> reduced;
    reduceToColumnExtremes(points, 1.0, reduced);
    EXPECT_LE(reduced.size(), 4u * 1001u);
    EXPECT_EQ(reduced.front(), points.front());
    EXPECT_EQ(reduced.back(), points.back());
    std::map<long, std::pair<double, double>> full, kept;
    auto extent = [](std::map<long, std::pair<double, double>>& columns, const Point& p) {
        const long column = static_cast<long>(std::floor(p.x));
        auto [it, added] = columns.try_emplace(column, p.y, p.y);
        it->second.first = std::min(it->second.first, p.y);
        it->second.second = std::max(it->second.second, p.y);
    };
    for (const auto& p : points) {
        extent(full, p);
    }
    for (const auto& p : reduced) {
        extent(kept, p);
    }
    EXPECT_EQ(full, kept);
}
