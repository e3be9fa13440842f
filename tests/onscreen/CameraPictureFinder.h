#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

// Finds the demo card's pictures on a screenshot, whatever size the player
// drew them at. Each picture carries a frame-number row at its bottom
// (tools/sample-card/DashCamFramePainter): on a black band, 22 cells of 16
// picture pixels from x = 16, a white-black-white guard at each end. The
// drawn width of a cell gives the scale; the band is 1.5 cells high on the
// front camera's 640x360 picture and 2 cells on the rear's 480x272, which
// tells the cameras apart. From both follows where the whole picture lies.
struct CameraPicture {
    enum class Camera { front, rear };
    Camera camera = Camera::front;
    int frameNumber = 0;
    QRect rect;

    QString describe() const;
};

class CameraPictureFinder {
public:
    static std::vector<CameraPicture> find(const QImage& screen);

private:
    static bool readRow(const QImage& screen, int y, int runStart, int runLength,
                        CameraPicture& picture);
};
