#include "app/ui/ZRVPresentationController.h"

#include "app/ZRVZoomRule.h"
#include "app/ui/CustomWindow.h"
#include "app/ui/ZRVPlayInfo.h"
#include "app/ui/ZRVPlayerWindowView.h"
#include "app/ui/ZRVScrollableVideoContainerView.h"
#include "platform/ZRVMediaPlayer.h"
#include "recording/MediaUrlDirection.h"

#include <QAbstractButton>
#include <QPropertyAnimation>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <cmath>

namespace {

ZRVRect toRect(const QRect& rect) {
    return {double(rect.x()), double(rect.y()), double(rect.width()), double(rect.height())};
}

QRect toQRect(const ZRVRect& rect) {
    return QRect(int(std::lround(rect.x)), int(std::lround(rect.y)), int(std::lround(rect.width)),
                 int(std::lround(rect.height)));
}

ZRVMediaDirection sideOf(const ZRVMediaPlayer& player) {
    return mediaDirectionOfUrl(player.media().toStdString());
}

} // namespace

ZRVPresentationController::ZRVPresentationController(ZRVMediaPlayer& player1,
                                                     ZRVMediaPlayer& player2, ZRVPlayInfo& playInfo,
                                                     CustomWindow* window,
                                                     const ZRVPlayerWindowView& view,
                                                     Options options, QObject* parent)
    : QObject(parent), m_player1(player1), m_player2(player2), m_playInfo(playInfo),
      m_window(window), m_speedTextButton(view.speedTextButton),
      m_sizeTextButton(view.sizeTextButton), m_audioToggleButton(view.audioToggleButton),
      m_volumeSlider(view.volumeSlider), m_videoContainerView(view.videoContainerView),
      m_options(std::move(options)) {
    connect(&m_playInfo, &ZRVPlayInfo::speedChanged, this, &ZRVPresentationController::showSpeed);
    connect(&m_playInfo, &ZRVPlayInfo::scaleChanged, this, &ZRVPresentationController::showScale);
    connect(&m_playInfo, &ZRVPlayInfo::audioMediaDirectionChanged, this,
            &ZRVPresentationController::updateAudioUI);
    connect(this, &ZRVPresentationController::volumeChanged, this,
            &ZRVPresentationController::updateAudioUI);
}

ZRVPresentationController::~ZRVPresentationController() = default;

void ZRVPresentationController::increaseSpeed() {
    const double speed = m_playInfo.speed() + kSpeedStep;
    if (speed > kMaxSpeed) {
        return;
    }
    m_player1.setRate(m_player1.rate() + kSpeedStep);
    m_player2.setRate(m_player2.rate() + kSpeedStep);
    m_playInfo.setSpeed(speed);
}

void ZRVPresentationController::decreaseSpeed() {
    if (m_playInfo.speed() <= kMinSpeed) {
        return;
    }
    m_player1.setRate(m_player1.rate() - kSpeedStep);
    m_player2.setRate(m_player2.rate() - kSpeedStep);
    m_playInfo.setSpeed(m_playInfo.speed() - kSpeedStep);
}

void ZRVPresentationController::sizeUp() {
    if (m_player1.isPlaying()) {
        setVideoScaleIndex(1);
    }
}

void ZRVPresentationController::sizeDown() {
    if (m_player1.isPlaying()) {
        setVideoScaleIndex(-1);
    }
}

void ZRVPresentationController::setVideoScaleIndex(int step) {
    if (!m_window) {
        return;
    }
    const QRect frame = targetFrame();
    const auto result =
        ZRVZoomRule::apply(step, toRect(frame), toRect(screenGeometry()), m_window->isFullScreen());
    switch (result.action) {
    case ZRVZoomRule::Action::none:
        break;
    case ZRVZoomRule::Action::enterFullScreen:
        stopResizeAnimation();
        m_window->enterFullscreen();
        break;
    case ZRVZoomRule::Action::leaveFullScreen:
        stopResizeAnimation();
        m_window->leaveFullscreen();
        break;
    case ZRVZoomRule::Action::resize:
        resizeWindow(toQRect(result.frame));
        break;
    }
}

void ZRVPresentationController::updatePlayInfoScale() {
    const int pictureHeight = m_player1.videoSize().height();
    if (!m_player1.isPlaying() || pictureHeight <= 0 || !m_videoContainerView) {
        return;
    }
    m_playInfo.setScale(double(m_videoContainerView->height()) / pictureHeight);
}

