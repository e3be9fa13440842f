#include "recording/ui/GraphView.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

// A 240 x 136 view: a 200 x 120 graph, grid lines every 30 points at
// y = 8, 38, 68, 98, 128 from the bottom, so Qt rows 127, 97, 67, 37, 7.
constexpr int kWidth = 240;
constexpr int kHeight = 136;
const QRgb kBackground = qRgb(0, 0, 0);

QImage render(GraphView& view) {
    view.resize(kWidth, kHeight);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(kBackground);
    // Without the window background: the view paints none of its own.
    view.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Qt row of a bottom-based y, for the pixel row a 1-point line at y fills.
int rowOf(double bottomY) {
    return kHeight - 1 - static_cast<int>(bottomY);
}

bool isGrid(QRgb pixel) {
    return qRed(pixel) == 204 && qGreen(pixel) == 204 && qBlue(pixel) == 204;
}

bool isWhite(QRgb pixel) {
    return pixel == qRgb(255, 255, 255);
}

// A channel summed over the two rows that an antialiased 1-point line on a
// whole y straddles (over the black background, that is its coverage).
int lineStrength(const QImage& image, int x, double bottomY, int (*channel)(QRgb)) {
    const int centre = kHeight - static_cast<int>(bottomY);
    return channel(image.pixel(x, centre - 1)) + channel(image.pixel(x, centre));
}

} // namespace

TEST(GraphView, EmptyListDrawsGridAndLabelsOnly) {
    GraphView view;
    view.setTimePosition(0.5);
    const QImage image = render(view);
    for (const double y : {8.0, 38.0, 68.0, 98.0, 128.0}) {
        EXPECT_TRUE(isGrid(image.pixel(219, rowOf(y)))) << y;
        EXPECT_EQ(image.pixel(220, rowOf(y)), kBackground) << y; // graph ends at 220
    }
    // The left axis, 1 point wide at x = 20; between the lines and where the
    // bar would be, nothing is painted.
    EXPECT_TRUE(isGrid(image.pixel(20, 50)));
    EXPECT_EQ(image.pixel(21, 50), kBackground);
    EXPECT_EQ(image.pixel(120, 50), kBackground);
    // Labels: white text left of the axis, right edge 2 points before it.
    int whiteInMargin = 0;
    for (int x = 0; x < 20; ++x) {
        for (int y = 0; y < kHeight; ++y) {
            whiteInMargin += qRed(image.pixel(x, y)) > 128 ? 1 : 0;
            EXPECT_TRUE(x < 19 || qRed(image.pixel(x, y)) < 128) << x << "," << y;
        }
    }
    EXPECT_GT(whiteInMargin, 20);
}

TEST(GraphView, CurvesAtTheirValuesAndTheBar) {
    GraphView view;
    // One sample: each curve is a flat line across the graph.
    view.setGraphData({ZRVGSensor{0.5f, -1.5f, -2.0f}});
    view.updateTimePosition(0.5);
    const QImage image = render(view);

    // x = 0.5: 15 points above the zero line (68): y = 83.
    EXPECT_GT(lineStrength(image, 60, 83, qRed), 150);
    EXPECT_EQ(lineStrength(image, 60, 83, qGreen), 0);
    // y = -1.5: y = 23.
    EXPECT_GT(lineStrength(image, 60, 23, qGreen), 150);
    EXPECT_EQ(lineStrength(image, 60, 23, qRed), 0);
    // z = -2.0 lies on the bottom grid line (y = 8).
    EXPECT_GT(lineStrength(image, 60, 8, qBlue), lineStrength(image, 60, 8, qRed) + 100);
    EXPECT_EQ(lineStrength(image, 60, 8, qGreen), lineStrength(image, 60, 8, qRed));
    EXPECT_EQ(image.pixel(60, rowOf(50)), kBackground);

    // Bar: white, 2 points wide at x = 20 + 200 * 0.5 = 120, over the graph height.
    EXPECT_TRUE(isWhite(image.pixel(120, 8)));
    EXPECT_TRUE(isWhite(image.pixel(121, 127)));
    EXPECT_FALSE(isWhite(image.pixel(122, 50)));
    EXPECT_FALSE(isWhite(image.pixel(119, 50)));
    EXPECT_FALSE(isWhite(image.pixel(120, 5))); // above the graph
}

TEST(GraphView, BarReachesBothEndsOfTheGraph) {
    GraphView view;
    view.setGraphData({ZRVGSensor{0, 0, 0}});
    view.updateTimePosition(0);
    EXPECT_TRUE(isWhite(render(view).pixel(20, 50))); // over the left axis
    view.updateTimePosition(1);
    const QImage image = render(view);
    EXPECT_TRUE(isGrid(image.pixel(20, 50)));
    EXPECT_TRUE(isWhite(image.pixel(221, 50))); // past the right end of the graph
}

// The curves are kept between paints; new samples or a new size must not
// show the old drawing, and the bar moves over the kept one.
TEST(GraphView, NewSamplesAndMovedBarShowAtTheNextPaint) {
    GraphView view;
    view.setGraphData({ZRVGSensor(0.5f, 0, 0)});
    const int upperQuarter = rowOf(90);
    EXPECT_GT(lineStrength(render(view), 80, 83, qRed), 200);

    view.setGraphData({ZRVGSensor(-0.5f, 0, 0)});
    view.updateTimePosition(0.5);
    const QImage moved = render(view);
    EXPECT_EQ(lineStrength(moved, 80, 83, qRed), 0) << "the old curve is gone";
    EXPECT_GT(lineStrength(moved, 80, 53, qRed), 200);
    EXPECT_TRUE(isWhite(moved.pixel(120, upperQuarter))) << "the bar at x = 20 + 200 / 2";
    EXPECT_FALSE(isWhite(moved.pixel(50, upperQuarter)));

    view.setGraphData({});
    EXPECT_FALSE(isWhite(render(view).pixel(120, upperQuarter))) << "no samples, no bar";

    // Clicks ask for the play position under the pointer.
    double clicked = -1;
    QObject::connect(&view, &GraphView::timePositionClicked,
                     [&clicked](double position) { clicked = position; });
    view.setGraphData({ZRVGSensor(0, 0, 0)});
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(170, 60), QPointF(170, 60), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &press);
    EXPECT_DOUBLE_EQ(clicked, 0.75);
}
