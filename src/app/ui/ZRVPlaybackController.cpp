#include "app/ui/ZRVPlaybackController.h"

#include "app/ui/ZRVBusyIndicator.h"
#include "app/ui/ZRVMediaListModel.h"
#include "app/ui/ZRVMediaListView.h"
#include "app/ui/ZRVPlayInfo.h"
#include "app/ui/ZRVPlayerWindowView.h"
#include "app/ui/ZRVPresentationController.h"
#include "app/ui/ZRVScrollableVideoContainerView.h"
#include "app/ui/ZRVSidePanel.h"
#include "common/ui/ZRVLog.h"
#include "controls/TKImage.h"
#include "controls/TKImageButton.h"
#include "controls/TKVideoBackgroundImageView.h"
#include "recording/MediaUrlDirection.h"
#include "recording/ZRVMediaListSnapshot.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QPropertyAnimation>
#include <algorithm>
#include <cmath>

namespace {

// "mm:ss" of a time in milliseconds, as a clock counts it: whole seconds,
// truncated.
QString clockText(std::int64_t milliseconds) {
    const auto seconds = std::abs(milliseconds) / 1000;
    return QStringLiteral("%1%2:%3")
        .arg(milliseconds < 0 ? QStringLiteral("-") : QString())
        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

std::string localPath(const std::shared_ptr<const ZRVMedia>& media) {
    return media ? media->path() : std::string();
}

QString qtPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace

ZRVPlaybackController::ZRVPlaybackController(Parts parts, QObject* parent)
    : QObject(parent), m_parts(std::move(parts)), m_player1(*m_parts.player1),
      m_player2(*m_parts.player2), m_playInfo(*m_parts.playInfo),
      m_position(*m_parts.view, m_playInfo), m_blackBoxData(std::make_shared<ZRVBlackBoxData>()) {
    if (!m_parts.scheduler) {
        m_parts.scheduler = timerScheduler(this);
    }
    m_playNextWatch = new ZRVPlayNextWatch(
        m_player1, m_player2, m_parts.scheduler, [this] { playNext(); }, this);
    for (ZRVMediaPlayer* player : {&m_player1, &m_player2}) {
        connect(player, &ZRVMediaPlayer::stateChanged, this,
                [this, player] { mediaPlayerStateChanged(*player); });
        connect(player, &ZRVMediaPlayer::timeChanged, this,
                [this, player] { mediaPlayerTimeChanged(*player); });
    }
    connect(&m_position, &ZRVPositionDisplay::sliderMoved, this,
            &ZRVPlaybackController::videoPositionSliderMoved);
    connect(m_parts.mediaListModel, &QAbstractItemModel::modelReset, this,
            &ZRVPlaybackController::followReloadedRows);
    connect(&m_playInfo, &ZRVPlayInfo::isPlayingChanged, this,
            &ZRVPlaybackController::showPlayButtonImage);
}

void ZRVPlaybackController::showPlayButtonImage(bool playing) {
    const QString name = playing ? QStringLiteral("icon_pause_n") : QStringLiteral("icon_play_n");
    for (QAbstractButton* button :
         {m_parts.view->playButton, m_parts.view->playButtonForFullScreen}) {
        if (auto* drawn = qobject_cast<TKImageButton*>(button)) {
            drawn->setImageName(name);
        }
        button->setToolTip(
            QCoreApplication::translate("InfoPlist", playing ? "main.pause" : "main.play"));
    }
}

bool ZRVPlaybackController::isPlaying(const ZRVMediaPlayer& player) const {
    // A recording whose length is not known yet has not reached its end.
    const bool atEnd = player.length() > 0 && player.remainingTime() <= 0;
    return player.hasMedia() && player.isPlaying() && !atEnd;
}

bool ZRVPlaybackController::playAtIndex(qint64 index) {
    const auto rows = m_parts.mediaListModel->rows();
    const auto count = qint64(rows->count());
    if (count == 0 || m_waitingForPlayStart) {
        return false;
    }
    index = std::clamp<qint64>(index, 0, count - 1);
    m_waitingForPlayStart = true;
    for (ZRVMediaPlayer* player : {&m_player1, &m_player2}) {
        player->stop();
        player->setMedia(QString());
    }
    m_mediaIndex = index;
    setPlayingMedia(rows->mediaAtIndex(std::size_t(index)));
    m_parts.view->mediaListTableView->selectRow(int(index));
    m_playNextWatch->setPreparingPlayNext(false);
    m_playNextWatch->startTimerPlayNext();
    updateVideoUI();
    m_parts.busyIndicator->showLoading(QStringLiteral("Loading..."));
    emit secondPlayerRealigning(kOpeningHoldSeconds);
    const quint64 generation = ++m_openGeneration;
    watchForStart(generation);
    readTelemetry(generation);
    return true;
}

// A moment has a row for each camera, so the next row is mostly the other
// camera of the moment just played: that would show the same moment again.
bool ZRVPlaybackController::playNext() {
    if (m_mediaIndex < 0) {
        return playAtIndex(0);
    }
    const auto next = m_parts.mediaListModel->rows()->nextMomentIndex(std::size_t(m_mediaIndex));
    return next && playAtIndex(qint64(*next));
}

void ZRVPlaybackController::setMediaIndex(qint64 index) {
    m_mediaIndex = index;
    setPlayingMedia(index < 0 ? nullptr
                              : m_parts.mediaListModel->rows()->mediaAtIndex(std::size_t(index)));
}

void ZRVPlaybackController::setPlayingMedia(std::shared_ptr<const ZRVMedia> media) {
    m_playingMedia = std::move(media);
    emit playingMediaChanged(m_playingMedia ? qtPath(m_playingMedia->path()) : QString());
}

// The recording opened keeps playing through a reload; only its row number
// may differ in the new rows, or it may be gone from them.
void ZRVPlaybackController::followReloadedRows() {
    if (!m_playingMedia) {
        return;
    }
    const auto row = m_parts.mediaListModel->rows()->indexOfPath(m_playingMedia->path());
    m_mediaIndex = row ? qint64(*row) : -1;
}

// The telemetry always comes from the front file, whichever player shows it.
// It is read into a fresh reader on a worker and handed over whole, so the
// read-outs never see a half-filled list; the worker does not wait for the
// UI thread, so closing the window while a file is read cannot deadlock.
void ZRVPlaybackController::readTelemetry(quint64 generation) {
    const bool mainIsRear = isRearMediaUrl(m_player1.media().toStdString());
    const QString source = mainIsRear ? m_player2.media() : m_player1.media();
    const QByteArray path = QFile::encodeName(source);
    QPointer<ZRVPlaybackController> self(this);
    m_parts.executor([self, generation, path, source] {
        auto data = std::make_shared<ZRVBlackBoxData>();
        if (!path.isEmpty()) {
            data->extractStreamInformation(path.constData());
        }
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, generation, source,
             data = std::shared_ptr<const ZRVBlackBoxData>(std::move(data))] {
                if (self) {
                    self->startPlayers(generation, data, source);
                }
            },
            Qt::QueuedConnection);
    });
}

