#include "onscreen/CameraPictureFinder.h"

#include <cmath>

namespace {

constexpr int kCells = 22;
constexpr int kGuardCells = 3;
constexpr int kBits = 16;
constexpr double kPictureCell = 16;
// Pictures drawn smaller than a quarter of their size are not looked for.
constexpr double kSmallestCell = 4;

bool isWhite(const QImage& screen, double x, int y) {
    const int column = int(std::lround(x));
    if (column < 0 || column >= screen.width() || y < 0 || y >= screen.height()) {
        return false;
    }
    return qGray(screen.pixel(column, y)) >= 128;
}

// Rows of pixels at one column that stay white, upwards and downwards.
std::pair<int, int> whiteSpan(const QImage& screen, int x, int y) {
    int top = y;
    while (top > 0 && isWhite(screen, x, top - 1)) {
        --top;
    }
    int bottom = y;
    while (bottom + 1 < screen.height() && isWhite(screen, x, bottom + 1)) {
        ++bottom;
    }
    return {top, bottom};
}

// The band is drawn pure black; the window's dark panels are not.
bool isBandBlack(const QImage& screen, double x, int y) {
    const int column = int(std::lround(x));
    return column >= 0 && column < screen.width() && y >= 0 && y < screen.height() &&
           qGray(screen.pixel(column, y)) < 24;
}

} // namespace

QString CameraPicture::describe() const {
    return QStringLiteral("%1 frame %2 at %3,%4 %5x%6")
        .arg(camera == Camera::front ? QStringLiteral("front") : QStringLiteral("rear"))
        .arg(frameNumber)
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height());
}

std::vector<CameraPicture> CameraPictureFinder::find(const QImage& image) {
    const QImage screen = image.convertToFormat(QImage::Format_RGB32);
    std::vector<CameraPicture> found;
    const auto alreadyFound = [&found](const QPoint& point) {
        for (const CameraPicture& picture : found) {
            if (picture.rect.adjusted(-4, -4, 4, 4).contains(point)) {
                return true;
            }
        }
        return false;
    };
    for (int y = 0; y < screen.height(); y += 2) {
        int x = 0;
        while (x < screen.width()) {
            if (!isWhite(screen, x, y)) {
                ++x;
                continue;
            }
            int end = x;
            while (end < screen.width() && isWhite(screen, end, y)) {
                ++end;
            }
            CameraPicture picture;
            if (end - x >= 3 && !alreadyFound({x, y}) && readRow(screen, y, x, end - x, picture)) {
                found.push_back(picture);
            }
            x = end;
        }
    }
    return found;
}

// A white run that starts a guard: try the cell widths it allows and keep the
// first whose guards read as whole cells of one band, black between them.
bool CameraPictureFinder::readRow(const QImage& screen, int y, int runStart, int runLength,
                                  CameraPicture& picture) {
    // A white cell looks wider than a black one where the picture was
    // smoothed when scaled; a white and a black run together are two cells.
    int blackLength = 0;
    while (runStart + runLength + blackLength < screen.width() &&
           !isWhite(screen, runStart + runLength + blackLength, y)) {
        ++blackLength;
    }
    const double estimate = (runLength + blackLength) / 2.0;
    for (double cell = estimate - 0.5; cell <= estimate + 0.5; cell += 0.125) {
        if (cell < kSmallestCell) {
            continue;
        }
        const auto centre = [&](int index) { return runStart + (index + 0.5) * cell; };
        // The guards end together at the picture's bottom edge. Text drawn
        // just above the band can run on from a guard's top, so the band's
        // top is the lowest of the four.
        auto [top, bottom] = whiteSpan(screen, int(centre(0)), y);
        bool guards = true;
        for (const int index : {2, kCells - 3, kCells - 1}) {
            const auto [otherTop, otherBottom] = whiteSpan(screen, int(centre(index)), y);
            guards = guards && std::abs(otherBottom - bottom) <= 2;
            top = std::max(top, otherTop);
        }
        const double bandCells = (bottom - top + 1) / cell;
        if (!guards || bandCells < 1.25 || bandCells > 2.25) {
            continue;
        }
        for (const int index : {-1, 1, kCells - 2, kCells}) {
            for (const int row : {top + 1, y, bottom - 1}) {
                guards = guards && isBandBlack(screen, centre(index), row);
            }
        }
        if (!guards) {
            continue;
        }
        // The stop guard's right edge gives the cell width to a fraction of
        // a pixel, and with it the scale of the whole picture.
        int right = int(centre(kCells - 1));
        while (isWhite(screen, right + 1, y)) {
            ++right;
        }
        const double exactCell = (right + 1 - runStart) / double(kCells);
        int number = 0;
        for (int bit = 0; bit < kBits; ++bit) {
            const double x = runStart + (kGuardCells + bit + 0.5) * exactCell;
            number = (number << 1) | (isWhite(screen, x, (top + bottom) / 2) ? 1 : 0);
        }
        const bool front = bandCells < 1.75;
        const double scale = exactCell / kPictureCell;
        const double width = (front ? 640 : 480) * scale;
        const double height = (front ? 360 : 272) * scale;
        const double left = runStart - kPictureCell * scale;
        picture.camera = front ? CameraPicture::Camera::front : CameraPicture::Camera::rear;
        picture.frameNumber = number;
        picture.rect = QRect(int(std::lround(left)), int(std::lround(bottom + 1 - height)),
                             int(std::lround(width)), int(std::lround(height)));
        return true;
    }
    return false;
}
