#include "app/ui/ZRVPositionDisplay.h"

#include "app/ZRVPlayTimeText.h"
#include "app/ui/ZRVPlayInfo.h"
#include "app/ui/ZRVPlayerWindowView.h"

#include <QLabel>
#include <QSlider>
#include <algorithm>
#include <cmath>

ZRVPositionDisplay::ZRVPositionDisplay(const ZRVPlayerWindowView& view, ZRVPlayInfo& playInfo,
                                       QObject* parent)
    : QObject(parent), m_slider(view.videoPositionSlider),
      m_sliderForFullScreen(view.videoPositionSliderForFullScreen), m_time(view.playTimeField),
      m_timeForFullScreen(view.playTimeFieldForFullScreen), m_playInfo(playInfo) {
    bind(m_slider);
    bind(m_sliderForFullScreen);
    connect(&m_playInfo, &ZRVPlayInfo::positionChanged, this, &ZRVPositionDisplay::show);
    connect(&m_playInfo, &ZRVPlayInfo::lengthChanged, this, &ZRVPositionDisplay::showTime);
    showTime();
}

// The guard keeps a value the position wrote from coming back as a user's
// move.
void ZRVPositionDisplay::bind(QSlider* slider) {
    slider->setRange(0, kSliderSteps);
    connect(slider, &QSlider::valueChanged, this, [this](int value) {
        if (m_updatingSliders) {
            return;
        }
        const double position = double(value) / kSliderSteps;
        m_playInfo.setPosition(position);
        emit sliderMoved(position);
    });
}

void ZRVPositionDisplay::show(double position) {
    const int value = int(std::lround(std::clamp(position, 0.0, 1.0) * kSliderSteps));
    m_updatingSliders = true;
    m_slider->setValue(value);
    m_sliderForFullScreen->setValue(value);
    m_updatingSliders = false;
    showTime();
}

double ZRVPositionDisplay::sliderValue() const {
    return double(m_slider->value()) / kSliderSteps;
}

void ZRVPositionDisplay::showTime() {
    const auto length = m_playInfo.length();
    const auto elapsed = std::llround(sliderValue() * double(length));
    const QString text = QString::fromStdString(ZRVPlayTimeText::elapsedAndTotal(elapsed, length));
    m_time->setText(text);
    m_timeForFullScreen->setText(text);
}