void ZRVPlaybackController::startPlayers(quint64 generation,
                                         std::shared_ptr<const ZRVBlackBoxData> data,
                                         const QString& telemetrySource) {
    if (generation != m_openGeneration || !m_waitingForPlayStart) {
        return;
    }
    m_blackBoxData = std::move(data);
    if (m_blackBoxData->recoveredWithoutIndex()) {
        emit recordingFoundCutShort(telemetrySource,
                                    qint64(m_blackBoxData->recoveredRecordCount()));
    }
    emit blackBoxDataChanged(m_blackBoxData);
    initMediaControlView();
    m_player1.play();
    if (m_player2.hasMedia()) {
        m_player2.play();
    }
}

// A recording that never reports playing (a damaged file, a player error)
// would otherwise leave every later play request refused.
void ZRVPlaybackController::watchForStart(quint64 generation) {
    QPointer<ZRVPlaybackController> self(this);
    m_parts.scheduler(kStartTimeoutSeconds, [self, generation] {
        if (self && generation == self->m_openGeneration && self->m_waitingForPlayStart) {
            self->giveUpStart();
        }
    });
}

void ZRVPlaybackController::giveUpStart() {
    ++m_openGeneration;
    m_waitingForPlayStart = false;
    for (ZRVMediaPlayer* player : {&m_player1, &m_player2}) {
        player->stop();
    }
    m_parts.busyIndicator->hideLoading();
    qCWarning(zorvaPlayer) << "recording did not start:" << m_player1.media();
    if (m_parts.alert) {
        m_parts.alert(QCoreApplication::translate("InfoPlist", "msg.media_play_fail"));
    }
}

