#pragma once

#include <QObject>

class QLabel;
class QSlider;
class ZRVPlayInfo;
class ZRVPlayerWindowView;

// The play position in the normal and in the full-screen strip: a slider and,
// beside it, the time played and the length. The sliders and the play
// position follow each other both ways; the time follows what the sliders
// show, so it moves with a drag as the picture does.
class ZRVPositionDisplay : public QObject {
    Q_OBJECT

public:
    // Sliders hold integers; this many steps make the whole recording.
    static constexpr int kSliderSteps = 10000;

    ZRVPositionDisplay(const ZRVPlayerWindowView& view, ZRVPlayInfo& playInfo,
                       QObject* parent = nullptr);

    // Shows a position on the sliders and in the time without making it the
    // play position.
    void show(double position);
    double sliderValue() const;

signals:
    // The user moved a slider; the play position is already there.
    void sliderMoved(double position);

private:
    void bind(QSlider* slider);
    void showTime();

    QSlider* m_slider;
    QSlider* m_sliderForFullScreen;
    QLabel* m_time;
    QLabel* m_timeForFullScreen;
    ZRVPlayInfo& m_playInfo;
    bool m_updatingSliders = false;
};
