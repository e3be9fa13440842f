#include "app/ui/ZRVPlayInfo.h"

// Setting a value announces it even when it is unchanged: observers such as
// the telemetry read-outs rely on a report for every position written.
void ZRVPlayInfo::setIsPlaying(bool isPlaying) {
    m_isPlaying = isPlaying;
    emit isPlayingChanged(isPlaying);
}

void ZRVPlayInfo::setAudioMediaDirection(int direction) {
    m_audioMediaDirection = direction;
    emit audioMediaDirectionChanged(direction);
}

void ZRVPlayInfo::setPosition(double position) {
    m_position = position;
    emit positionChanged(position);
}

void ZRVPlayInfo::setSpeed(double speed) {
    m_speed = speed;
    emit speedChanged(speed);
}

void ZRVPlayInfo::setScale(double scale) {
    m_scale = scale;
    emit scaleChanged(scale);
}

// Written at every time report, so only a change is announced.
void ZRVPlayInfo::setLength(qint64 length) {
    if (length == m_length) {
        return;
    }
    m_length = length;
    emit lengthChanged(length);
}