void ZRVPlaybackController::updateVideoUI() {
    const auto media = m_playingMedia;
    if (!media) {
        return;
    }
    const auto pair = m_parts.mediaListModel->rows()->findMediaPairWithFileName(media->mediaName());
    m_player1.setMedia(qtPath(media->path()));
    std::string other;
    if (media->isRearMedia()) {
        setLogos(true, true);
        other = pair ? localPath(pair->frontMedia()) : std::string();
    } else {
        setLogos(false, false);
        other = pair ? localPath(pair->rearMedia()) : std::string();
    }
    if (!other.empty()) {
        m_player2.setMedia(qtPath(other));
    } else {
        m_player2.stop();
        m_player2.setMedia(QString());
    }
    const bool alone = !m_player2.hasMedia();
    m_parts.view->video2View->setHidden(alone);
    m_parts.view->audioToggleButton->setHidden(alone);
}

void ZRVPlaybackController::setLogos(bool mainIsRear, bool secondIsFront) {
    m_parts.view->player1BackgroundView->setLogoImage(TKImage::named(
        mainIsRear ? QStringLiteral("v1_rear_logo") : QStringLiteral("v1_front_logo")));
    m_parts.view->player2BackgroundView->setLogoImage(TKImage::named(
        secondIsFront ? QStringLiteral("v2_front_logo") : QStringLiteral("v2_rear_logo")));
}

void ZRVPlaybackController::initMediaControlView() {
    m_waitingForPlayStart = true;
    m_playInfo.setLength(m_player1.length());
    m_position.show(0);
    m_parts.presentation->setVideoScaleIndex(0);
    m_parts.sidePanel->updateSideViewButton();
    m_playInfo.setSpeed(1.0);
    m_player1.setRate(1.0);
    m_player2.setRate(1.0);
    m_playInfo.setPosition(0);
    emit controlsReset();
}

void ZRVPlaybackController::showVideoViews() {
    const bool p1 = m_player1.hasMedia() && m_player1.isPlaying();
    const bool p2 = m_player2.hasMedia() && m_player2.isPlaying();
    m_parts.view->video1View->setVisible(p1 || m_player1.isPaused());
    m_parts.view->video2View->setVisible(p2 || m_player2.isPaused());
}

void ZRVPlaybackController::mediaPlayerStateChanged(ZRVMediaPlayer& player) {
    // A file that fails, or ends before it ever played, will not start.
    const auto state = player.state();
    if (m_waitingForPlayStart &&
        (state == ZRVMediaPlayer::State::Error || state == ZRVMediaPlayer::State::Ended)) {
        giveUpStart();
        return;
    }
    const bool has1 = m_player1.hasMedia();
    const bool has2 = m_player2.hasMedia();
    const bool p1 = has1 && m_player1.isPlaying();
    const bool p2 = has2 && m_player2.isPlaying();
    showVideoViews();
    const auto started = [this] {
        if (m_waitingForPlayStart) {
            m_waitingForPlayStart = false;
            didStartPlayer();
        } else {
            m_parts.presentation->updateAudioUI();
        }
    };
    if (has1 && has2) {
        if (m_player1.isPaused() && m_player2.isPaused()) {
            didFinishPlay();
        } else if (p1 && p2) {
            started();
        }
    } else if (has1) {
        if (m_player1.isPaused()) {
            didFinishPlay();
        } else if (p1) {
            started();
        }
    }
}

void ZRVPlaybackController::didStartPlayer() {
    if (!m_player1.hasMedia()) {
        return;
    }
    m_playInfo.setSpeed(m_player1.rate());
    m_playInfo.setIsPlaying(isPlaying(m_player1));
    m_parts.presentation->chooseAudioAuto();
    if (m_playInfo.scale() == 0 && m_player1.videoSize().width() > 0) {
        m_parts.presentation->updatePlayInfoScale();
    }
}

void ZRVPlaybackController::didFinishPlay() {
    m_playInfo.setPosition(m_player1.position());
    m_playInfo.setIsPlaying(isPlaying(m_player1));
}

