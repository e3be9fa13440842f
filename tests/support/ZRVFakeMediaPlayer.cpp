#include "support/ZRVFakeMediaPlayer.h"

#include <QColor>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <utility>

void ZRVFakeMediaPlayer::setRecording(std::int64_t length, int audioTracks, QSize videoSize) {
    m_length = std::max<std::int64_t>(length, 0);
    m_audioTracks = std::max(audioTracks, 0);
    m_videoSize = videoSize;
}

void ZRVFakeMediaPlayer::advance(std::int64_t milliseconds) {
    if (m_state != State::Playing || milliseconds <= 0) {
        return;
    }
    const auto step =
        static_cast<std::int64_t>(std::llround(static_cast<double>(milliseconds) * m_rate));
    m_time = std::min(m_time + step, m_length);
    emit timeChanged(m_time);
    if (m_time >= m_length) {
        setState(State::Ended);
    }
}

void ZRVFakeMediaPlayer::fail() {
    setState(State::Error);
}

void ZRVFakeMediaPlayer::setMedia(const QString& path) {
    m_path = path;
    m_pendingTime.reset();
    m_time = 0;
    setState(State::Idle);
}

void ZRVFakeMediaPlayer::play() {
    if (m_path.isEmpty()) {
        return;
    }
    // As with libVLC, playing again after the end starts from the beginning.
    if (m_state == State::Ended || m_state == State::Error) {
        m_time = 0;
    }
    if (m_state != State::Paused && m_state != State::Playing) {
        setState(State::Opening);
        const Start start = std::exchange(m_nextStart, Start::Plays);
        if (start == Start::Fails) {
            setState(State::Error);
            return;
        }
        if (start == Start::Hangs) {
            return;
        }
        emit lengthChanged(m_length);
    }
    setState(State::Playing);
    if (m_pendingTime) {
        setTime(*std::exchange(m_pendingTime, std::nullopt));
    }
}

void ZRVFakeMediaPlayer::pause() {
    if (m_state == State::Playing) {
        setState(State::Paused);
    }
}

void ZRVFakeMediaPlayer::stop() {
    if (m_path.isEmpty()) {
        return;
    }
    m_time = 0;
    setState(State::Stopped);
}

double ZRVFakeMediaPlayer::position() const {
    return m_length > 0 ? static_cast<double>(m_time) / static_cast<double>(m_length) : 0.0;
}

void ZRVFakeMediaPlayer::setPosition(double position) {
    setTime(static_cast<std::int64_t>(
        std::llround(std::clamp(position, 0.0, 1.0) * static_cast<double>(m_length))));
}

void ZRVFakeMediaPlayer::setTime(std::int64_t milliseconds) {
    // As the libVLC player does, a player that is not open goes there once
    // it plays.
    if (m_state != State::Playing && m_state != State::Paused) {
        if (!m_path.isEmpty()) {
            m_pendingTime = milliseconds;
        }
        return;
    }
    m_time = std::clamp<std::int64_t>(milliseconds, 0, m_length);
    emit timeChanged(m_time);
}

void ZRVFakeMediaPlayer::setRate(double rate) {
    if (rate > 0.0) {
        m_rate = rate;
    }
}

void ZRVFakeMediaPlayer::setVolume(int volume) {
    m_volume = std::clamp(volume, 0, 200);
}

bool ZRVFakeMediaPlayer::saveSnapshot(const QString& path, int width, int height) {
    if (m_path.isEmpty() || m_videoSize.isEmpty()) {
        return false;
    }
    // A zero side keeps the picture's proportions, as libVLC does.
    QSize size(width, height);
    if (width <= 0 && height <= 0) {
        size = m_videoSize;
    } else if (width <= 0) {
        size.setWidth(m_videoSize.width() * height / m_videoSize.height());
    } else if (height <= 0) {
        size.setHeight(m_videoSize.height() * width / m_videoSize.width());
    }
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(Qt::black));
    return picture.save(path);
}

void ZRVFakeMediaPlayer::setState(State state) {
    if (m_state == state) {
        return;
    }
    m_state = state;
    emit stateChanged(state);
}
