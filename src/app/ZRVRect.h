#pragma once

// A rectangle in points, top-left origin as Qt uses it. Kept free of Qt so the
// window rules that use it compile and test without a window system.
struct ZRVRect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    bool isEmpty() const { return width <= 0 || height <= 0; }
    bool operator==(const ZRVRect&) const = default;
};