void ZRVPlaybackController::mediaPlayerTimeChanged(ZRVMediaPlayer& player) {
    showVideoViews();
    m_playNextWatch->setPreparingPlayNext(false);
    m_playInfo.setLength(m_player1.length());
    if (!m_parts.busyIndicator->stopVideoLoadingView()) {
        m_parts.busyIndicator->hideLoading();
        m_parts.presentation->chooseAudioAuto();
    }
    m_playInfo.setIsPlaying(isPlaying(m_player1));
    if (m_moving) {
        m_timeReportCounter = -1;
        if (m_movingPosition > 0) {
            m_playInfo.setPosition(m_movingPosition);
        }
        return;
    }
    if (&player != &m_player1) {
        return;
    }
    m_timeReportCounter = (m_timeReportCounter + 1) % 3;
    if (m_timeReportCounter == 0) {
        m_playInfo.setPosition(m_player1.position());
    }
}

void ZRVPlaybackController::playBoth() {
    m_player1.play();
    if (m_player2.hasMedia()) {
        m_player2.play();
    }
}

void ZRVPlaybackController::clickPlayButton() {
    if (!m_player1.hasMedia()) {
        return;
    }
    if (m_playInfo.isPlaying()) {
        for (ZRVMediaPlayer* player : {&m_player1, &m_player2}) {
            if (isPlaying(*player)) {
                player->pause();
            }
        }
        return;
    }
    if (m_player1.position() < kEndPosition) {
        m_player1.play();
        if (m_player2.hasMedia()) {
            m_player2.play();
            syncVideoPositionDelay(0.3);
        }
        return;
    }
    // The main player stands at its end: start over, or go where the user
    // has since moved the slider.
    if (m_position.sliderValue() >= kEndPosition) {
        for (ZRVMediaPlayer* player : {&m_player1, &m_player2}) {
            player->setMedia(QString());
        }
        playAtIndex(m_mediaIndex);
        return;
    }
    const auto time = std::int64_t(m_position.sliderValue() * double(m_player1.length()));
    moveBothTo(time, time);
    QPointer<ZRVPlaybackController> self(this);
    m_parts.scheduler(0.1, [self] {
        if (self) {
            self->playBoth();
        }
    });
}

// Both players are moved at once here, so there is nothing to put in step
// afterwards; anything else that moves the second player waits a moment.
void ZRVPlaybackController::moveBothTo(std::int64_t mainTime, std::int64_t secondTime) {
    emit secondPlayerRealigning(kOpeningHoldSeconds);
    m_player1.setTime(mainTime);
    m_player2.setTime(secondTime);
}

void ZRVPlaybackController::syncVideoPositionDelay(double seconds) {
    if (!m_player1.hasMedia() || !m_player2.hasMedia()) {
        m_moving = false;
        return;
    }
    emit secondPlayerRealigning(seconds);
    QPointer<ZRVPlaybackController> self(this);
    m_parts.scheduler(seconds, [self] {
        if (self) {
            self->m_moving = false;
            self->m_player2.setPosition(self->m_player1.position());
        }
    });
}

void ZRVPlaybackController::videoPositionSliderMoved(double value) {
    qCInfo(zorvaPlayer).noquote() << QStringLiteral("D [%1] position slider moved:%2 <=> %3")
                                         .arg(QStringLiteral("videoPositionSliderMoved"))
                                         .arg(m_playInfo.position(), 0, 'f', 6)
                                         .arg(value, 0, 'f', 6);
    m_playInfo.setIsPlaying(isPlaying(m_player1));
    if (m_moving) {
        return;
    }
    if (value >= kEndPosition) {
        moveBothTo(m_player1.length(), m_player2.length());
        return;
    }
    m_moving = true;
    m_movingPosition = value;
    m_player1.setPosition(double(float(value)));
    m_player2.setPosition(double(float(value)));
    syncVideoPositionDelay(0.3);
}

void ZRVPlaybackController::seekTo(double position) {
    if (!m_player1.hasMedia() || !std::isfinite(position)) {
        return;
    }
    const double clamped = std::clamp(position, 0.0, 1.0);
    m_playInfo.setPosition(clamped);
    videoPositionSliderMoved(clamped);
}

void ZRVPlaybackController::jumpForward() {
    qCInfo(zorvaPlayer).noquote() << QStringLiteral(
                                         "D [%1] _player1.time=%2,remainingTime.stringValue=%3")
                                         .arg(QStringLiteral("jumpForward"))
                                         .arg(clockText(m_player1.time()))
                                         .arg(clockText(-m_player1.remainingTime()));
    if (m_moving || !m_player1.hasMedia()) {
        return;
    }
    if (-double(m_player1.remainingTime()) / 1000.0 > -double(kJumpSeconds)) {
        moveBothTo(m_player1.length(), m_player2.length());
        return;
    }
    m_moving = true;
    m_movingPosition = m_player1.position() + kJumpSeconds * 1000.0 / double(m_player1.length());
    m_position.show(m_movingPosition);
    m_player1.jumpForward(kJumpSeconds);
    syncVideoPositionDelay(0.3);
}

