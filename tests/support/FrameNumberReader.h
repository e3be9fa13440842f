#pragma once

#include <QImage>
#include <optional>

// Reads back the frame number that the demo card's painter burns into the
// black band at the bottom of every picture (tools/sample-card/DashCamFramePainter),
// so that tests and benchmarks can tell which frame a player shows. The band
// starts at the last 16-pixel row boundary at least 24 pixels above the bottom;
// 22 cells of 16 pixels from x = 16 hold a white-black-white guard, the number
// in 16 bits (most significant first, white = 1) and a second guard. A picture
// scaled, cropped or caught half-drawn fails a guard and reads as nothing.
class FrameNumberReader {
public:
    static std::optional<int> read(const QImage& picture) {
        const int bandTop = (picture.height() - kBandMinimumHeight) / kBlockRows * kBlockRows;
        if (bandTop <= 0 || picture.width() < kLeft + kCells * kCellWidth) {
            return std::nullopt;
        }
        const int y = (bandTop + picture.height()) / 2;
        const auto cellIsWhite = [&picture, y](int cell) {
            return qGray(picture.pixel(kLeft + cell * kCellWidth + kCellWidth / 2, y)) >= kMidGrey;
        };
        for (const int guard : {0, kGuardCells + kBits}) {
            if (!cellIsWhite(guard) || cellIsWhite(guard + 1) || !cellIsWhite(guard + 2)) {
                return std::nullopt;
            }
        }
        int number = 0;
        for (int bit = 0; bit < kBits; ++bit) {
            number = (number << 1) | (cellIsWhite(kGuardCells + bit) ? 1 : 0);
        }
        return number;
    }

private:
    static constexpr int kBandMinimumHeight = 24;
    static constexpr int kBlockRows = 16;
    static constexpr int kLeft = 16;
    static constexpr int kCellWidth = 16;
    static constexpr int kGuardCells = 3;
    static constexpr int kBits = 16;
    static constexpr int kCells = kGuardCells + kBits + kGuardCells;
    static constexpr int kMidGrey = 128;
};
