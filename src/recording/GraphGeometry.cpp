#include "recording/GraphGeometry.h"

#include <algorithm>
#include <cmath>

namespace GraphGeometry {

namespace {

const char* const kLabelTexts[kGridLineCount] = {"-2", "-1", "0", "+1", "+2"};

} // namespace

float axisValue(const ZRVGSensor& sample, Axis axis) {
    switch (axis) {
    case Axis::X:
        return sample.x;
    case Axis::Y:
        return sample.y;
    case Axis::Z:
        return sample.z;
    }
    return 0;
}

Layout::Layout(double viewWidth, double viewHeight)
    : m_viewWidth(viewWidth), m_viewHeight(viewHeight) {}

double Layout::graphWidth() const {
    return m_viewWidth - 2 * kLeft;
}

double Layout::graphHeight() const {
    return m_viewHeight - 2 * kBottom;
}

Rect Layout::graphArea() const {
    return {kLeft, kBottom, graphWidth(), graphHeight()};
}

Point Layout::zeroValuePoint() const {
    return {kLeft, kBottom + graphHeight() / 2};
}

double Layout::scale() const {
    return graphHeight() / 4;
}

double Layout::yForValue(double value) const {
    return zeroValuePoint().y + value * scale();
}

std::vector<Rect> Layout::gridLines() const {
    std::vector<Rect> lines;
    lines.reserve(kGridLineCount + 1);
    const double step = graphHeight() / 4;
    for (int i = 0; i < kGridLineCount; ++i) {
        lines.push_back({kLeft, kBottom + i * step, graphWidth(), kGridLineWidth});
    }
    lines.push_back({kLeft, kBottom, kGridLineWidth, graphHeight()});
    return lines;
}

std::vector<Label> Layout::labels() const {
    std::vector<Label> result;
    result.reserve(kGridLineCount);
    const double step = graphHeight() / 4;
    for (int i = 0; i < kGridLineCount; ++i) {
        result.push_back({kLabelTexts[i], {kLeft, kBottom + i * step}});
    }
    return result;
}

Point Layout::labelOrigin(const Label& label, double textWidth, double textHeight) {
    return {label.anchor.x - kLabelGap - textWidth, label.anchor.y - (textHeight / 2 - 2)};
}

namespace {

double stepDenominator(double graphWidth) {
    return graphWidth * 10 + 1;
}

} // namespace

std::size_t Layout::curvePointCount() const {
    const double steps = stepDenominator(graphWidth());
    // NaN and widths that leave no step beyond the start give one point.
    if (!(steps > 1)) {
        return 1;
    }
    return static_cast<std::size_t>(std::ceil(steps));
}

std::size_t Layout::sampleIndex(std::size_t step, std::size_t sampleCount) const {
    if (sampleCount == 0) {
        return 0;
    }
    const double steps = stepDenominator(graphWidth());
    if (!(steps > 1)) {
        return 0;
    }
    const double index =
        std::floor(static_cast<double>(step) * static_cast<double>(sampleCount) / steps);
    if (!(index >= 0)) {
        return 0;
    }
    return std::min(static_cast<std::size_t>(std::min(index, 1e18)), sampleCount - 1);
}

void Layout::curvePoints(const std::vector<ZRVGSensor>& values, Axis axis,
                         std::vector<Point>& out) const {
    out.clear();
    if (values.empty()) {
        return;
    }
    const std::size_t count = curvePointCount();
    out.reserve(count);
    const double zeroY = zeroValuePoint().y;
    const double pointsPerG = scale();
    const std::size_t n = values.size();
    for (std::size_t i = 0; i < count; ++i) {
        const float value = axisValue(values[sampleIndex(i, n)], axis);
        out.push_back({kCurveStart + static_cast<double>(i) * kStepWidth,
                       zeroY + static_cast<double>(value) * pointsPerG});
    }
}

std::vector<Point> Layout::curvePoints(const std::vector<ZRVGSensor>& values, Axis axis) const {
    std::vector<Point> points;
    curvePoints(values, axis, points);
    return points;
}

void reduceToColumnExtremes(const std::vector<Point>& points, double columnWidth,
                            std::vector<Point>& out) {
    out.clear();
    if (!(columnWidth > 0)) {
        out = points;
        return;
    }
    const std::size_t count = points.size();
    std::size_t start = 0;
    while (start < count) {
        const double column = std::floor(points[start].x / columnWidth);
        std::size_t end = start + 1;
        std::size_t lowest = start;
        std::size_t highest = start;
        while (end < count && std::floor(points[end].x / columnWidth) == column) {
            if (points[end].y < points[lowest].y) {
                lowest = end;
            }
            if (points[end].y > points[highest].y) {
                highest = end;
            }
            ++end;
        }
        const std::size_t kept[] = {start, std::min(lowest, highest), std::max(lowest, highest),
                                    end - 1};
        std::size_t previous = count; // no index yet
        for (const std::size_t index : kept) {
            if (index != previous) {
                out.push_back(points[index]);
                previous = index;
            }
        }
        start = end;
    }
}

Rect Layout::barRect(double timePosition) const {
    return {kLeft + graphWidth() * timePosition, kBottom, kBarWidth, graphHeight()};
}

double Layout::timePositionAtX(double x) const {
    const double width = graphWidth();
    if (!(width > 0) || !std::isfinite(x)) {
        return 0;
    }
    return std::clamp((x - kLeft) / width, 0.0, 1.0);
}

} // namespace GraphGeometry
