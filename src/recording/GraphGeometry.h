#pragma once

#include "recording/ZRVGSensor.h"

#include <cstddef>
#include <string>
#include <vector>

// Where the G-sensor graph puts its grid, labels, curves and
// play-position bar, in view coordinates with the origin at the bottom left,
// in points. The view only flips y and strokes what this gives, so every
// figure is checked here without painting.
//
// For a view of width Wv and height Hv:
//   graph area      (20, 8) .. size (Wv - 40, Hv - 16), W x h
//   zero line       y = 8 + h / 2
//   scale           h / 4 points per g, so -2 .. +2 span the graph height
//   curve           W * 10 + 1 steps of 0.1 point from x = 21; step i takes
//                   sample floor(i * n / (W * 10 + 1)): at most ten points per
//                   horizontal point, however many samples there are.
namespace GraphGeometry {

struct Point {
    double x = 0;
    double y = 0;
    bool operator==(const Point&) const = default;
};

// A rectangle by its bottom-left corner.
struct Rect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    bool operator==(const Rect&) const = default;
};

// One axis label: its text and the point it is placed against (its right
// edge 2 points left of the anchor, vertically centred on it).
struct Label {
    std::string text;
    Point anchor;
};

enum class Axis { X, Y, Z };

inline constexpr double kLeft = 20;
inline constexpr double kBottom = 8;
inline constexpr double kCurveStart = 21; // first curve point's x
inline constexpr double kStepWidth = 0.1; // ten points per horizontal point
inline constexpr double kBarWidth = 2;
inline constexpr double kGridLineWidth = 1;
inline constexpr double kLabelGap = 2;   // label's right edge to the anchor
inline constexpr int kGridLineCount = 5; // -2, -1, 0, +1, +2

class Layout {
public:
    Layout(double viewWidth, double viewHeight);

    // graphAreaLeftBottom and graphAreaSize.
    Rect graphArea() const;
    double graphWidth() const;
    double graphHeight() const;
    // graphAreaZeroValuePoint: (20, 8 + h / 2).
    Point zeroValuePoint() const;
    // Points per g: h / 4.
    double scale() const;
    // y of a value on the graph (zero line + value * scale), unclipped.
    double yForValue(double value) const;

    // The five horizontal 1-point lines (i = 0..4 from the bottom) followed
    // by the vertical 1-point line at the left edge.
    std::vector<Rect> gridLines() const;
    // "-2", "-1", "0", "+1", "+2" at (20, 8 + i * h / 4).
    std::vector<Label> labels() const;
    // The bottom-left origin of a label's text of the given size:
    // (anchor.x - 2 - width, anchor.y - (height / 2 - 2)).
    static Point labelOrigin(const Label& label, double textWidth, double textHeight);

    // Number of curve points for any non-empty sample list: the integers i
    // with 0 <= i < W * 10 + 1 (just the start point when the graph has no
    // width).
    std::size_t curvePointCount() const;
    // floor(i * n / (W * 10 + 1)), never past the last sample.
    std::size_t sampleIndex(std::size_t step, std::size_t sampleCount) const;
    // The polyline of one axis; empty for an empty list.
    std::vector<Point> curvePoints(const std::vector<ZRVGSensor>& values, Axis axis) const;
    // Appends the same points to `out` (cleared first), for a caller that
    // keeps its buffer between redraws.
    void curvePoints(const std::vector<ZRVGSensor>& values, Axis axis,
                     std::vector<Point>& out) const;

    // The white bar: 2 points wide, the graph height tall, at
    // x = 20 + W * timePosition, from the graph bottom.
    Rect barRect(double timePosition) const;
    // The play position whose bar stands at x: the bar's rule reversed,
    // clamped to 0..1 (0 for a graph without width).
    double timePositionAtX(double x) const;

private:
    double m_viewWidth;
    double m_viewHeight;
};

float axisValue(const ZRVGSensor& sample, Axis axis);

// A polyline whose x never decreases, reduced for stroking: of each run of
// points in the same column [k * columnWidth, (k + 1) * columnWidth) only the
// first, the lowest, the highest and the last are kept, in their order. The
// stroke then spans the same heights in every column and joins the columns
// by the same segments, so at one column per pixel it covers the same
// pixels with at most four points per column instead of ten; the painter
// uses it to keep the paint time well inside the frame budget.
void reduceToColumnExtremes(const std::vector<Point>& points, double columnWidth,
                            std::vector<Point>& out);

} // namespace GraphGeometry