void ZRVPresentationController::setVolume(quint64 volume) {
    volume = std::min(volume, kMaxVolume);
    if (volume == m_volume) {
        return;
    }
    m_volume = volume;
    emit volumeChanged(volume);
}

void ZRVPresentationController::volumeUp() {
    setVolume(m_volume + kVolumeStep);
}

void ZRVPresentationController::volumeDown() {
    setVolume(m_volume < kVolumeStep ? 0 : m_volume - kVolumeStep);
}

void ZRVPresentationController::volumeSliderMoved(int value) {
    setVolume(value < 0 ? 0 : quint64(value));
}

void ZRVPresentationController::toggleAudioChoice(bool checked) {
    m_playInfo.setAudioMediaDirection(
        int(checked ? ZRVMediaDirection::rear : ZRVMediaDirection::front));
}

void ZRVPresentationController::chooseAudioAuto() {
    const bool main = hasAudio(m_player1);
    if (!main && !hasAudio(m_player2)) {
        m_playInfo.setAudioMediaDirection(int(ZRVMediaDirection::unknown));
        return;
    }
    m_playInfo.setAudioMediaDirection(int(sideOf(main ? m_player1 : m_player2)));
}

bool ZRVPresentationController::hasAudio(const ZRVMediaPlayer& player) {
    return player.hasMedia() && player.audioTrackCount() > 0;
}

void ZRVPresentationController::updateAudioUI() {
    const int direction = m_playInfo.audioMediaDirection();
    if (direction == int(ZRVMediaDirection::front) || direction == int(ZRVMediaDirection::rear)) {
        const auto wanted = ZRVMediaDirection(direction);
        if (m_audioToggleButton) {
            const QSignalBlocker quiet(m_audioToggleButton);
            m_audioToggleButton->setChecked(wanted == ZRVMediaDirection::rear);
        }
        if (m_player1.hasMedia() && sideOf(m_player1) == wanted) {
            makeAudible(m_player1, m_player2);
        } else if (m_player2.hasMedia() && sideOf(m_player2) == wanted) {
            makeAudible(m_player2, m_player1);
        } else {
            muteBoth();
        }
    } else {
        if (direction == int(ZRVMediaDirection::unknown) && m_audioToggleButton) {
            m_audioToggleButton->hide();
        }
        muteBoth();
    }
    if (m_volumeSlider) {
        const QSignalBlocker quiet(m_volumeSlider);
        m_volumeSlider->setValue(int(m_volume));
    }
}

void ZRVPresentationController::showSpeed(double speed) {
    if (m_speedTextButton) {
        m_speedTextButton->setText(QString::asprintf("%.1fx", speed));
    }
}

void ZRVPresentationController::showScale(double scale) {
    if (m_sizeTextButton) {
        m_sizeTextButton->setText(QString::asprintf("%.2fx", scale));
    }
}

QRect ZRVPresentationController::screenGeometry() const {
    if (m_options.screenGeometry) {
        return m_options.screenGeometry();
    }
    QScreen* screen = m_window ? m_window->screen() : nullptr;
    return screen != nullptr ? screen->geometry() : QRect();
}

QRect ZRVPresentationController::targetFrame() const {
    if (m_resizeAnimation && m_resizeAnimation->state() == QAbstractAnimation::Running) {
        return m_resizeAnimation->endValue().toRect();
    }
    return m_window->geometry();
}

void ZRVPresentationController::stopResizeAnimation() {
    if (m_resizeAnimation) {
        m_resizeAnimation->stop();
    }
}

// The top-left corner stays where it is, so the window grows to the right and
// downward.
void ZRVPresentationController::resizeWindow(const QRect& frame) {
    stopResizeAnimation();
    if (frame == m_window->geometry()) {
        return;
    }
    if (m_options.resizeAnimationMilliseconds <= 0) {
        m_window->setGeometry(frame);
        return;
    }
    if (!m_resizeAnimation) {
        m_resizeAnimation = new QPropertyAnimation(m_window, "geometry", this);
    }
    m_resizeAnimation->setDuration(m_options.resizeAnimationMilliseconds);
    m_resizeAnimation->setStartValue(m_window->geometry());
    m_resizeAnimation->setEndValue(frame);
    m_resizeAnimation->start();
}

void ZRVPresentationController::makeAudible(ZRVMediaPlayer& audible, ZRVMediaPlayer& silent) {
    audible.setMute(false);
    audible.setVolume(int(m_volume));
    silent.setMute(true);
}

void ZRVPresentationController::muteBoth() {
    m_player1.setMute(true);
    m_player2.setMute(true);
}
