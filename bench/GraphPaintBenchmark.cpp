#include "recording/ui/GraphView.h"
#include "support/Stopwatch.h"

#include <QApplication>
#include <QImage>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

// Paint time of the G-sensor graph at a 1000-point-wide graph with
// a short and a very long recording. Each curve has at most ten points per
// horizontal point, so the two should cost about the same.

namespace {

constexpr int kRuns = 200;
constexpr int kViewWidth = 1040; // graph width 1000
constexpr int kViewHeight = 130; // the player window's G-sensor box

// Driving-like samples: slow swings of the car plus road noise.
std::vector<ZRVGSensor> samples(int count) {
    std::mt19937 random(7);
    std::normal_distribution<float> noise(0, 0.05f);
    std::vector<ZRVGSensor> values;
    values.reserve(count);
    for (int k = 0; k < count; ++k) {
        const double t = 60.0 * k / count;
        values.emplace_back(static_cast<float>(0.3 * std::sin(t)) + noise(random),
                            static_cast<float>(-0.2 + 0.4 * std::sin(0.3 * t)) + noise(random),
                            -1.0f + noise(random));
    }
    return values;
}

// The whole drawing: handing the samples over again makes the view draw its
// curves anew rather than reuse the picture of the last paint.
double paintSeconds(int sampleCount) {
    GraphView view;
    view.resize(kViewWidth, kViewHeight);
    const std::vector<ZRVGSensor> values = samples(sampleCount);
    view.setTimePosition(0.4);
    QImage image(kViewWidth, kViewHeight, QImage::Format_ARGB32_Premultiplied);
    return Stopwatch::bestSeconds(kRuns, [&] {
        view.setValues(values);
        image.fill(Qt::black);
        view.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    });
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    // Alternate, so that both meet the same load on a shared machine.
    double shortSeconds = 1e30;
    double longSeconds = 1e30;
    for (int round = 0; round < 3; ++round) {
        shortSeconds = std::min(shortSeconds, paintSeconds(100));
        longSeconds = std::min(longSeconds, paintSeconds(100000));
    }

    std::printf("graph paint, 1000-point graph, 100 samples:     %.3f ms\n", shortSeconds * 1e3);
    std::printf("graph paint, 1000-point graph, 100,000 samples: %.3f ms\n", longSeconds * 1e3);
    std::printf("ratio 100,000/100: %.2f (target: same order, each under 2 ms)\n",
                longSeconds / shortSeconds);
    return 0;
}