void ZRVPlaybackController::jumpBackward() {
    if (m_moving || !m_player1.hasMedia()) {
        return;
    }
    if (double(m_player1.time()) / 1000.0 < double(kJumpSeconds)) {
        moveBothTo(0, 0);
    } else {
        m_moving = true;
        m_movingPosition = m_position.sliderValue();
        m_player1.jumpBackward(kJumpSeconds);
        syncVideoPositionDelay(0.3);
    }
    m_parts.presentation->updateAudioUI();
}

void ZRVPlaybackController::swapPlayer() {
    if (!isPlaying(m_player1) || !isPlaying(m_player2) || m_swapping) {
        return;
    }
    m_swapping = true;
    const double p0 = double(float(m_player1.position()));
    m_player1.pause();
    m_player2.pause();
    const QString main = m_player1.media();
    const QString second = m_player2.media();
    m_player1.setMedia(second);
    m_player2.setMedia(main);
    m_player1.play();
    m_player2.play();
    setLogos(isRearMediaUrl(m_player1.media().toStdString()),
             isFrontMediaUrl(m_player2.media().toStdString()));
    m_moving = true;
    m_movingPosition = m_player1.position();
    animateSwap();
    m_player1.setMute(true);
    m_player2.setMute(true);
    emit secondPlayerRealigning(1.7);
    QPointer<ZRVPlaybackController> self(this);
    m_parts.scheduler(0.8, [self, p0] {
        if (self) {
            self->m_moving = false;
            self->m_player1.setPosition(p0);
            self->m_player2.setPosition(p0);
        }
    });
    m_parts.scheduler(1.7, [self] {
        if (self) {
            self->m_swapping = false;
            self->m_parts.presentation->updateAudioUI();
        }
    });
}

// Each picture flies into its new area: the main one from the right edge,
// the small one from the bottom.
void ZRVPlaybackController::animateSwap() {
    const ZRVPlayerWindowView& view = *m_parts.view;
    const struct {
        QWidget* video;
        QRect from;
    } moves[] = {
        {view.video1View, QRect(view.videoContainerView->width(), 0, 0, 0)},
        {view.video2View, QRect(0, view.subVideoBox->height(), 0, 0)},
    };
    for (const auto& move : moves) {
        auto* animation = new QPropertyAnimation(move.video, "geometry", move.video);
        animation->setDuration(1500);
        animation->setEasingCurve(QEasingCurve::OutCubic);
        animation->setStartValue(move.from);
        animation->setEndValue(move.video->parentWidget()->rect());
        animation->start(QAbstractAnimation::DeleteWhenStopped);
    }
}

void ZRVPlaybackController::changeAndPlay(const QString& path) {
    const auto rows = m_parts.mediaListModel->rows();
    const std::string localPath = QFile::encodeName(path).toStdString();
    const auto selectedRow = rows->indexOfPath(localPath);
    qCInfo(zorvaPlayer).noquote() << QStringLiteral(
                                         "selectedRow=%1,mediaIndex=%2,isPlaying=%3,count=%4")
                                         .arg(selectedRow ? qint64(*selectedRow) : qint64(-1))
                                         .arg(m_mediaIndex)
                                         .arg(int(m_playInfo.isPlaying()))
                                         .arg(qint64(rows->count()));
    if (!selectedRow) {
        return;
    }
    if (!m_playingMedia || m_playingMedia->path() != localPath) {
        playAtIndex(qint64(*selectedRow));
        return;
    }
    if (m_player1.isPaused()) {
        m_player1.setPosition(0);
        m_player2.setPosition(0);
    }
    m_player1.play();
    if (m_player2.hasMedia()) {
        m_player2.play();
        syncVideoPositionDelay(0.1);
    }
}

// Stopping also drops a start still pending: the recording it waits for is
// gone, and a later play request must not be refused for it.
void ZRVPlaybackController::stopPlay() {
    ++m_openGeneration;
    m_waitingForPlayStart = false;
    for (ZRVMediaPlayer* player : {&m_player1, &m_player2}) {
        player->pause();
        player->setMedia(QString());
    }
}
