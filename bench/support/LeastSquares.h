#pragma once

#include <cstddef>
#include <vector>

// The slope of the straight line that fits the points best, as the growth
// per step of a series sampled once a step.
inline double leastSquaresSlope(const std::vector<double>& x, const std::vector<double>& y) {
    const std::size_t n = x.size() < y.size() ? x.size() : y.size();
    if (n < 2) {
        return 0;
    }
    double meanX = 0;
    double meanY = 0;
    for (std::size_t i = 0; i < n; ++i) {
        meanX += x[i];
        meanY += y[i];
    }
    meanX /= double(n);
    meanY /= double(n);
    double covariance = 0;
    double variance = 0;
    for (std::size_t i = 0; i < n; ++i) {
        covariance += (x[i] - meanX) * (y[i] - meanY);
        variance += (x[i] - meanX) * (x[i] - meanX);
    }
    return variance > 0 ? covariance / variance : 0;
}
